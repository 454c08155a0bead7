#include "lessons.h"

namespace kelvor::authoring {

const std::vector<Course>& studyCourses()
{
    static const std::vector<Course> all = {
        {
            .title = "C 语言从零开始",
            .link = "study_c01",
            .keyword = "C语言",
            .chapters = {
                {"第一章 准备开发环境", {
                    {.title = "第 1 课 安装编译器，写出第一个程序 Hello World", .language = "C",
                     .text = "学习 C 语言首先需要一个编译器。Windows 上可以安装 MinGW-w64 或 Visual Studio，Linux 上通常已经自带 GCC，macOS 上安装 Xcode 命令行工具即可。\n"
                             "下面是每个 C 程序员写下的第一个程序。#include <stdio.h> 引入标准输入输出库，main 是程序开始执行的地方，printf 把文字输出到屏幕上，return 0 表示程序正常结束。",
                     .code = R"SRC(
#include <stdio.h>

int main(void)
{
    printf("Hello, World!\n");
    printf("你好，C 语言！\n");
    return 0;
}
)SRC",
                     .output = "Hello, World!\n你好，C 语言！"},
                    {.title = "第 2 课 程序的编译、链接与运行", .language = "Shell",
                     .text = "C 程序要经过预处理、编译、汇编和链接四个步骤才能变成可以运行的程序。平时一条 gcc 命令就完成了全部步骤，但了解每一步做了什么，有助于看懂编译器的报错信息。\n"
                             "编译错误（error）必须修改后才能继续；警告（warning）虽然不影响生成程序，却往往指出了真正的问题，应当认真对待。",
                     .code = R"SRC(
gcc -Wall -o hello hello.c     # 一步完成编译和链接
./hello                        # 运行程序（Windows 上为 hello.exe）

gcc -E hello.c -o hello.i      # 1. 预处理：展开 #include 和宏
gcc -S hello.i -o hello.s      # 2. 编译：生成汇编代码
gcc -c hello.s -o hello.o      # 3. 汇编：生成目标文件
gcc hello.o -o hello           # 4. 链接：生成可执行程序
)SRC"},
                    {.title = "练习：让程序输出你的名字和学号", .language = "C", .practice = true,
                     .text = "修改第 1 课的 Hello World 程序，让它输出三行：你的姓名、学号和一句自我介绍。\n"
                             "提示：每个 printf 输出一行，行末的 \\n 表示换行；中文在源文件中要保存为与终端一致的编码。",
                     .code = R"SRC(
#include <stdio.h>

int main(void)
{
    printf("姓名：李明\n");
    printf("学号：20240101\n");
    printf("我正在学习 C 语言，目标是写出自己的小游戏。\n");
    return 0;
}
)SRC",
                     .output = "姓名：李明\n学号：20240101\n我正在学习 C 语言，目标是写出自己的小游戏。"},
                }},
                {"第二章 数据类型与运算", {
                    {.title = "第 3 课 变量、常量与基本数据类型", .language = "C",
                     .text = "变量是有名字的存储空间，使用前必须先声明它的类型。int 保存整数，double 保存带小数的数，char 保存单个字符。const 修饰的变量初始化后就不能再修改，适合表示圆周率这样的常量。\n"
                             "不同类型占用的字节数不同，可以用 sizeof 运算符查看。未初始化的局部变量的值是不确定的，一定要先赋值再使用。",
                     .code = R"SRC(
#include <stdio.h>

int main(void)
{
    const double PI = 3.14159;
    int radius = 5;
    double area = PI * radius * radius;
    char grade = 'A';

    printf("半径 %d 的圆面积为 %.2f\n", radius, area);
    printf("等级：%c\n", grade);
    printf("int 占 %zu 字节，double 占 %zu 字节\n", sizeof(int), sizeof(double));
    return 0;
}
)SRC",
                     .output = "半径 5 的圆面积为 78.54\n等级：A\nint 占 4 字节，double 占 8 字节"},
                    {.title = "第 4 课 运算符与表达式", .language = "C",
                     .text = "C 语言有算术运算符（+ - * / %）、关系运算符（> < == !=）、逻辑运算符（&& || !）和赋值运算符（= += -=）等。\n"
                             "要特别注意整数除法：两个整数相除，结果会舍去小数部分，7 / 2 的结果是 3。需要小数结果时，至少让一个操作数是浮点数。",
                     .code = R"SRC(
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
)SRC",
                     .output = "a / b = 3\na % b = 1\na / 2.0 = 3.5\ncount = 15\n条件成立吗？1"},
                    {.title = "第 5 课 输入与输出：scanf 和 printf", .language = "C",
                     .text = "printf 按格式输出数据，scanf 按格式从键盘读入数据。常用的格式符有 %d（整数）、%f（float）、%lf（scanf 读入 double）、%c（字符）和 %s（字符串）。\n"
                             "scanf 的参数要传变量的地址，所以变量名前要加 &；它返回成功读入的项数，据此可以判断用户的输入是否有效。",
                     .code = R"SRC(
#include <stdio.h>

int main(void)
{
    int age;
    double height;

    printf("请输入年龄和身高（米），用空格分隔：");
    if (scanf("%d %lf", &age, &height) != 2) {
        printf("输入格式不正确\n");
        return 1;
    }
    printf("你今年 %d 岁，身高 %.2f 米\n", age, height);
    return 0;
}
)SRC",
                     .output = "请输入年龄和身高（米），用空格分隔：18 1.75\n你今年 18 岁，身高 1.75 米"},
                }},
                {"第三章 流程控制", {
                    {.title = "第 6 课 条件语句 if 与 switch", .language = "C",
                     .text = "if 语句根据条件是否成立选择执行哪一段代码，else if 可以连续判断多个条件。switch 语句根据一个整数值跳转到对应的 case，每个 case 末尾通常要写 break，否则会继续执行下一个 case。",
                     .code = R"SRC(
#include <stdio.h>

int main(void)
{
    int score = 86;
    if (score >= 90)
        printf("优秀\n");
    else if (score >= 75)
        printf("良好\n");
    else if (score >= 60)
        printf("及格\n");
    else
        printf("不及格\n");

    int weekday = 3;
    switch (weekday) {
    case 6:
    case 7:
        printf("周末休息\n");
        break;
    default:
        printf("星期%d，正常上课\n", weekday);
        break;
    }
    return 0;
}
)SRC",
                     .output = "良好\n星期3，正常上课"},
                    {.title = "第 7 课 循环语句 for、while 与 do-while", .language = "C",
                     .text = "循环让一段代码重复执行。for 适合次数已知的循环；while 先判断条件再执行，可能一次也不执行；do-while 先执行一次再判断条件。\n"
                             "break 立即跳出整个循环，continue 跳过本次循环剩下的语句，直接进入下一次循环。",
                     .code = R"SRC(
#include <stdio.h>

int main(void)
{
    int sum = 0;
    for (int i = 1; i <= 100; ++i)
        sum += i;
    printf("1 到 100 的和：%d\n", sum);

    int n = 12345, digits = 0;
    while (n > 0) {
        n /= 10;
        ++digits;
    }
    printf("12345 有 %d 位数字\n", digits);

    for (int i = 1; i <= 10; ++i) {
        if (i % 2 == 0)
            continue;               /* 跳过偶数 */
        printf("%d ", i);
    }
    printf("\n");
    return 0;
}
)SRC",
                     .output = "1 到 100 的和：5050\n12345 有 5 位数字\n1 3 5 7 9"},
                    {.title = "练习：打印九九乘法表", .language = "C", .practice = true,
                     .text = "用两层嵌套的 for 循环打印九九乘法表：外层循环控制行，内层循环控制每一行的列数。\n"
                             "提示：第 i 行有 i 个算式，%-4d 让乘积左对齐并占 4 个字符宽度，使表格整齐。",
                     .code = R"SRC(
#include <stdio.h>

int main(void)
{
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= i; ++j)
            printf("%dx%d=%-4d", j, i, i * j);
        printf("\n");
    }
    return 0;
}
)SRC",
                     .output = "1x1=1\n1x2=2   2x2=4\n1x3=3   2x3=6   3x3=9\n……"},
                }},
                {"第四章 函数与数组", {
                    {.title = "第 8 课 函数的定义与调用", .language = "C",
                     .text = "函数把一段完成特定任务的代码包装起来，可以在程序中多次调用。函数由返回类型、函数名、参数列表和函数体组成；在调用之前，编译器需要先看到函数的声明。\n"
                             "C 语言的参数传递是“值传递”：函数得到的是实参的副本，在函数内修改参数不会影响调用者的变量。",
                     .code = R"SRC(
#include <stdio.h>

int max(int a, int b);               /* 函数声明 */

double average(int a, int b, int c)
{
    return (a + b + c) / 3.0;
}

int main(void)
{
    printf("较大的数是 %d\n", max(17, 42));
    printf("平均分是 %.2f\n", average(85, 92, 78));
    return 0;
}

int max(int a, int b)                /* 函数定义 */
{
    return a > b ? a : b;
}
)SRC",
                     .output = "较大的数是 42\n平均分是 85.00"},
                    {.title = "第 9 课 数组与字符串", .language = "C",
                     .text = "数组是一组相同类型的元素，在内存中连续存放，通过从 0 开始的下标访问。数组的长度在定义时确定，访问超出范围的下标不会报错，却会破坏其他数据，这是初学者最常见的错误之一。\n"
                             "C 语言的字符串就是以 '\\0' 结尾的字符数组，strlen 计算长度，strcmp 比较两个字符串。",
                     .code = R"SRC(
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
)SRC",
                     .output = "第 2 位同学成绩最高：92\nAlice 的长度是 5\n两个字符串相同"},
                }},
                {"第五章 指针、结构体与文件", {
                    {.title = "第 10 课 指针入门", .language = "C", .snippetKey = "c_pointer_basics",
                     .text = "本课学习 C 语言中最重要、也最容易出错的概念：指针。"},
                    {.title = "第 11 课 用结构体组织数据", .language = "C", .snippetKey = "c_struct",
                     .text = "本课学习如何用结构体把相关的数据组织在一起。"},
                    {.title = "第 12 课 读写文本文件", .language = "C", .snippetKey = "c_file_io",
                     .text = "本课学习如何把程序的数据保存到文件中，以及如何读取文件。"},
                }},
            },
            .closingTitle = "C 语言入门总结与进阶路线",
            .closingText = "恭喜你完成了 C 语言入门课程！你已经掌握了变量、流程控制、函数、数组、指针、结构体和文件读写，能够独立编写一百行左右的小程序。\n"
                           "接下来建议到“入门训练”中完成配套练习，然后阅读技术中心“C 语言程序设计”栏目中的内存管理和数据结构文章，再尝试项目中心的“学生成绩管理系统”和“命令行通讯录”。",
        },
        {
            .title = "Python 从零开始",
            .link = "study_py01",
            .keyword = "Python",
            .chapters = {
                {"第一章 Python 入门", {
                    {.title = "第 1 课 安装 Python 与交互式解释器", .language = "Python",
                     .text = "到 Python 官方网站下载 3.10 或更高版本的安装包，Windows 上安装时记得勾选“Add Python to PATH”。安装完成后，在命令行输入 python（部分系统为 python3）即可进入交互式解释器。\n"
                             "交互式解释器会立即执行你输入的每一行代码并显示结果，非常适合试验小段代码。",
                     .code = R"SRC(
>>> print("你好，Python！")
你好，Python！
>>> 3 * 7 + 1
22
>>> name = "小明"
>>> f"{name} 今年 {12 + 6} 岁"
'小明 今年 18 岁'
>>> exit()
)SRC"},
                    {.title = "第 2 课 变量、数字与字符串", .language = "Python",
                     .text = "Python 的变量不需要声明类型，赋值时自动确定。整数可以任意大，/ 总是得到浮点数，// 是整除。\n"
                             "字符串可以用单引号或双引号，f-string（在引号前加 f）可以方便地把变量嵌入字符串中。字符串是不可变的，upper、replace 等方法返回的是新字符串。",
                     .code = R"SRC(
price = 12.5
count = 3
total = price * count
print(f"单价 {price} 元，数量 {count}，合计 {total:.2f} 元")

print(7 / 2, 7 // 2, 7 % 2, 2 ** 100)

word = "python"
print(word.upper(), word.capitalize(), len(word))
print(word[0], word[-1], word[1:4])
)SRC",
                     .output = "单价 12.5 元，数量 3，合计 37.50 元\n3.5 3 1 1267650600228229401496703205376\nPYTHON Python 6\np n yth"},
                }},
                {"第二章 流程控制与函数", {
                    {.title = "第 3 课 条件判断与循环", .language = "Python",
                     .text = "Python 用缩进表示代码块，同一个代码块的语句必须缩进相同的空格数（通常是 4 个）。if、elif、else 进行条件判断，for 循环遍历序列，while 循环在条件成立时重复执行。\n"
                             "range(1, 6) 产生 1 到 5 的整数序列，注意不包括 6。",
                     .code = R"SRC(
temperature = 28
if temperature > 30:
    print("天气炎热")
elif temperature > 20:
    print("天气温暖")
else:
    print("天气凉爽")

for i in range(1, 6):
    print(i, "的平方是", i * i)

n = 0
while 2 ** n < 1000:
    n += 1
print("2 的", n, "次方第一次超过 1000")
)SRC",
                     .output = "天气温暖\n1 的平方是 1\n2 的平方是 4\n3 的平方是 9\n4 的平方是 16\n5 的平方是 25\n2 的 10 次方第一次超过 1000"},
                    {.title = "第 4 课 定义函数", .language = "Python",
                     .text = "用 def 定义函数，return 返回结果。参数可以有默认值，调用时还可以按名字传参，让代码更清楚。\n"
                             "函数的第一行可以写一段文档字符串，说明函数的用途，help(函数名) 会显示它。",
                     .code = R"SRC(
def bmi(weight, height, digits=1):
    """根据体重（千克）和身高（米）计算身体质量指数。"""
    return round(weight / height ** 2, digits)


def describe(value):
    if value < 18.5:
        return "偏瘦"
    if value < 24:
        return "正常"
    return "偏重"


v = bmi(65, 1.75)
print("BMI:", v, describe(v))
print("保留两位:", bmi(weight=65, height=1.75, digits=2))
)SRC",
                     .output = "BMI: 21.2 正常\n保留两位: 21.22"},
                }},
                {"第三章 常用数据结构", {
                    {.title = "第 5 课 列表与元组", .language = "Python",
                     .text = "列表用方括号表示，可以随时增删元素；元组用圆括号表示，创建后不能修改，适合保存坐标、日期这样固定的一组值。\n"
                             "append 在末尾添加元素，insert 在指定位置插入，remove 删除指定的值，sort 原地排序，切片 [开始:结束] 取出一部分。",
                     .code = R"SRC(
fruits = ["苹果", "香蕉", "橙子"]
fruits.append("葡萄")
fruits.insert(1, "草莓")
fruits.remove("香蕉")
print(fruits, len(fruits))

numbers = [5, 3, 8, 1, 9, 2]
numbers.sort()
print(numbers, numbers[:3], numbers[-1])

point = (3, 4)
x, y = point                    # 元组拆包
print("到原点的距离:", (x ** 2 + y ** 2) ** 0.5)
)SRC",
                     .output = "['苹果', '草莓', '橙子', '葡萄'] 4\n[1, 2, 3, 5, 8, 9] [1, 2, 3] 9\n到原点的距离: 5.0"},
                    {.title = "第 6 课 字典的使用", .language = "Python", .snippetKey = "py_dict",
                     .text = "本课学习 Python 中使用最频繁的数据结构之一：字典。"},
                    {.title = "练习：统计一句英文中每个单词出现的次数", .language = "Python", .practice = true,
                     .text = "输入一句英文，统计每个单词出现的次数，忽略大小写，并按出现次数从多到少输出。\n"
                             "提示：先用 lower() 统一大小写，再用 split() 切分单词，最后用字典计数；collections.Counter 可以一步完成计数。",
                     .code = R"SRC(
sentence = "To be or not to be that is the question"
counts = {}
for word in sentence.lower().split():
    counts[word] = counts.get(word, 0) + 1

for word, n in sorted(counts.items(), key=lambda kv: (-kv[1], kv[0])):
    print(word, n)
)SRC",
                     .output = "be 2\nto 2\nis 1\nnot 1\nor 1\nquestion 1\nthat 1\nthe 1"},
                }},
                {"第四章 文件与面向对象", {
                    {.title = "第 7 课 读写文件", .language = "Python", .snippetKey = "py_file",
                     .text = "本课学习如何安全地读写文本文件，并正确处理中文编码。"},
                    {.title = "第 8 课 类与对象", .language = "Python", .snippetKey = "py_class",
                     .text = "本课学习面向对象编程：如何定义自己的类。"},
                }},
            },
            .closingTitle = "Python 入门总结与进阶路线",
            .closingText = "完成本课程后，你已经能够使用 Python 编写处理文本和数据的小工具。\n"
                           "下一步可以学习技术中心“Python 编程”栏目中的装饰器、生成器和正则表达式，然后尝试项目中心的“网站访问日志分析工具”。",
        },
    };
    return all;
}

