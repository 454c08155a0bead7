temperature = 28
if temperature > 30:
    print("天气炎热")
elif temperature > 20:
    print("天气温暖")
else:
    print("天气凉爽")

for i in range(1, 6):
    print(i, "的平方是", i * i)

n = 0
while 2 ** n < 1000:
    n += 1
print("2 的", n, "次方第一次超过 1000")
