#include "syntheticcatalogue.h"

#include "authoringerror.h"

#include "library/centres.h"

namespace kelvor::authoring {

namespace {

constexpr int kLevelOneFolders = 89;  // codes 11 … 99
constexpr int kEntriesPerFolder = 40; // level-3 entries under a level-2 folder
constexpr int kDeepFolderEvery = 10;  // every tenth level-3 entry is a folder …
constexpr int kDeepDocuments = 5;     // … holding five level-4 documents
constexpr qint64 kBlock = 1 + (kEntriesPerFolder - kEntriesPerFolder / kDeepFolderEvery) +
                          (kEntriesPerFolder / kDeepFolderEvery) * (1 + kDeepDocuments);

const QStringList kTechs = {
    "C++", "Java", "Python", "JavaScript", "C#", "Go", "Rust", "SQL", "MySQL", "PostgreSQL",
    "Redis", "Linux", "Qt", "Vue.js", "React", "Node.js", "Spring Boot", "Android", "iOS", "TypeScript",
    "PHP", "Shell", "Docker", "Git", "HTML5", "CSS3", "jQuery", "MongoDB", "Nginx", "Kotlin",
};
const QStringList kTopics = {
    "智能指针", "多线程", "HashMap", "正则表达式", "字符串处理", "文件读写", "Socket 编程", "异常处理",
    "内存管理", "排序算法", "二叉树", "链表", "动态规划", "递归", "JSON 解析", "XML 解析",
    "数据库连接池", "事务", "索引优化", "分页查询", "单元测试", "日志系统", "配置文件", "命令行参数",
    "网络请求", "定时任务", "缓存", "加密解密", "图片处理", "界面布局", "事件处理", "模板",
    "泛型", "Lambda 表达式", "闭包", "协程", "反射", "序列化", "依赖注入", "设计模式",
    "unique_ptr", "ArrayList", "async/await", "REST API", "WebSocket", "OAuth2", "CRUD", "MVC",
    "ORM", "UTF-8 编码", "Base64", "MD5", "AES", "JWT",
};
const QStringList kAspects = {
    "入门", "详解", "的用法", "原理分析", "常见错误", "性能优化", "实战", "最佳实践",
    "源码解读", "面试题", "快速上手", "进阶技巧", "完整示例", "踩坑记录",
};
const QStringList kTasks = {
    "文件批量重命名", "学生成绩统计", "简易计算器", "聊天室", "网页爬虫", "图书管理", "俄罗斯方块", "贪吃蛇游戏",
    "日志分析", "数据导出 Excel", "验证码识别", "二维码生成", "断点续传", "多文件上传", "登录注册", "购物车",
    "秒杀", "权限管理", "留言板", "天气查询",
};
const QStringList kModules = {"需求分析", "数据库设计", "核心代码", "界面实现", "接口设计", "部署说明", "测试报告"};
const QStringList kApproaches = {"方案对比", "选型建议", "性能测试", "常见问题", "实施步骤"};
const QStringList kScreens = {"登录", "主窗口", "设置", "报表", "列表", "详情", "向导"};
const QStringList kThemes = {"商务蓝", "清新绿", "活力橙", "典雅紫", "深邃灰", "中国红"};

// splitmix64: a small, fixed generator, so every run yields the same titles.
quint64 mix(quint64 x)
{
    x += 0x9e3779b97f4a7c15ull;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ull;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebull;
    return x ^ (x >> 31);
}

class Dice {
public:
    explicit Dice(quint64 seed) : m_state(seed) {}
    int roll(qsizetype sides) { return int((m_state = mix(m_state)) % quint64(sides)); }
    const QString& pick(const QStringList& list) { return list.at(roll(list.size())); }

private:
    quint64 m_state;
};

QString digits(int value, int width)
{
    return QStringLiteral("%1").arg(value, width, 10, QLatin1Char('0'));
}

// A technology name as people type it: mostly as written, sometimes in lower or upper case.
QString spelled(const QString& tech, Dice& dice)
{
    const int r = dice.roll(16);
    if (r == 0) return tech.toUpper();
    if (r < 3) return tech.toLower();
    return tech;
}

QString documentTitle(const QString& table, Dice& dice, qint64 serial)
{
    const QString tech = spelled(dice.pick(kTechs), dice);
    const QString& topic = dice.pick(kTopics);
    const QString& aspect = dice.pick(kAspects);
    const QString& task = dice.pick(kTasks);
    const int form = dice.roll(4);
    if (table == QLatin1String("slzx")) {
        switch (form) {
        case 0: return QStringLiteral("用 %1 实现%2").arg(tech, task);
        case 1: return QStringLiteral("%1 实例：%2").arg(tech, task);
        case 2: return QStringLiteral("%1（%2 源码）").arg(task, tech);
        default: return QStringLiteral("实例 %1：%2 %3").arg(serial % 1000 + 1).arg(tech, topic);
        }
    }
    if (table == QLatin1String("xmzx"))
        return QStringLiteral("%1系统：%2（%3）").arg(task, dice.pick(kModules), tech);
    if (table == QLatin1String("fazx"))
        return form < 2 ? QStringLiteral("%1解决方案：%2").arg(topic, dice.pick(kApproaches))
                        : QStringLiteral("基于 %1 的%2方案").arg(tech, topic);
    if (table == QLatin1String("spzx"))
        return QStringLiteral("第 %1 讲 %2 %3%4").arg(serial % 200 + 1).arg(tech, topic, aspect);
    if (table == QLatin1String("jmzx"))
        return QStringLiteral("%1系统%2界面（%3）").arg(task, dice.pick(kScreens), dice.pick(kThemes));
    switch (form) {
    case 0: return QStringLiteral("%1 %2%3").arg(tech, topic, aspect);
    case 1: return QStringLiteral("%1 中的%2：%3").arg(tech, topic, aspect);
    case 2: return QStringLiteral("%1%2（%3 版）").arg(topic, aspect, tech);
    default: return QStringLiteral("深入理解 %1 %2").arg(tech, topic);
    }
}

quint64 tableSeed(const QString& table)
{
    quint64 h = 1469598103934665603ull;
    for (const QChar c : table) h = (h ^ c.unicode()) * 1099511628211ull;
    return h;
}

}  // namespace

SyntheticCatalogue::SyntheticCatalogue(QString table, qint64 count) : m_table(std::move(table)), m_count(count)
{
    const Centre* centre = centreByTable(m_table);
    if (!centre || centre->codePrefix.isEmpty())
        throw AuthoringError(QStringLiteral("%1 is not a centre with record codes").arg(m_table));
    if (count < 0 || count > capacity())
        throw AuthoringError(QStringLiteral("a centre holds at most %1 records").arg(capacity()));
    m_prefix = centre->codePrefix;
}

qint64 SyntheticCatalogue::capacity()
{
    return qint64(kLevelOneFolders) * (1 + 9999 * kBlock);
}

void SyntheticCatalogue::generate(const std::function<void(const CentreRecord&)>& sink) const
{
    const quint64 seed = tableSeed(m_table);
    const qint64 blocks = (m_count + kBlock - 1) / kBlock;
    const int perLevelOne = int(std::max<qint64>(1, (blocks + kLevelOneFolders - 1) / kLevelOneFolders));
    qint64 emitted = 0;
    qint64 serial = 0;
    const QString shortTable = m_table.left(2);

    auto put = [&](const CentreRecord& r) {
        if (emitted >= m_count) return false;
        sink(r);
        ++emitted;
        return true;
    };
    auto folder = [](const QString& code, const QString& name) {
        CentreRecord r;
        r.xxbh = code;
        r.name = name;
        return r;
    };
    auto document = [&](const QString& code, const QString& link) {
        Dice dice(mix(seed ^ quint64(serial)));
        CentreRecord r;
        r.xxbh = code;
        r.name = documentTitle(m_table, dice, serial);
        r.link = link;
        r.eee = QStringLiteral("1");
        r.jbmc = kTechs.at(dice.roll(kTechs.size()));
        r.jbnr = kTopics.at(dice.roll(kTopics.size()));
        r.mark = r.name + QLatin1Char(' ') + r.jbmc + QLatin1Char(' ') + r.jbnr;
        ++serial;
        return r;
    };

    for (int a = 0; a < kLevelOneFolders && emitted < m_count; ++a) {
        const QString c1 = m_prefix + digits(11 + a, 2);
        const QString tech = kTechs.at(a % kTechs.size());
        const QString name = a < kTechs.size() ? tech + QStringLiteral(" 专题")
                                               : QStringLiteral("%1 专题（第 %2 辑）").arg(tech).arg(a / kTechs.size() + 1);
        // Every fifth folder keeps its documents in a short folder name ("l" keys in the tree).
        const QString link = a % 5 == 0 ? shortTable + digits(11 + a, 2) + QLatin1Char('x')
                                        : m_table + QLatin1Char('_') + digits(11 + a, 2) + QStringLiteral("_docs");
        if (!put(folder(c1, name))) return;
        for (int b = 1; b <= perLevelOne && emitted < m_count; ++b) {
            const QString c2 = c1 + digits(b, 4);
            const QString& topic = kTopics.at((a + b) % kTopics.size());
            const QString topicName = b <= kTopics.size() ? topic : QStringLiteral("%1（%2）").arg(topic).arg(b);
            if (!put(folder(c2, topicName))) return;
            for (int c = 1; c <= kEntriesPerFolder && emitted < m_count; ++c) {
                const QString c3 = c2 + digits(c, 4);
                if (c % kDeepFolderEvery != 0) {
                    if (!put(document(c3, link))) return;
                    continue;
                }
                if (!put(folder(c3, kAspects.at((b + c) % kAspects.size()) + QStringLiteral("合集")))) return;
                for (int d = 1; d <= kDeepDocuments; ++d)
                    if (!put(document(c3 + digits(d, 4), link))) return;
            }
        }
    }
}

std::vector<std::pair<QString, qint64>> syntheticShares(qint64 total)
{
    const QStringList& tables = searchPageTables();
    std::vector<std::pair<QString, qint64>> shares;
    const qint64 n = tables.size();
    for (qint64 i = 0; i < n; ++i) shares.emplace_back(tables.at(i), total / n + (i < total % n ? 1 : 0));
    return shares;
}

}  // namespace kelvor::authoring
