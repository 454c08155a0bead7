#include <condition_variable>
#include <functional>
#include <future>
#include <iostream>
#include <memory>
#include <mutex>
#include <queue>
#include <thread>
#include <vector>

class ThreadPool {
public:
    explicit ThreadPool(unsigned n = std::thread::hardware_concurrency())
    {
        for (unsigned i = 0; i < (n ? n : 2); ++i)
            m_workers.emplace_back([this] { work(); });
    }

    ~ThreadPool()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        for (auto& t : m_workers)
            t.join();                      // 等待队列中的任务全部完成
    }

    template <typename F>
    auto submit(F f) -> std::future<decltype(f())>
    {
        auto task = std::make_shared<std::packaged_task<decltype(f())()>>(std::move(f));
        auto result = task->get_future();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_queue.emplace([task] { (*task)(); });
        }
        m_wake.notify_one();
        return result;
    }

private:
    void work()
    {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
                if (m_stopping && m_queue.empty())
                    return;
                job = std::move(m_queue.front());
                m_queue.pop();
            }
            job();                         // 在锁外执行任务
        }
    }

    std::vector<std::thread> m_workers;
    std::queue<std::function<void()>> m_queue;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
};

int main()
{
    ThreadPool pool(4);
    std::vector<std::future<long long>> results;
    for (int i = 1; i <= 8; ++i)
        results.push_back(pool.submit([i] {
            long long sum = 0;
            for (int k = 1; k <= i * 100000; ++k)
                sum += k;
            return sum;
        }));
    for (auto& r : results)
        std::cout << r.get() << '\n';
}
