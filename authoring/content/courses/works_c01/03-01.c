#include <stdio.h>

void bubble_sort(int a[], int n)
{
    for (int pass = 0; pass < n - 1; ++pass) {
        int swapped = 0;
        for (int i = 0; i < n - 1 - pass; ++i) {
            if (a[i] > a[i + 1]) {
                int t = a[i];
                a[i] = a[i + 1];
                a[i + 1] = t;
                swapped = 1;
            }
        }
        if (!swapped)
            break;                  /* 已经有序，提前结束 */
    }
}

int main(void)
{
    int a[10];
    for (int i = 0; i < 10; ++i)
        if (scanf("%d", &a[i]) != 1)
            return 1;
    bubble_sort(a, 10);
    for (int i = 0; i < 10; ++i)
        printf("%d ", a[i]);
    printf("\n");
    return 0;
}
