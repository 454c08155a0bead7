#include <stdio.h>

int main(void)
{
    int score = 86;
    if (score >= 90)
        printf("优秀\n");
    else if (score >= 75)
        printf("良好\n");
    else if (score >= 60)
        printf("及格\n");
    else
        printf("不及格\n");

    int weekday = 3;
    switch (weekday) {
    case 6:
    case 7:
        printf("周末休息\n");
        break;
    default:
        printf("星期%d，正常上课\n", weekday);
        break;
    }
    return 0;
}
