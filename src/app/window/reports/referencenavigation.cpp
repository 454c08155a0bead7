#include "referencenavigation.h"

#include "app/window/accessiblecontrols.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QScrollArea>

namespace kelvor {

namespace {
// Measures of the panel in pixels (15 twips each).
constexpr int kKeywordShift = 27;  // 400 twips
constexpr int kStripGap = 7;       // 100 twips
}  // namespace

ReferenceNavigationPanel::ReferenceNavigationPanel(QWidget* parent, std::function<QRect()> strip)
    : QFrame(parent),
      m_strip(std::move(strip)),
      m_title(new QLabel(QStringLiteral("参考导航："), this)),
      m_arrow(new QLabel(this)),
      m_border(new QFrame(this)),
      m_keywords(new QScrollArea(this))
{
    setObjectName(QStringLiteral("Picture14"));
    setAccessibleName(QStringLiteral("参考导航"));
    setAutoFillBackground(true);
    setMouseTracking(true);
    m_title->setObjectName(QStringLiteral("Label9"));
    m_title->move(8, 6);
    m_arrow->setObjectName(QStringLiteral("Image4"));
    m_arrow->setMouseTracking(true);
    makePressable(m_arrow, QStringLiteral("折叠或展开参考导航"));
    makePressable(m_title, QStringLiteral("降下或升起参考导航"));
    m_border->setObjectName(QStringLiteral("Shape1"));
    m_border->setFrameShape(QFrame::Box);
    m_border->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_border->lower();
    m_keywords->setObjectName(QStringLiteral("keywordLabels"));
    m_keywords->setAccessibleName(QStringLiteral("参考导航记录"));
    m_keywords->setFrameShape(QFrame::NoFrame);
    m_keywords->setWidgetResizable(false);
    m_keywords->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (QObject* o : {static_cast<QObject*>(m_title), static_cast<QObject*>(m_arrow), static_cast<QObject*>(this)})
        o->installEventFilter(this);
    setArrow(1011);
    resize(220, 160);
    hide();
}

QPixmap ReferenceNavigationPanel::arrow(int number)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    const bool hot = number == 1016 || number == 1017;
    const bool down = number == 1012 || number == 1017;  // collapsed: points to where it opens
    p.setBrush(hot ? QColor(220, 40, 40) : QColor(40, 70, 140));
    p.setPen(Qt::NoPen);
    QPainterPath path;
    if (down) {
        path.moveTo(3, 5), path.lineTo(13, 5), path.lineTo(8, 12);
    } else {
        path.moveTo(3, 11), path.lineTo(13, 11), path.lineTo(8, 4);
    }
    path.closeSubpath();
    p.drawPath(path);
    return picture;
}

void ReferenceNavigationPanel::setArrow(int number)
{
    m_arrowPicture = number;
    m_arrow->setPixmap(arrow(number));
    m_arrow->resize(16, 16);
}

void ReferenceNavigationPanel::setKeywordLabels(QWidget* labels)
{
    m_keywords->setWidget(labels);
    placeKeywords();
}

void ReferenceNavigationPanel::placeKeywords()
{
    // Below the title; on the strip (collapsed) they move up with the title gone.
    constexpr int kTop = 30;
    const int top = kTop - (isCollapsed() ? kKeywordShift : 0);
    m_keywords->setGeometry(10, top, std::max(0, width() - 20), std::max(0, height() - kTop - 8));
}

bool ReferenceNavigationPanel::isCollapsed() const { return m_collapsed; }

void ReferenceNavigationPanel::toggleLowered()
{
    if (!m_strip) return;
    const int lowered = m_strip().top() - kStripGap;
    // Where it was before it went down, not the lowered place itself.
    if (y() < m_strip().top() && y() != lowered) m_loweredFrom = y();
    move(x(), y() != lowered ? lowered : m_loweredFrom);
}

void ReferenceNavigationPanel::toggleCollapsed()
{
    if (!m_strip) return;
    if (m_collapsed) {
        m_collapsed = false;
        moveKeywords(kKeywordShift);
        setArrow(1011);
        m_title->show();
        setGeometry(x(), m_restoreTop, width(), m_restoreHeight);
        return;
    }
    m_collapsed = true;
    moveKeywords(-kKeywordShift);
    m_restoreHeight = height();
    m_restoreTop = y();
    setArrow(1012);
    const QRect strip = m_strip();
    setGeometry(x(), strip.top(), width(), strip.height());
    m_title->hide();
}

void ReferenceNavigationPanel::moveKeywords(int dy) { m_keywords->move(m_keywords->x(), m_keywords->y() + dy); }

void ReferenceNavigationPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    m_arrow->move(width() - 20, 2);
    m_border->setGeometry(1, 1, width() - 2, height() - 2);
    m_keywords->resize(std::max(0, width() - 20), std::max(0, height() - 38));
}

bool ReferenceNavigationPanel::eventFilter(QObject* watched, QEvent* event)
{
    const bool taller = !isCollapsed();
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (watched == m_arrow)
            setArrow(taller ? 1016 : 1017);
        else if (watched == this)
            setArrow(taller ? 1011 : 1012);
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        if (watched == m_arrow) {
            toggleCollapsed();
            return true;
        }
        if (watched == m_title || watched == this) {
            toggleLowered();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace kelvor
