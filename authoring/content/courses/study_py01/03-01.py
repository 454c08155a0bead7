fruits = ["苹果", "香蕉", "橙子"]
fruits.append("葡萄")
fruits.insert(1, "草莓")
fruits.remove("香蕉")
print(fruits, len(fruits))

numbers = [5, 3, 8, 1, 9, 2]
numbers.sort()
print(numbers, numbers[:3], numbers[-1])

point = (3, 4)
x, y = point                    # 元组拆包
print("到原点的距离:", (x ** 2 + y ** 2) ** 0.5)
