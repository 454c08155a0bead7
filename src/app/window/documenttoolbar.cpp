#include "documenttoolbar.h"

#include "bitmaps.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QShortcut>
#include <QtMath>

namespace kelvor {

namespace {

constexpr int kSlotWidth = 58;   // pixels per icon with its caption
constexpr int kIconSize = 24;
constexpr int kCaptionHeight = 16;
constexpr int kTopInset = 1;

// Colours of the hover rules, written as the form wrote them (blue-green-red).
QColor fromBgr(unsigned bgr) { return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF)); }
const QColor kIdleCaption = fromBgr(0xFFFFFF);
const QColor kHoverCaption = fromBgr(0x4E101A);
const QColor kPressedGlyph = fromBgr(0xFF0000);
const QColor kPressedFrame = fromBgr(0x404040);
const QColor kIdleGlyph = fromBgr(0x000000);
// The bar behind the white captions.
const QColor kBarBackground(0x2f, 0x4d, 0x6d);
const QColor kIconFace(0xe8, 0xee, 0xf4);

QColor buttonFace() { return QApplication::palette().color(QPalette::Button); }

// The glyph of icon `index` in a square of side `s`.
QPainterPath glyph(int index, qreal s)
{
    QPainterPath p;
    const qreal m = s * 0.22;  // margin
    const qreal c = s / 2;
    switch (static_cast<ToolbarAction>(index)) {
    case ToolbarAction::Back:
        p.moveTo(m, c);
        p.lineTo(s - m, m);
        p.lineTo(s - m, s - m);
        p.closeSubpath();
        break;
    case ToolbarAction::Forward:
        p.moveTo(s - m, c);
        p.lineTo(m, m);
        p.lineTo(m, s - m);
        p.closeSubpath();
        break;
    case ToolbarAction::Copy:
        p.addRect(QRectF(m, m, s * 0.38, s * 0.42));
        p.addRect(QRectF(c - m * 0.3, c - m * 0.5, s * 0.38, s * 0.42));
        break;
    case ToolbarAction::Favourites:
        for (int k = 0; k < 10; ++k) {
            const qreal r = (k % 2 == 0) ? c - m * 0.6 : (c - m * 0.6) * 0.45;
            const qreal a = -M_PI / 2 + k * M_PI / 5;
            const QPointF pt(c + r * std::cos(a), c + r * std::sin(a));
            if (k == 0)
                p.moveTo(pt);
            else
                p.lineTo(pt);
        }
        p.closeSubpath();
        break;
    case ToolbarAction::Search:
        p.addEllipse(QPointF(c - m * 0.4, c - m * 0.4), s * 0.2, s * 0.2);
        p.moveTo(c + s * 0.08, c + s * 0.08);
        p.lineTo(s - m, s - m);
        break;
    case ToolbarAction::Notes:
        p.addRect(QRectF(m, m * 0.8, s - 2 * m, s - 1.6 * m));
        for (int line = 1; line <= 3; ++line) {
            p.moveTo(m * 1.5, m * 0.8 + line * (s - 1.6 * m) / 4);
            p.lineTo(s - m * 1.5, m * 0.8 + line * (s - 1.6 * m) / 4);
        }
        break;
    case ToolbarAction::PageTop:
        p.moveTo(m, m);
        p.lineTo(s - m, m);
        p.moveTo(c, m * 1.6);
        p.lineTo(s - m, s - m);
        p.lineTo(m, s - m);
        p.closeSubpath();
        break;
    case ToolbarAction::SwitchPane:
        p.addRect(QRectF(m, m, s * 0.2, s - 2 * m));
        p.addRect(QRectF(m + s * 0.28, m, s - 2 * m - s * 0.28, s - 2 * m));
        break;
    case ToolbarAction::Bookmark:
        p.moveTo(m * 1.4, m * 0.8);
        p.lineTo(s - m * 1.4, m * 0.8);
        p.lineTo(s - m * 1.4, s - m * 0.8);
        p.lineTo(c, s - m * 2);
        p.lineTo(m * 1.4, s - m * 0.8);
        p.closeSubpath();
        break;
    }
    return p;
}

// The picture behind a lit icon.
QPixmap hoverPicture(int size)
{
    QPixmap picture(size, size);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0xff, 0xc8, 0x4a), 2));
    painter.setBrush(QColor(0xff, 0xf3, 0xd6));
    painter.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), 6, 6);
    return picture;
}

}  // namespace

// ------------------------------------------------------------------ ToolbarIcon

ToolbarIcon::ToolbarIcon(int index, QWidget* parent) : QAbstractButton(parent), m_index(index)
{
    setObjectName(QStringLiteral("Label2(%1)").arg(index));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void ToolbarIcon::setGlyphColour(const QColor& colour)
{
    m_glyph = colour;
    update();
}

QSize ToolbarIcon::sizeHint() const { return {kIconSize, kIconSize}; }

void ToolbarIcon::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = std::min(width(), height());
    painter.setPen(Qt::NoPen);
    painter.setBrush(kIconFace);
    painter.drawEllipse(QRectF(1.5, 1.5, s - 3, s - 3));
    const QPainterPath shape = glyph(m_index, s);
    painter.setPen(QPen(m_glyph, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const bool outline = m_index == int(ToolbarAction::Search) || m_index == int(ToolbarAction::Notes) ||
                         m_index == int(ToolbarAction::Copy) || m_index == int(ToolbarAction::SwitchPane);
    painter.setBrush(outline ? Qt::NoBrush : QBrush(m_glyph));
    painter.drawPath(shape);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1.5, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(0.5, 0.5, width() - 1, height() - 1), 4, 4);
    }
}

