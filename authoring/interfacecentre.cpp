#include "centreauthor.h"
#include "democentres.h"
#include "pictures.h"

namespace kelvor::authoring {

namespace {

struct Application {
    QString name;
    QStringList columns;  // of its main list
};

const QList<Application>& applications()
{
    static const QList<Application> all = {
        {QStringLiteral("图书管理系统"), {QStringLiteral("图书编号"), QStringLiteral("书名"), QStringLiteral("读者"), QStringLiteral("借出日期"), QStringLiteral("状态")}},
        {QStringLiteral("学生成绩管理系统"), {QStringLiteral("学生编号"), QStringLiteral("姓名"), QStringLiteral("语文成绩"), QStringLiteral("数学成绩"), QStringLiteral("英语成绩")}},
        {QStringLiteral("仓库管理系统"), {QStringLiteral("商品编号"), QStringLiteral("商品名称"), QStringLiteral("库存数量"), QStringLiteral("价格"), QStringLiteral("入库日期")}},
        {QStringLiteral("酒店预订系统"), {QStringLiteral("订单编号"), QStringLiteral("客户"), QStringLiteral("入住日期"), QStringLiteral("金额"), QStringLiteral("状态")}},
        {QStringLiteral("医院挂号系统"), {QStringLiteral("挂号单号"), QStringLiteral("姓名"), QStringLiteral("就诊日期"), QStringLiteral("金额"), QStringLiteral("状态")}},
        {QStringLiteral("超市收银系统"), {QStringLiteral("流水单号"), QStringLiteral("商品名称"), QStringLiteral("数量"), QStringLiteral("金额"), QStringLiteral("时间")}},
        {QStringLiteral("人事管理系统"), {QStringLiteral("员工编号"), QStringLiteral("姓名"), QStringLiteral("入职日期"), QStringLiteral("金额"), QStringLiteral("状态")}},
        {QStringLiteral("客户关系管理系统"), {QStringLiteral("客户编号"), QStringLiteral("联系人"), QStringLiteral("最近联系日期"), QStringLiteral("金额"), QStringLiteral("状态")}},
    };
    return all;
}

struct DialogDesign {
    QString caption;
    QStringList options;
};

const QList<DialogDesign>& dialogs()
{
    static const QList<DialogDesign> all = {
        {QStringLiteral("系统设置"), {QStringLiteral("开机时自动启动"), QStringLiteral("关闭窗口时最小化到托盘"), QStringLiteral("自动检查更新"), QStringLiteral("启用操作日志")}},
        {QStringLiteral("用户权限设置"), {QStringLiteral("允许新增记录"), QStringLiteral("允许修改记录"), QStringLiteral("允许删除记录"), QStringLiteral("允许导出数据")}},
        {QStringLiteral("数据库连接设置"), {QStringLiteral("使用加密连接"), QStringLiteral("记住数据库密码"), QStringLiteral("启动时测试连接"), QStringLiteral("断线后自动重连")}},
        {QStringLiteral("打印设置"), {QStringLiteral("打印表格线"), QStringLiteral("打印页眉页脚"), QStringLiteral("横向打印"), QStringLiteral("打印前预览")}},
        {QStringLiteral("备份与恢复"), {QStringLiteral("每天自动备份"), QStringLiteral("备份前压缩数据"), QStringLiteral("保留最近 7 份备份"), QStringLiteral("恢复前确认")}},
        {QStringLiteral("个性化设置"), {QStringLiteral("使用大号字体"), QStringLiteral("显示工具栏文字"), QStringLiteral("表格隔行变色"), QStringLiteral("记住窗口位置")}},
        {QStringLiteral("消息通知设置"), {QStringLiteral("新订单提醒"), QStringLiteral("库存不足提醒"), QStringLiteral("播放提示音"), QStringLiteral("免打扰时段")}},
        {QStringLiteral("数据导入向导"), {QStringLiteral("第一行是标题"), QStringLiteral("跳过空白行"), QStringLiteral("遇到错误继续导入"), QStringLiteral("导入后生成报告")}},
    };
    return all;
}

struct ReportDesign {
    QString caption;
    QStringList categories;
};

const QList<ReportDesign>& reports()
{
    static const QList<ReportDesign> all = {
        {QStringLiteral("月度销售统计"), {QStringLiteral("1月"), QStringLiteral("2月"), QStringLiteral("3月"), QStringLiteral("4月"), QStringLiteral("5月"), QStringLiteral("6月")}},
        {QStringLiteral("各部门人员构成"), {QStringLiteral("研发"), QStringLiteral("测试"), QStringLiteral("市场"), QStringLiteral("销售"), QStringLiteral("行政")}},
        {QStringLiteral("库存周转分析"), {QStringLiteral("文具"), QStringLiteral("数码"), QStringLiteral("家电"), QStringLiteral("食品"), QStringLiteral("日用")}},
        {QStringLiteral("成绩分布统计"), {QStringLiteral("90以上"), QStringLiteral("80-89"), QStringLiteral("70-79"), QStringLiteral("60-69"), QStringLiteral("60以下")}},
        {QStringLiteral("客房入住率"), {QStringLiteral("周一"), QStringLiteral("周二"), QStringLiteral("周三"), QStringLiteral("周四"), QStringLiteral("周五"), QStringLiteral("周六"), QStringLiteral("周日")}},
        {QStringLiteral("网站访问量趋势"), {QStringLiteral("第1周"), QStringLiteral("第2周"), QStringLiteral("第3周"), QStringLiteral("第4周")}},
    };
    return all;
}

const ScreenTheme& theme(int index)
{
    return screenThemes().at(index % screenThemes().size());
}

QString describe(const InterfaceScreen& s, const QString& kind)
{
    return QStringLiteral("%1 %2 %3风格 %4 界面设计 %5")
        .arg(s.application, s.caption, s.theme.name, kind, s.items.join(QLatin1Char(' ')));
}

}  // namespace

void addInterfaceCentre(LibraryContent& content)
{
    CentreAuthor centre(content, QStringLiteral("jmzx"));
    auto add = [&](const QString& parent, const QString& title, const InterfaceScreen& screen, const QString& kind,
                   const QString& link) {
        centre.picture(parent, title, describe(screen, kind), drawInterfaceScreen(screen),
                       {.link = link, .jbmc = QStringLiteral("界面设计"), .jbnr = kind, .exampleKeywordLinks = {kind}});
    };

    InterfaceScreen overview{ScreenKind::Dialog, QStringLiteral("界面设计规范"), QStringLiteral("界面设计规范：配色与控件"),
                             theme(0), {QStringLiteral("统一的标题栏颜色"), QStringLiteral("按钮高度 30 像素"),
                                        QStringLiteral("输入框左侧标签对齐"), QStringLiteral("主要操作使用强调色")}, 0};
    add(QString(), overview.caption, overview, QStringLiteral("设计规范"), QStringLiteral("jmguide"));

    // Twenty-four login screens in one folder: the thumbnails need two pages of sixteen.
    const QString logins = centre.folder(QString(), QStringLiteral("登录与注册界面"));
    int variant = 0;
    for (int round = 0; round < 3; ++round) {
        for (int a = 0; a < applications().size(); ++a) {
            const Application& app = applications().at(a);
            const ScreenTheme& t = theme(a + round * 2);
            InterfaceScreen s{ScreenKind::Login, app.name, app.name + QStringLiteral(" - 用户登录"), t, {}, variant++};
            add(logins, QStringLiteral("%1登录界面（%2）").arg(app.name, t.name), s, QStringLiteral("登录界面"),
                QStringLiteral("jmlogin01"));
        }
    }

    const QString mains = centre.folder(QString(), QStringLiteral("管理系统主界面"));
    for (int a = 0; a < 4; ++a) {
        const Application& app = applications().at(a);
        const QString folder = centre.folder(mains, app.name);
        const QStringList pages = {QStringLiteral("主窗口"), QStringLiteral("数据列表"), QStringLiteral("查询结果")};
        for (int p = 0; p < pages.size(); ++p) {
            InterfaceScreen s{ScreenKind::MainWindow, app.name, app.name + QStringLiteral(" - ") + pages[p],
                              theme(a * 2 + p), app.columns, p};
            add(folder, QStringLiteral("%1%2界面").arg(app.name, pages[p]), s, QStringLiteral("主界面"),
                QStringLiteral("jmmain01"));
        }
        const QString children = centre.folder(folder, QStringLiteral("子窗口"));
        for (int d = 0; d < 2; ++d) {
            const DialogDesign& dialog = dialogs().at((a * 2 + d) % dialogs().size());
            InterfaceScreen s{ScreenKind::Dialog, app.name, app.name + QStringLiteral(" - ") + dialog.caption,
                              theme(a * 2), dialog.options, d};
            add(children, QStringLiteral("%1%2窗口").arg(app.name, dialog.caption), s, QStringLiteral("对话框"),
                QStringLiteral("jmmain01"));
        }
        if (a == 0) centre.comingSoonFolder(children);
    }

    // A short folder name: these documents get "l" keys in the centre tree.
    const QString dialogFolder = centre.folder(QString(), QStringLiteral("对话框与设置界面"));
    for (int d = 0; d < dialogs().size(); ++d) {
        const DialogDesign& dialog = dialogs().at(d);
        InterfaceScreen s{ScreenKind::Dialog, QStringLiteral("通用对话框"), dialog.caption, theme(d + 1), dialog.options, d};
        add(dialogFolder, QStringLiteral("%1对话框（%2）").arg(dialog.caption, s.theme.name), s, QStringLiteral("对话框"),
            QStringLiteral("jmdlg"));
    }

    const QString reportFolder = centre.folder(QString(), QStringLiteral("数据报表界面"));
    for (int r = 0; r < reports().size(); ++r) {
        const ReportDesign& report = reports().at(r);
        InterfaceScreen s{ScreenKind::Report, QStringLiteral("数据报表"), report.caption, theme(r + 3), report.categories, r};
        add(reportFolder, QStringLiteral("%1报表界面").arg(report.caption), s, QStringLiteral("数据报表"),
            QStringLiteral("jmreport"));
    }
    centre.finish();
}

}  // namespace kelvor::authoring
