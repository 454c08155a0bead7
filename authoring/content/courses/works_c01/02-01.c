#include <stdio.h>

int is_prime(int n)
{
    if (n < 2)
        return 0;
    for (int i = 2; i * i <= n; ++i)
        if (n % i == 0)
            return 0;
    return 1;
}

int main(void)
{
    int n;
    if (scanf("%d", &n) != 1)
        return 1;
    printf("%d %s素数\n", n, is_prime(n) ? "是" : "不是");
    return 0;
}
