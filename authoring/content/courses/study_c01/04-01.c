#include <stdio.h>

int max(int a, int b);               /* 函数声明 */

double average(int a, int b, int c)
{
    return (a + b + c) / 3.0;
}

int main(void)
{
    printf("较大的数是 %d\n", max(17, 42));
    printf("平均分是 %.2f\n", average(85, 92, 78));
    return 0;
}

int max(int a, int b)                /* 函数定义 */
{
    return a > b ? a : b;
}
