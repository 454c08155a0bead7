#include <stdio.h>

int main(void)
{
    int a = 7, b = 2;
    printf("a / b = %d\n", a / b);            /* 整数除法，结果为 3 */
    printf("a %% b = %d\n", a % b);           /* 取余数，结果为 1 */
    printf("a / 2.0 = %.1f\n", a / 2.0);      /* 浮点除法，结果为 3.5 */

    int count = 10;
    count += 5;                               /* 等价于 count = count + 5 */
    printf("count = %d\n", count);

    int isAdult = (a > 6) && (b < 3);
    printf("条件成立吗？%d\n", isAdult);       /* 真为 1，假为 0 */
    return 0;
}
