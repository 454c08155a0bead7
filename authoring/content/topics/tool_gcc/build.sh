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
