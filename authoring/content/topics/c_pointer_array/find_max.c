#include <stdio.h>
#include <stddef.h>

/* 返回最大元素的指针；数组为空时返回 NULL */
const int *find_max(const int *begin, size_t count)
{
    if (count == 0)
        return NULL;
    const int *best = begin;
    for (const int *p = begin + 1; p < begin + count; ++p) {
        if (*p > *best)
            best = p;
    }
    return best;
}

int main(void)
{
    int scores[] = {72, 95, 88, 61, 90};
    size_t n = sizeof scores / sizeof scores[0];

    const int *max = find_max(scores, n);
    if (max != NULL)
        printf("最高分 %d，位于下标 %td\n", *max, max - scores);

    /* a[i] 与 *(a + i) 等价 */
    printf("scores[2] = %d, *(scores + 2) = %d\n", scores[2], *(scores + 2));
    return 0;
}
