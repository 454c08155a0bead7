scores = {"张明": 82, "王芳": 95, "赵磊": 61, "陈静": 85}

best = max(scores, key=scores.get)
worst = min(scores, key=scores.get)
average = sum(scores.values()) / len(scores)
print(f"最高分 {best} {scores[best]}，最低分 {worst} {scores[worst]}，平均分 {average:.2f}")
