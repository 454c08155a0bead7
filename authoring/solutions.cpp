#include "solutions.h"

namespace kelvor::authoring {

const std::vector<const char*>& solutionCategories()
{
    static const std::vector<const char*> all = {"性能与稳定性", "数据存储与访问", "并发与异步", "代码设计与数据处理"};
    return all;
}

const std::vector<Solution>& solutions()
{
    static const std::vector<Solution> all = {
        {
            .title = "内存泄漏防治方案",
            .category = "性能与稳定性",
            .link = "faperf01",
            .keyword = "内存泄漏",
            .problem = "长时间运行的服务程序内存占用持续上涨，几天后被系统强制终止。排查发现，部分代码路径在出错时提前返回，没有释放之前申请的内存和文件句柄。\n"
                       "需要一套从编码规范到检测工具的完整方案，既能修复现有问题，也能防止新的泄漏出现。",
            .approaches = {
                {"c_malloc_free", "规范手工管理：malloc 与 free 严格配对", "在必须使用 C 语言的模块中，统一资源申请和释放的写法，出错路径集中到函数末尾的清理代码。", "不依赖任何语言特性，适用于 C 语言和嵌入式环境", "依赖程序员的细心，代码路径一多就容易遗漏"},
                {"cpp_unique_ptr", "智能指针：由 unique_ptr 管理对象", "C++ 模块中用 unique_ptr 持有动态创建的对象，离开作用域时自动释放，出错提前返回也不会泄漏。", "零额外开销，所有权清晰，编译器保证释放", "需要 C++11 及以上，与旧的 C 接口交互时要小心所有权的转移"},
                {"cpp_raii", "RAII 封装：把文件、锁、连接都做成对象", "除了内存，文件句柄、互斥锁和数据库连接同样会泄漏，把它们封装成 RAII 类，在析构函数中释放。", "对所有资源一视同仁，异常安全", "需要为每种资源编写封装类"},
            },
            .recommendation = "新代码一律使用智能指针和 RAII 封装，手工的 malloc/free 只保留在必须使用 C 语言的模块中。\n"
                              "同时在测试环境中用 Valgrind 或 -fsanitize=address 定期检查，把“零泄漏”作为合并代码的条件。",
        },
        {
            .title = "大量数据排序方案",
            .category = "性能与稳定性",
            .link = "faperf01",
            .keyword = "排序算法",
            .problem = "报表模块需要对几十万条成绩和销售记录按多个字段排序后显示，原来手写的冒泡排序在数据量增大后要等待几十秒。\n"
                       "需要选择合适的排序方式，并考虑数据是在内存中还是在数据库中。",
            .approaches = {
                {"c_qsort", "C 标准库 qsort", "数据已经在 C 程序的数组中，qsort 是现成的 O(n log n) 排序，只需写一个比较函数。", "标准库自带，任何平台都可用", "比较函数通过函数指针调用，性能略低于 C++ 的 std::sort；排序不稳定"},
                {"cpp_algorithm", "C++ 的 std::sort 与 stable_sort", "C++ 程序中用 std::sort 配合 Lambda 比较器，编译器可以内联比较操作；需要保持相等元素的次序时用 stable_sort。", "速度快，写法简洁，可选稳定排序", "只适用于 C++ 程序"},
                {"sql_index", "交给数据库：ORDER BY 配合索引", "数据本来就在数据库中时，直接用 ORDER BY 排序，并为排序字段建立索引，数据库可以按索引顺序读取，无需额外排序。", "数据不必全部读入内存，配合分页只取需要的部分", "需要设计合适的索引，索引会增加写入开销"},
            },
            .recommendation = "数据在数据库中时优先使用 ORDER BY 加索引，并配合分页；已在内存中的数据用语言自带的排序函数，不要手写排序算法。\n"
                              "多字段排序要把所有字段都写进比较函数，不要依赖排序的稳定性。",
        },
        {
            .title = "列表分页查询方案",
            .category = "性能与稳定性",
            .link = "faperf01",
            .keyword = "分页",
            .problem = "商品列表有 200 多万条记录，用户翻到后面的页码时，接口响应时间从几十毫秒增加到几秒。\n"
                       "需要一种翻页速度稳定、又便于前端使用的分页方式。",
            .approaches = {
                {"sql_pagination", "LIMIT/OFFSET 分页与键集分页", "先比较两种 SQL 分页写法：OFFSET 简单但越往后越慢，键集分页借助索引，速度与页码无关。", "键集分页性能稳定，实现只需改写 WHERE 条件", "键集分页不能直接跳到任意页码"},
                {"sql_index", "为排序字段建立索引", "无论哪种分页方式，排序字段上都必须有索引，否则每次查询都要对全表排序。", "一次建立，所有分页查询受益", "增加存储和写入开销"},
                {"js_fetch", "前端“加载更多”与无限滚动", "前端不再显示页码，而是滚动到底部时用 fetch 请求下一批数据，正好配合键集分页。", "交互流畅，天然适合键集分页", "不适合需要跳转到指定页的管理后台"},
            },
            .recommendation = "面向普通用户的列表使用键集分页加“加载更多”；后台管理页面需要页码时，保留 OFFSET 分页，但限制最大页码，并确保排序字段有索引。",
        },
        {
            .title = "用户设置持久化方案",
            .category = "数据存储与访问",
            .link = "fadata01",
            .keyword = "文件操作",
            .problem = "桌面程序和网页都需要记住用户的个性化设置，例如字号、主题和上次打开的位置。设置数据量很小，但要求读取失败时不影响程序启动。\n"
                       "需要根据程序的类型选择保存位置和格式。",
            .approaches = {
                {"c_file_io", "C 程序：文本配置文件", "桌面程序把设置写成 key=value 形式的文本文件，启动时逐行读取。", "格式直观，用户也能手工修改", "需要自己处理解析和错误，写入时要防止写到一半断电"},
                {"py_file", "Python 程序：with 语句读写并指定编码", "Python 工具用 with 语句读写配置文件，明确指定 UTF-8 编码，避免在不同电脑上读出乱码。", "代码简短，文件一定会被关闭", "同样需要处理文件损坏的情况"},
                {"js_localstorage", "网页：localStorage 保存 JSON", "网页应用把设置对象序列化为 JSON 存入 localStorage，读取时与默认值合并。", "无需服务器，刷新页面不丢失", "只在同一浏览器中有效，不能跨设备同步"},
            },
            .recommendation = "无论哪种方式，读取时都要对缺失和损坏的数据回退到默认值；写入文件时先写临时文件再替换，避免写到一半时出错留下残缺的配置。",
        },
        {
            .title = "数据库访问安全方案",
            .category = "数据存储与访问",
            .link = "fadata01",
            .keyword = "SQL注入",
            .problem = "安全检查发现登录和搜索功能存在 SQL 注入漏洞：代码把用户输入直接拼接进 SQL 语句，输入一个单引号就能改变查询的含义。\n"
                       "需要在不同语言的模块中统一采用安全的数据库访问方式，并保证多步修改的一致性。",
            .approaches = {
                {"java_jdbc", "Java：PreparedStatement 参数绑定", "Java 后端把所有拼接 SQL 的地方改为 PreparedStatement，用户输入一律通过 setString 等方法绑定。", "彻底杜绝注入，数据库还可以复用执行计划", "动态的表名、排序字段仍需白名单控制"},
                {"py_sqlite", "Python：参数化查询", "Python 脚本使用 DB-API 的问号占位符传参，禁止用 f-string 或百分号格式化拼接 SQL。", "写法简单，标准库即可支持", "LIKE 中的通配符需要另外转义"},
                {"sql_transaction", "用事务保证多步修改的一致性", "转账、下单等由多条语句组成的操作放在一个事务中，任何一步失败都整体回滚。", "数据不会停留在“改了一半”的状态", "事务过长会增加锁等待和死锁的风险"},
            },
            .recommendation = "把“禁止拼接 SQL”写进编码规范，并在代码评审中重点检查；所有修改多张表的业务操作都放在事务中完成。",
        },
        {
            .title = "键值数据查找方案",
            .category = "数据存储与访问",
            .link = "fadata01",
            .keyword = "哈希表",
            .problem = "配置中心需要在内存中按名称快速查找几万个配置项，同时还要支持按名称排序输出和统计。\n"
                       "不同模块分别使用 C++、Java 和 Python 编写，需要为每种语言选出合适的容器。",
            .approaches = {
                {"cpp_map", "C++：map 与 unordered_map", "只做查找用 unordered_map；需要按键有序输出时用 map。", "两种容器接口几乎相同，可以随时替换", "unordered_map 的遍历顺序不确定"},
                {"java_hashmap", "Java：HashMap 与 TreeMap", "Java 模块用 HashMap 做查找和计数，需要排序时转为 TreeMap 或对 entrySet 排序。", "merge、computeIfAbsent 让统计代码非常简洁", "多线程共享时要换成 ConcurrentHashMap"},
                {"py_dict", "Python：dict 与 defaultdict", "Python 脚本直接使用内置字典，分组累加用 defaultdict。", "语法最简洁，性能也很好", "键必须是可哈希的不可变对象"},
            },
            .recommendation = "默认使用各语言的哈希表（unordered_map、HashMap、dict），只在需要有序遍历或范围查询时才使用基于树的有序容器。",
        },
        {
            .title = "并发任务处理方案",
            .category = "并发与异步",
            .link = "faasync",
            .keyword = "多线程",
            .problem = "数据导入程序需要处理上千个文件，单线程逐个处理要花一个多小时，而服务器的 CPU 大部分时间是空闲的。\n"
                       "需要把任务并行化，同时保证共享数据的安全，并控制同时运行的任务数量。",
            .approaches = {
                {"cpp_thread", "C++：std::thread 加互斥锁", "把文件列表分成若干段，每段交给一个线程处理，汇总结果时用 mutex 保护。", "控制精细，没有额外依赖", "线程数量和任务划分需要自己管理"},
                {"java_thread_pool", "Java：线程池 ExecutorService", "把每个文件作为一个任务提交给固定大小的线程池，用 Future 收集结果。", "线程复用，任务数量再多也不会创建过多线程", "需要正确关闭线程池并处理任务中的异常"},
                {"js_promise", "Node.js：Promise.all 并发执行 I/O 任务", "如果瓶颈在网络和磁盘 I/O 而不是 CPU，用异步 I/O 配合 Promise.all 即可并发处理，无需多线程。", "单线程模型，没有数据竞争", "不适合 CPU 密集型任务"},
            },
            .recommendation = "CPU 密集型任务使用线程池，线程数取 CPU 核心数；I/O 密集型任务优先使用异步 I/O。无论哪种方式，都要尽量减少共享的可变数据。",
        },
        {
            .title = "错误处理与异常方案",
            .category = "并发与异步",
            .link = "faasync",
            .keyword = "异常处理",
            .problem = "程序遇到配置错误、文件缺失或网络超时时，有的地方直接崩溃，有的地方静默忽略，用户和运维人员都无法知道发生了什么。\n"
                       "需要统一各语言模块的错误处理方式：错误要被报告、资源要被释放、程序状态要保持一致。",
            .approaches = {
                {"cpp_exception", "C++：自定义异常类携带错误信息", "定义继承自 std::runtime_error 的异常类，携带行号、文件名等上下文，在界面层统一捕获并提示。", "错误信息丰富，配合 RAII 不会泄漏资源", "需要约定哪些函数可以抛出异常"},
                {"java_exception", "Java：受检异常与 try-with-resources", "I/O 相关的错误使用受检异常，资源用 try-with-resources 管理，保证关闭。", "编译器强制调用者处理错误", "异常层次设计不当时，代码中会充斥 catch 块"},
                {"js_promise", "JavaScript：Promise 的 catch 与 async/await 的 try", "异步代码的错误不会被外层的 try 捕获，必须在 Promise 链的末尾加 catch，或在 async 函数中用 try/catch 包住 await。", "同步和异步代码的错误处理写法统一", "忘记处理的 Promise 错误只会在控制台输出警告"},
            },
            .recommendation = "只在能够真正处理错误的地方捕获异常，其余地方让异常向上传递；捕获后至少要记录日志。资源的释放交给 RAII 或 try-with-resources，而不是分散的清理代码。",
        },
        {
            .title = "字符串拼接与处理方案",
            .category = "代码设计与数据处理",
            .link = "fadesign",
            .keyword = "字符串",
            .problem = "日志和报表模块中大量使用字符串拼接，出现了两类问题：C 模块存在缓冲区溢出的隐患，Java 模块在循环中拼接导致性能低下。\n"
                       "需要针对不同语言给出安全、高效的字符串处理写法。",
            .approaches = {
                {"c_string", "C：用 snprintf 代替 strcpy 和 sprintf", "所有写入固定缓冲区的地方改用 snprintf，并检查返回值判断是否被截断。", "从根本上避免缓冲区溢出", "需要逐处修改旧代码"},
                {"java_string_builder", "Java：循环中使用 StringBuilder", "循环里的字符串拼接改用 StringBuilder，并预估初始容量。", "性能提升明显，代码改动很小", "单个表达式中的拼接无需改写，过度使用反而降低可读性"},
                {"py_list_comprehension", "Python：先收集再 join", "Python 中先用列表推导式生成各个片段，最后用 str.join 一次拼接。", "写法简洁，性能好", "需要一次性把所有片段放在内存中"},
            },
            .recommendation = "C 代码禁止使用 strcpy、strcat、sprintf；Java 和 Python 在循环中拼接时分别使用 StringBuilder 和 join。",
        },
        {
            .title = "集合数据转换方案",
            .category = "代码设计与数据处理",
            .link = "fadesign",
            .keyword = "函数式编程",
            .problem = "业务代码中充斥着“遍历列表、判断条件、放入新列表、累加结果”的循环，逻辑相似却各写各的，阅读和修改都很费力。\n"
                       "需要用声明式的写法表达“过滤、转换、汇总”，让代码意图一目了然。",
            .approaches = {
                {"java_stream", "Java：Stream API", "用 filter、map、collect 表达数据处理流程，分组统计使用 Collectors.groupingBy。", "表达力强，可以方便地切换为并行流", "调试时不如普通循环直观"},
                {"py_list_comprehension", "Python：推导式", "简单的过滤和转换写成列表推导式或字典推导式。", "最符合 Python 习惯的写法", "嵌套过深时可读性下降"},
                {"js_array_methods", "JavaScript：map、filter、reduce", "前端的数据处理使用数组方法链式调用。", "不修改原数组，便于追踪数据变化", "大数组上多次链式调用会创建多个中间数组"},
            },
            .recommendation = "简单的过滤、转换和汇总使用各语言的声明式写法；逻辑复杂、需要提前退出或有副作用时，仍然使用普通循环。",
        },
        {
            .title = "动态数组与链表选型方案",
            .category = "代码设计与数据处理",
            .link = "fadesign",
            .keyword = "数据结构",
            .problem = "消息队列模块需要一个长度不断变化的序列：频繁在尾部追加，偶尔在中间删除，还要按下标随机访问。\n"
                       "团队对使用数组还是链表意见不一，需要结合访问模式和现代 CPU 的缓存特性做出选择。",
            .approaches = {
                {"c_linked_list", "链表：插入删除不移动元素", "链表在已知位置插入和删除是 O(1)，适合频繁在中间增删的场景。", "插入删除不移动其他元素，指向结点的指针不会失效", "不能随机访问，结点分散在内存中，缓存命中率低"},
                {"cpp_vector", "C++ vector：连续存储的动态数组", "vector 尾部追加的均摊复杂度为 O(1)，随机访问为 O(1)，连续存储对缓存非常友好。", "大多数场景下实际速度最快", "中间插入删除需要移动元素，扩容时迭代器失效"},
                {"java_arraylist", "Java ArrayList", "Java 中的对应选择是 ArrayList；LinkedList 在实际测试中几乎总是更慢。", "随机访问快，内存占用小", "中间删除需要移动元素"},
            },
            .recommendation = "默认选择动态数组（vector、ArrayList），只有在确实需要频繁在中间插入删除、并且持有结点引用时才使用链表。选型前最好用真实数据做一次性能测试。",
        },
        {
            .title = "网页交互实现方案",
            .category = "代码设计与数据处理",
            .link = "fadesign",
            .keyword = "DOM",
            .problem = "一个列表页面包含上千行数据，每行都有编辑、删除按钮，页面打开缓慢，新增的行点击没有反应，搜索框每输入一个字就发一次请求。\n"
                       "需要重新设计页面的事件处理和数据加载方式。",
            .approaches = {
                {"js_dom_event", "事件委托：一个处理函数负责整张列表", "在列表容器上注册一个点击处理函数，通过 event.target 判断点击的是哪一行的哪个按钮。", "处理函数数量从上千个减少到一个，对新增的行同样有效", "需要在处理函数中区分不同的目标元素"},
                {"js_closure", "防抖：输入停止后再发请求", "用闭包实现 debounce，搜索框停止输入 300 毫秒后才发送请求。", "请求数量大幅减少，服务器压力降低", "结果的出现会有轻微延迟"},
                {"js_fetch", "fetch 异步加载与错误提示", "列表数据改为页面打开后用 fetch 分批加载，并对网络错误和服务器错误给出明确提示。", "页面首屏打开更快", "需要处理加载状态和失败重试"},
            },
            .recommendation = "列表类页面统一采用事件委托，搜索输入统一加防抖；数据通过接口异步加载，并显示加载中和失败的状态。",
        },
    };
    return all;
}

}  // namespace kelvor::authoring
