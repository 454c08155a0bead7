#include "snippets.h"

namespace kelvor::authoring {

const std::vector<Snippet>& toolSnippets()
{
    static const std::vector<Snippet> all = {
        {
            .key = "tool_gcc",
            .language = "Shell",
            .fileName = "build.sh",
            .title = "GCC 常用编译选项：警告、优化与调试信息",
            .techKeywords = "GCC|编译器|C语言",
            .exampleKeyword = "编译",
            .intro = "GCC 是 Linux 下最常用的 C/C++ 编译器。-Wall -Wextra 打开常见警告，能在编译阶段发现大量隐患；-g 生成调试信息供 GDB 使用；-O2 开启优化，发布版本通常使用它。\n"
                     "-std= 指定语言标准，-I 添加头文件搜索目录，-L 和 -l 分别指定库的目录和名称。",
            .code = R"SRC(
# 调试版本：打开警告，保留调试信息，不优化
gcc -std=c11 -Wall -Wextra -g -O0 -o app_debug main.c util.c

# 发布版本：开启优化，定义 NDEBUG 关闭 assert
gcc -std=c11 -Wall -O2 -DNDEBUG -o app main.c util.c

# C++ 程序，使用线程库和自定义头文件目录
g++ -std=c++17 -Wall -Wextra -Iinclude -pthread -o server src/*.cpp

# 只预处理、只编译成汇编，便于查看编译器做了什么
gcc -E main.c -o main.i
gcc -S -O2 main.c -o main.s

# 链接 /opt/mylib/lib 下的 libmylib.so
gcc main.c -I/opt/mylib/include -L/opt/mylib/lib -lmylib -o app
)SRC",
            .notes = "把 -Werror 加入持续集成的构建选项，可以防止新代码引入警告。\n"
                     "-fsanitize=address 可以在运行时检测越界访问和释放后使用，调试内存问题非常有效。",
        },
        {
            .key = "tool_make",
            .language = "Makefile",
            .fileName = "Makefile",
            .title = "Makefile 入门：目标、依赖与自动变量",
            .techKeywords = "Makefile|构建工具|GCC",
            .exampleKeyword = "构建工具",
            .intro = "make 根据 Makefile 中描述的依赖关系，只重新编译发生了变化的文件。每条规则由目标、依赖和命令组成，命令行必须以 Tab 字符开头。\n"
                     "自动变量让规则更通用：$@ 表示目标，$< 表示第一个依赖，$^ 表示所有依赖。模式规则 %.o: %.c 描述了如何从任意 .c 文件生成 .o 文件。",
            .code = R"SRC(
CC      = gcc
CFLAGS  = -std=c11 -Wall -Wextra -O2
LDLIBS  = -lm
SRCS    = main.c parser.c report.c
OBJS    = $(SRCS:.c=.o)
TARGET  = report

.PHONY: all clean

all: $(TARGET)

$(TARGET): $(OBJS)
	$(CC) $(CFLAGS) -o $@ $^ $(LDLIBS)

# 模式规则：任意 .c 编译为同名 .o
%.o: %.c report.h
	$(CC) $(CFLAGS) -c $< -o $@

clean:
	rm -f $(OBJS) $(TARGET)
)SRC",
            .notes = ".PHONY 声明的目标不对应真实文件，即使目录中恰好有名为 clean 的文件，make clean 也会照常执行。\n"
                     "make -j4 可以并行执行互不依赖的规则，加快大型项目的编译。",
        },
        {
            .key = "tool_cmake",
            .language = "CMake",
            .fileName = "CMakeLists.txt",
            .title = "CMake 构建 C++ 项目：目标、依赖与测试",
            .techKeywords = "CMake|构建工具|C++",
            .exampleKeyword = "构建工具",
            .intro = "CMake 是跨平台的构建系统生成器，它读取 CMakeLists.txt，生成 Makefile、Ninja 或 Visual Studio 工程。现代 CMake 以“目标”为中心：add_executable、add_library 定义目标，target_link_libraries、target_include_directories 为目标设置依赖和头文件目录。\n"
                     "推荐在源码目录之外构建：cmake -S . -B build 生成工程，cmake --build build 编译。",
            .code = R"SRC(
cmake_minimum_required(VERSION 3.16)
project(inventory VERSION 1.0 LANGUAGES CXX)

set(CMAKE_CXX_STANDARD 17)
set(CMAKE_CXX_STANDARD_REQUIRED ON)

find_package(Threads REQUIRED)

# 核心逻辑做成静态库，方便测试程序复用
add_library(inventory_core STATIC
    src/item.cpp
    src/stock.cpp)
target_include_directories(inventory_core PUBLIC include)
target_compile_options(inventory_core PRIVATE -Wall -Wextra)

add_executable(inventory src/main.cpp)
target_link_libraries(inventory PRIVATE inventory_core Threads::Threads)

enable_testing()
add_executable(inventory_tests tests/stock_test.cpp)
target_link_libraries(inventory_tests PRIVATE inventory_core)
add_test(NAME stock COMMAND inventory_tests)
)SRC",
            .notes = "PUBLIC 表示依赖会传递给链接本目标的其他目标，PRIVATE 只对本目标生效，INTERFACE 只对使用者生效。\n"
                     "构建类型用 -DCMAKE_BUILD_TYPE=Release 指定；多配置的生成器（如 Visual Studio）则在编译时用 --config Release 选择。",
        },
        {
            .key = "tool_static_lib",
            .language = "Shell",
            .fileName = "make_libs.sh",
            .title = "静态库与动态库的制作和链接",
            .techKeywords = "静态库|动态库|GCC|链接",
            .exampleKeyword = "编译",
            .intro = "静态库（.a）在链接时被复制进可执行文件，程序运行时不再依赖它；动态库（.so）在运行时才被加载，多个程序可以共享同一份代码，升级库时无需重新链接程序。\n"
                     "编译动态库的目标文件需要 -fPIC 生成位置无关代码。运行时找不到动态库时，可以设置 LD_LIBRARY_PATH，或在链接时用 -Wl,-rpath 写入搜索路径。",
            .code = R"SRC(
# 制作静态库 libmathx.a
gcc -c -O2 add.c mul.c
ar rcs libmathx.a add.o mul.o

# 制作动态库 libmathx.so
gcc -c -O2 -fPIC add.c mul.c
gcc -shared -o libmathx.so add.o mul.o

# 链接：-L 指定目录，-l 指定库名（去掉 lib 前缀和扩展名）
gcc main.c -L. -lmathx -o calc

# 查看程序依赖哪些动态库，以及库中导出了哪些函数
ldd ./calc
nm -D libmathx.so | grep ' T '

# 运行时指定动态库的搜索路径
LD_LIBRARY_PATH=. ./calc
)SRC",
            .notes = "同一目录下同时存在 libmathx.a 和 libmathx.so 时，gcc 默认优先链接动态库；加 -static 可以强制静态链接。\n"
                     "链接顺序很重要：被依赖的库要写在依赖它的目标文件和库的后面。",
        },
        {
            .key = "tool_gdb",
            .language = "Shell",
            .fileName = "gdb_session.txt",
            .title = "GDB 调试入门：断点、单步与查看变量",
            .techKeywords = "GDB|调试|GCC",
            .exampleKeyword = "调试",
            .intro = "GDB 是 GNU 调试器。程序编译时加上 -g 选项保留调试信息后，就可以在 GDB 中设置断点、单步执行、查看变量和调用栈。\n"
                     "程序崩溃时，用 bt 命令查看崩溃时刻的调用栈，是定位段错误最快的方法。",
            .code = R"SRC(
gcc -g -O0 -o app main.c       # 带调试信息编译
gdb ./app

(gdb) break main               # 在 main 函数处设置断点
(gdb) break parser.c:42 if n > 100   # 条件断点
(gdb) run input.txt            # 带参数运行
(gdb) next                     # 单步执行，不进入函数
(gdb) step                     # 单步执行，进入函数
(gdb) print count              # 查看变量
(gdb) print *node@3            # 查看指针指向的连续 3 个元素
(gdb) watch total              # 变量被修改时暂停
(gdb) bt                       # 查看调用栈
(gdb) frame 1                  # 切换到上一层栈帧
(gdb) continue
(gdb) quit
)SRC",
            .notes = "优化过的程序（-O2）中变量可能被优化掉，单步时代码行也会跳来跳去，调试时最好用 -O0 编译。\n"
                     "让系统生成 core 文件（ulimit -c unlimited）后，可以用 gdb ./app core 在事后分析崩溃现场。",
        },
        {
            .key = "tool_valgrind",
            .language = "Shell",
            .fileName = "valgrind_report.txt",
            .title = "Valgrind 检测内存泄漏与非法内存访问",
            .techKeywords = "Valgrind|内存泄漏|调试|malloc",
            .exampleKeyword = "调试",
            .intro = "Valgrind 的 Memcheck 工具在一个虚拟的 CPU 上运行程序，检查每一次内存访问：读取未初始化的内存、越界读写、释放后使用以及内存泄漏都会被报告出来，并给出问题发生的代码位置。\n"
                     "程序在 Valgrind 下运行会慢 20 到 50 倍，适合在测试阶段使用。",
            .code = R"SRC(
gcc -g -O0 -o app main.c
valgrind --leak-check=full --show-leak-kinds=all --track-origins=yes ./app

# 典型输出（节选）
==12345== Invalid write of size 4
==12345==    at 0x109182: fill (main.c:12)
==12345==  Address 0x4a4b068 is 0 bytes after a block of size 40 alloc'd
==12345==
==12345== 40 bytes in 1 blocks are definitely lost in loss record 1 of 1
==12345==    at 0x483B7F3: malloc (vg_replace_malloc.c:309)
==12345==    by 0x1091A6: main (main.c:20)
)SRC",
            .notes = "“definitely lost”表示确定的泄漏，必须修复；“still reachable”通常是程序退出时仍有指针指向的内存，危害较小。\n"
                     "GCC 和 Clang 的 -fsanitize=address 速度快得多，可以与 Valgrind 配合使用。",
        },
        {
            .key = "tool_git_basic",
            .language = "Shell",
            .fileName = "git_basics.sh",
            .title = "Git 常用命令：提交、查看历史与撤销修改",
            .techKeywords = "Git|版本管理",
            .exampleKeyword = "版本管理",
            .intro = "Git 是分布式版本控制系统。工作区的修改先用 git add 放入暂存区，再用 git commit 生成一次提交。git status 查看当前状态，git log 查看提交历史，git diff 比较差异。\n"
                     "撤销修改要分清场景：丢弃工作区的修改用 git restore，撤出暂存区用 git restore --staged，撤销已经推送的提交应使用 git revert 生成一个反向提交。",
            .code = R"SRC(
git init
git add main.c README.md
git commit -m "实现成绩统计的基本功能"

git status                      # 查看哪些文件被修改
git diff                        # 工作区与暂存区的差异
git diff --staged               # 暂存区与最近一次提交的差异
git log --oneline --graph -10   # 简洁地查看最近 10 次提交

git restore main.c              # 丢弃工作区中对 main.c 的修改
git restore --staged main.c     # 把 main.c 撤出暂存区
git commit --amend              # 修改最近一次（尚未推送的）提交
git revert 3f2a1c9              # 用新提交撤销某次已推送的提交
)SRC",
            .notes = "提交说明要写清楚“为什么改”，而不仅仅是“改了什么”。\n"
                     "不要提交编译产物和本地配置，把它们写进 .gitignore。",
        },
        {
            .key = "tool_git_branch",
            .language = "Shell",
            .fileName = "git_branches.sh",
            .title = "Git 分支管理：创建、合并与解决冲突",
            .techKeywords = "Git|分支|版本管理",
            .exampleKeyword = "版本管理",
            .intro = "Git 的分支只是指向某次提交的轻量指针，创建和切换都非常快。常见的工作方式是：为每个新功能创建一个分支，开发完成后合并回主分支。\n"
                     "两个分支修改了同一文件的同一处时，合并会产生冲突，Git 在文件中用 <<<<<<<、=======、>>>>>>> 标出冲突区域，手工编辑后再 add 和 commit 即可。",
            .code = R"SRC(
git switch -c feature/export    # 创建并切换到新分支
git commit -am "增加导出 CSV 功能"

git switch main
git merge feature/export        # 合并功能分支

# 发生冲突时
git status                      # 查看冲突文件
# 编辑文件，保留需要的内容，删除冲突标记
git add report.c
git commit                      # 完成合并

git branch -d feature/export    # 删除已合并的分支
git log --oneline --graph --all # 图形化查看各分支
)SRC",
            .notes = "rebase 可以得到更整洁的线性历史，但不要对已经推送、别人正在使用的分支执行 rebase。\n"
                     "合并前先拉取最新的主分支并运行测试，可以减少冲突和回归问题。",
        },
    };
    return all;
}

}  // namespace kelvor::authoring
