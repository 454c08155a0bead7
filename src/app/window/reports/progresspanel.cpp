#include "progresspanel.h"

#include "app/window/accessiblecontrols.h"

#include <QEvent>
#include <QLabel>

namespace kelvor {

namespace {
constexpr int kBarHeight = 14;
}

ProgressPanel::ProgressPanel(QWidget* parent) : QFrame(parent), m_label(new QLabel(this)), m_bar(new QFrame(this))
{
    setObjectName(QStringLiteral("Frame21"));
    setAccessibleName(QStringLiteral("查询进度"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_label->setText(QStringLiteral("请等候,正在查询!!!  取消本次操作,请双击进度条"));
    m_label->setObjectName(QStringLiteral("progressLabel"));
    m_bar->setObjectName(QStringLiteral("Picture4"));
    makeProgressBar(m_bar, QStringLiteral("进度条"));
    m_bar->setStyleSheet(QStringLiteral("background: rgb(0, 0, 160);"));
    for (QWidget* w : {static_cast<QWidget*>(m_label), static_cast<QWidget*>(m_bar), static_cast<QWidget*>(this)})
        w->installEventFilter(this);
    setMinimumHeight(56);
    hide();
}

void ProgressPanel::setProgress(double share)
{
    m_share = std::clamp(share, 0.0, 1.0);
    placeBar();
}

bool ProgressPanel::eventFilter(QObject* watched, QEvent* event)
{
    // A single click cancels as a double click does: both mean "stop".
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick) {
        if (isVisible()) emit cancelRequested();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

void ProgressPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    m_label->setGeometry(8, 6, width() - 16, 20);
    placeBar();
}

void ProgressPanel::placeBar()
{
    const int full = std::max(0, width() - 16);
    // The bar starts visible so the user sees where to click.
    m_bar->setGeometry(8, 30, std::max(7, int(full * m_share)), kBarHeight);
    setAccessibleProgress(m_bar, m_share);
}

}  // namespace kelvor
