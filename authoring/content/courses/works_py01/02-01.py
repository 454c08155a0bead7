def unique(items):
    seen = set()
    result = []
    for x in items:
        if x not in seen:
            seen.add(x)
            result.append(x)
    return result


data = [3, 1, 3, 2, 1, 5]
print(unique(data))
print(list(dict.fromkeys(data)))   # 另一种写法
