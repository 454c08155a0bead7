gcc -Wall -o hello hello.c     # 一步完成编译和链接
./hello                        # 运行程序（Windows 上为 hello.exe）

gcc -E hello.c -o hello.i      # 1. 预处理：展开 #include 和宏
gcc -S hello.i -o hello.s      # 2. 编译：生成汇编代码
gcc -c hello.s -o hello.o      # 3. 汇编：生成目标文件
gcc hello.o -o hello           # 4. 链接：生成可执行程序
