#include <stdio.h>

int main(void)
{
    int sum = 0;
    for (int i = 1; i <= 100; ++i)
        sum += i;
    printf("1 到 100 的和：%d\n", sum);

    int n = 12345, digits = 0;
    while (n > 0) {
        n /= 10;
        ++digits;
    }
    printf("12345 有 %d 位数字\n", digits);

    for (int i = 1; i <= 10; ++i) {
        if (i % 2 == 0)
            continue;               /* 跳过偶数 */
        printf("%d ", i);
    }
    printf("\n");
    return 0;
}
