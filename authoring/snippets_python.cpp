#include "snippets.h"

namespace kelvor::authoring {

const std::vector<Snippet>& pythonSnippets()
{
    static const std::vector<Snippet> all = {
        {
            .key = "py_list_comprehension",
            .language = "Python",
            .fileName = "comprehension.py",
            .title = "Python 列表推导式与字典推导式",
            .exampleTitle = "用推导式完成成绩筛选与等级转换",
            .techKeywords = "列表推导式|Python|字典",
            .exampleKeyword = "列表推导式",
            .intro = "列表推导式用一行表达式从可迭代对象生成新列表：[表达式 for 变量 in 序列 if 条件]。它比等价的 for 循环加 append 更简洁，通常也更快。同样的语法用花括号可以生成字典和集合，用圆括号则得到生成器表达式。\n"
                     "推导式适合简单的转换和过滤；逻辑复杂时应改用普通循环，保持代码的可读性。",
            .task = "给定学生成绩字典，筛选出及格的学生，并把分数转换为优、良、中、及格四个等级。",
            .code = R"SRC(
scores = {"张三": 92, "李四": 58, "王五": 76, "赵六": 85, "钱七": 64}


def grade(score):
    if score >= 90:
        return "优"
    if score >= 80:
        return "良"
    if score >= 70:
        return "中"
    return "及格"


passed = [name for name, s in scores.items() if s >= 60]
levels = {name: grade(s) for name, s in scores.items() if s >= 60}
squares = [n * n for n in range(1, 6)]

print("及格名单:", passed)
print("等级:", levels)
print("平方数:", squares)
)SRC",
            .output = "及格名单: ['张三', '王五', '赵六', '钱七']\n等级: {'张三': '优', '王五': '中', '赵六': '良', '钱七': '及格'}\n平方数: [1, 4, 9, 16, 25]",
            .notes = "Python 3.7 起字典保持插入顺序，所以推导式生成的字典与原字典的顺序一致。\n"
                     "只需要遍历一次的大量数据应使用生成器表达式 (x for x in data)，它不会一次性占用全部内存。",
        },
        {
            .key = "py_dict",
            .language = "Python",
            .fileName = "sales_by_category.py",
            .title = "Python 字典 dict 的常用操作与 defaultdict",
            .exampleTitle = "按类别分组统计商品销售额",
            .techKeywords = "dict|字典|Python|哈希表",
            .exampleKeyword = "字典",
            .intro = "字典是 Python 内置的哈希表，通过键快速查找值。d[key] 在键不存在时抛出 KeyError，d.get(key, 默认值) 则返回默认值；setdefault 和 collections.defaultdict 适合做分组和累加。\n"
                     "遍历字典时用 items() 同时取得键和值。字典的键必须是可哈希的不可变对象，例如字符串、数字和元组。",
            .task = "给定一组销售记录（类别、商品、金额），按类别分组，统计每个类别的销售总额和商品清单。",
            .code = R"SRC(
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
)SRC",
            .output = "数码: 458 元，商品 ['耳机', '移动电源']\n图书: 227 元，商品 ['算法导论', 'Python 编程']\n家居: 89 元，商品 ['台灯']\n服装类销售额: 0",
            .notes = "访问 defaultdict 中不存在的键会自动插入默认值，只想查询时请用 get，避免字典被意外修改。\n"
                     "字典视图 keys()、items() 会随字典一起变化；遍历过程中增删字典的键会抛出 RuntimeError。",
        },
        {
            .key = "py_file",
            .language = "Python",
            .fileName = "gbk_to_utf8.py",
            .title = "Python 用 with 语句读写文本文件与编码处理",
            .exampleTitle = "把 GBK 编码的文本文件转换为 UTF-8",
            .techKeywords = "文件操作|with语句|Python|编码",
            .exampleKeyword = "文件操作",
            .intro = "open 函数返回文件对象，with 语句保证代码块结束时自动关闭文件，即使中途发生异常也是如此。读写文本文件时应当显式指定 encoding 参数，否则会使用操作系统的默认编码，同一个程序在不同电脑上的行为可能不同。\n"
                     "逐行遍历文件对象可以处理任意大小的文件，不会一次性把整个文件读入内存。",
            .task = "把一个 GBK 编码的文本文件逐行转换为 UTF-8 编码，并统计转换的行数。",
            .code = R"SRC(
from pathlib import Path


def convert_to_utf8(src: Path, dst: Path) -> int:
    count = 0
    with open(src, "r", encoding="gbk", errors="replace") as fin, \
            open(dst, "w", encoding="utf-8", newline="\n") as fout:
        for line in fin:
            fout.write(line.rstrip("\r\n") + "\n")
            count += 1
    return count


if __name__ == "__main__":
    src = Path("readme_gbk.txt")
    src.write_bytes("第一行：你好\r\n第二行：世界\r\n".encode("gbk"))
    lines = convert_to_utf8(src, Path("readme_utf8.txt"))
    print(f"已转换 {lines} 行")
    print(Path("readme_utf8.txt").read_text(encoding="utf-8"), end="")
)SRC",
            .output = "已转换 2 行\n第一行：你好\n第二行：世界",
            .notes = "errors=\"replace\" 会把无法解码的字节替换为替换字符，适合处理来历不明的文件；要求严格时去掉该参数，让错误暴露出来。\n"
                     "pathlib.Path 提供了 read_text、write_text 等便捷方法，适合处理小文件。",
        },
        {
            .key = "py_decorator",
            .language = "Python",
            .fileName = "decorators.py",
            .title = "Python 装饰器原理：编写计时与重试装饰器",
            .exampleTitle = "用装饰器统计函数执行时间并自动重试",
            .techKeywords = "装饰器|Python|闭包",
            .exampleKeyword = "装饰器",
            .intro = "装饰器本质上是一个接收函数、返回新函数的函数。@timer 写在函数定义的上方，等价于 func = timer(func)。新函数通常是一个闭包，它在调用原函数的前后加上额外的逻辑，例如计时、日志、缓存和权限检查。\n"
                     "使用 functools.wraps 可以把原函数的名字和文档字符串复制到包装函数上，方便调试。",
            .task = "编写 timer 装饰器输出函数的执行耗时；编写带参数的 retry 装饰器，在函数抛出连接错误时自动重试指定次数。",
            .code = R"SRC(
import functools
import time


def timer(func):
    @functools.wraps(func)
    def wrapper(*args, **kwargs):
        start = time.perf_counter()
        result = func(*args, **kwargs)
        elapsed = (time.perf_counter() - start) * 1000
        print(f"{func.__name__} 耗时 {elapsed:.1f} 毫秒")
        return result
    return wrapper


def retry(times):
    def decorator(func):
        @functools.wraps(func)
        def wrapper(*args, **kwargs):
            for attempt in range(1, times + 1):
                try:
                    return func(*args, **kwargs)
                except ConnectionError as e:
                    print(f"第 {attempt} 次失败: {e}")
            raise ConnectionError(f"重试 {times} 次后仍然失败")
        return wrapper
    return decorator


calls = {"n": 0}


@retry(times=3)
def fetch():
    calls["n"] += 1
    if calls["n"] < 3:
        raise ConnectionError("连接超时")
    return "数据"


@timer
def slow_sum(n):
    return sum(range(n))


print(fetch())
print(slow_sum(1_000_000))
)SRC",
            .output = "第 1 次失败: 连接超时\n第 2 次失败: 连接超时\n数据\nslow_sum 耗时 18.4 毫秒\n499999500000",
            .notes = "带参数的装饰器多了一层函数：retry(times=3) 先返回真正的装饰器，再用它去装饰 fetch。\n"
                     "多个装饰器叠加时按从下到上的顺序应用，要注意它们的先后次序。",
        },
        {
            .key = "py_generator",
            .language = "Python",
            .fileName = "log_pipeline.py",
            .title = "Python 生成器 yield 与惰性求值",
            .exampleTitle = "用生成器管道逐行处理超大日志文件",
            .techKeywords = "生成器|yield|Python|迭代器",
            .exampleKeyword = "生成器",
            .intro = "包含 yield 语句的函数是生成器函数，调用它不会立即执行函数体，而是返回一个生成器对象。每次对它调用 next()（或者在 for 循环中迭代），函数运行到下一个 yield 处暂停并产出一个值，局部变量在暂停期间保持不变。\n"
                     "生成器按需计算，适合处理大文件和无限序列；多个生成器可以串联成处理管道，任何时刻只有一行数据在内存中。",
            .task = "日志文件可能有几个 GB，用生成器管道逐行读取、筛选出 ERROR 级别的记录，并统计每个模块的错误数。",
            .code = R"SRC(
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
)SRC",
            .output = "[('net', 2), ('db', 1)]",
            .notes = "生成器只能遍历一次，遍历结束后再迭代得到的是空序列；需要多次使用时可以转换成列表，或者重新调用生成器函数。\n"
                     "yield from 可以把迭代委托给另一个生成器，简化嵌套生成器的写法。",
        },
        {
            .key = "py_class",
            .language = "Python",
            .fileName = "fraction.py",
            .title = "Python 类与继承：__init__、super() 与特殊方法",
            .exampleTitle = "实现一个支持比较和打印的分数类",
            .techKeywords = "面向对象|Python|类|继承",
            .exampleKeyword = "面向对象",
            .intro = "Python 用 class 定义类，__init__ 是初始化方法，第一个参数 self 指向实例本身。子类可以重写父类的方法，并通过 super() 调用父类的实现。\n"
                     "以双下划线开头和结尾的特殊方法让对象支持内置操作：__str__ 决定 print 的输出，__eq__ 和 __lt__ 支持比较，__add__ 支持加法运算。",
            .task = "实现分数类 Fraction，支持约分、加法、比较和友好的打印输出。",
            .code = R"SRC(
from functools import total_ordering
from math import gcd


@total_ordering
class Fraction:
    def __init__(self, num, den=1):
        if den == 0:
            raise ZeroDivisionError("分母不能为 0")
        if den < 0:
            num, den = -num, -den
        g = gcd(num, den)
        self.num, self.den = num // g, den // g

    def __add__(self, other):
        return Fraction(self.num * other.den + other.num * self.den, self.den * other.den)

    def __eq__(self, other):
        return (self.num, self.den) == (other.num, other.den)

    def __lt__(self, other):
        return self.num * other.den < other.num * self.den

    def __str__(self):
        return f"{self.num}/{self.den}" if self.den != 1 else str(self.num)

    __repr__ = __str__


a, b = Fraction(1, 2), Fraction(2, 6)
print(a, "+", b, "=", a + b)
print("1/2 > 1/3:", a > b)
print(sorted([Fraction(3, 4), a, b]))
)SRC",
            .output = "1/2 + 1/3 = 5/6\n1/2 > 1/3: True\n[1/3, 1/2, 3/4]",
            .notes = "@total_ordering 根据 __eq__ 和 __lt__ 自动补全 <=、>、>= 等比较方法。\n"
                     "定义了 __eq__ 的类默认不可哈希；需要放进集合或作为字典的键时，还要定义 __hash__。",
        },
        {
            .key = "py_sqlite",
            .language = "Python",
            .fileName = "contacts_db.py",
            .title = "Python sqlite3 模块：参数化查询与事务",
            .exampleTitle = "用 sqlite3 实现通讯录的增删改查",
            .techKeywords = "sqlite|SQL|Python|SQL注入",
            .exampleKeyword = "SQL",
            .intro = "Python 标准库自带 sqlite3 模块，无需安装数据库服务器即可使用 SQL。执行语句时用问号占位符传入参数，例如 cur.execute(\"SELECT * FROM t WHERE name = ?\", (name,))，千万不要用字符串格式化拼接 SQL。\n"
                     "把连接对象用作 with 语句的上下文管理器时，代码块正常结束会自动提交事务，发生异常则自动回滚。",
            .task = "创建通讯录表 contacts，批量插入联系人，按姓氏查询，修改电话号码并删除一条记录。",
            .code = R"SRC(
import sqlite3

conn = sqlite3.connect(":memory:")
conn.execute("""
    CREATE TABLE contacts (
        id    INTEGER PRIMARY KEY AUTOINCREMENT,
        name  TEXT NOT NULL,
        phone TEXT
    )
""")

people = [("张伟", "13800001111"), ("张敏", "13900002222"), ("李娜", "13700003333")]
with conn:                                   # 自动提交或回滚
    conn.executemany("INSERT INTO contacts (name, phone) VALUES (?, ?)", people)

keyword = "张"
rows = conn.execute("SELECT id, name, phone FROM contacts WHERE name LIKE ? ORDER BY id",
                    (keyword + "%",)).fetchall()
print("姓张的联系人:", rows)

with conn:
    conn.execute("UPDATE contacts SET phone = ? WHERE name = ?", ("13600009999", "李娜"))
    conn.execute("DELETE FROM contacts WHERE name = ?", ("张敏",))

print("剩余记录:", conn.execute("SELECT name, phone FROM contacts").fetchall())
conn.close()
)SRC",
            .output = "姓张的联系人: [(1, '张伟', '13800001111'), (2, '张敏', '13900002222')]\n剩余记录: [('张伟', '13800001111'), ('李娜', '13600009999')]",
            .notes = "executemany 在一个事务中批量执行插入，比逐条 execute 后各自提交快得多。\n"
                     "LIKE 的通配符 % 和 _ 如果出现在用户输入中，也会被当作通配符；需要按字面匹配时，应配合 ESCAPE 子句转义。",
        },
        {
            .key = "py_regex",
            .language = "Python",
            .fileName = "extract_contacts.py",
            .title = "Python 正则表达式 re 模块：匹配、分组与替换",
            .exampleTitle = "用正则表达式提取手机号和邮箱并脱敏",
            .techKeywords = "正则表达式|Python|re模块",
            .exampleKeyword = "正则表达式",
            .intro = "re 模块提供正则表达式支持：re.search 在字符串中查找第一个匹配，re.findall 返回所有匹配，re.sub 执行替换。用圆括号分组可以提取匹配的一部分，(?P<name>...) 可以为分组命名。\n"
                     "正则表达式应写成原始字符串 r\"...\"，避免反斜杠先被 Python 转义。需要反复使用的模式可以用 re.compile 预先编译。",
            .task = "从一段文本中提取所有手机号和邮箱地址，并把手机号中间四位替换为星号。",
            .code = R"SRC(
import re

text = """客服电话：13812345678，技术支持 15900001111。
邮件请发送到 service@example.com 或 dev.team@example.org。"""

phone = re.compile(r"(?<!\d)(1[3-9]\d)(\d{4})(\d{4})(?!\d)")
email = re.compile(r"[\w.+-]+@[\w-]+(?:\.[\w-]+)+", re.ASCII)

print("手机号:", ["".join(m) for m in phone.findall(text)])
print("邮箱:", email.findall(text))
print(phone.sub(r"\1****\3", text))
)SRC",
            .output = "手机号: ['13812345678', '15900001111']\n邮箱: ['service@example.com', 'dev.team@example.org']\n客服电话：138****5678，技术支持 159****1111。\n邮件请发送到 service@example.com 或 dev.team@example.org。",
            .notes = "Python 3 中 \\d 和 \\w 默认匹配 Unicode 字符，汉字也算 \\w，所以邮箱的模式加上了 re.ASCII 标志。\n"
                     "用正则表达式校验邮箱只能做粗略检查，真正可靠的办法是发送一封验证邮件。",
        },
    };
    return all;
}

}  // namespace kelvor::authoring
