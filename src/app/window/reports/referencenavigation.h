#pragma once

#include <QFrame>

#include <functional>

class QLabel;
class QScrollArea;

namespace kelvor {

// `Picture14`, the reference navigation panel "参考导航：" in the document
// area: it holds related-keyword labels (`Label32`), is lowered onto the
// side-panel strip below it by a click on its title or body and raised again
// by the next, and is collapsed onto the strip and restored by its arrow
// `Image4` (pictures 1011/1012, 1016/1017 under the pointer).
class ReferenceNavigationPanel : public QFrame {
    Q_OBJECT
public:
    // `strip` gives the side-panel strip's rectangle in the panel's parent.
    ReferenceNavigationPanel(QWidget* parent, std::function<QRect()> strip);

    // The related-keyword labels the panel holds below its title; the panel
    // takes them over and scrolls them when they are more than it shows.
    void setKeywordLabels(QWidget* labels);
    bool isCollapsed() const;
    int arrowPicture() const { return m_arrowPicture; }

    // Title or body clicked: lowered onto the strip, or back to where it was.
    void toggleLowered();
    // The arrow clicked: collapsed onto the strip, or restored.
    void toggleCollapsed();

    // The pictures of the arrow, drawn on request.
    static QPixmap arrow(int number);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setArrow(int number);
    void moveKeywords(int dy);
    void placeKeywords();

    std::function<QRect()> m_strip;
    QLabel* m_title;
    QLabel* m_arrow;
    QFrame* m_border;
    QScrollArea* m_keywords;
    int m_arrowPicture = 1011;
    int m_restoreHeight = 0;
    int m_restoreTop = 0;
    int m_loweredFrom = 0;
    bool m_collapsed = false;
};

}  // namespace kelvor
