#include <ctype.h>
#include <stdio.h>

int main(void)
{
    char line[256];
    if (fgets(line, sizeof line, stdin) == NULL)
        return 1;
    int letters = 0, digits = 0, spaces = 0, others = 0;
    for (char *p = line; *p != '\0' && *p != '\n'; ++p) {
        unsigned char c = (unsigned char)*p;
        if (isalpha(c))
            ++letters;
        else if (isdigit(c))
            ++digits;
        else if (c == ' ')
            ++spaces;
        else
            ++others;
    }
    printf("字母 %d，数字 %d，空格 %d，其他 %d\n", letters, digits, spaces, others);
    return 0;
}