void ToolbarIcon::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered(m_index);
    QAbstractButton::mouseMoveEvent(event);
}

void ToolbarIcon::focusInEvent(QFocusEvent* event)
{
    // The keyboard lights the icon it reaches as the pointer does.
    emit hovered(m_index);
    QAbstractButton::focusInEvent(event);
}

// -------------------------------------------------------------- DocumentToolbar

QString DocumentToolbar::caption(ToolbarAction action)
{
    switch (action) {
    case ToolbarAction::Back: return QStringLiteral("后退");
    case ToolbarAction::Forward: return QStringLiteral("前进");
    case ToolbarAction::Copy: return QStringLiteral("复制");
    case ToolbarAction::Favourites: return QStringLiteral("收藏");
    case ToolbarAction::Search: return QStringLiteral("搜索");
    case ToolbarAction::Notes: return QStringLiteral("心得");
    case ToolbarAction::PageTop: return QStringLiteral("页首");
    case ToolbarAction::SwitchPane: return QStringLiteral("切换");
    case ToolbarAction::Bookmark: return QStringLiteral("书签");
    }
    return {};
}

QKeySequence DocumentToolbar::shortcut(ToolbarAction action)
{
    switch (action) {
    case ToolbarAction::Back: return QKeySequence(Qt::ALT | Qt::Key_Left);
    case ToolbarAction::Forward: return QKeySequence(Qt::ALT | Qt::Key_Right);
    case ToolbarAction::Copy: return QKeySequence(Qt::CTRL | Qt::Key_C);
    case ToolbarAction::Search: return QKeySequence(Qt::CTRL | Qt::Key_F);
    case ToolbarAction::PageTop: return QKeySequence(Qt::Key_Home);
    default: return {};
    }
}

QString DocumentToolbar::toolTip(ToolbarAction action)
{
    QString what;
    switch (action) {
    case ToolbarAction::Back: what = QStringLiteral("后退：回到上一个看过的文档"); break;
    case ToolbarAction::Forward: what = QStringLiteral("前进：回到后退之前看的文档"); break;
    case ToolbarAction::Copy: what = QStringLiteral("可以选择12行以内的数据进行复制!!"); break;
    case ToolbarAction::Favourites: what = QStringLiteral("收藏：打开收藏夹，收藏或打开文档"); break;
    case ToolbarAction::Search: what = QStringLiteral("搜索：在文档中查找文字并标上颜色"); break;
    case ToolbarAction::Notes: what = QStringLiteral("心得：打开学习心得，为文档写下心得"); break;
    case ToolbarAction::PageTop: what = QStringLiteral("页首：回到文档的开头"); break;
    case ToolbarAction::SwitchPane: what = QStringLiteral("切换：隐藏或显示左侧目录"); break;
    case ToolbarAction::Bookmark: what = QStringLiteral("书签：建立书签，或从书签处继续阅读"); break;
    }
    const QKeySequence keys = shortcut(action);
    if (keys.isEmpty()) return what;
    return QStringLiteral("%1（快捷键 %2）").arg(what, keys.toString(QKeySequence::NativeText));
}

