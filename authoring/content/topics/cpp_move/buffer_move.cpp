#include <algorithm>
#include <cstddef>
#include <iostream>
#include <utility>
#include <vector>

class Buffer {
public:
    explicit Buffer(std::size_t n) : m_size(n), m_data(new int[n]()) {}
    ~Buffer() { delete[] m_data; }

    Buffer(const Buffer& o) : m_size(o.m_size), m_data(new int[o.m_size])
    {
        std::copy(o.m_data, o.m_data + m_size, m_data);
        ++copies;
    }
    Buffer(Buffer&& o) noexcept
        : m_size(std::exchange(o.m_size, 0)), m_data(std::exchange(o.m_data, nullptr))
    {
        ++moves;
    }
    Buffer& operator=(Buffer o) noexcept      // 按值传参，统一处理拷贝和移动赋值
    {
        std::swap(m_size, o.m_size);
        std::swap(m_data, o.m_data);
        return *this;
    }

    static inline int copies = 0;
    static inline int moves = 0;

private:
    std::size_t m_size;
    int* m_data;
};

int main()
{
    std::vector<Buffer> list;
    for (int i = 0; i < 4; ++i)
        list.push_back(Buffer(1000));         // 临时对象，触发移动
    Buffer a(10);
    Buffer b = a;                             // 左值，触发拷贝
    Buffer c = std::move(a);                  // 显式移动
    std::cout << "拷贝 " << Buffer::copies << " 次，移动 " << Buffer::moves << " 次\n";
}
