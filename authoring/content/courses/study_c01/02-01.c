#include <stdio.h>

int main(void)
{
    const double PI = 3.14159;
    int radius = 5;
    double area = PI * radius * radius;
    char grade = 'A';

    printf("半径 %d 的圆面积为 %.2f\n", radius, area);
    printf("等级：%c\n", grade);
    printf("int 占 %zu 字节，double 占 %zu 字节\n", sizeof(int), sizeof(double));
    return 0;
}
