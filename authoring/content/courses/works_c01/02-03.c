#include <stdio.h>

long long gcd(long long a, long long b)
{
    while (b != 0) {
        long long r = a % b;
        a = b;
        b = r;
    }
    return a;
}

int main(void)
{
    long long a, b;
    if (scanf("%lld %lld", &a, &b) != 2 || a <= 0 || b <= 0)
        return 1;
    long long g = gcd(a, b);
    printf("最大公约数 %lld，最小公倍数 %lld\n", g, a / g * b);
    return 0;
}
