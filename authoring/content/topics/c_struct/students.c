#include <stdio.h>

typedef struct {
    int id;
    char name[16];
    double score;
} Student;

/* 以指针传入数组，避免复制 */
double average(const Student *list, int n)
{
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
        sum += list[i].score;
    return n > 0 ? sum / n : 0.0;
}

int main(void)
{
    Student cls[] = {
        {1001, "张三", 86.5},
        {1002, "李四", 92.0},
        {1003, "王五", 78.0},
        {1004, "赵六", 88.5},
    };
    int n = sizeof cls / sizeof cls[0];
    const Student *top = &cls[0];
    for (int i = 1; i < n; ++i)
        if (cls[i].score > top->score)
            top = &cls[i];
    printf("平均分 %.2f，最高分 %s（%d）%.1f\n", average(cls, n), top->name, top->id, top->score);
    return 0;
}
