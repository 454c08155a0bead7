#include <stdio.h>
#include <string.h>

int main(void)
{
    int scores[5] = {78, 92, 65, 88, 70};
    int best = 0;
    for (int i = 1; i < 5; ++i)
        if (scores[i] > scores[best])
            best = i;
    printf("第 %d 位同学成绩最高：%d\n", best + 1, scores[best]);

    char name[20] = "Alice";
    printf("%s 的长度是 %zu\n", name, strlen(name));
    if (strcmp(name, "Alice") == 0)
        printf("两个字符串相同\n");
    return 0;
}