const std::vector<TrainingCourse>& trainingCourses()
{
    static const std::vector<TrainingCourse> all = {
        {
            .title = "C 语言入门训练",
            .link = "works_c01",
            .keyword = "C语言",
            .trainings = {
                {"训练一 顺序结构与分支", {
                    {.title = "练习 1 求圆的周长和面积", .language = "C",
                     .problem = "从键盘输入圆的半径，计算并输出圆的周长和面积，结果保留两位小数。",
                     .sample = "输入：3\n输出：周长 18.85，面积 28.27",
                     .hint = "周长 = 2 × π × r，面积 = π × r × r。把 π 定义为 const double 常量，读入 double 时使用 %lf。",
                     .answer = R"SRC(
#include <stdio.h>

int main(void)
{
    const double PI = 3.14159265;
    double r;
    if (scanf("%lf", &r) != 1 || r < 0) {
        printf("请输入一个非负数\n");
        return 1;
    }
    printf("周长 %.2f，面积 %.2f\n", 2 * PI * r, PI * r * r);
    return 0;
}
)SRC",
                     .output = "周长 18.85，面积 28.27"},
                    {.title = "练习 2 判断闰年", .language = "C",
                     .problem = "输入一个年份，判断它是否是闰年。闰年的规则是：能被 4 整除但不能被 100 整除，或者能被 400 整除。",
                     .sample = "输入：2024\n输出：2024 年是闰年\n输入：1900\n输出：1900 年不是闰年",
                     .hint = "把规则直接翻译成逻辑表达式：(y % 4 == 0 && y % 100 != 0) || y % 400 == 0。",
                     .answer = R"SRC(
#include <stdio.h>

int is_leap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int main(void)
{
    int year;
    if (scanf("%d", &year) != 1)
        return 1;
    printf("%d 年%s闰年\n", year, is_leap(year) ? "是" : "不是");
    return 0;
}
)SRC",
                     .output = "2024 年是闰年"},
                    {.title = "练习 3 百分制成绩转换为等级", .language = "C",
                     .problem = "输入一个 0 到 100 的成绩，输出对应的等级：90 分以上为 A，80~89 为 B，70~79 为 C，60~69 为 D，60 分以下为 E；输入超出范围时给出提示。",
                     .sample = "输入：85\n输出：等级 B",
                     .hint = "可以用 if-else if 链，也可以用 switch (score / 10)，注意 100 分的情况。",
                     .answer = R"SRC(
#include <stdio.h>

int main(void)
{
    int score;
    if (scanf("%d", &score) != 1 || score < 0 || score > 100) {
        printf("成绩应在 0 到 100 之间\n");
        return 1;
    }
    char grade;
    switch (score / 10) {
    case 10:
    case 9: grade = 'A'; break;
    case 8: grade = 'B'; break;
    case 7: grade = 'C'; break;
    case 6: grade = 'D'; break;
    default: grade = 'E'; break;
    }
    printf("等级 %c\n", grade);
    return 0;
}
)SRC",
                     .output = "等级 B"},
                }},
                {"训练二 循环结构", {
                    {.title = "练习 4 判断素数", .language = "C",
                     .problem = "输入一个正整数 n，判断它是否为素数（只能被 1 和它自身整除的大于 1 的整数）。",
                     .sample = "输入：97\n输出：97 是素数",
                     .hint = "只需要检查 2 到 √n 之间的数能否整除 n；用 i * i <= n 作为循环条件，可以避免调用 sqrt。",
                     .answer = R"SRC(
#include <stdio.h>

int is_prime(int n)
{
    if (n < 2)
        return 0;
    for (int i = 2; i * i <= n; ++i)
        if (n % i == 0)
            return 0;
    return 1;
}

int main(void)
{
    int n;
    if (scanf("%d", &n) != 1)
        return 1;
    printf("%d %s素数\n", n, is_prime(n) ? "是" : "不是");
    return 0;
}
)SRC",
                     .output = "97 是素数"},
                    {.title = "练习 5 打印斐波那契数列", .language = "C",
                     .problem = "输出斐波那契数列的前 n 项（n 不超过 90），数列的前两项是 1 和 1，以后每一项都等于前两项之和。",
                     .sample = "输入：10\n输出：1 1 2 3 5 8 13 21 34 55",
                     .hint = "用两个变量保存前两项，循环中不断更新；项数较多时数值很大，要使用 long long 类型。",
                     .answer = R"SRC(
#include <stdio.h>

int main(void)
{
    int n;
    if (scanf("%d", &n) != 1 || n < 1 || n > 90)
        return 1;
    long long a = 1, b = 1;
    for (int i = 1; i <= n; ++i) {
        printf("%lld ", a);
        long long next = a + b;
        a = b;
        b = next;
    }
    printf("\n");
    return 0;
}
)SRC",
                     .output = "1 1 2 3 5 8 13 21 34 55"},
                    {.title = "练习 6 求最大公约数与最小公倍数", .language = "C", .advanced = true,
                     .problem = "输入两个正整数，用辗转相除法求它们的最大公约数，再求最小公倍数。",
                     .sample = "输入：12 18\n输出：最大公约数 6，最小公倍数 36",
                     .hint = "辗转相除法：gcd(a, b) = gcd(b, a % b)，当 b 为 0 时 a 就是答案。最小公倍数 = a / gcd * b，先除后乘可以避免溢出。",
                     .answer = R"SRC(
#include <stdio.h>

long long gcd(long long a, long long b)
{
    while (b != 0) {
        long long r = a % b;
        a = b;
        b = r;
    }
    return a;
}

int main(void)
{
    long long a, b;
    if (scanf("%lld %lld", &a, &b) != 2 || a <= 0 || b <= 0)
        return 1;
    long long g = gcd(a, b);
    printf("最大公约数 %lld，最小公倍数 %lld\n", g, a / g * b);
    return 0;
}
)SRC",
                     .output = "最大公约数 6，最小公倍数 36"},
                    {.title = "练习 7 水仙花数", .language = "C", .advanced = true,
                     .problem = "找出所有的三位“水仙花数”：它的各位数字的立方和等于它本身，例如 153 = 1 + 125 + 27。",
                     .sample = "输出：153 370 371 407",
                     .hint = "用 / 和 % 取出百位、十位和个位，再计算立方和。",
                     .answer = R"SRC(
#include <stdio.h>

int main(void)
{
    for (int n = 100; n <= 999; ++n) {
        int a = n / 100, b = n / 10 % 10, c = n % 10;
        if (a * a * a + b * b * b + c * c * c == n)
            printf("%d ", n);
    }
    printf("\n");
    return 0;
}
)SRC",
                     .output = "153 370 371 407"},
                }},
                {"训练三 数组与函数", {
                    {.title = "练习 8 冒泡排序", .language = "C",
                     .problem = "输入 10 个整数，用冒泡排序按从小到大的顺序排列后输出。",
                     .sample = "输入：5 2 9 1 7 3 8 6 4 0\n输出：0 1 2 3 4 5 6 7 8 9",
                     .hint = "每一趟把相邻的两个数两两比较，较大的往后交换，一趟结束后最大的数就到了最后。某一趟没有发生交换时，说明已经有序，可以提前结束。",
                     .answer = R"SRC(
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
)SRC",
                     .output = "0 1 2 3 4 5 6 7 8 9"},
                    {.title = "练习 9 统计字符串中的字母、数字和空格", .language = "C",
                     .problem = "输入一行文字，分别统计其中英文字母、数字、空格和其他字符的个数。",
                     .sample = "输入：Hello World 2024!\n输出：字母 10，数字 4，空格 2，其他 1",
                     .hint = "用 fgets 读入一整行，逐个字符判断；<ctype.h> 中的 isalpha、isdigit 可以简化判断，注意把 char 转换为 unsigned char 再传入。",
                     .answer = R"SRC(
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
)SRC",
                     .output = "字母 10，数字 4，空格 2，其他 1"},
                }},
            },
            .closingTitle = "C 语言入门训练说明",
            .closingText = "每道练习都给出了题目、输入输出示例、解题思路和参考答案。建议先独立完成，再对照参考答案。\n"
                           "参考答案只是一种写法，只要结果正确、代码清楚，你的写法同样是好答案。注意检查 scanf 的返回值，处理不合法的输入。",
        },
        {
            .title = "Python 入门训练",
            .link = "works_py01",
            .keyword = "Python",
            .trainings = {
                {"训练一 基础语法", {
                    {.title = "练习 1 摄氏温度与华氏温度互相转换", .language = "Python",
                     .problem = "输入一个带单位的温度，例如 36.5C 或 98F，把它转换为另一种单位并输出，保留一位小数。",
                     .sample = "输入：36.5C\n输出：97.7F",
                     .hint = "F = C × 9 / 5 + 32。用字符串的最后一个字符判断单位，用切片 [:-1] 取出数值部分。",
                     .answer = R"SRC(
text = input("请输入温度（如 36.5C 或 98F）：").strip().upper()
value, unit = float(text[:-1]), text[-1]
if unit == "C":
    print(f"{value * 9 / 5 + 32:.1f}F")
elif unit == "F":
    print(f"{(value - 32) * 5 / 9:.1f}C")
else:
    print("单位只能是 C 或 F")
)SRC",
                     .output = "请输入温度（如 36.5C 或 98F）：36.5C\n97.7F"},
                    {.title = "练习 2 猜数字游戏", .language = "Python",
                     .problem = "程序随机生成 1 到 100 之间的整数，用户反复猜测，程序提示“大了”或“小了”，猜中后输出猜的次数。",
                     .sample = "请猜一个 1~100 的整数：50\n大了\n请猜一个 1~100 的整数：25\n猜中了！一共猜了 2 次",
                     .hint = "使用 random.randint 生成随机数，while True 循环中猜中时 break；用户输入的不是数字时，int() 会抛出 ValueError。",
                     .answer = R"SRC(
import random

secret = random.randint(1, 100)
tries = 0
while True:
    guess = input("请猜一个 1~100 的整数：")
    if not guess.isdigit():
        print("请输入整数")
        continue
    tries += 1
    if int(guess) > secret:
        print("大了")
    elif int(guess) < secret:
        print("小了")
    else:
        print(f"猜中了！一共猜了 {tries} 次")
        break
)SRC",
                     .output = ""},
                }},
                {"训练二 数据结构", {
                    {.title = "练习 3 列表去重并保持原来的顺序", .language = "Python",
                     .problem = "给定一个可能含有重复元素的列表，去掉重复的元素，但保持元素第一次出现的顺序。",
                     .sample = "输入：[3, 1, 3, 2, 1, 5]\n输出：[3, 1, 2, 5]",
                     .hint = "set 可以去重但会打乱顺序；可以一边遍历一边用集合记录已经出现过的元素，也可以利用字典保持插入顺序的特性：list(dict.fromkeys(items))。",
                     .answer = R"SRC(
def unique(items):
    seen = set()
    result = []
    for x in items:
        if x not in seen:
            seen.add(x)
            result.append(x)
    return result


data = [3, 1, 3, 2, 1, 5]
print(unique(data))
print(list(dict.fromkeys(data)))   # 另一种写法
)SRC",
                     .output = "[3, 1, 2, 5]\n[3, 1, 2, 5]"},
                    {.title = "练习 4 成绩统计：最高分、最低分和平均分", .language = "Python", .advanced = true,
                     .problem = "给定若干学生的姓名和成绩，输出最高分和最低分的学生，以及全班的平均分（保留两位小数）。",
                     .sample = "输出：最高分 王芳 95，最低分 赵磊 61，平均分 80.75",
                     .hint = "max 和 min 的 key 参数可以指定比较的依据；平均分用 sum 除以人数。",
                     .answer = R"SRC(
scores = {"张明": 82, "王芳": 95, "赵磊": 61, "陈静": 85}

best = max(scores, key=scores.get)
worst = min(scores, key=scores.get)
average = sum(scores.values()) / len(scores)
print(f"最高分 {best} {scores[best]}，最低分 {worst} {scores[worst]}，平均分 {average:.2f}")
)SRC",
                     .output = "最高分 王芳 95，最低分 赵磊 61，平均分 80.75"},
                }},
            },
            .closingTitle = "Python 入门训练说明",
            .closingText = "这些练习覆盖了输入输出、分支、循环、列表和字典等基础知识。每道题都可以在交互式解释器中逐步试验。\n"
                           "做完练习后，可以尝试给程序增加功能，例如让猜数字游戏限制最多猜 7 次。",
        },
    };
    return all;
}

}  // namespace kelvor::authoring