DocumentToolbar::DocumentToolbar(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("documentToolbarIcons"));
    setAccessibleName(QStringLiteral("文档工具栏"));
    setAutoFillBackground(true);
    QPalette bar = palette();
    bar.setColor(QPalette::Window, kBarBackground);
    setPalette(bar);
    setMouseTracking(true);

    m_frame = new QFrame(this);
    m_frame->setObjectName(QStringLiteral("Shape9"));
    m_frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_frame->hide();
    paintFrame(buttonFace());

    for (int i = 0; i < kIconCount; ++i) {
        const auto action = static_cast<ToolbarAction>(i);
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("Image6(%1)").arg(i));
        picture->setPixmap(hoverPicture(kIconSize + 4));
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        picture->hide();
        m_hoverPictures[size_t(i)] = picture;

        auto* icon = new ToolbarIcon(i, this);
        icon->setText(caption(action));
        icon->setAccessibleName(caption(action));
        icon->setToolTip(toolTip(action));
        icon->setAccessibleDescription(toolTip(action));
        m_icons[size_t(i)] = icon;
        connect(icon, &ToolbarIcon::hovered, this, &DocumentToolbar::hover);
        connect(icon, &QAbstractButton::pressed, this, [this, i] { press(i); });
        connect(icon, &QAbstractButton::released, this, [this, i] { release(i); });
        connect(icon, &QAbstractButton::clicked, this, [this, action] { emit activated(action); });

        auto* label = new QLabel(caption(action), this);
        label->setObjectName(QStringLiteral("Label30(%1)").arg(i));
        label->setAlignment(Qt::AlignCenter);
        label->setFont(Bitmaps::captionFont(12));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_captions[size_t(i)] = label;

        // The shortcuts work wherever the focus is in the window, except
        // where a text box takes the same keys for itself.
        if (const QKeySequence keys = shortcut(action); !keys.isEmpty()) {
            auto* key = new QShortcut(keys, this);
            key->setContext(Qt::WindowShortcut);
            connect(key, &QShortcut::activated, this, [this, action] { emit shortcutUsed(action); });
        }
    }
    m_autoScroll = new QCheckBox(QStringLiteral("自动滚动阅读"), this);
    m_autoScroll->setObjectName(QStringLiteral("Check6"));
    m_autoScroll->setAccessibleName(m_autoScroll->text());
    m_autoScroll->setToolTip(QStringLiteral("自动滚动阅读：让文档慢慢向下滚动"));
    {
        QPalette light = m_autoScroll->palette();
        light.setColor(QPalette::WindowText, kIdleCaption);
        m_autoScroll->setPalette(light);
    }
    connect(m_autoScroll, &QCheckBox::toggled, this, &DocumentToolbar::autoScrollToggled);

    for (int i = 0; i < kIconCount; ++i) {
        QPalette idle = m_captions[size_t(i)]->palette();
        idle.setColor(QPalette::WindowText, kIdleCaption);
        m_captions[size_t(i)]->setPalette(idle);
    }
    placeControls();
}

void DocumentToolbar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeControls();
}

void DocumentToolbar::placeControls()
{
    for (int i = 0; i < kIconCount; ++i) {
        const int left = i * kSlotWidth;
        // Icon, then caption, within the toolbar row of 46 pixels.
        m_icons[size_t(i)]->setGeometry(left + (kSlotWidth - kIconSize) / 2, kTopInset + 2, kIconSize, kIconSize);
        m_hoverPictures[size_t(i)]->setGeometry(left + (kSlotWidth - kIconSize - 4) / 2, kTopInset, kIconSize + 4,
                                                kIconSize + 4);
        m_captions[size_t(i)]->setGeometry(left, kTopInset + kIconSize + 4, kSlotWidth, kCaptionHeight);
    }
    const QSize option = m_autoScroll->sizeHint();
    m_autoScroll->setGeometry(kIconCount * kSlotWidth + 12, (std::max(height(), 46) - option.height()) / 2,
                              option.width(), option.height());
}

void DocumentToolbar::paintFrame(const QColor& colour)
{
    m_frameColour = colour;
    QPalette p = m_frame->palette();
    p.setColor(QPalette::Window, colour);
    m_frame->setPalette(p);
    m_frame->setAutoFillBackground(true);
    m_frame->update();
}

void DocumentToolbar::hover(int index)
{
    if (index < 0 || index >= kIconCount) return;
    for (int i = 0; i < kIconCount; ++i) {
        QPalette p = m_captions[size_t(i)]->palette();
        p.setColor(QPalette::WindowText, kIdleCaption);
        m_captions[size_t(i)]->setPalette(p);
        m_hoverPictures[size_t(i)]->hide();
    }
    m_frame->setGeometry(index * kSlotWidth, 0, kSlotWidth, std::max(height(), kIconSize + kCaptionHeight + 8));
    paintFrame(buttonFace());
    m_frame->show();
    m_frame->lower();
    QPalette lit = m_captions[size_t(index)]->palette();
    lit.setColor(QPalette::WindowText, kHoverCaption);
    m_captions[size_t(index)]->setPalette(lit);
    m_hoverPictures[size_t(index)]->show();
    m_hoverPictures[size_t(index)]->stackUnder(m_icons[size_t(index)]);
}

void DocumentToolbar::press(int index)
{
    m_icons[size_t(index)]->setGlyphColour(kPressedGlyph);
    paintFrame(kPressedFrame);
}

void DocumentToolbar::release(int index)
{
    m_icons[size_t(index)]->setGlyphColour(kIdleGlyph);
    paintFrame(buttonFace());
}

QColor DocumentToolbar::captionColour(int index) const
{
    return m_captions[size_t(index)]->palette().color(QPalette::WindowText);
}

bool DocumentToolbar::isHoverPictureShown(int index) const { return !m_hoverPictures[size_t(index)]->isHidden(); }
bool DocumentToolbar::isFrameShown() const { return !m_frame->isHidden(); }
QRect DocumentToolbar::frameGeometry() const { return m_frame->geometry(); }
QColor DocumentToolbar::iconGlyphColour(int index) const { return m_icons[size_t(index)]->glyphColour(); }

}  // namespace kelvor

namespace kelvor {

QRect DocumentToolbar::iconRect(ToolbarAction action) const { return m_icons[size_t(action)]->geometry(); }
bool DocumentToolbar::isAutoScrollOn() const { return m_autoScroll->isChecked(); }
void DocumentToolbar::setAutoScrollOn(bool on) { m_autoScroll->setChecked(on); }

}  // namespace kelvor
