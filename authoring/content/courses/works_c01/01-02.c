#include <stdio.h>

int is_leap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int main(void)
{
    int year;
    if (scanf("%d", &year) != 1)
        return 1;
    printf("%d 年%s闰年\n", year, is_leap(year) ? "是" : "不是");
    return 0;
}
