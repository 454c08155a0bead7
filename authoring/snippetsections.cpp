#include "snippets.h"

#include "authoringerror.h"

namespace kelvor::authoring {

const std::vector<LanguageSection>& languageSections()
{
    static const std::vector<LanguageSection> all = {
        {
            .language = "C",
            .techFolder = "C 语言程序设计",
            .exampleFolder = "C 语言实例",
            .videoFolder = "C 语言视频教程",
            .techLink = "jsclang",
            .exampleLink = "slclang",
            .videoLink = "spclang",
            .overview = "C 语言诞生于 1972 年，至今仍是操作系统、嵌入式设备和高性能程序的首选语言。它贴近硬件，让程序员直接操作内存，同时也要求程序员自己对内存安全负责。\n"
                        "建议的学习顺序是：先掌握基本语法和流程控制，再深入理解指针与数组的关系，然后学习结构体、动态内存和常用数据结构，最后通过文件读写完成一些完整的小程序。",
            .groups = {
                {"基础语法与指针", {"c_pointer_basics", "c_pointer_array", "c_string", "c_struct"}},
                {"内存管理与数据结构", {"c_malloc_free", "c_linked_list", "c_qsort"}},
                {"文件与输入输出", {"c_file_io"}},
            },
        },
        {
            .language = "C++",
            .techFolder = "C++ 程序设计",
            .exampleFolder = "C++ 实例",
            .videoFolder = "C++ 视频教程",
            .techLink = "jscpp",
            .exampleLink = "slcplus",
            .videoLink = "spcplus",
            .overview = "现代 C++（C++11 及以后的标准）与早期的“带类的 C”已经大不相同：智能指针和 RAII 让手工管理内存成为例外，移动语义消除了大量不必要的复制，Lambda 和标准算法让代码更加简洁。\n"
                        "本栏目按“内存管理、标准库、面向对象与泛型、并发”四条主线组织，每篇文章都附有可以直接编译运行的完整代码。",
            .groups = {
                {"内存管理与智能指针", {"cpp_unique_ptr", "cpp_shared_ptr", "cpp_raii", "cpp_move"}},
                {"STL 容器与算法", {"cpp_vector", "cpp_map", "cpp_algorithm", "cpp_lambda"}},
                {"面向对象与泛型编程", {"cpp_virtual", "cpp_template", "cpp_exception"}},
                {"并发编程", {"cpp_thread"}},
            },
        },
        {
            .language = "Java",
            .techFolder = "Java 开发技术",
            .exampleFolder = "Java 实例",
            .videoFolder = "Java 视频教程",
            .techLink = "jsjava01",
            .exampleLink = "sljava01",
            .videoLink = "spjava01",
            .overview = "Java 以“一次编写，到处运行”著称，凭借完善的标准库和庞大的生态，在企业级后端开发中占据重要地位。\n"
                        "本栏目重点介绍集合框架、面向对象设计、异常处理、并发编程和数据库访问，这些是日常 Java 开发中用得最多的知识。",
            .groups = {
                {"集合框架", {"java_arraylist", "java_hashmap", "java_stream", "java_string_builder"}},
                {"面向对象与异常", {"java_interface", "java_exception"}},
                {"并发与数据库访问", {"java_thread_pool", "java_jdbc"}},
            },
        },
        {
            .language = "Python",
            .techFolder = "Python 编程",
            .exampleFolder = "Python 实例",
            .videoFolder = "Python 视频教程",
            .techLink = "jspython",
            .exampleLink = "slpython",
            .videoLink = "sppython",
            .overview = "Python 语法简洁、库丰富，是数据处理、自动化脚本和 Web 后端的常用语言，也非常适合作为第一门编程语言。\n"
                        "本栏目从内置数据结构讲起，逐步介绍推导式、装饰器、生成器等 Python 特有的写法，以及文件和数据库的操作。",
            .groups = {
                {"基础与数据结构", {"py_list_comprehension", "py_dict", "py_class", "py_regex"}},
                {"函数进阶", {"py_decorator", "py_generator"}},
                {"文件与数据库", {"py_file", "py_sqlite"}},
            },
        },
        {
            .language = "SQL",
            .techFolder = "数据库与 SQL",
            .exampleFolder = "SQL 查询实例",
            .videoFolder = "SQL 视频教程",
            .techLink = "jssql01",
            .exampleLink = "slsql",
            .videoLink = "spsql01",
            .overview = "SQL 是操作关系数据库的标准语言，几乎所有的业务系统都离不开它。写出正确的 SQL 只是第一步，理解连接、分组、索引和事务，才能写出既正确又高效的查询。\n"
                        "本栏目的示例以 SQLite 语法为主，与 MySQL、PostgreSQL 不同的地方会在文中特别说明。",
            .groups = {
                {"查询基础", {"sql_join", "sql_group_by", "sql_subquery", "sql_pagination"}},
                {"性能与事务", {"sql_index", "sql_transaction"}},
            },
        },
        {
            .language = "JavaScript",
            .techFolder = "JavaScript 与前端开发",
            .exampleFolder = "JavaScript 实例",
            .videoFolder = "前端开发视频教程",
            .techLink = "jsweb01",
            .exampleLink = "slweb01",
            .videoLink = "spweb01",
            .overview = "JavaScript 是浏览器中唯一的原生编程语言，借助 Node.js 也可以用于服务器端开发。理解作用域与闭包、掌握异步编程，是写好 JavaScript 的关键。\n"
                        "本栏目分为语言核心和浏览器编程两部分，示例代码可以直接在浏览器的开发者工具中运行。",
            .groups = {
                {"语言核心", {"js_closure", "js_array_methods", "js_promise"}},
                {"浏览器编程", {"js_dom_event", "js_fetch", "js_localstorage"}},
            },
        },
        {
            .language = "工具",
            .techFolder = "开发工具",
            .exampleFolder = "",
            .videoFolder = "开发工具视频教程",
            .techLink = "jstools",
            .exampleLink = "",
            .videoLink = "sptools",
            .overview = "工欲善其事，必先利其器。熟练使用编译器、构建工具、调试器和版本管理工具，能让开发效率成倍提高。\n"
                        "本栏目介绍 Linux 下 C/C++ 开发最常用的工具链：GCC、Make、CMake、GDB、Valgrind 和 Git。",
            .groups = {
                {"编译与构建", {"tool_gcc", "tool_make", "tool_cmake", "tool_static_lib"}},
                {"调试与分析", {"tool_gdb", "tool_valgrind"}},
                {"版本管理", {"tool_git_basic", "tool_git_branch"}},
            },
        },
    };
    return all;
}

const Snippet& snippetByKey(const QString& key)
{
    for (const auto* list : {&cSnippets(), &cppSnippets(), &javaSnippets(), &pythonSnippets(), &sqlSnippets(),
                             &webSnippets(), &toolSnippets()}) {
        for (const Snippet& s : *list)
            if (key == QLatin1String(s.key)) return s;
    }
    throw AuthoringError(QStringLiteral("unknown snippet %1").arg(key));
}

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

QString codeOf(const Snippet& s)
{
    QString code = text(s.code);
    while (code.startsWith(QLatin1Char('\n'))) code.remove(0, 1);
    while (code.endsWith(QLatin1Char('\n')) || code.endsWith(QLatin1Char(' '))) code.chop(1);
    return code;
}

QStringList techKeywordsOf(const Snippet& s)
{
    return text(s.techKeywords).split(QLatin1Char('|'), Qt::SkipEmptyParts);
}

}  // namespace kelvor::authoring
