def bmi(weight, height, digits=1):
    """根据体重（千克）和身高（米）计算身体质量指数。"""
    return round(weight / height ** 2, digits)


def describe(value):
    if value < 18.5:
        return "偏瘦"
    if value < 24:
        return "正常"
    return "偏重"


v = bmi(65, 1.75)
print("BMI:", v, describe(v))
print("保留两位:", bmi(weight=65, height=1.75, digits=2))
