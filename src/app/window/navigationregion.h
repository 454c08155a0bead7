#pragma once

#include "navigationcontroller.h"
#include "windowlayout.h"

#include <QObject>

#include <array>

class QLabel;
class QWidget;

namespace kelvor {

class ClickLabel;

// The banner with the group tabs (`Imagebar`, `Label45`, `Imagebar1`) and
// the navigation bar (`Picture13`, `Label1(0..7)`, `Image3`) as widgets of
// the window. Shows what the navigation controller decides and hands it the
// pointer's doings.
class NavigationRegion : public QObject, public NavigationView {
    Q_OBJECT
public:
    explicit NavigationRegion(QWidget* window);

    void connectTo(NavigationController& controller);
    // Places the banner, its filler and the bar.
    void place(const WindowGeometry& geometry);

    QLabel* banner() const { return m_banner; }
    QLabel* bannerFiller() const { return m_filler; }
    QLabel* bar() const { return m_bar; }
    ClickLabel* tabLabel() const { return m_tabs; }
    ClickLabel* barItem(int item) const;
    QLabel* overlay() const { return m_overlay; }

    int bannerPicture() const { return m_bannerPicture; }
    int barPicture() const { return m_barPicture; }

    void showBannerPicture(int number) override;
    void showBarBackground(int number, NavigationGroup group) override;
    void showOverlay(const NavigationBarState::Overlay& overlay) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void repaintBar();
    void pressOnStrip(const QPointF& labelPosition);
    void offerGroupTabs();

    QLabel* m_banner = nullptr;
    ClickLabel* m_tabs = nullptr;
    QLabel* m_filler = nullptr;
    QLabel* m_bar = nullptr;
    std::array<ClickLabel*, kBarItemCount> m_items{};
    QLabel* m_overlay = nullptr;
    NavigationController* m_controller = nullptr;
    int m_bannerPicture = 0;
    int m_barPicture = 0;
    NavigationGroup m_barGroup = NavigationGroup::Centre;
    int m_overlayPicture = 0;
};

}  // namespace kelvor
