scores = {"张三": 92, "李四": 58, "王五": 76, "赵六": 85, "钱七": 64}


def grade(score):
    if score >= 90:
        return "优"
    if score >= 80:
        return "良"
    if score >= 70:
        return "中"
    return "及格"


passed = [name for name, s in scores.items() if s >= 60]
levels = {name: grade(s) for name, s in scores.items() if s >= 60}
squares = [n * n for n in range(1, 6)]

print("及格名单:", passed)
print("等级:", levels)
print("平方数:", squares)
