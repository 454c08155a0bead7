#include <stdio.h>

int main(void)
{
    const double PI = 3.14159265;
    double r;
    if (scanf("%lf", &r) != 1 || r < 0) {
        printf("请输入一个非负数\n");
        return 1;
    }
    printf("周长 %.2f，面积 %.2f\n", 2 * PI * r, PI * r * r);
    return 0;
}
