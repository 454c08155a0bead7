#include <stdio.h>

int main(void)
{
    printf("姓名：李明\n");
    printf("学号：20240101\n");
    printf("我正在学习 C 语言，目标是写出自己的小游戏。\n");
    return 0;
}
