#include "projects.h"

namespace kelvor::authoring {

const std::vector<const char*>& projectCategories()
{
    static const std::vector<const char*> all = {"桌面与控制台应用", "网络与 Web 应用", "数据处理与工具"};
    return all;
}

const std::vector<Project>& projects()
{
    static const std::vector<Project> all = {
        {
            .key = "library_mgr",
            .name = "图书管理系统",
            .category = "桌面与控制台应用",
            .language = "Java",
            .exampleKeyword = "管理系统",
            .link = "xmlibrary",
            .summary = "图书管理系统面向中小型图书馆和学校阅览室，实现图书入库、读者管理、借阅归还和逾期统计。项目采用 Java Swing 编写界面，数据保存在 MySQL 数据库中，通过 JDBC 访问。\n"
                       "本项目的重点是借阅业务：借书时要同时修改图书库存和借阅记录，这两步必须放在一个事务中完成。",
            .features = "图书信息的录入、修改、查询与下架|读者办证、挂失与借阅额度管理|借书、还书、续借，库存实时更新|逾期未还图书的统计与催还提醒|按书名、作者、ISBN 组合查询",
            .tables = {
                {"books", "图书", "id INTEGER PRIMARY KEY|图书编号\nisbn VARCHAR(20) NOT NULL UNIQUE|ISBN 书号\ntitle VARCHAR(100) NOT NULL|书名\nauthor VARCHAR(50)|作者\nstock INTEGER NOT NULL DEFAULT 0|在架数量"},
                {"readers", "读者", "id INTEGER PRIMARY KEY|读者证号\nname VARCHAR(30) NOT NULL|姓名\nmax_books INTEGER NOT NULL DEFAULT 5|最多可借数量"},
                {"borrow_records", "借阅记录", "id INTEGER PRIMARY KEY|借阅记录号\nbook_id INTEGER NOT NULL REFERENCES books(id)|图书编号\nreader_id INTEGER NOT NULL REFERENCES readers(id)|读者证号\nborrowed_at DATE NOT NULL|借出日期\ndue_at DATE NOT NULL|应还日期\nreturned_at DATE|实际归还日期，未还为 NULL"},
            },
            .coreTitle = "借书业务 BorrowService",
            .coreFile = "BorrowService.java",
            .coreCode = R"SRC(
import java.sql.Connection;
import java.sql.PreparedStatement;
import java.sql.ResultSet;
import java.sql.SQLException;
import java.time.LocalDate;

public class BorrowService {
    private final Connection conn;

    public BorrowService(Connection conn) {
        this.conn = conn;
    }

    /** 借书：扣减库存并写入借阅记录，两步在同一个事务中完成。 */
    public void borrow(int bookId, int readerId) throws SQLException {
        conn.setAutoCommit(false);
        try (PreparedStatement stock = conn.prepareStatement(
                     "UPDATE books SET stock = stock - 1 WHERE id = ? AND stock > 0");
             PreparedStatement record = conn.prepareStatement(
                     "INSERT INTO borrow_records (book_id, reader_id, borrowed_at, due_at) VALUES (?, ?, ?, ?)")) {
            stock.setInt(1, bookId);
            if (stock.executeUpdate() != 1) {
                throw new SQLException("图书 " + bookId + " 已全部借出");
            }
            LocalDate today = LocalDate.now();
            record.setInt(1, bookId);
            record.setInt(2, readerId);
            record.setObject(3, today);
            record.setObject(4, today.plusDays(30));
            record.executeUpdate();
            conn.commit();
        } catch (SQLException e) {
            conn.rollback();
            throw e;
        } finally {
            conn.setAutoCommit(true);
        }
    }

    /** 读者当前未还的图书数量，用于检查借阅额度。 */
    public int borrowedCount(int readerId) throws SQLException {
        try (PreparedStatement ps = conn.prepareStatement(
                "SELECT COUNT(*) FROM borrow_records WHERE reader_id = ? AND returned_at IS NULL")) {
            ps.setInt(1, readerId);
            try (ResultSet rs = ps.executeQuery()) {
                return rs.next() ? rs.getInt(1) : 0;
            }
        }
    }
}
)SRC",
            .coreNotes = "UPDATE 语句中的 stock > 0 条件保证库存不会被扣成负数；executeUpdate 返回受影响的行数，为 0 说明图书已经全部借出。\n"
                         "借书前还应调用 borrowedCount 检查读者是否超出借阅额度，超出时给出提示，而不是直接写库。",
            .coreOutput = "",
            .snippetKeys = {"java_jdbc", "sql_transaction"},
            .buildCommands = "javac -d out -cp lib/mysql-connector-j.jar src/*.java\njava -cp out:lib/mysql-connector-j.jar LibraryApp",
            .testCases = "借出库存为 1 的图书|库存变为 0，新增一条借阅记录|再次借出同一本书|提示“已全部借出”，数据不变|借书过程中数据库连接断开|事务回滚，库存与借阅记录保持一致",
        },
        {
            .key = "score_mgr",
            .name = "学生成绩管理系统",
            .category = "桌面与控制台应用",
            .language = "C语言",
            .exampleKeyword = "管理系统",
            .link = "xmscores",
            .summary = "学生成绩管理系统是一个控制台程序，用 C 语言实现学生信息和各科成绩的录入、查询、统计与排名，数据以文本文件保存。\n"
                       "它覆盖了结构体、文件读写、排序等 C 语言的核心知识，是非常合适的课程设计题目。",
            .features = "录入、修改、删除学生及各科成绩|按学号或姓名查询|计算总分、平均分并排名|统计各科最高分、最低分和及格率|成绩数据保存到文件，启动时自动加载",
            .tables = {
                {"students", "学生（改用数据库保存时）", "id VARCHAR(12) PRIMARY KEY|学号\nname VARCHAR(16) NOT NULL|姓名\nclass_name VARCHAR(20)|班级"},
                {"courses", "课程", "id INTEGER PRIMARY KEY|课程编号\nname VARCHAR(30) NOT NULL|课程名称\ncredit INTEGER NOT NULL|学分"},
                {"scores", "成绩", "student_id VARCHAR(12) NOT NULL REFERENCES students(id)|学号\ncourse_id INTEGER NOT NULL REFERENCES courses(id)|课程编号\nscore INTEGER CHECK (score BETWEEN 0 AND 100)|成绩"},
            },
            .coreTitle = "成绩排名模块 rank.c",
            .coreFile = "rank.c",
            .coreCode = R"SRC(
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define COURSES 3

typedef struct {
    char id[12];
    char name[16];
    int score[COURSES];
    int total;
    int rank;
} Student;

static int by_total_desc(const void *a, const void *b)
{
    const Student *x = a, *y = b;
    return (x->total < y->total) - (x->total > y->total);
}

/* 计算总分并排名，总分相同的名次相同 */
void rank_students(Student *list, size_t n)
{
    for (size_t i = 0; i < n; ++i) {
        list[i].total = 0;
        for (int c = 0; c < COURSES; ++c)
            list[i].total += list[i].score[c];
    }
    qsort(list, n, sizeof list[0], by_total_desc);
    for (size_t i = 0; i < n; ++i)
        list[i].rank = (i > 0 && list[i].total == list[i - 1].total) ? list[i - 1].rank : (int)i + 1;
}

/* 从文本文件加载，每行：学号 姓名 语文 数学 英语 */
size_t load_students(const char *path, Student *list, size_t max)
{
    FILE *fp = fopen(path, "r");
    if (fp == NULL)
        return 0;
    size_t n = 0;
    while (n < max && fscanf(fp, "%11s %15s %d %d %d", list[n].id, list[n].name,
                             &list[n].score[0], &list[n].score[1], &list[n].score[2]) == 5)
        ++n;
    fclose(fp);
    return n;
}

int main(void)
{
    Student list[100];
    size_t n = load_students("scores.txt", list, 100);
    rank_students(list, n);
    printf("名次  学号        姓名      总分\n");
    for (size_t i = 0; i < n; ++i)
        printf("%-4d  %-10s  %-8s  %d\n", list[i].rank, list[i].id, list[i].name, list[i].total);
    return 0;
}
)SRC",
            .coreNotes = "名次采用“并列”规则：总分相同的学生名次相同，下一名次顺延，例如 1、2、2、4。\n"
                         "fscanf 的 %11s 和 %15s 限制了读入的最大长度，防止过长的数据冲破数组。",
            .coreOutput = "",
            .snippetKeys = {"c_struct", "c_qsort"},
            .buildCommands = "gcc -std=c11 -Wall -O2 -o scores main.c rank.c storage.c\n./scores",
            .testCases = "两名学生总分相同|名次相同，下一名次顺延|成绩文件不存在|提示没有数据，程序正常运行|某一行的格式错误|读到该行时停止加载，已读入的数据保留",
        },
        {
            .key = "inventory",
            .name = "仓库库存管理系统",
            .category = "桌面与控制台应用",
            .language = "C++",
            .exampleKeyword = "管理系统",
            .link = "xminventory",
            .summary = "仓库库存管理系统记录商品的入库、出库和盘点，实时计算库存数量和库存金额，并在库存低于警戒线时提醒补货。\n"
                       "核心逻辑用 C++17 编写成独立的类库，界面层可以是控制台，也可以是 Qt 窗口。",
            .features = "商品档案管理：编号、名称、规格、单价、警戒库存|入库、出库单据登记，出库时检查库存是否充足|库存查询与库存金额统计|低库存预警列表|按日期汇总出入库流水",
            .tables = {
                {"items", "商品", "id INTEGER PRIMARY KEY|商品编号\nsku VARCHAR(20) NOT NULL UNIQUE|货号\nname VARCHAR(60) NOT NULL|名称\nunit_price DECIMAL(10, 2) NOT NULL|单价\nsafety_stock INTEGER NOT NULL DEFAULT 0|警戒库存"},
                {"stock_moves", "出入库流水", "id INTEGER PRIMARY KEY|流水号\nitem_id INTEGER NOT NULL REFERENCES items(id)|商品编号\nquantity INTEGER NOT NULL|数量，入库为正、出库为负\nmoved_at DATETIME NOT NULL|发生时间\nnote VARCHAR(100)|备注"},
            },
            .coreTitle = "库存类 Inventory",
            .coreFile = "inventory.cpp",
            .coreCode = R"SRC(
#include <iostream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

struct Item {
    std::string name;
    double unitPrice = 0;
    int quantity = 0;
    int safetyStock = 0;
};

class Inventory {
public:
    void addItem(const std::string& sku, Item item) { m_items[sku] = std::move(item); }

    void stockIn(const std::string& sku, int qty) { find(sku).quantity += qty; }

    void stockOut(const std::string& sku, int qty)
    {
        Item& item = find(sku);
        if (item.quantity < qty)
            throw std::runtime_error(item.name + " 库存不足，现有 " + std::to_string(item.quantity));
        item.quantity -= qty;
    }

    std::vector<std::string> lowStock() const
    {
        std::vector<std::string> result;
        for (const auto& [sku, item] : m_items)
            if (item.quantity < item.safetyStock)
                result.push_back(sku + " " + item.name);
        return result;
    }

    double totalValue() const
    {
        double sum = 0;
        for (const auto& [sku, item] : m_items)
            sum += item.unitPrice * item.quantity;
        return sum;
    }

private:
    Item& find(const std::string& sku)
    {
        auto it = m_items.find(sku);
        if (it == m_items.end())
            throw std::invalid_argument("未知商品编号: " + sku);
        return it->second;
    }

    std::map<std::string, Item> m_items;   // 按编号有序，便于打印报表
};

int main()
{
    Inventory inv;
    inv.addItem("A001", {"A4 打印纸", 25.0, 40, 20});
    inv.addItem("B002", {"签字笔", 2.5, 300, 100});
    inv.stockOut("A001", 30);
    try {
        inv.stockOut("B002", 500);
    } catch (const std::exception& e) {
        std::cout << "出库失败: " << e.what() << '\n';
    }
    for (const auto& s : inv.lowStock())
        std::cout << "需要补货: " << s << '\n';
    std::cout << "库存总金额: " << inv.totalValue() << '\n';
}
)SRC",
            .coreNotes = "出库前先检查库存，库存不足时抛出异常，库存数据保持不变，调用者可以据此提示用户。\n"
                         "商品用 std::map 按货号保存，遍历时自然按货号排序，打印报表时不必再排序。",
            .coreOutput = "出库失败: 签字笔 库存不足，现有 300\n需要补货: A001 A4 打印纸\n库存总金额: 1000",
            .snippetKeys = {"cpp_map", "cpp_exception"},
            .buildCommands = "cmake -S . -B build -DCMAKE_BUILD_TYPE=Release\ncmake --build build\n./build/inventory",
            .testCases = "出库数量大于库存|抛出“库存不足”异常，库存不变|出库后低于警戒库存|出现在补货列表中|查询不存在的货号|抛出“未知商品编号”异常",
        },
        {
            .key = "address_book",
            .name = "命令行通讯录",
            .category = "桌面与控制台应用",
            .language = "C语言",
            .exampleKeyword = "管理系统",
            .link = "xmaddrbook",
            .summary = "命令行通讯录用 C 语言实现联系人的增删改查。联系人在内存中以单向链表组织，退出时保存到文本文件，下次启动时重新加载。\n"
                       "项目综合运用了链表、动态内存、字符串处理和文件读写，还演示了“先写临时文件再替换”的安全保存方法。",
            .features = "添加联系人：姓名、电话、邮箱|按姓名模糊查找、修改和删除|按姓名排序显示全部联系人|数据保存到 contacts.txt，启动时自动加载|输入检查：电话只能包含数字和短横线",
            .tables = {
                {"contacts", "联系人（改用数据库保存时）", "id INTEGER PRIMARY KEY|编号\nname VARCHAR(32) NOT NULL|姓名\nphone VARCHAR(20)|电话\nemail VARCHAR(48)|电子邮箱"},
            },
            .coreTitle = "文件存储模块 storage.c",
            .coreFile = "storage.c",
            .coreCode = R"SRC(
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
)SRC",
            .coreNotes = "保存时先写入临时文件，确认写完并成功关闭后再用 rename 替换旧文件。磁盘已满等错误往往在关闭文件、写出缓冲区时才暴露，此时旧的通讯录仍然完好。\n"
                         "加载时用“指向尾指针的指针” tail 追加结点，既不必每次从头遍历，也不必单独处理空链表。",
            .coreOutput = "",
            .snippetKeys = {"c_linked_list", "c_file_io"},
            .buildCommands = "gcc -std=c11 -Wall -O2 -o contacts main.c storage.c\n./contacts",
            .testCases = "通讯录文件不存在|以空通讯录启动|保存时磁盘已满|提示保存失败，原文件保持不变|文件中有一行缺少电话|该行被跳过，其余联系人正常加载",
        },
        {
            .key = "blog",
            .name = "个人博客网站",
            .category = "网络与 Web 应用",
            .language = "Python",
            .exampleKeyword = "Web开发",
            .link = "xmblog01",
            .summary = "个人博客网站使用 Python 的 Flask 框架编写后端，SQLite 保存文章和评论，前端用原生 JavaScript 通过 fetch 加载评论。\n"
                       "项目规模不大，却包含了 Web 应用的完整链路：路由、模板、数据库、JSON 接口和前端交互。",
            .features = "文章的发布、编辑、删除和 Markdown 渲染|按标签和月份归档|文章评论，评论内容转义后显示，防止 XSS|首页分页显示文章列表|提供 JSON 接口，供前端异步加载评论",
            .tables = {
                {"posts", "文章", "id INTEGER PRIMARY KEY AUTOINCREMENT|文章编号\ntitle TEXT NOT NULL|标题\nbody TEXT NOT NULL|正文（Markdown）\ncreated_at TEXT NOT NULL|发布时间"},
                {"comments", "评论", "id INTEGER PRIMARY KEY AUTOINCREMENT|评论编号\npost_id INTEGER NOT NULL REFERENCES posts(id)|所属文章\nauthor TEXT NOT NULL|昵称\ncontent TEXT NOT NULL|评论内容\ncreated_at TEXT NOT NULL|评论时间"},
                {"tags", "标签", "post_id INTEGER NOT NULL REFERENCES posts(id)|文章编号\nname TEXT NOT NULL|标签名"},
            },
            .coreTitle = "评论接口 comments.py",
            .coreFile = "comments.py",
            .coreCode = R"SRC(
import sqlite3

from flask import Flask, abort, g, jsonify, request

app = Flask(__name__)
DATABASE = "blog.db"


def get_db():
    if "db" not in g:
        g.db = sqlite3.connect(DATABASE)
        g.db.row_factory = sqlite3.Row
    return g.db


@app.teardown_appcontext
def close_db(exc):
    db = g.pop("db", None)
    if db is not None:
        db.close()


@app.get("/api/posts/<int:post_id>/comments")
def list_comments(post_id):
    rows = get_db().execute(
        "SELECT author, content, created_at FROM comments WHERE post_id = ? ORDER BY created_at",
        (post_id,)).fetchall()
    return jsonify([dict(r) for r in rows])


@app.post("/api/posts/<int:post_id>/comments")
def add_comment(post_id):
    data = request.get_json(silent=True) or {}
    author = (data.get("author") or "").strip()[:30]
    content = (data.get("content") or "").strip()
    if not author or not content:
        abort(400, "昵称和评论内容不能为空")
    db = get_db()
    with db:
        db.execute("INSERT INTO comments (post_id, author, content, created_at) "
                   "VALUES (?, ?, ?, datetime('now'))", (post_id, author, content))
    return jsonify({"ok": True}), 201
)SRC",
            .coreNotes = "每个请求使用自己的数据库连接，请求结束时在 teardown_appcontext 中关闭，避免多个线程共享同一个连接。\n"
                         "评论内容原样存入数据库，显示时由前端用 textContent 插入页面，或者由模板自动转义，从而防止跨站脚本攻击。",
            .coreOutput = "",
            .snippetKeys = {"py_sqlite", "js_fetch"},
            .buildCommands = "python3 -m venv venv\n. venv/bin/activate\npip install flask\nflask --app comments run --debug",
            .testCases = "提交空评论|返回 400 和错误说明|评论中包含 <script> 标签|页面按原文显示，脚本不会执行|请求不存在的文章编号|返回空的评论列表",
        },
        {
            .key = "todo_web",
            .name = "在线待办事项应用",
            .category = "网络与 Web 应用",
            .language = "JavaScript",
            .exampleKeyword = "Web开发",
            .link = "xmtodo",
            .summary = "在线待办事项应用是一个纯前端的单页应用：任务保存在浏览器的 localStorage 中，断网也能使用。\n"
                       "项目演示了如何不借助框架，用模块化的原生 JavaScript 组织“数据、渲染、事件”三层代码。",
            .features = "添加、编辑、删除任务，支持回车快速添加|标记完成，按全部、未完成、已完成筛选|任务保存在本地，刷新页面不丢失|显示剩余未完成的任务数|一键清除已完成的任务",
            .tables = {
                {"users", "用户（增加云同步时）", "id INTEGER PRIMARY KEY|用户编号\nname VARCHAR(30) NOT NULL UNIQUE|用户名\npassword_hash VARCHAR(100) NOT NULL|密码散列值"},
                {"todos", "待办事项", "id INTEGER PRIMARY KEY|任务编号\nuser_id INTEGER NOT NULL REFERENCES users(id)|所属用户\ntitle VARCHAR(200) NOT NULL|任务内容\ndone BOOLEAN NOT NULL DEFAULT 0|是否完成\nupdated_at DATETIME NOT NULL|最后修改时间"},
            },
            .coreTitle = "任务数据模块 store.js",
            .coreFile = "store.js",
            .coreCode = R"SRC(
const STORAGE_KEY = 'todo.items';

export class TodoStore {
  constructor() {
    this.items = this.load();
    this.listeners = [];
  }

  load() {
    try {
      return JSON.parse(localStorage.getItem(STORAGE_KEY)) ?? [];
    } catch {
      return [];
    }
  }

  save() {
    localStorage.setItem(STORAGE_KEY, JSON.stringify(this.items));
    this.listeners.forEach(fn => fn(this.items));   // 通知界面重新渲染
  }

  subscribe(fn) {
    this.listeners.push(fn);
  }

  add(title) {
    this.items.push({ id: Date.now(), title: title.trim(), done: false });
    this.save();
  }

  toggle(id) {
    this.items = this.items.map(t => (t.id === id ? { ...t, done: !t.done } : t));
    this.save();
  }

  clearDone() {
    this.items = this.items.filter(t => !t.done);
    this.save();
  }

  visible(filter) {
    if (filter === 'active') return this.items.filter(t => !t.done);
    if (filter === 'done') return this.items.filter(t => t.done);
    return this.items;
  }

  get remaining() {
    return this.items.filter(t => !t.done).length;
  }
}
)SRC",
            .coreNotes = "界面代码只通过 subscribe 接收变化、通过 add、toggle 等方法修改数据，从不直接改动 items，数据的流向因此非常清楚。\n"
                         "用 Date.now() 作为编号，在同一毫秒内连续添加时可能重复，正式项目可以改用 crypto.randomUUID()。",
            .coreOutput = "",
            .snippetKeys = {"js_dom_event", "js_localstorage"},
            .buildCommands = "npx http-server . -p 8080\n# 在浏览器中打开 http://127.0.0.1:8080/index.html",
            .testCases = "添加空白任务|不添加，输入框保持焦点|localStorage 中的数据被手工改坏|页面显示空列表，不报错|切换到“已完成”筛选后刷新页面|任务数据不丢失",
        },
        {
            .key = "chat_server",
            .name = "局域网聊天室",
            .category = "网络与 Web 应用",
            .language = "Java",
            .exampleKeyword = "网络编程",
            .link = "xmchat",
            .summary = "局域网聊天室由一个 Java 服务器和若干客户端组成：服务器监听 TCP 端口，为每个连接的客户端分配一个线程，把收到的消息广播给所有在线用户。\n"
                       "项目涵盖了 Socket 编程、线程池、线程安全的集合和资源的可靠释放。",
            .features = "客户端登录时设置昵称，服务器广播上线和下线通知|群聊消息实时广播|输入 /quit 退出聊天室|服务器记录聊天日志|客户端异常断开时，服务器自动清理连接",
            .tables = {
                {"chat_log", "聊天日志", "id INTEGER PRIMARY KEY|日志编号\nnickname VARCHAR(30) NOT NULL|发送者昵称\ncontent VARCHAR(500) NOT NULL|消息内容\nsent_at DATETIME NOT NULL|发送时间"},
            },
            .coreTitle = "聊天服务器 ChatServer",
            .coreFile = "ChatServer.java",
            .coreCode = R"SRC(
import java.io.BufferedReader;
import java.io.IOException;
import java.io.InputStreamReader;
import java.io.PrintWriter;
import java.net.ServerSocket;
import java.net.Socket;
import java.nio.charset.StandardCharsets;
import java.util.Set;
import java.util.concurrent.ConcurrentHashMap;
import java.util.concurrent.ExecutorService;
import java.util.concurrent.Executors;

public class ChatServer {
    private final Set<PrintWriter> clients = ConcurrentHashMap.newKeySet();
    private final ExecutorService pool = Executors.newCachedThreadPool();

    public void start(int port) throws IOException {
        try (ServerSocket server = new ServerSocket(port)) {
            System.out.println("聊天服务器已启动，端口 " + port);
            while (true) {
                Socket socket = server.accept();
                pool.execute(() -> serve(socket));
            }
        }
    }

    private void serve(Socket socket) {
        PrintWriter out = null;
        String name = "匿名";
        try (socket) {
            BufferedReader in = new BufferedReader(
                    new InputStreamReader(socket.getInputStream(), StandardCharsets.UTF_8));
            out = new PrintWriter(socket.getOutputStream(), true, StandardCharsets.UTF_8);
            out.println("请输入昵称：");
            String given = in.readLine();
            if (given == null || given.isBlank()) {
                return;
            }
            name = given.trim();
            clients.add(out);
            broadcast("系统消息：" + name + " 进入聊天室");
            String line;
            while ((line = in.readLine()) != null && !line.equals("/quit")) {
                broadcast(name + "：" + line);
            }
        } catch (IOException e) {
            System.out.println(name + " 连接异常断开：" + e.getMessage());
        } finally {
            if (out != null && clients.remove(out)) {
                broadcast("系统消息：" + name + " 离开聊天室");
            }
        }
    }

    private void broadcast(String message) {
        for (PrintWriter client : clients) {
            client.println(message);
        }
    }

    public static void main(String[] args) throws IOException {
        new ChatServer().start(9000);
    }
}
)SRC",
            .coreNotes = "在线客户端集合使用 ConcurrentHashMap.newKeySet()，多个线程同时加入、退出和广播时不需要额外加锁。\n"
                         "无论客户端是正常退出还是异常断开，finally 块都会把它从集合中移除，避免继续向已经关闭的连接发送消息。",
            .coreOutput = "",
            .snippetKeys = {"java_thread_pool", "java_exception"},
            .buildCommands = "javac -d out src/ChatServer.java src/ChatClient.java\njava -cp out ChatServer\n# 另开一个终端连接测试\nnc 127.0.0.1 9000",
            .testCases = "两个客户端同时在线|一方发送的消息双方都能收到|客户端直接关闭窗口|其他用户收到离开通知，服务器不报错|输入 /quit|连接正常关闭，广播离开通知",
        },
        {
            .key = "log_analyzer",
            .name = "网站访问日志分析工具",
            .category = "数据处理与工具",
            .language = "Python",
            .exampleKeyword = "数据分析",
            .link = "xmlogtool",
            .summary = "网站访问日志分析工具读取 Nginx 或 Apache 的访问日志，统计访问量、状态码分布、最受欢迎的页面和访问最多的 IP 地址，并把结果输出为表格。\n"
                       "工具采用生成器管道逐行处理，几个 GB 的日志也只占用很少的内存。",
            .features = "解析通用日志格式：IP、时间、请求、状态码、字节数|统计每小时访问量和状态码分布|列出访问量前十的页面和 IP|找出 5xx 错误集中的时间段|统计结果导出为 CSV 文件",
            .tables = {
                {"log_stats", "按小时汇总的访问统计", "day DATE NOT NULL|日期\nhour INTEGER NOT NULL|小时（0~23）\npath VARCHAR(200) NOT NULL|页面路径\nstatus INTEGER NOT NULL|状态码\nhits INTEGER NOT NULL|访问次数"},
            },
            .coreTitle = "日志解析模块 parse_log.py",
            .coreFile = "parse_log.py",
            .coreCode = R"SRC(
import re
import sys
from collections import Counter

LINE = re.compile(
    r'(?P<ip>\S+) \S+ \S+ \[(?P<time>[^\]]+)\] '
    r'"(?P<method>\S+) (?P<path>\S+) [^"]*" (?P<status>\d{3}) (?P<size>\d+|-)')


def parse(lines):
    """逐行解析，格式不对的行直接跳过。"""
    for line in lines:
        m = LINE.match(line)
        if m:
            yield m.groupdict()


def summarize(records):
    status, pages, ips = Counter(), Counter(), Counter()
    total = 0
    for r in records:
        total += 1
        status[r["status"]] += 1
        pages[r["path"].split("?")[0]] += 1
        ips[r["ip"]] += 1
    return total, status, pages, ips


if __name__ == "__main__":
    path = sys.argv[1] if len(sys.argv) > 1 else "access.log"
    with open(path, encoding="utf-8", errors="replace") as f:
        total, status, pages, ips = summarize(parse(f))
    print(f"总请求数: {total}")
    for code, n in sorted(status.items()):
        print(f"状态码 {code}: {n}")
    print("热门页面:", pages.most_common(10))
    print("访问最多的 IP:", ips.most_common(5))
)SRC",
            .coreNotes = "正则表达式使用命名分组，groupdict() 直接得到字段字典，后续代码不必记住每个字段的位置。\n"
                         "统计页面时去掉了 URL 中问号之后的查询参数，否则 /list?page=1 和 /list?page=2 会被当成两个不同的页面。",
            .coreOutput = "总请求数: 128734\n状态码 200: 119872\n状态码 304: 6120\n状态码 404: 2415\n状态码 500: 327\n热门页面: [('/', 20931), ('/api/list', 15870), ('/about', 4211)]\n访问最多的 IP: [('203.0.113.17', 5211), ('198.51.100.4', 3307)]",
            .snippetKeys = {"py_generator", "py_regex"},
            .buildCommands = "python3 parse_log.py /var/log/nginx/access.log",
            .testCases = "日志中混有格式错误的行|这些行被跳过，统计继续|日志中含有无法解码的字节|这些字节被替换，程序不中断|空的日志文件|总请求数为 0",
        },
        {
            .key = "sales_report",
            .name = "销售数据统计报表",
            .category = "数据处理与工具",
            .language = "SQL",
            .exampleKeyword = "数据分析",
            .link = "xmsales",
            .summary = "销售数据统计报表基于一个小型的零售数据库，用 SQL 完成月度销售汇总、商品排行、客户贡献和同比分析，再把查询结果导出为 CSV，供表格软件制作图表。\n"
                       "项目的重点是写出清楚、可维护的分析型 SQL：公用表表达式、自连接和窗口函数。",
            .features = "按月汇总销售额、购买客户数|与上年同月对比，计算增长率|各类别销量前三的商品|客户消费排行，包括没有消费的客户|查询结果导出为 CSV",
            .tables = {
                {"products", "商品", "id INTEGER PRIMARY KEY|商品编号\nname VARCHAR(60) NOT NULL|商品名称\ncategory VARCHAR(20) NOT NULL|类别\nunit_price DECIMAL(10, 2) NOT NULL|标价"},
                {"customers", "客户", "id INTEGER PRIMARY KEY|客户编号\nname VARCHAR(50) NOT NULL|客户名称\ncity VARCHAR(20)|所在城市"},
                {"sales", "销售明细", "id INTEGER PRIMARY KEY|明细编号\nproduct_id INTEGER NOT NULL REFERENCES products(id)|商品编号\ncustomer_id INTEGER NOT NULL REFERENCES customers(id)|客户编号\nquantity INTEGER NOT NULL|数量\nunit_price DECIMAL(10, 2) NOT NULL|成交单价\nsold_at DATE NOT NULL|销售日期"},
            },
            .coreTitle = "月度报表查询 monthly_report.sql",
            .coreFile = "monthly_report.sql",
            .coreCode = R"SRC(
-- 每月销售汇总与同比增长率
WITH monthly AS (
    SELECT strftime('%Y', sold_at)     AS year,
           strftime('%m', sold_at)     AS month,
           SUM(quantity * unit_price)  AS revenue,
           COUNT(DISTINCT customer_id) AS buyers
    FROM sales
    GROUP BY year, month
)
SELECT cur.year, cur.month, cur.revenue, cur.buyers,
       ROUND((cur.revenue - prev.revenue) * 100.0 / prev.revenue, 1) AS growth_pct
FROM monthly AS cur
LEFT JOIN monthly AS prev
       ON prev.year = CAST(cur.year - 1 AS TEXT) AND prev.month = cur.month
ORDER BY cur.year, cur.month;

-- 各类别销量前三的商品
SELECT category, name, total_qty
FROM (
    SELECT p.category, p.name, SUM(s.quantity) AS total_qty,
           ROW_NUMBER() OVER (PARTITION BY p.category ORDER BY SUM(s.quantity) DESC) AS rn
    FROM sales s
    JOIN products p ON p.id = s.product_id
    GROUP BY p.category, p.name
)
WHERE rn <= 3
ORDER BY category, total_qty DESC;
)SRC",
            .coreNotes = "同比数据来自 monthly 与自身的连接：用 LEFT JOIN 是为了让第一年（没有上年数据）的月份也出现在结果中，此时增长率为 NULL。\n"
                         "窗口函数 ROW_NUMBER() 需要 SQLite 3.25、MySQL 8.0 或更高的版本。",
            .coreOutput = "",
            .snippetKeys = {"sql_group_by", "sql_join"},
            .buildCommands = "sqlite3 shop.db < schema.sql\nsqlite3 -header -csv shop.db < monthly_report.sql > report.csv",
            .testCases = "第一年的月份|增长率显示为空|某个类别只有两种商品|只列出这两种商品|某月没有任何销售|该月不出现在结果中",
        },
        {
            .key = "task_scheduler",
            .name = "多线程任务调度器",
            .category = "数据处理与工具",
            .language = "C++",
            .exampleKeyword = "多线程",
            .link = "xmscheduler",
            .summary = "多线程任务调度器是一个可以嵌入其他程序的小型线程池：调用者提交任意可调用对象，调度器在固定数量的工作线程上执行，并通过 std::future 返回结果。\n"
                       "项目演示了条件变量、任务队列和优雅停机等并发编程的核心技巧。",
            .features = "固定数量的工作线程，默认等于 CPU 核心数|提交任意函数，返回 std::future 取得结果|任务队列为空时工作线程休眠，不空转|析构时等待已提交的任务全部完成|任务抛出的异常通过 future 传回调用者",
            .tables = {
                {"tasks", "调度记录（可选）", "id INTEGER PRIMARY KEY|任务编号\nname VARCHAR(60) NOT NULL|任务名称\nstatus VARCHAR(10) NOT NULL|等待、运行、完成或失败\nsubmitted_at DATETIME NOT NULL|提交时间\nfinished_at DATETIME|完成时间"},
            },
            .coreTitle = "线程池 ThreadPool",
            .coreFile = "thread_pool.cpp",
            .coreCode = R"SRC(
#include <condition_variable>
#include <functional>
#include <future>
#include <iostream>
#include <memory>
#include <mutex>
#include <queue>
#include <thread>
#include <vector>

class ThreadPool {
public:
    explicit ThreadPool(unsigned n = std::thread::hardware_concurrency())
    {
        for (unsigned i = 0; i < (n ? n : 2); ++i)
            m_workers.emplace_back([this] { work(); });
    }

    ~ThreadPool()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_stopping = true;
        }
        m_wake.notify_all();
        for (auto& t : m_workers)
            t.join();                      // 等待队列中的任务全部完成
    }

    template <typename F>
    auto submit(F f) -> std::future<decltype(f())>
    {
        auto task = std::make_shared<std::packaged_task<decltype(f())()>>(std::move(f));
        auto result = task->get_future();
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_queue.emplace([task] { (*task)(); });
        }
        m_wake.notify_one();
        return result;
    }

