#include <stdio.h>

int main(void)
{
    int age;
    double height;

    printf("请输入年龄和身高（米），用空格分隔：");
    if (scanf("%d %lf", &age, &height) != 2) {
        printf("输入格式不正确\n");
        return 1;
    }
    printf("你今年 %d 岁，身高 %.2f 米\n", age, height);
    return 0;
}
