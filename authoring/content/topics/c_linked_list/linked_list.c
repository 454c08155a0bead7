#include <stdio.h>
#include <stdlib.h>

typedef struct Node {
    int value;
    struct Node *next;
} Node;

/* 在链表头部插入新结点 */
int push_front(Node **head, int value)
{
    Node *n = malloc(sizeof *n);
    if (n == NULL)
        return -1;
    n->value = value;
    n->next = *head;
    *head = n;
    return 0;
}

/* 删除第一个值为 value 的结点 */
void remove_value(Node **head, int value)
{
    for (Node **pp = head; *pp != NULL; pp = &(*pp)->next) {
        if ((*pp)->value == value) {
            Node *dead = *pp;
            *pp = dead->next;
            free(dead);
            return;
        }
    }
}

void print_list(const Node *n)
{
    for (; n != NULL; n = n->next)
        printf("%d -> ", n->value);
    printf("NULL\n");
}

int main(void)
{
    Node *head = NULL;
    for (int i = 1; i <= 5; ++i)
        push_front(&head, i * 10);
    print_list(head);
    remove_value(&head, 30);
    print_list(head);
    while (head != NULL)
        remove_value(&head, head->value);
    return 0;
}
