text = input("请输入温度（如 36.5C 或 98F）：").strip().upper()
value, unit = float(text[:-1]), text[-1]
if unit == "C":
    print(f"{value * 9 / 5 + 32:.1f}F")
elif unit == "F":
    print(f"{(value - 32) * 5 / 9:.1f}C")
else:
    print("单位只能是 C 或 F")
