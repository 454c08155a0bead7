#include <stdio.h>
#include <string.h>

int main(void)
{
    FILE *in = fopen("data.txt", "r");
    if (in == NULL) {
        perror("打开 data.txt 失败");
        return 1;
    }

    char line[256];
    long lines = 0, chars = 0;
    while (fgets(line, sizeof line, in) != NULL) {
        size_t len = strlen(line);
        chars += (long)len;
        if (len > 0 && line[len - 1] == '\n')
            ++lines;
    }
    fclose(in);

    FILE *out = fopen("report.txt", "w");
    if (out == NULL) {
        perror("创建 report.txt 失败");
        return 1;
    }
    fprintf(out, "行数: %ld\n字符数: %ld\n", lines, chars);
    fclose(out);
    printf("统计完成：%ld 行，%ld 个字符\n", lines, chars);
    return 0;
}
