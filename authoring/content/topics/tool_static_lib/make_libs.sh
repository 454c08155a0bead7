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