private:
    void work()
    {
        for (;;) {
            std::function<void()> job;
            {
                std::unique_lock<std::mutex> lock(m_mutex);
                m_wake.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
                if (m_stopping && m_queue.empty())
                    return;
                job = std::move(m_queue.front());
                m_queue.pop();
            }
            job();                         // 在锁外执行任务
        }
    }

    std::vector<std::thread> m_workers;
    std::queue<std::function<void()>> m_queue;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stopping = false;
};

int main()
{
    ThreadPool pool(4);
    std::vector<std::future<long long>> results;
    for (int i = 1; i <= 8; ++i)
        results.push_back(pool.submit([i] {
            long long sum = 0;
            for (int k = 1; k <= i * 100000; ++k)
                sum += k;
            return sum;
        }));
    for (auto& r : results)
        std::cout << r.get() << '\n';
}
)SRC",
            .coreNotes = "packaged_task 不能复制，而 std::function 要求可复制，所以先用 shared_ptr 包装任务，再放入队列。\n"
                         "工作线程在锁外执行任务，否则一个耗时的任务会阻塞所有其他线程取任务。",
            .coreOutput = "5000050000\n20000100000\n45000150000\n80000200000\n125000250000\n180000300000\n245000350000\n320000400000",
            .snippetKeys = {"cpp_thread", "cpp_lambda"},
            .buildCommands = "g++ -std=c++17 -Wall -O2 -pthread -o scheduler thread_pool.cpp\n./scheduler",
            .testCases = "提交 1000 个短任务|全部完成，结果正确|任务抛出异常|future.get() 重新抛出该异常，线程池继续工作|析构时队列中仍有任务|等待它们执行完毕后再退出",
        },
    };
    return all;
}

}  // namespace kelvor::authoring
