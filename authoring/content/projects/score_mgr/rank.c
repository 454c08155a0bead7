#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define COURSES 3

typedef struct {
    char id[12];
    char name[16];
    int score[COURSES];
    int total;
    int rank;
} Student;

static int by_total_desc(const void *a, const void *b)
{
    const Student *x = a, *y = b;
    return (x->total < y->total) - (x->total > y->total);
}

/* 计算总分并排名，总分相同的名次相同 */
void rank_students(Student *list, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        list[i].total = 0;
        for (int c = 0; c < COURSES; ++c)
            list[i].total += list[i].score[c];
    }
    qsort(list, n, sizeof list[0], by_total_desc);
    for (size_t i = 0; i < n; ++i)
        list[i].rank = (i > 0 && list[i].total == list[i - 1].total) ? list[i - 1].rank : (int)i + 1;
}

/* 从文本文件加载，每行：学号 姓名 语文 数学 英语 */
size_t load_students(const char *path, Student *list, size_t max)
{
    FILE *fp = fopen(path, "r");
    if (fp == NULL)
        return 0;
    size_t n = 0;
    while (n < max && fscanf(fp, "%11s %15s %d %d %d", list[n].id, list[n].name,
                             &list[n].score[0], &list[n].score[1], &list[n].score[2]) == 5)
        ++n;
    fclose(fp);
    return n;
}

int main(void)
{
    Student list[100];
    size_t n = load_students("scores.txt", list, 100);
    rank_students(list, n);
    printf("名次  学号        姓名      总分\n");
    for (size_t i = 0; i < n; ++i)
        printf("%-4d  %-10s  %-8s  %d\n", list[i].rank, list[i].id, list[i].name, list[i].total);
    return 0;
}
