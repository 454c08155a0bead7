#include <stdio.h>
#include <string.h>

/* 拼接路径；结果被截断时返回 -1 */
int join_path(char *buf, size_t size, const char *dir, const char *file)
{
    size_t len = strlen(dir);
    const char *sep = (len > 0 && dir[len - 1] == '/') ? "" : "/";
    int n = snprintf(buf, size, "%s%s%s", dir, sep, file);
    if (n < 0 || (size_t)n >= size)
        return -1;
    return 0;
}

int main(void)
{
    char path[32];
    if (join_path(path, sizeof path, "/home/user", "notes.txt") == 0)
        printf("完整路径: %s\n", path);

    if (join_path(path, sizeof path, "/home/user/projects/demo", "a_very_long_file_name.txt") != 0)
        printf("路径过长，已截断为: %s\n", path);
    return 0;
}
