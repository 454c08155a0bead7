#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct {
    char name[16];
    int score;
} Student;

static int by_score_then_name(const void *pa, const void *pb)
{
    const Student *a = pa;
    const Student *b = pb;
    if (a->score != b->score)
        return (a->score < b->score) - (a->score > b->score);  /* 降序 */
    return strcmp(a->name, b->name);                           /* 升序 */
}

int main(void)
{
    Student s[] = {{"Tom", 88}, {"Alice", 95}, {"Bob", 88}, {"Carol", 72}};
    size_t n = sizeof s / sizeof s[0];

    qsort(s, n, sizeof s[0], by_score_then_name);

    for (size_t i = 0; i < n; ++i)
        printf("%zu. %-6s %d\n", i + 1, s[i].name, s[i].score);
    return 0;
}
