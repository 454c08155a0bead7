#include <stdio.h>
#include <stdlib.h>

typedef struct {
    int *data;
    size_t size;
    size_t capacity;
} IntVec;

/* 追加一个元素，成功返回 0，内存不足返回 -1 */
int intvec_push(IntVec *v, int value)
{
    if (v->size == v->capacity) {
        size_t cap = v->capacity ? v->capacity * 2 : 4;
        int *p = realloc(v->data, cap * sizeof *p);
        if (p == NULL)
            return -1;          /* 原来的内存仍然有效 */
        v->data = p;
        v->capacity = cap;
    }
    v->data[v->size++] = value;
    return 0;
}

int main(void)
{
    IntVec v = {NULL, 0, 0};
    for (int i = 1; i <= 10; ++i)
        if (intvec_push(&v, i * i) != 0)
            break;
    printf("共 %zu 个元素，容量 %zu，最后一个是 %d\n", v.size, v.capacity, v.data[v.size - 1]);
    free(v.data);
    v.data = NULL;
    return 0;
}
