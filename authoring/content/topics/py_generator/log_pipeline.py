from collections import Counter


def read_lines(lines):
    for line in lines:
        yield line.rstrip("\n")


def errors(lines):
    for line in lines:
        if " ERROR " in line:
            yield line


def modules(lines):
    for line in lines:
        # 日志格式: 日期 时间 级别 [模块] 内容
        start, end = line.find("["), line.find("]")
        if start != -1 and end > start:
            yield line[start + 1:end]


log = [
    "2024-05-01 10:00:01 INFO [db] 连接成功\n",
    "2024-05-01 10:00:05 ERROR [net] 请求超时\n",
    "2024-05-01 10:01:12 ERROR [db] 死锁重试\n",
    "2024-05-01 10:02:40 ERROR [net] 连接被重置\n",
]
# 处理真实文件时把 log 换成 open("app.log", encoding="utf-8")
pipeline = modules(errors(read_lines(log)))
print(Counter(pipeline).most_common())
