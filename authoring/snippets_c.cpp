#include "snippets.h"

namespace kelvor::authoring {

const std::vector<Snippet>& cSnippets()
{
    static const std::vector<Snippet> all = {
        {
            .key = "c_pointer_basics",
            .language = "C",
            .fileName = "pointer_basics.c",
            .title = "C 语言指针基础：地址、解引用与空指针",
            .exampleTitle = "用指针交换两个整数的值",
            .techKeywords = "指针|32位与64位|C语言",
            .exampleKeyword = "指针",
            .intro = "指针是保存内存地址的变量。通过取地址运算符 & 可以得到变量的地址，通过解引用运算符 * 可以读写该地址上的数据。理解指针是学习 C 语言的关键一步，函数参数的“传址调用”、动态内存和各种数据结构都建立在指针之上。\n"
                     "在 32 位系统上指针通常占 4 个字节，在 64 位系统上占 8 个字节，可以用 sizeof 查看。",
            .task = "编写函数 swap，通过指针参数交换调用者的两个整数变量，并打印交换前后的结果。",
            .code = R"SRC(
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
)SRC",
            .output = "x 的地址: 0x7ffd5c1a2b3c, 通过指针读取: 3\n指针占用 8 字节\n交换后 x = 7, y = 3\np 已置为空指针",
            .notes = "解引用空指针或已经释放的指针是未定义行为，程序可能立即崩溃，也可能悄悄破坏数据。养成习惯：指针在定义时就初始化，释放后立即置为 NULL。\n"
                     "打印地址时要使用 %p 并把指针转换为 void *，这是标准规定的可移植写法；地址的具体数值每次运行都可能不同。",
        },
        {
            .key = "c_pointer_array",
            .language = "C",
            .fileName = "find_max.c",
            .title = "C 语言指针与数组：下标访问和指针运算",
            .exampleTitle = "用指针遍历数组并求最大值",
            .techKeywords = "指针|数组|C语言",
            .exampleKeyword = "数组",
            .intro = "在大多数表达式中，数组名会退化为指向首元素的指针，因此 a[i] 与 *(a + i) 完全等价。指针加 1 时前进的字节数等于它所指类型的大小，这就是“指针运算”。\n"
                     "数组作为函数参数传递时只会传入首元素的地址，函数内部无法再用 sizeof 得到元素个数，所以通常还要额外传入长度。",
            .task = "编写函数 find_max，接收一个整型数组和它的长度，使用指针遍历数组，返回最大元素的位置。",
            .code = R"SRC(
#include <stdio.h>
#include <stddef.h>

/* 返回最大元素的指针；数组为空时返回 NULL */
const int *find_max(const int *begin, size_t count)
{
    if (count == 0)
        return NULL;
    const int *best = begin;
    for (const int *p = begin + 1; p < begin + count; ++p) {
        if (*p > *best)
            best = p;
    }
    return best;
}

int main(void)
{
    int scores[] = {72, 95, 88, 61, 90};
    size_t n = sizeof scores / sizeof scores[0];

    const int *max = find_max(scores, n);
    if (max != NULL)
        printf("最高分 %d，位于下标 %td\n", *max, max - scores);

    /* a[i] 与 *(a + i) 等价 */
    printf("scores[2] = %d, *(scores + 2) = %d\n", scores[2], *(scores + 2));
    return 0;
}
)SRC",
            .output = "最高分 95，位于下标 1\nscores[2] = 88, *(scores + 2) = 88",
            .notes = "两个指向同一数组的指针相减，得到的是相隔的元素个数（类型为 ptrdiff_t），用 %td 打印。\n"
                     "遍历时让指针停在 begin + count，这个“尾后位置”可以参与比较，但不能解引用。",
        },
        {
            .key = "c_malloc_free",
            .language = "C",
            .fileName = "intvec.c",
            .title = "C 语言动态内存分配 malloc、realloc 与 free",
            .exampleTitle = "实现一个可自动扩容的整数数组",
            .techKeywords = "malloc|指针|内存泄漏|32位与64位",
            .exampleKeyword = "动态数组",
            .intro = "malloc 从堆上申请指定字节数的内存，返回 void 指针；内存不再使用时必须调用 free 归还，否则就会造成内存泄漏。realloc 可以把已有的内存块调整到新的大小，必要时会搬移其中的数据。\n"
                     "申请的字节数要用 sizeof 计算，不要把类型大小写死；在 32 位与 64 位系统上，size_t 和指针的宽度并不相同。",
            .task = "实现一个可以不断追加元素的整数数组 IntVec：容量不足时用 realloc 扩容为原来的两倍，使用完毕后释放全部内存。",
            .code = R"SRC(
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
)SRC",
            .output = "共 10 个元素，容量 16，最后一个是 100",
            .notes = "realloc 失败时返回 NULL，但原来的内存块并没有被释放，所以一定要先用临时指针接收结果，不能直接写成 v->data = realloc(v->data, ...)，否则失败时会丢失原指针而造成泄漏。\n"
                     "每个 malloc 都要有且只有一个对应的 free；可以用 Valgrind 检查程序是否存在泄漏。",
        },
        {
            .key = "c_struct",
            .language = "C",
            .fileName = "students.c",
            .title = "C 语言结构体、typedef 与结构体指针",
            .exampleTitle = "用结构体数组管理学生成绩",
            .techKeywords = "结构体|指针|typedef",
            .exampleKeyword = "结构体",
            .intro = "结构体把若干不同类型的数据组合成一个整体，例如学生的学号、姓名和成绩。用 typedef 给结构体起一个别名，可以省去每次书写 struct 关键字。\n"
                     "通过结构体指针访问成员时使用 -> 运算符，p->score 等价于 (*p).score。把大结构体以指针形式传给函数，可以避免整块复制。",
            .task = "定义学生结构体 Student，保存 4 名学生的信息，计算平均分并找出成绩最高的学生。",
            .code = R"SRC(
#include <stdio.h>

typedef struct {
    int id;
    char name[16];
    double score;
} Student;

/* 以指针传入数组，避免复制 */
double average(const Student *list, int n)
{
    double sum = 0.0;
    for (int i = 0; i < n; ++i)
        sum += list[i].score;
    return n > 0 ? sum / n : 0.0;
}

int main(void)
{
    Student cls[] = {
        {1001, "张三", 86.5},
        {1002, "李四", 92.0},
        {1003, "王五", 78.0},
        {1004, "赵六", 88.5},
    };
    int n = sizeof cls / sizeof cls[0];
    const Student *top = &cls[0];
    for (int i = 1; i < n; ++i)
        if (cls[i].score > top->score)
            top = &cls[i];
    printf("平均分 %.2f，最高分 %s（%d）%.1f\n", average(cls, n), top->name, top->id, top->score);
    return 0;
}
)SRC",
            .output = "平均分 86.25，最高分 李四（1002）92.0",
            .notes = "结构体之间可以直接用 = 赋值，但不能用 == 比较，需要逐个成员比较。\n"
                     "字符数组成员要为结尾的 '\\0' 留出位置；给 name 赋值时应使用 snprintf，防止越界写入。",
        },
        {
            .key = "c_file_io",
            .language = "C",
            .fileName = "count_lines.c",
            .title = "C 语言文件读写：fopen、fgets 与 fprintf",
            .exampleTitle = "统计文本文件的行数和字符数",
            .techKeywords = "文件操作|fopen|C语言",
            .exampleKeyword = "文件操作",
            .intro = "C 标准库用 FILE 指针表示一个打开的文件。fopen 以指定的模式打开文件（\"r\" 读、\"w\" 写、\"a\" 追加），失败时返回 NULL；fgets 按行读取，fprintf 格式化写入。\n"
                     "文件用完后必须调用 fclose 关闭，它会把缓冲区中尚未写出的数据写到磁盘上。",
            .task = "读取文本文件 data.txt，统计其中的行数和字符数，并把结果写入 report.txt。",
            .code = R"SRC(
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
)SRC",
            .output = "统计完成：12 行，356 个字符",
            .notes = "fgets 会把换行符一起读入缓冲区；一行超过缓冲区长度时会被分几次读取，所以这里只在读到换行符时才计数。\n"
                     "文件打开失败时用 perror 输出系统给出的原因（例如“No such file or directory”），比自己写一句“打开失败”更便于排查问题。",
        },
        {
            .key = "c_linked_list",
            .language = "C",
            .fileName = "linked_list.c",
            .title = "C 语言单向链表的创建、插入与删除",
            .exampleTitle = "单向链表实现联系人编号的增删查",
            .techKeywords = "链表|指针|数据结构",
            .exampleKeyword = "链表",
            .intro = "链表由一个个结点组成，每个结点除了数据，还保存指向下一个结点的指针。与数组相比，链表插入、删除结点时不需要移动其他元素，但不能按下标随机访问。\n"
                     "下面的写法使用“指向指针的指针”来删除结点，这样删除头结点和删除中间结点可以用同一段代码处理。",
            .task = "用单向链表保存联系人编号，实现头部插入、按编号删除和打印全部结点的功能。",
            .code = R"SRC(
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
)SRC",
            .output = "50 -> 40 -> 30 -> 20 -> 10 -> NULL\n50 -> 40 -> 20 -> 10 -> NULL",
            .notes = "程序结束前要逐个释放所有结点，否则每个结点都会泄漏。\n"
                     "如果需要频繁在尾部追加，可以额外保存一个尾指针，避免每次都从头遍历。",
        },
        {
            .key = "c_qsort",
            .language = "C",
            .fileName = "sort_students.c",
            .title = "C 标准库 qsort 排序与比较函数的写法",
            .exampleTitle = "用 qsort 按成绩和姓名对学生排序",
            .techKeywords = "qsort|排序算法|指针|函数指针",
            .exampleKeyword = "排序算法",
            .intro = "qsort 是 C 标准库提供的通用排序函数，它通过函数指针接收比较函数，因此可以对任意类型的数组排序。比较函数接收两个 const void 指针，返回负数、零或正数，分别表示前者小于、等于或大于后者。\n"
                     "写比较函数时不要直接返回 a - b，两个大整数相减可能溢出，应该使用比较运算的结果。",
            .task = "对学生数组排序：成绩高的排在前面，成绩相同时按姓名的字典序排列。",
            .code = R"SRC(
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

typedef struct {
    char name[16];
    int score;
} Student;

static int by_score_then_name(const void *pa, const void *pb)
{
    const Student *a = pa;
    const Student *b = pb;
    if (a->score != b->score)
        return (a->score < b->score) - (a->score > b->score);  /* 降序 */
    return strcmp(a->name, b->name);                           /* 升序 */
}

int main(void)
{
    Student s[] = {{"Tom", 88}, {"Alice", 95}, {"Bob", 88}, {"Carol", 72}};
    size_t n = sizeof s / sizeof s[0];

    qsort(s, n, sizeof s[0], by_score_then_name);

    for (size_t i = 0; i < n; ++i)
        printf("%zu. %-6s %d\n", i + 1, s[i].name, s[i].score);
    return 0;
}
)SRC",
            .output = "1. Alice  95\n2. Bob    88\n3. Tom    88\n4. Carol  72",
            .notes = "(a < b) - (a > b) 这种写法只会得到 -1、0、1，既不会溢出，也不依赖具体数值。\n"
                     "qsort 不保证稳定排序：比较结果相等的元素，排序后的先后次序可能改变。需要固定次序时，应把次要关键字也写进比较函数。",
        },
        {
            .key = "c_string",
            .language = "C",
            .fileName = "join_path.c",
            .title = "C 语言字符串处理：strlen、strncpy 与 snprintf",
            .exampleTitle = "安全地拼接文件路径字符串",
            .techKeywords = "字符串|缓冲区溢出|snprintf",
            .exampleKeyword = "字符串",
            .intro = "C 语言的字符串是以 '\\0' 结尾的字符数组，strlen 返回的长度不包括结尾的 '\\0'。strcpy、strcat、sprintf 不检查目标缓冲区的大小，是缓冲区溢出漏洞最常见的来源。\n"
                     "snprintf 最多写入 size - 1 个字符并总是补上结尾符，它的返回值是“本应写入”的长度，据此可以判断结果是否被截断。",
            .task = "把目录名和文件名拼接成完整路径，缓冲区不够时给出提示，而不是越界写入。",
            .code = R"SRC(
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
)SRC",
            .output = "完整路径: /home/user/notes.txt\n路径过长，已截断为: /home/user/projects/demo/a_very",
            .notes = "strncpy 在源字符串过长时不会补 '\\0'，使用后要手动设置最后一个字符，或者干脆改用 snprintf。\n"
                     "处理中文等多字节字符时，strlen 返回的是字节数而不是字符数，截断时还可能把一个汉字切成两半。",
        },
    };
    return all;
}

}  // namespace kelvor::authoring
