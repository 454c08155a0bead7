#include "navigationregion.h"

#include "accessiblecontrols.h"
#include "bitmaps.h"
#include "clicklabel.h"
#include "grouptabs.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPolygonF>

namespace kelvor {

namespace {

QString tabStripToolTip()
{
    return QStringLiteral("%1：学习课程 ｜ %2：技术、视频、实例、项目、方案、界面中心 ｜ %3：目录、查询中心、检索与管理")
        .arg(groupName(NavigationGroup::Learning), groupName(NavigationGroup::Centre),
             groupName(NavigationGroup::Query));
}

}  // namespace

NavigationRegion::NavigationRegion(QWidget* window) : QObject(window)
{
    m_banner = new QLabel(window);
    m_banner->setObjectName(QStringLiteral("Imagebar"));
    m_banner->setAccessibleName(QStringLiteral("标题栏"));
    m_banner->installEventFilter(this);

    m_tabs = new ClickLabel(m_banner);
    m_tabs->setObjectName(QStringLiteral("Label45"));
    m_tabs->setAccessibleName(QStringLiteral("分组标签"));
    m_tabs->setToolTip(tabStripToolTip());
    m_tabs->setCursor(Qt::PointingHandCursor);
    const double stripHeight = grouptabs::kStripHeight;
    m_tabs->setGeometry(TwipsRect{grouptabs::kLabelLeft, grouptabs::kStripTop, grouptabs::labelWidth(stripHeight),
                                  grouptabs::kStripHeight}
                            .toPixels());
    connect(m_tabs, &ClickLabel::pressed, this, &NavigationRegion::pressOnStrip);
    offerGroupTabs();

    m_filler = new QLabel(window);
    m_filler->setObjectName(QStringLiteral("Imagebar1"));
    m_filler->setAccessibleName(QStringLiteral("标题栏填充"));

    m_bar = new QLabel(window);
    m_bar->setObjectName(QStringLiteral("Picture13"));
    m_bar->setAccessibleName(QStringLiteral("导航栏"));
    m_bar->setMouseTracking(true);

    for (int i = 0; i < kBarItemCount; ++i) {
        auto* item = new ClickLabel(m_bar);
        item->setObjectName(QStringLiteral("Label1(%1)").arg(i));
        item->setCursor(Qt::PointingHandCursor);
        item->setGeometry(navbar::itemRect(i).toPixels());
        m_items[size_t(i)] = item;
    }

    m_overlay = new QLabel(m_bar);
    m_overlay->setObjectName(QStringLiteral("Image3"));
    m_overlay->setAccessibleName(QStringLiteral("导航栏选中标记"));
    // The items under it keep receiving the pointer.
    m_overlay->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_overlay->hide();
}

ClickLabel* NavigationRegion::barItem(int item) const
{
    return item >= 0 && item < kBarItemCount ? m_items[size_t(item)] : nullptr;
}

void NavigationRegion::connectTo(NavigationController& controller)
{
    m_controller = &controller;
    for (int i = 0; i < kBarItemCount; ++i) {
        connect(m_items[size_t(i)], &ClickLabel::hovered, this, [this, i] { m_controller->barItemHovered(i); });
        connect(m_items[size_t(i)], &ClickLabel::clicked, this, [this, i] { m_controller->barItemClicked(i); });
    }
    m_bar->installEventFilter(this);
}

void NavigationRegion::place(const WindowGeometry& g)
{
    const QSize oldBanner = m_banner->size();
    const QSize oldBar = m_bar->size();
    const QSize oldFiller = m_filler->size();
    m_banner->setGeometry(g.banner.toPixels());
    m_filler->setGeometry(g.bannerFiller.toPixels());
    m_filler->setVisible(g.bannerFiller.width > 0);
    m_bar->setGeometry(g.navigationBar.toPixels());
    // Pictures are drawn again only when their size changed.
    if (m_bannerPicture && m_banner->size() != oldBanner) showBannerPicture(m_bannerPicture);
    if (m_filler->size() != oldFiller && !m_filler->size().isEmpty())
        m_filler->setPixmap(Bitmaps::bannerFiller(m_filler->size()));
    if (m_bar->size() != oldBar) repaintBar();
}

void NavigationRegion::showBannerPicture(int number)
{
    m_bannerPicture = number;
    if (!m_banner->size().isEmpty()) m_banner->setPixmap(Bitmaps::picture(number, m_banner->size()));
}

void NavigationRegion::showBarBackground(int number, NavigationGroup group)
{
    const bool changed = number != m_barPicture || group != m_barGroup;
    m_barPicture = number;
    m_barGroup = group;
    for (int i = 0; i < kBarItemCount; ++i) {
        ClickLabel* item = m_items[size_t(i)];
        const QString caption = barItemCaption(group, i);
        item->setToolTip(caption);
        item->setAccessibleName(caption.isEmpty() ? QStringLiteral("空导航项") : caption);
        // A slot without a page is left blank and takes no clicks.
        item->setVisible(barItemHasPage(group, i));
    }
    if (changed) repaintBar();
}

void NavigationRegion::repaintBar()
{
    if (m_barPicture && !m_bar->size().isEmpty()) m_bar->setPixmap(Bitmaps::picture(m_barPicture, m_bar->size()));
}

void NavigationRegion::showOverlay(const NavigationBarState::Overlay& overlay)
{
    const QRect where = overlay.rect.toPixels();
    if (overlay.picture && (overlay.picture != m_overlayPicture || where.size() != m_overlay->size()))
        m_overlay->setPixmap(Bitmaps::picture(overlay.picture, where.size()));
    m_overlayPicture = overlay.picture;
    m_overlay->setGeometry(where);
    m_overlay->setVisible(overlay.visible && overlay.picture != 0);
    m_overlay->raise();
}

void NavigationRegion::offerGroupTabs()
{
    // The three tabs are one picture: a screen reader is told of each, where
    // it lies, which is chosen, and presses it where a click would land.
    const auto corners = [this](NavigationGroup group) {
        const auto points = grouptabs::tabCorners(group, m_tabs->height() * twips::kPerPixel);
        return QPolygonF(QList<QPointF>(points.begin(), points.end()));
    };
    std::vector<DrawnTab> tabs;
    for (NavigationGroup group : {NavigationGroup::Learning, NavigationGroup::Centre, NavigationGroup::Query}) {
        tabs.push_back({groupName(group),
                        [corners, group] {
                            const QRectF r = corners(group).boundingRect();
                            return QRectF(r.topLeft() / twips::kPerPixel, r.size() / twips::kPerPixel).toRect();
                        },
                        [this, group] { return m_barGroup == group; },
                        [this, corners, group] {
                            QPointF middle;
                            const QPolygonF polygon = corners(group);
                            for (const QPointF& p : polygon) middle += p / polygon.size();
                            pressOnStrip(middle / twips::kPerPixel);
                        }});
    }
    makeDrawnTabs(m_tabs, std::move(tabs));
}

void NavigationRegion::pressOnStrip(const QPointF& labelPosition)
{
    if (!m_controller) return;
    m_controller->tabStripPressed(labelPosition.x() * twips::kPerPixel, labelPosition.y() * twips::kPerPixel,
                                  m_tabs->height() * twips::kPerPixel);
}

bool NavigationRegion::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_banner && event->type() == QEvent::MouseButtonPress) {
        // The learning tab reaches left of the tab label; a press there
        // counts as a press on the label.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QPointF inLabel = mouse->position() - QPointF(m_tabs->pos());
        if (mouse->button() == Qt::LeftButton &&
            grouptabs::onLearningOverhang(inLabel.x() * twips::kPerPixel, inLabel.y() * twips::kPerPixel,
                                          m_tabs->height() * twips::kPerPixel)) {
            pressOnStrip(inLabel);
            return true;
        }
    }
    if (watched == m_bar && event->type() == QEvent::MouseMove && m_controller) m_controller->pointerLeftItems();
    return QObject::eventFilter(watched, event);
}

}  // namespace kelvor
