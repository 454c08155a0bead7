#include <stdio.h>

/* 通过指针交换两个整数 */
void swap(int *a, int *b)
{
    int tmp = *a;
    *a = *b;
    *b = tmp;
}

int main(void)
{
    int x = 3, y = 7;
    int *p = &x;

    printf("x 的地址: %p, 通过指针读取: %d\n", (void *)p, *p);
    printf("指针占用 %zu 字节\n", sizeof p);

    swap(&x, &y);
    printf("交换后 x = %d, y = %d\n", x, y);

    p = NULL;               /* 不再使用的指针置空 */
    if (p == NULL)
        printf("p 已置为空指针\n");
    return 0;
}
