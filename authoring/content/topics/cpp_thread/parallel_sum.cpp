#include <iostream>
#include <mutex>
#include <thread>
#include <vector>

int main()
{
    const long long n = 1000000;
    const int workers = 4;
    long long total = 0;
    std::mutex m;

    std::vector<std::thread> threads;
    for (int w = 0; w < workers; ++w) {
        threads.emplace_back([&, w] {
            long long begin = n / workers * w + 1;
            long long end = (w == workers - 1) ? n : n / workers * (w + 1);
            long long partial = 0;
            for (long long i = begin; i <= end; ++i)
                partial += i;
            std::lock_guard<std::mutex> lock(m);   // 离开作用域自动解锁
            total += partial;
        });
    }
    for (auto& t : threads)
        t.join();

    std::cout << "多线程结果: " << total << '\n';
    std::cout << "公式结果:   " << n * (n + 1) / 2 << '\n';
}
