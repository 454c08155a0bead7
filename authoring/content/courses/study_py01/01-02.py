price = 12.5
count = 3
total = price * count
print(f"单价 {price} 元，数量 {count}，合计 {total:.2f} 元")

print(7 / 2, 7 // 2, 7 % 2, 2 ** 100)

word = "python"
print(word.upper(), word.capitalize(), len(word))
print(word[0], word[-1], word[1:4])
