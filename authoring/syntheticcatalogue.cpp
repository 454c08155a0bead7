#include "syntheticcatalogue.h"

#include "authoringerror.h"

#include "library/centres.h"

using namespace Qt::StringLiterals;

namespace kelvor::authoring {

namespace {

constexpr int kLevelOneFolders = 89;  // codes 11 … 99
constexpr int kEntriesPerFolder = 40; // level-3 entries under a level-2 folder
constexpr int kDeepFolderEvery = 10;  // every tenth level-3 entry is a folder …
constexpr int kDeepDocuments = 5;     // … holding five level-4 documents
constexpr qint64 kBlock = 1 + (kEntriesPerFolder - kEntriesPerFolder / kDeepFolderEvery) +
                          (kEntriesPerFolder / kDeepFolderEvery) * (1 + kDeepDocuments);

const QStringList kTechs = {
    u"C++"_s, u"Java"_s, u"Python"_s, u"JavaScript"_s, u"C#"_s, u"Go"_s, u"Rust"_s, u"SQL"_s, u"MySQL"_s, u"PostgreSQL"_s,
    u"Redis"_s, u"Linux"_s, u"Qt"_s, u"Vue.js"_s, u"React"_s, u"Node.js"_s, u"Spring Boot"_s, u"Android"_s, u"iOS"_s, u"TypeScript"_s,
    u"PHP"_s, u"Shell"_s, u"Docker"_s, u"Git"_s, u"HTML5"_s, u"CSS3"_s, u"jQuery"_s, u"MongoDB"_s, u"Nginx"_s, u"Kotlin"_s,
};
const QStringList kTopics = {
    u"智能指针"_s, u"多线程"_s, u"HashMap"_s, u"正则表达式"_s, u"字符串处理"_s, u"文件读写"_s, u"Socket 编程"_s, u"异常处理"_s,
    u"内存管理"_s, u"排序算法"_s, u"二叉树"_s, u"链表"_s, u"动态规划"_s, u"递归"_s, u"JSON 解析"_s, u"XML 解析"_s,
    u"数据库连接池"_s, u"事务"_s, u"索引优化"_s, u"分页查询"_s, u"单元测试"_s, u"日志系统"_s, u"配置文件"_s, u"命令行参数"_s,
    u"网络请求"_s, u"定时任务"_s, u"缓存"_s, u"加密解密"_s, u"图片处理"_s, u"界面布局"_s, u"事件处理"_s, u"模板"_s,
    u"泛型"_s, u"Lambda 表达式"_s, u"闭包"_s, u"协程"_s, u"反射"_s, u"序列化"_s, u"依赖注入"_s, u"设计模式"_s,
    u"unique_ptr"_s, u"ArrayList"_s, u"async/await"_s, u"REST API"_s, u"WebSocket"_s, u"OAuth2"_s, u"CRUD"_s, u"MVC"_s,
    u"ORM"_s, u"UTF-8 编码"_s, u"Base64"_s, u"MD5"_s, u"AES"_s, u"JWT"_s,
};
const QStringList kAspects = {
    u"入门"_s, u"详解"_s, u"的用法"_s, u"原理分析"_s, u"常见错误"_s, u"性能优化"_s, u"实战"_s, u"最佳实践"_s,
    u"源码解读"_s, u"面试题"_s, u"快速上手"_s, u"进阶技巧"_s, u"完整示例"_s, u"踩坑记录"_s,
};
const QStringList kTasks = {
    u"文件批量重命名"_s, u"学生成绩统计"_s, u"简易计算器"_s, u"聊天室"_s, u"网页爬虫"_s, u"图书管理"_s, u"俄罗斯方块"_s, u"贪吃蛇游戏"_s,
    u"日志分析"_s, u"数据导出 Excel"_s, u"验证码识别"_s, u"二维码生成"_s, u"断点续传"_s, u"多文件上传"_s, u"登录注册"_s, u"购物车"_s,
    u"秒杀"_s, u"权限管理"_s, u"留言板"_s, u"天气查询"_s,
};
const QStringList kModules = {u"需求分析"_s, u"数据库设计"_s, u"核心代码"_s, u"界面实现"_s, u"接口设计"_s, u"部署说明"_s, u"测试报告"_s};
const QStringList kApproaches = {u"方案对比"_s, u"选型建议"_s, u"性能测试"_s, u"常见问题"_s, u"实施步骤"_s};
const QStringList kScreens = {u"登录"_s, u"主窗口"_s, u"设置"_s, u"报表"_s, u"列表"_s, u"详情"_s, u"向导"_s};
const QStringList kThemes = {u"商务蓝"_s, u"清新绿"_s, u"活力橙"_s, u"典雅紫"_s, u"深邃灰"_s, u"中国红"_s};

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
