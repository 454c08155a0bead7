>>> print("你好，Python！")
你好，Python！
>>> 3 * 7 + 1
22
>>> name = "小明"
>>> f"{name} 今年 {12 + 6} 岁"
'小明 今年 18 岁'
>>> exit()
