#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct Contact {
    char name[32];
    char phone[20];
    char email[48];
    struct Contact *next;
} Contact;

/* 保存到文件，每行一个联系人，字段之间用制表符分隔 */
int save_contacts(const char *path, const Contact *head)
{
    char tmp[256];
    if (snprintf(tmp, sizeof tmp, "%s.tmp", path) >= (int)sizeof tmp)
        return -1;
    FILE *fp = fopen(tmp, "w");
    if (fp == NULL)
        return -1;
    for (const Contact *c = head; c != NULL; c = c->next)
        fprintf(fp, "%s\t%s\t%s\n", c->name, c->phone, c->email);
    if (fclose(fp) != 0) {
        remove(tmp);
        return -1;
    }
    return rename(tmp, path);   /* 写完再替换，中途出错不会毁掉旧文件 */
}

/* 从文件加载，返回链表头；文件不存在时返回空链表 */
Contact *load_contacts(const char *path)
{
    FILE *fp = fopen(path, "r");
    if (fp == NULL)
        return NULL;
    Contact *head = NULL, **tail = &head;
    char line[128];
    while (fgets(line, sizeof line, fp) != NULL) {
        Contact *c = calloc(1, sizeof *c);
        if (c == NULL)
            break;
        if (sscanf(line, "%31[^\t]\t%19[^\t]\t%47[^\n]", c->name, c->phone, c->email) < 2) {
            free(c);                 /* 跳过格式错误的行 */
            continue;
        }
        *tail = c;                   /* 追加到尾部，保持文件中的顺序 */
        tail = &c->next;
    }
    fclose(fp);
    return head;
}

void free_contacts(Contact *head)
{
    while (head != NULL) {
        Contact *next = head->next;
        free(head);
        head = next;
    }
}
