#include "snippets.h"

namespace kelvor::authoring {

const std::vector<Snippet>& cppSnippets()
{
    static const std::vector<Snippet> all = {
        {
            .key = "cpp_unique_ptr",
            .language = "C++",
            .fileName = "unique_ptr_demo.cpp",
            .title = "C++ 智能指针 unique_ptr 的用法",
            .exampleTitle = "用 unique_ptr 管理多态对象的生命周期",
            .techKeywords = "unique_ptr|智能指针|指针|C++11",
            .exampleKeyword = "智能指针",
            .intro = "std::unique_ptr 独占它所指向的对象：同一时刻只有一个 unique_ptr 拥有该对象，unique_ptr 销毁时自动 delete 对象。它不能被复制，只能通过 std::move 转移所有权，因此对象归谁管理在代码中一目了然。\n"
                     "创建对象时优先使用 std::make_unique（C++14 起提供），既避免直接书写 new，也保证了异常安全。",
            .task = "设计图形类层次 Shape、Circle、Rect，用 vector<unique_ptr<Shape>> 保存各种图形并计算总面积，容器销毁时自动释放所有对象。",
            .code = R"SRC(
#include <iostream>
#include <memory>
#include <vector>

struct Shape {
    virtual ~Shape() = default;
    virtual double area() const = 0;
};

struct Circle : Shape {
    explicit Circle(double r) : r(r) {}
    double area() const override { return 3.14159 * r * r; }
    double r;
};

struct Rect : Shape {
    Rect(double w, double h) : w(w), h(h) {}
    double area() const override { return w * h; }
    double w, h;
};

int main()
{
    std::vector<std::unique_ptr<Shape>> shapes;
    shapes.push_back(std::make_unique<Circle>(1.0));
    shapes.push_back(std::make_unique<Rect>(2.0, 3.0));

    std::unique_ptr<Shape> extra = std::make_unique<Circle>(2.0);
    shapes.push_back(std::move(extra));   // 所有权转移，extra 变为空
    std::cout << "extra 为空: " << std::boolalpha << (extra == nullptr) << '\n';

    double total = 0;
    for (const auto& s : shapes)
        total += s->area();
    std::cout << "总面积: " << total << '\n';
}   // shapes 销毁时自动释放全部图形
)SRC",
            .output = "extra 为空: true\n总面积: 21.708",
            .notes = "基类必须有虚析构函数，否则通过基类指针删除派生类对象是未定义行为。\n"
                     "函数参数写成按值传递的 unique_ptr<T>，表示“接管所有权”；只想使用对象而不接管时，传 T& 或 T* 即可。",
        },
        {
            .key = "cpp_shared_ptr",
            .language = "C++",
            .fileName = "weak_parent.cpp",
            .title = "C++ shared_ptr 与 weak_ptr：引用计数和循环引用",
            .exampleTitle = "用 weak_ptr 打破父子结点的循环引用",
            .techKeywords = "shared_ptr|weak_ptr|智能指针|指针|内存泄漏",
            .exampleKeyword = "智能指针",
            .intro = "std::shared_ptr 通过引用计数实现共享所有权：每复制一次计数加一，每销毁一个计数减一，计数归零时释放对象，use_count() 可以查看当前计数。\n"
                     "如果两个对象用 shared_ptr 互相引用，计数永远不会归零，对象就泄漏了。这时应让其中一方使用 std::weak_ptr：它指向对象但不增加计数，使用前调用 lock() 取得一个临时的 shared_ptr。",
            .task = "树结点用 shared_ptr 保存子结点，用 weak_ptr 指回父结点，验证离开作用域后所有结点都被正确析构。",
            .code = R"SRC(
#include <iostream>
#include <memory>
#include <string>
#include <vector>

struct Node {
    explicit Node(std::string n) : name(std::move(n)) {}
    ~Node() { std::cout << "析构 " << name << '\n'; }

    std::string name;
    std::weak_ptr<Node> parent;                 // 不增加引用计数
    std::vector<std::shared_ptr<Node>> children;
};

int main()
{
    {
        auto root = std::make_shared<Node>("root");
        auto child = std::make_shared<Node>("child");
        child->parent = root;
        root->children.push_back(child);

        std::cout << "root 计数: " << root.use_count() << '\n';
        std::cout << "child 计数: " << child.use_count() << '\n';

        if (auto p = child->parent.lock())
            std::cout << child->name << " 的父结点是 " << p->name << '\n';
    }
    std::cout << "作用域结束\n";
}
)SRC",
            .output = "root 计数: 1\nchild 计数: 2\nchild 的父结点是 root\n析构 root\n析构 child\n作用域结束",
            .notes = "make_shared 只分配一次内存，同时存放对象和控制块，比 shared_ptr<T>(new T) 更高效。\n"
                     "能用 unique_ptr 解决的问题就不要用 shared_ptr，共享所有权会让对象的生命周期变得难以推断。",
        },
        {
            .key = "cpp_vector",
            .language = "C++",
            .fileName = "scores_vector.cpp",
            .title = "C++ vector 容器的增删改查与容量管理",
            .exampleTitle = "用 vector 实现成绩录入、删除与统计",
            .techKeywords = "vector|STL|容器",
            .exampleKeyword = "vector",
            .intro = "std::vector 是最常用的顺序容器，元素在内存中连续存放，支持随机访问。push_back 在尾部追加元素，容量不足时会重新分配一块更大的内存并搬移元素，之前取得的迭代器和引用随之失效。\n"
                     "事先知道大致的元素个数时，调用 reserve 预留容量可以避免多次重新分配。删除满足条件的元素使用 erase 与 remove_if 的组合，C++20 起还可以直接用 std::erase_if。",
            .task = "录入一组成绩，删除所有不及格的成绩，在指定位置插入补考成绩，最后输出剩余成绩和平均分。",
            .code = R"SRC(
#include <algorithm>
#include <iostream>
#include <numeric>
#include <vector>

int main()
{
    std::vector<int> scores;
    scores.reserve(8);                       // 预留容量，避免反复分配
    for (int s : {78, 45, 92, 59, 88, 100})
        scores.push_back(s);

    // 删除不及格的成绩（erase-remove 惯用法）
    scores.erase(std::remove_if(scores.begin(), scores.end(),
                                [](int s) { return s < 60; }),
                 scores.end());

    scores.insert(scores.begin() + 1, 66);   // 插入补考成绩

    for (std::size_t i = 0; i < scores.size(); ++i)
        std::cout << "第 " << i + 1 << " 个: " << scores[i] << '\n';

    double avg = std::accumulate(scores.begin(), scores.end(), 0.0) / scores.size();
    std::cout << "平均分: " << avg << ", 容量: " << scores.capacity() << '\n';
}
)SRC",
            .output = "第 1 个: 78\n第 2 个: 66\n第 3 个: 92\n第 4 个: 88\n第 5 个: 100\n平均分: 84.8, 容量: 8",
            .notes = "operator[] 不检查下标，越界访问是未定义行为；需要检查时用 at()，越界会抛出 std::out_of_range。\n"
                     "在遍历 vector 的循环里调用 push_back 或 erase 要格外小心，迭代器可能已经失效。",
        },
        {
            .key = "cpp_map",
            .language = "C++",
            .fileName = "word_count.cpp",
            .title = "C++ map 与 unordered_map 的区别和选择",
            .exampleTitle = "统计一段英文文本中的单词频率",
            .techKeywords = "map|unordered_map|STL|哈希表",
            .exampleKeyword = "单词统计",
            .intro = "std::map 基于红黑树，按键有序存放，查找和插入的复杂度为 O(log n)；std::unordered_map 基于哈希表，平均复杂度为 O(1)，但元素没有顺序。需要按键的顺序输出或做范围查询时选 map，只做查找和计数时 unordered_map 通常更快。\n"
                     "注意 operator[] 在键不存在时会插入一个默认值，只想查询时应使用 find 或 C++20 的 contains。",
            .task = "读入一段英文文本，统计每个单词（不区分大小写）出现的次数，按字母顺序输出，并查询单词 the 的出现次数。",
            .code = R"SRC(
#include <cctype>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <unordered_map>

int main()
{
    std::string text = "The quick brown fox jumps over the lazy dog the end";
    std::unordered_map<std::string, int> counts;

    std::istringstream in(text);
    for (std::string word; in >> word;) {
        for (char& c : word)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        ++counts[word];                      // 不存在时插入 0 再加一
    }

    std::map<std::string, int> sorted(counts.begin(), counts.end());
    for (const auto& [word, n] : sorted)
        std::cout << word << ": " << n << '\n';

    auto it = counts.find("the");
    if (it != counts.end())
        std::cout << "the 出现了 " << it->second << " 次\n";
}
)SRC",
            .output = "brown: 1\ndog: 1\nend: 1\nfox: 1\njumps: 1\nlazy: 1\nover: 1\nquick: 1\nthe: 3\nthe 出现了 3 次",
            .notes = "把 unordered_map 的内容构造成 map，是一种简单的排序输出办法。\n"
                     "自定义类型作为 unordered_map 的键时，需要提供哈希函数和相等比较；作为 map 的键时则需要提供 operator<。",
        },
        {
            .key = "cpp_lambda",
            .language = "C++",
            .fileName = "lambda_filter.cpp",
            .title = "C++ Lambda 表达式与捕获列表详解",
            .exampleTitle = "用 Lambda 实现可配置的筛选和排序",
            .techKeywords = "Lambda|C++11|STL|闭包",
            .exampleKeyword = "Lambda",
            .intro = "Lambda 表达式可以就地定义一个匿名的函数对象，常与 STL 算法配合使用。方括号里是捕获列表：[x] 按值捕获，[&x] 按引用捕获，[=] 和 [&] 分别按值、按引用捕获用到的所有外部变量。\n"
                     "按引用捕获的 Lambda 如果在变量销毁之后才被调用，就会访问悬空引用；把 Lambda 保存起来或者交给其他线程时，应该按值捕获。",
            .task = "给定一组商品，按用户设置的最低价格筛选，再按价格从低到高排序，并统计排序过程中的比较次数。",
            .code = R"SRC(
#include <algorithm>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

struct Product {
    std::string name;
    double price;
};

int main()
{
    std::vector<Product> items = {
        {"键盘", 199.0}, {"鼠标", 89.0}, {"显示器", 1299.0}, {"耳机", 349.0}};

    double minPrice = 100.0;
    int comparisons = 0;

    std::vector<Product> result;
    std::copy_if(items.begin(), items.end(), std::back_inserter(result),
                 [minPrice](const Product& p) { return p.price >= minPrice; });

    std::sort(result.begin(), result.end(),
              [&comparisons](const Product& a, const Product& b) {
                  ++comparisons;               // 按引用捕获，修改外部计数
                  return a.price < b.price;
              });

    for (const auto& p : result)
        std::cout << p.name << " " << p.price << '\n';
    std::cout << "比较次数: " << comparisons << '\n';
}
)SRC",
            .output = "键盘 199\n耳机 349\n显示器 1299\n比较次数: 5",
            .notes = "比较次数取决于标准库 sort 的具体实现，上面是用 GCC 编译运行的结果，换一个编译器可能不同。\n"
                     "C++14 起可以在捕获列表中初始化新变量，例如 [total = 0]() mutable { return ++total; }。",
        },
        {
            .key = "cpp_raii",
            .language = "C++",
            .fileName = "raii_file.cpp",
            .title = "C++ RAII：用对象的生命周期管理资源",
            .exampleTitle = "编写 RAII 文件句柄类，自动关闭文件",
            .techKeywords = "RAII|资源管理|指针|析构函数",
            .exampleKeyword = "RAII",
            .intro = "RAII（资源获取即初始化）是 C++ 最重要的惯用法：在构造函数中获取资源，在析构函数中释放资源。无论函数是正常返回还是因为异常提前退出，局部对象的析构函数都会被调用，资源因此不会泄漏。\n"
                     "标准库中的 std::vector、std::string、std::lock_guard 和各种智能指针都是 RAII 的例子。自己封装资源时，通常要禁止复制、允许移动。",
            .task = "把 C 标准库的 FILE* 封装成 File 类：构造时打开文件，析构时自动关闭，禁止复制但允许移动。",
            .code = R"SRC(
#include <cstdio>
#include <iostream>
#include <stdexcept>
#include <string>
#include <utility>

class File {
public:
    File(const std::string& path, const char* mode)
        : m_fp(std::fopen(path.c_str(), mode))
    {
        if (!m_fp)
            throw std::runtime_error("无法打开文件: " + path);
    }
    ~File() { if (m_fp) std::fclose(m_fp); }

    File(const File&) = delete;                 // 禁止复制
    File& operator=(const File&) = delete;
    File(File&& other) noexcept : m_fp(std::exchange(other.m_fp, nullptr)) {}

    void write(const std::string& text) { std::fputs(text.c_str(), m_fp); }

private:
    std::FILE* m_fp;
};

int main()
{
    try {
        File log("app.log", "w");
        log.write("程序启动\n");
        File moved = std::move(log);            // 所有权转移给 moved
        moved.write("写入第二行\n");
        throw std::runtime_error("模拟一个错误");
    } catch (const std::exception& e) {
        std::cout << "捕获异常: " << e.what() << "，文件已自动关闭\n";
    }
}
)SRC",
            .output = "捕获异常: 模拟一个错误，文件已自动关闭",
            .notes = "移动构造函数用 std::exchange 把源对象的指针置空，保证同一个文件只会被关闭一次。\n"
                     "析构函数不应抛出异常；关闭失败时可以记录日志，但不要再抛出。",
        },
        {
            .key = "cpp_move",
            .language = "C++",
            .fileName = "buffer_move.cpp",
            .title = "C++ 移动语义、右值引用与 std::move",
            .exampleTitle = "为缓冲区类实现移动构造和移动赋值",
            .techKeywords = "move|右值引用|C++11|指针",
            .exampleKeyword = "移动语义",
            .intro = "移动语义让对象可以“接管”另一个即将销毁的对象的资源，而不必深拷贝一份。右值引用 T&& 绑定到临时对象，移动构造函数和移动赋值运算符都接收右值引用参数。\n"
                     "std::move 本身并不移动任何东西，它只是把一个左值转换成右值引用，告诉编译器“这个对象的资源可以被拿走”。被移走的对象处于有效但未指定的状态，只能重新赋值或者销毁。",
            .task = "实现一个管理动态数组的 Buffer 类，分别统计拷贝和移动发生的次数，观察 vector 扩容时调用的是哪一种。",
            .code = R"SRC(
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
)SRC",
            .output = "拷贝 1 次，移动 8 次",
            .notes = "移动构造函数一定要标记 noexcept，否则 vector 扩容时为了保证强异常安全，会退而使用拷贝构造。上例中 8 次移动里有 3 次来自扩容时的元素搬移。\n"
                     "函数返回局部对象时不要写 return std::move(x);，这样反而会妨碍编译器的返回值优化。",
        },
        {
            .key = "cpp_thread",
            .language = "C++",
            .fileName = "parallel_sum.cpp",
            .title = "C++11 多线程：std::thread、mutex 与 lock_guard",
            .exampleTitle = "多线程并行累加，用互斥锁保护共享数据",
            .techKeywords = "多线程|mutex|C++11|线程安全",
            .exampleKeyword = "多线程",
            .intro = "C++11 起标准库提供了 std::thread，构造时传入要执行的函数和参数即可启动新线程；线程对象销毁前必须调用 join 等待它结束（或者 detach 分离），否则程序会调用 std::terminate 终止。\n"
                     "多个线程同时修改同一个变量会产生数据竞争。用 std::mutex 保护共享数据，并通过 std::lock_guard 在作用域结束时自动解锁；对于简单的计数器，std::atomic 是更轻量的选择。",
            .task = "启动 4 个线程，各自累加一段区间内的整数，把部分和加到共享的总和中，最后与公式计算的结果比较。",
            .code = R"SRC(
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
)SRC",
            .output = "多线程结果: 500000500000\n公式结果:   500000500000",
            .notes = "每个线程先在局部变量里累加，最后只加锁一次，比每加一个数就加锁一次快得多。\n"
                     "编译时需要链接线程库，例如 g++ -std=c++17 -pthread parallel_sum.cpp。",
        },
        {
            .key = "cpp_template",
            .language = "C++",
            .fileName = "stack_template.cpp",
            .title = "C++ 函数模板与类模板入门",
            .exampleTitle = "编写泛型的栈类模板 Stack<T>",
            .techKeywords = "模板|泛型编程|STL",
            .exampleKeyword = "模板",
            .intro = "模板让同一份代码适用于多种类型。函数模板在调用时由编译器根据实参推导模板参数；类模板在使用时写出模板参数，例如 Stack<int>。编译器会为每一种用到的类型生成一份具体的代码，这叫做模板实例化。\n"
                     "模板的定义通常要放在头文件中，因为实例化时编译器需要看到完整的定义。",
            .task = "实现一个基于 vector 的类模板 Stack<T>，支持 push、pop、top 和 empty，并写一个函数模板 maxOf 求两个值中较大的一个。",
            .code = R"SRC(
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
)SRC",
            .output = "7 pear\n三 二 一",
            .notes = "maxOf(3, 7.5) 无法编译，因为两个实参推导出的 T 不一致；可以显式写成 maxOf<double>(3, 7.5)。\n"
                     "C++20 的概念（concept）可以约束模板参数，让错误信息更易读，例如 template <std::totally_ordered T>。",
        },
        {
            .key = "cpp_algorithm",
            .language = "C++",
            .fileName = "staff_algorithms.cpp",
            .title = "C++ STL 算法：sort、find_if 与 accumulate",
            .exampleTitle = "用 STL 算法完成员工工资的排序与统计",
            .techKeywords = "STL|排序算法|算法库",
            .exampleKeyword = "排序算法",
            .intro = "<algorithm> 与 <numeric> 提供了上百个通用算法，它们通过迭代器操作任意容器。std::sort 对随机访问区间排序，平均复杂度 O(n log n)；std::stable_sort 保持相等元素原有的次序；std::find_if 返回第一个满足条件的元素；std::accumulate 对区间求和或做其他累计运算。\n"
                     "优先使用标准算法而不是手写循环，代码更短，意图也更清楚。",
            .task = "给出一组员工记录，按部门排序、部门内按工资从高到低排序，查找第一位工资超过 15000 的员工，并统计工资总额。",
            .code = R"SRC(
#include <algorithm>
#include <iostream>
#include <numeric>
#include <string>
#include <vector>

struct Employee {
    std::string name;
    std::string dept;
    int salary;
};

int main()
{
    std::vector<Employee> staff = {
        {"刘洋", "研发部", 18000}, {"陈静", "市场部", 12000},
        {"王磊", "研发部", 15000}, {"孙丽", "市场部", 16000}};

    std::sort(staff.begin(), staff.end(), [](const Employee& a, const Employee& b) {
        if (a.dept != b.dept)
            return a.dept < b.dept;
        return a.salary > b.salary;
    });
    for (const auto& e : staff)
        std::cout << e.dept << " " << e.name << " " << e.salary << '\n';

    auto rich = std::find_if(staff.begin(), staff.end(),
                             [](const Employee& e) { return e.salary > 15000; });
    if (rich != staff.end())
        std::cout << "第一位工资超过 15000 的员工: " << rich->name << '\n';

    int total = std::accumulate(staff.begin(), staff.end(), 0,
                                [](int sum, const Employee& e) { return sum + e.salary; });
    std::cout << "工资总额: " << total << '\n';
}
)SRC",
            .output = "市场部 孙丽 16000\n市场部 陈静 12000\n研发部 刘洋 18000\n研发部 王磊 15000\n第一位工资超过 15000 的员工: 孙丽\n工资总额: 61000",
            .notes = "std::string 的 < 按字节比较，中文字符串的排序结果是按编码顺序，而不是按拼音；按拼音排序需要借助 ICU 等本地化库。\n"
                     "只需要前 k 个结果时，std::partial_sort 或 std::nth_element 比完整排序更快。",
        },
        {
            .key = "cpp_virtual",
            .language = "C++",
            .fileName = "payroll.cpp",
            .title = "C++ 虚函数与多态：override 和虚析构函数",
            .exampleTitle = "用多态实现不同员工的工资计算",
            .techKeywords = "多态|虚函数|面向对象|指针",
            .exampleKeyword = "多态",
            .intro = "在基类中用 virtual 声明的成员函数可以在派生类中重写。通过基类的指针或引用调用虚函数时，实际执行的是对象真实类型的版本，这就是运行时多态，底层通常由虚函数表实现。\n"
                     "派生类重写时加上 override，编译器会检查签名是否真的与基类一致；打算被继承的基类应当提供虚析构函数。",
            .task = "定义员工基类 Employee 和两个派生类：月薪员工与小时工，通过基类指针统一计算每个人的月工资。",
            .code = R"SRC(
#include <iostream>
#include <memory>
#include <string>
#include <vector>

class Employee {
public:
    explicit Employee(std::string name) : m_name(std::move(name)) {}
    virtual ~Employee() = default;
    virtual double monthlyPay() const = 0;
    const std::string& name() const { return m_name; }

private:
    std::string m_name;
};

class Salaried : public Employee {
public:
    Salaried(std::string name, double salary) : Employee(std::move(name)), m_salary(salary) {}
    double monthlyPay() const override { return m_salary; }

private:
    double m_salary;
};

class Hourly : public Employee {
public:
    Hourly(std::string name, double rate, int hours)
        : Employee(std::move(name)), m_rate(rate), m_hours(hours) {}
    double monthlyPay() const override { return m_rate * m_hours; }

private:
    double m_rate;
    int m_hours;
};

int main()
{
    std::vector<std::unique_ptr<Employee>> staff;
    staff.push_back(std::make_unique<Salaried>("周敏", 12000));
    staff.push_back(std::make_unique<Hourly>("吴刚", 80, 120));

    for (const auto& e : staff)
        std::cout << e->name() << " 本月工资: " << e->monthlyPay() << '\n';
}
)SRC",
            .output = "周敏 本月工资: 12000\n吴刚 本月工资: 9600",
            .notes = "在构造函数和析构函数中调用虚函数不会发生多态，调用的是当前正在构造（或析构）的那个类的版本。\n"
                     "不希望再被重写的函数可以标记为 final，编译器有时还能据此省去虚调用的开销。",
        },
        {
            .key = "cpp_exception",
            .language = "C++",
            .fileName = "config_parser.cpp",
            .title = "C++ 异常处理：try/catch、自定义异常与 noexcept",
            .exampleTitle = "解析配置文件时用异常报告错误行号",
            .techKeywords = "异常|异常安全|noexcept",
            .exampleKeyword = "异常处理",
            .intro = "C++ 用 throw 抛出异常，用 try/catch 捕获。抛出的异常沿调用栈向上传递，途中所有局部对象都会被析构（栈展开），这正是 RAII 能保证资源释放的原因。\n"
                     "自定义异常类通常继承 std::runtime_error 等标准异常，并按引用捕获。不会抛出异常的函数可以声明为 noexcept，如果它仍然抛出，程序会直接终止。",
            .task = "解析形如 key=value 的配置文本，遇到格式错误时抛出带行号的自定义异常，在 main 中捕获并打印。",
            .code = R"SRC(
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

class ConfigError : public std::runtime_error {
public:
    ConfigError(int line, const std::string& what)
        : std::runtime_error("第 " + std::to_string(line) + " 行: " + what), m_line(line) {}
    int line() const noexcept { return m_line; }

private:
    int m_line;
};

std::map<std::string, std::string> parseConfig(std::istream& in)
{
    std::map<std::string, std::string> result;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        if (text.empty() || text[0] == '#')
            continue;
        auto pos = text.find('=');
        if (pos == std::string::npos || pos == 0)
            throw ConfigError(line, "缺少键名或等号");
        result[text.substr(0, pos)] = text.substr(pos + 1);
    }
    return result;
}

int main()
{
    std::istringstream in("# 数据库配置\nhost=127.0.0.1\nport=3306\n=root\n");
    try {
        auto config = parseConfig(in);
        std::cout << "读取到 " << config.size() << " 项配置\n";
    } catch (const ConfigError& e) {
        std::cout << "配置错误，" << e.what() << '\n';
    }
}
)SRC",
            .output = "配置错误，第 4 行: 缺少键名或等号",
            .notes = "按引用捕获异常，可以避免对象切片，也省去一次复制。\n"
                     "析构函数默认就是 noexcept 的，不要让异常从析构函数中逃逸。",
        },
    };
    return all;
}

}  // namespace kelvor::authoring
