#include <stdio.h>

int main(void)
{
    printf("Hello, World!\n");
    printf("你好，C 语言！\n");
    return 0;
}
