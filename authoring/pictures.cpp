#include "pictures.h"

#include "authoringerror.h"

#include <QBuffer>
#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace kelvor::authoring {

namespace {

constexpr int kWidth = 600;
constexpr int kHeight = 420;
constexpr int kJpegQuality = 85;

// Deterministic numbers for sample data: the same screen always shows the same figures.
class SampleNumbers {
public:
    explicit SampleNumbers(const QString& seedText, int variant)
    {
        m_state = 2166136261u;
        for (const QChar c : seedText) m_state = (m_state ^ c.unicode()) * 16777619u;
        m_state ^= static_cast<quint32>(variant) * 2654435761u;
        if (m_state == 0) m_state = 1;
    }
    int next(int low, int high)
    {
        m_state ^= m_state << 13;
        m_state ^= m_state >> 17;
        m_state ^= m_state << 5;
        return low + static_cast<int>(m_state % static_cast<quint32>(high - low + 1));
    }

private:
    quint32 m_state;
};

QFont uiFont(int pixelSize, bool bold = false)
{
    QFont f(QStringLiteral("Noto Sans CJK SC"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

void drawText(QPainter& p, const QRect& r, const QString& text, int size, const QColor& color,
              int flags = Qt::AlignLeft | Qt::AlignVCenter, bool bold = false)
{
    p.setFont(uiFont(size, bold));
    p.setPen(color);
    p.drawText(r, flags, text);
}

void drawButton(QPainter& p, const QRect& r, const QString& text, const ScreenTheme& t, bool filled)
{
    p.setPen(QPen(t.primary, 1));
    p.setBrush(filled ? t.primary : QColor(Qt::white));
    p.drawRoundedRect(r, 4, 4);
    drawText(p, r, text, 13, filled ? QColor(Qt::white) : t.primary, Qt::AlignCenter);
}

void drawInput(QPainter& p, const QRect& r, const QString& hint)
{
    p.setPen(QPen(QColor(0xb8, 0xc0, 0xcc), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    drawText(p, r.adjusted(6, 0, -4, 0), hint, 12, QColor(0x9a, 0xa0, 0xa8));
}

void drawCheck(QPainter& p, const QPoint& at, const QString& text, bool checked, const ScreenTheme& t)
{
    const QRect box(at.x(), at.y(), 13, 13);
    p.setPen(QPen(QColor(0x80, 0x88, 0x90), 1));
    p.setBrush(checked ? t.primary : QColor(Qt::white));
    p.drawRect(box);
    if (checked) {
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(box.left() + 3, box.center().y(), box.center().x(), box.bottom() - 3);
        p.drawLine(box.center().x(), box.bottom() - 3, box.right() - 2, box.top() + 3);
    }
    drawText(p, QRect(at.x() + 19, at.y() - 4, 200, 21), text, 12, t.text);
}

// The window frame with its title bar; returns the client area.
QRect drawWindow(QPainter& p, const QRect& frame, const QString& caption, const ScreenTheme& t)
{
    p.setPen(QPen(t.primary.darker(130), 1));
    p.setBrush(t.surface);
    p.drawRect(frame);
    const QRect bar(frame.left(), frame.top(), frame.width(), 30);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, t.primary.lighter(115));
    g.setColorAt(1, t.primary);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(bar);
    drawText(p, bar.adjusted(12, 0, -80, 0), caption, 13, Qt::white, Qt::AlignLeft | Qt::AlignVCenter, true);
    const QColor dots[] = {QColor(0xf5, 0xc2, 0x42), QColor(0x5c, 0xc9, 0x6b), QColor(0xe8, 0x5d, 0x50)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(QPoint(bar.right() - 58 + i * 20, bar.center().y() + 1), 6, 6);
    }
    return QRect(frame.left() + 1, bar.bottom() + 1, frame.width() - 2, frame.height() - bar.height() - 1);
}

void drawDesktop(QPainter& p, const ScreenTheme& t)
{
    QLinearGradient g(0, 0, kWidth, kHeight);
    g.setColorAt(0, t.primary.lighter(170));
    g.setColorAt(1, t.accent.lighter(150));
    p.fillRect(0, 0, kWidth, kHeight, g);
}

QString sampleCell(const QString& column, int row, SampleNumbers& n)
{
    static const QStringList names = {u"张明"_s, u"李华"_s, u"王芳"_s, u"赵磊"_s, u"陈静"_s, u"刘洋"_s, u"孙丽"_s, u"周杰"_s, u"吴敏"_s, u"郑强"_s};
    static const QStringList goods = {u"机械键盘"_s, u"无线鼠标"_s, u"显示器"_s, u"移动硬盘"_s, u"路由器"_s, u"打印纸"_s, u"U 盘"_s, u"耳机"_s};
    static const QStringList states = {u"正常"_s, u"已完成"_s, u"处理中"_s, u"待审核"_s};
    static const QStringList books = {u"算法导论"_s, u"C 程序设计"_s, u"深入理解计算机系统"_s, u"代码大全"_s, u"数据库系统概论"_s, u"编译原理"_s};
    if (column.contains(QStringLiteral("书名"))) return books.at((row + n.next(0, 5)) % books.size());
    if (column.contains(QStringLiteral("编号")) || column.contains(QStringLiteral("单号")))
        return QStringLiteral("NO.%1").arg(1000 + row * 7 + n.next(0, 6));
    if (column.contains(QStringLiteral("姓名")) || column.contains(QStringLiteral("联系人")) ||
        column.contains(QStringLiteral("读者")) || column.contains(QStringLiteral("客户")))
        return names.at((row * 3 + n.next(0, 9)) % names.size());
    if (column.contains(QStringLiteral("日期")) || column.contains(QStringLiteral("时间")))
        return QStringLiteral("2024-%1-%2")
            .arg(n.next(1, 12), 2, 10, QLatin1Char('0'))
            .arg(n.next(1, 28), 2, 10, QLatin1Char('0'));
    if (column.contains(QStringLiteral("状态"))) return states.at(n.next(0, states.size() - 1));
    if (column.contains(QStringLiteral("金额")) || column.contains(QStringLiteral("价格")))
        return QStringLiteral("%1.00").arg(n.next(20, 2000));
    if (column.contains(QStringLiteral("数量")) || column.contains(QStringLiteral("库存")))
        return QString::number(n.next(1, 500));
    if (column.contains(QStringLiteral("成绩")) || column.contains(QStringLiteral("分")))
        return QString::number(n.next(55, 100));
    return goods.at((row + n.next(0, 7)) % goods.size());
}

void drawLogin(QPainter& p, const InterfaceScreen& s)
{
    const ScreenTheme& t = s.theme;
    const QRect client = drawWindow(p, QRect(70, 45, 460, 330), s.caption, t);
    const bool bannerLeft = s.variant % 2 == 0;
    QRect banner = bannerLeft ? QRect(client.left(), client.top(), 170, client.height())
                              : QRect(client.left(), client.top(), client.width(), 78);
    QLinearGradient g(banner.topLeft(), banner.bottomRight());
    g.setColorAt(0, t.primary);
    g.setColorAt(1, t.accent);
    p.fillRect(banner, g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 70));
    const QPoint logo = bannerLeft ? QPoint(banner.center().x(), banner.top() + 80) : QPoint(banner.left() + 48, banner.center().y());
    p.drawEllipse(logo, 26, 26);
    drawText(p, QRect(logo.x() - 26, logo.y() - 26, 52, 52), s.application.left(1), 24, Qt::white, Qt::AlignCenter, true);
    if (bannerLeft) {
        drawText(p, QRect(banner.left(), banner.top() + 120, banner.width(), 30), s.application, 16, Qt::white,
                 Qt::AlignCenter, true);
        drawText(p, QRect(banner.left(), banner.top() + 150, banner.width(), 24), QStringLiteral("欢迎使用"), 13,
                 QColor(255, 255, 255, 220), Qt::AlignCenter);
    } else {
        drawText(p, QRect(banner.left() + 90, banner.top(), banner.width() - 100, banner.height()), s.application, 20,
                 Qt::white, Qt::AlignLeft | Qt::AlignVCenter, true);
    }
    const int left = bannerLeft ? banner.right() + 28 : client.left() + 70;
    int top = bannerLeft ? client.top() + 40 : banner.bottom() + 24;
    const int labelWidth = 62;
    const int inputWidth = bannerLeft ? 170 : 230;
    drawText(p, QRect(left, top, labelWidth, 28), QStringLiteral("用户名："), 13, t.text);
    drawInput(p, QRect(left + labelWidth, top, inputWidth, 28), QStringLiteral("请输入用户名"));
    top += 42;
    drawText(p, QRect(left, top, labelWidth, 28), QStringLiteral("密  码："), 13, t.text);
    drawInput(p, QRect(left + labelWidth, top, inputWidth, 28), QStringLiteral("请输入密码"));
    top += 42;
    if (s.variant % 3 == 1) {
        drawText(p, QRect(left, top, labelWidth, 28), QStringLiteral("验证码："), 13, t.text);
        drawInput(p, QRect(left + labelWidth, top, inputWidth - 76, 28), QString());
        const QRect code(left + labelWidth + inputWidth - 68, top, 68, 28);
        p.fillRect(code, t.accent.lighter(160));
        drawText(p, code, QStringLiteral("7K3F"), 16, t.primary.darker(120), Qt::AlignCenter, true);
        top += 42;
    }
    drawCheck(p, QPoint(left + labelWidth, top + 2), QStringLiteral("记住密码"), s.variant % 2 == 1, t);
    drawText(p, QRect(left + labelWidth + inputWidth - 80, top - 4, 80, 22), QStringLiteral("忘记密码？"), 12, t.accent,
             Qt::AlignRight | Qt::AlignVCenter);
    top += 34;
    drawButton(p, QRect(left + labelWidth, top, inputWidth / 2 - 6, 32), QStringLiteral("登 录"), t, true);
    drawButton(p, QRect(left + labelWidth + inputWidth / 2 + 6, top, inputWidth / 2 - 6, 32), QStringLiteral("取 消"), t,
               false);
    drawText(p, QRect(client.left(), client.bottom() - 26, client.width() - 12, 22),
             QStringLiteral("版本 %1.%2").arg(2 + s.variant % 3).arg(s.variant % 10), 11, QColor(0x90, 0x96, 0xa0),
             Qt::AlignRight | Qt::AlignVCenter);
}

void drawMainWindow(QPainter& p, const InterfaceScreen& s)
{
    const ScreenTheme& t = s.theme;
    SampleNumbers n(s.caption, s.variant);
    const QRect client = drawWindow(p, QRect(16, 14, 568, 392), s.caption, t);
    const QRect menu(client.left(), client.top(), client.width(), 22);
    p.fillRect(menu, t.surface.darker(104));
    int x = menu.left() + 8;
    for (const QString& m : {QStringLiteral("文件"), QStringLiteral("编辑"), QStringLiteral("查看"), QStringLiteral("数据"),
                             QStringLiteral("工具"), QStringLiteral("帮助")}) {
        drawText(p, QRect(x, menu.top(), 44, menu.height()), m, 12, t.text, Qt::AlignCenter);
        x += 46;
    }
    const QRect tools(client.left(), menu.bottom() + 1, client.width(), 46);
    p.fillRect(tools, t.surface.darker(102));
    x = tools.left() + 10;
    for (const QString& a : {QStringLiteral("新增"), QStringLiteral("修改"), QStringLiteral("删除"), QStringLiteral("查询"),
                             QStringLiteral("导出"), QStringLiteral("打印")}) {
        p.setPen(Qt::NoPen);
        p.setBrush(t.primary.lighter(100 + (x % 3) * 20));
        p.drawRoundedRect(QRect(x + 10, tools.top() + 5, 20, 20), 4, 4);
        drawText(p, QRect(x, tools.top() + 26, 40, 18), a, 11, t.text, Qt::AlignCenter);
        x += 50;
    }
    const QRect status(client.left(), client.bottom() - 21, client.width(), 22);
    p.fillRect(status, t.surface.darker(106));
    drawText(p, status.adjusted(8, 0, -8, 0), QStringLiteral("就绪    当前用户：管理员    共 %1 条记录").arg(n.next(120, 980)),
             11, t.text);
    const QRect nav(client.left(), tools.bottom() + 1, 120, status.top() - tools.bottom() - 1);
    p.fillRect(nav, t.primary.lighter(185));
    int y = nav.top() + 8;
    const QStringList navItems = {QStringLiteral("首页"), QStringLiteral("基础资料"), QStringLiteral("业务管理"),
                                  QStringLiteral("统计报表"), QStringLiteral("系统设置")};
    for (int i = 0; i < navItems.size(); ++i) {
        const QRect item(nav.left() + 6, y, nav.width() - 12, 26);
        if (i == 1 + s.variant % 3) {
            p.setPen(Qt::NoPen);
            p.setBrush(t.primary);
            p.drawRoundedRect(item, 3, 3);
        }
        drawText(p, item.adjusted(12, 0, 0, 0), navItems.at(i), 12, i == 1 + s.variant % 3 ? QColor(Qt::white) : t.text);
        y += 32;
    }
    const QRect area(nav.right() + 10, tools.bottom() + 10, client.right() - nav.right() - 20,
                     status.top() - tools.bottom() - 20);
    drawText(p, QRect(area.left(), area.top(), 60, 26), QStringLiteral("关键字："), 12, t.text);
    drawInput(p, QRect(area.left() + 60, area.top(), 180, 26), QStringLiteral("输入名称或编号"));
    drawButton(p, QRect(area.left() + 250, area.top(), 64, 26), QStringLiteral("查询"), t, true);
    const QStringList& columns = s.items;
    const int columnCount = int(columns.size());
    const QRect table(area.left(), area.top() + 36, area.width(), area.height() - 36);
    const int rowHeight = 24;
    const int colWidth = columnCount > 0 ? table.width() / columnCount : table.width();
    p.fillRect(QRect(table.left(), table.top(), table.width(), rowHeight), t.primary.lighter(160));
    for (int c = 0; c < columnCount; ++c)
        drawText(p, QRect(table.left() + c * colWidth + 6, table.top(), colWidth - 8, rowHeight), columns.at(c), 12,
                 t.text, Qt::AlignLeft | Qt::AlignVCenter, true);
    const int rows = table.height() / rowHeight - 1;
    for (int r = 0; r < rows; ++r) {
        const QRect line(table.left(), table.top() + (r + 1) * rowHeight, table.width(), rowHeight);
        p.fillRect(line, r % 2 ? t.surface.darker(103) : t.surface);
        if (r == s.variant % 4) p.fillRect(line, t.accent.lighter(175));
        for (int c = 0; c < columnCount; ++c)
            drawText(p, QRect(line.left() + c * colWidth + 6, line.top(), colWidth - 8, rowHeight),
                     sampleCell(columns.at(c), r, n), 11, t.text);
    }
    p.setPen(QPen(t.primary.lighter(140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(table.adjusted(0, 0, -1, -1));
}

void drawDialog(QPainter& p, const InterfaceScreen& s)
{
    const ScreenTheme& t = s.theme;
    const QRect client = drawWindow(p, QRect(90, 30, 420, 360), s.caption, t);
    const QStringList tabs = {QStringLiteral("常规"), QStringLiteral("外观"), QStringLiteral("数据库"), QStringLiteral("高级")};
    int x = client.left() + 12;
    const int active = s.variant % tabs.size();
    for (int i = 0; i < tabs.size(); ++i) {
        const QRect tab(x, client.top() + 10, 70, 26);
        p.setPen(QPen(t.primary.lighter(130), 1));
        p.setBrush(i == active ? t.surface : t.surface.darker(108));
        p.drawRect(tab);
        drawText(p, tab, tabs.at(i), 12, i == active ? t.primary : t.text, Qt::AlignCenter, i == active);
        x += 72;
    }
    const QRect page(client.left() + 12, client.top() + 36, client.width() - 24, client.height() - 96);
    p.setPen(QPen(t.primary.lighter(130), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(page);
    drawText(p, QRect(page.left() + 12, page.top() + 8, 200, 22), tabs.at(active) + QStringLiteral("选项"), 13, t.primary,
             Qt::AlignLeft | Qt::AlignVCenter, true);
    int y = page.top() + 40;
    for (int i = 0; i < s.items.size(); ++i) {
        drawCheck(p, QPoint(page.left() + 20, y), s.items.at(i), (i + s.variant) % 3 != 0, t);
        y += 28;
    }
    drawText(p, QRect(page.left() + 20, y + 4, 110, 26), QStringLiteral("自动保存间隔："), 12, t.text);
    const QRect combo(page.left() + 130, y + 4, 110, 26);
    drawInput(p, combo, QStringLiteral("%1 分钟").arg(5 * (1 + s.variant % 4)));
    QPainterPath arrow;
    arrow.moveTo(combo.right() - 16, combo.top() + 10);
    arrow.lineTo(combo.right() - 6, combo.top() + 10);
    arrow.lineTo(combo.right() - 11, combo.top() + 16);
    arrow.closeSubpath();
    p.fillPath(arrow, t.text);
    const int by = client.bottom() - 46;
    drawButton(p, QRect(client.right() - 250, by, 72, 30), QStringLiteral("确定"), t, true);
    drawButton(p, QRect(client.right() - 170, by, 72, 30), QStringLiteral("取消"), t, false);
    drawButton(p, QRect(client.right() - 90, by, 72, 30), QStringLiteral("应用"), t, false);
}

void drawReport(QPainter& p, const InterfaceScreen& s)
{
    const ScreenTheme& t = s.theme;
    SampleNumbers n(s.caption, s.variant);
    const QRect client = drawWindow(p, QRect(20, 16, 560, 388), s.caption, t);
    drawText(p, QRect(client.left(), client.top() + 8, client.width(), 28), s.caption, 16, t.text, Qt::AlignCenter, true);
    const QRect chart(client.left() + 56, client.top() + 50, client.width() - 90, client.height() - 120);
    p.setPen(QPen(QColor(0xd0, 0xd4, 0xda), 1));
    for (int i = 0; i <= 4; ++i) {
        const int y = chart.bottom() - i * chart.height() / 4;
        p.drawLine(chart.left(), y, chart.right(), y);
        drawText(p, QRect(chart.left() - 52, y - 10, 46, 20), QString::number(i * 250), 11, t.text,
                 Qt::AlignRight | Qt::AlignVCenter);
    }
    const int count = int(s.items.size());
    const int slot = count > 0 ? chart.width() / count : chart.width();
    for (int i = 0; i < count; ++i) {
        const int a = n.next(180, 980);
        const int b = n.next(120, 900);
        const int x = chart.left() + i * slot + slot / 2 - 14;
        const int ha = a * chart.height() / 1000;
        const int hb = b * chart.height() / 1000;
        p.fillRect(QRect(x, chart.bottom() - ha, 13, ha), t.primary);
        p.fillRect(QRect(x + 15, chart.bottom() - hb, 13, hb), t.accent);
        drawText(p, QRect(chart.left() + i * slot, chart.bottom() + 4, slot, 20), s.items.at(i), 11, t.text,
                 Qt::AlignCenter);
    }
    p.setPen(QPen(t.text, 1));
    p.drawLine(chart.bottomLeft(), chart.bottomRight());
    p.drawLine(chart.bottomLeft(), chart.topLeft());
    const int ly = client.bottom() - 34;
    p.fillRect(QRect(client.left() + 150, ly + 6, 14, 14), t.primary);
    drawText(p, QRect(client.left() + 170, ly, 90, 26), QStringLiteral("本年度"), 12, t.text);
    p.fillRect(QRect(client.left() + 270, ly + 6, 14, 14), t.accent);
    drawText(p, QRect(client.left() + 290, ly, 90, 26), QStringLiteral("上年度"), 12, t.text);
}

}  // namespace

const QList<ScreenTheme>& screenThemes()
{
    static const QList<ScreenTheme> themes = {
        {QStringLiteral("商务蓝"), QColor(0x1f, 0x5f, 0xa8), QColor(0x3c, 0xa0, 0xe6), QColor(0xf7, 0xf9, 0xfc), QColor(0x26, 0x32, 0x40)},
        {QStringLiteral("清新绿"), QColor(0x2e, 0x8b, 0x57), QColor(0x7c, 0xc5, 0x76), QColor(0xf6, 0xfb, 0xf6), QColor(0x24, 0x36, 0x2a)},
        {QStringLiteral("活力橙"), QColor(0xe0, 0x6c, 0x1f), QColor(0xf5, 0xb0, 0x41), QColor(0xff, 0xfa, 0xf4), QColor(0x3a, 0x2c, 0x22)},
        {QStringLiteral("典雅紫"), QColor(0x6a, 0x4c, 0x9c), QColor(0xa5, 0x7f, 0xd6), QColor(0xfa, 0xf8, 0xfd), QColor(0x2f, 0x26, 0x3d)},
        {QStringLiteral("深邃灰"), QColor(0x3a, 0x40, 0x4a), QColor(0x5c, 0x9d, 0xd6), QColor(0xee, 0xf0, 0xf3), QColor(0x22, 0x26, 0x2c)},
        {QStringLiteral("中国红"), QColor(0xb2, 0x22, 0x22), QColor(0xe8, 0x6a, 0x4a), QColor(0xfd, 0xf7, 0xf5), QColor(0x3b, 0x22, 0x22)},
    };
    return themes;
}

QImage drawInterfaceScreen(const InterfaceScreen& screen)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    drawDesktop(p, screen.theme);
    switch (screen.kind) {
    case ScreenKind::Login: drawLogin(p, screen); break;
    case ScreenKind::MainWindow: drawMainWindow(p, screen); break;
    case ScreenKind::Dialog: drawDialog(p, screen); break;
    case ScreenKind::Report: drawReport(p, screen); break;
    }
    p.end();
    return image;
}

QImage drawPlaceholder(const QSize& size, const QString& title, const QString& subtitle)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0xf4, 0xf8, 0xfc));
    g.setColorAt(1, QColor(0xdc, 0xe8, 0xf4));
    p.fillRect(image.rect(), g);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x79, 40));
    p.drawEllipse(QPoint(size.width() / 2, size.height() / 2 - 40), 60, 60);
    p.setBrush(QColor(0x1f, 0x4e, 0x79));
    p.drawRoundedRect(QRect(size.width() / 2 - 26, size.height() / 2 - 74, 52, 66), 6, 6);
    p.setBrush(Qt::white);
    for (int i = 0; i < 4; ++i) p.drawRect(QRect(size.width() / 2 - 16, size.height() / 2 - 62 + i * 12, 32, 4));
    drawText(p, QRect(0, size.height() / 2 + 30, size.width(), 40), title, 26, QColor(0x1f, 0x4e, 0x79), Qt::AlignCenter,
             true);
    drawText(p, QRect(0, size.height() / 2 + 74, size.width(), 30), subtitle, 15, QColor(0x55, 0x66, 0x77),
             Qt::AlignCenter);
    p.end();
    return image;
}

QByteArray jpegBytes(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "JPG", kJpegQuality))
        throw AuthoringError(QStringLiteral("cannot encode a JPEG picture (is the Qt JPEG plugin installed?)"));
    return bytes;
}

}  // namespace kelvor::authoring
