#include <stdio.h>

int main(void)
{
    int score;
    if (scanf("%d", &score) != 1 || score < 0 || score > 100) {
        printf("成绩应在 0 到 100 之间\n");
        return 1;
    }
    char grade;
    switch (score / 10) {
    case 10:
    case 9: grade = 'A'; break;
    case 8: grade = 'B'; break;
    case 7: grade = 'C'; break;
    case 6: grade = 'D'; break;
    default: grade = 'E'; break;
    }
    printf("等级 %c\n", grade);
    return 0;
}
