#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

template <typename T>
const T& maxOf(const T& a, const T& b)
{
    return (a < b) ? b : a;
}

template <typename T>
class Stack {
public:
    void push(const T& value) { m_items.push_back(value); }
    void pop()
    {
        if (m_items.empty())
            throw std::out_of_range("栈为空");
        m_items.pop_back();
    }
    const T& top() const { return m_items.back(); }
    bool empty() const { return m_items.empty(); }

private:
    std::vector<T> m_items;
};

int main()
{
    std::cout << maxOf(3, 7) << ' ' << maxOf(std::string("apple"), std::string("pear")) << '\n';

    Stack<std::string> s;
    for (const char* w : {"一", "二", "三"})
        s.push(w);
    while (!s.empty()) {
        std::cout << s.top() << ' ';
        s.pop();
    }
    std::cout << '\n';
}
