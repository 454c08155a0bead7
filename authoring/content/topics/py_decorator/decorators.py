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
