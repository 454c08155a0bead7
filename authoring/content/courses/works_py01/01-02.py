import random

secret = random.randint(1, 100)
tries = 0
while True:
    guess = input("请猜一个 1~100 的整数：")
    if not guess.isdigit():
        print("请输入整数")
        continue
    tries += 1
    if int(guess) > secret:
        print("大了")
    elif int(guess) < secret:
        print("小了")
    else:
        print(f"猜中了！一共猜了 {tries} 次")
        break
