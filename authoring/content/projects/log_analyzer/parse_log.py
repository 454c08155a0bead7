import re
import sys
from collections import Counter

LINE = re.compile(
    r'(?P<ip>\S+) \S+ \S+ \[(?P<time>[^\]]+)\] '
    r'"(?P<method>\S+) (?P<path>\S+) [^"]*" (?P<status>\d{3}) (?P<size>\d+|-)')


def parse(lines):
    """逐行解析，格式不对的行直接跳过。"""
    for line in lines:
        m = LINE.match(line)
        if m:
            yield m.groupdict()


def summarize(records):
    status, pages, ips = Counter(), Counter(), Counter()
    total = 0
    for r in records:
        total += 1
        status[r["status"]] += 1
        pages[r["path"].split("?")[0]] += 1
        ips[r["ip"]] += 1
    return total, status, pages, ips


if __name__ == "__main__":
    path = sys.argv[1] if len(sys.argv) > 1 else "access.log"
    with open(path, encoding="utf-8", errors="replace") as f:
        total, status, pages, ips = summarize(parse(f))
    print(f"总请求数: {total}")
    for code, n in sorted(status.items()):
        print(f"状态码 {code}: {n}")
    print("热门页面:", pages.most_common(10))
    print("访问最多的 IP:", ips.most_common(5))
