from collections import defaultdict

sales = [
    ("数码", "耳机", 299),
    ("图书", "算法导论", 128),
    ("数码", "移动电源", 159),
    ("家居", "台灯", 89),
    ("图书", "Python 编程", 99),
]

totals = defaultdict(int)
items = defaultdict(list)
for category, name, amount in sales:
    totals[category] += amount
    items[category].append(name)

for category, total in sorted(totals.items(), key=lambda kv: kv[1], reverse=True):
    print(f"{category}: {total} 元，商品 {items[category]}")

print("服装类销售额:", totals.get("服装", 0))
