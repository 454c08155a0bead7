#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QKeySequence>
#include <QWidget>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;

namespace kelvor {

// What the document toolbar's icons do, by their index.
enum class ToolbarAction {
    Back = 0,        // "后退"
    Forward = 1,     // "前进"
    Copy = 2,        // "复制"
    Favourites = 3,  // "收藏"
    Search = 4,      // "搜索"
    Notes = 5,       // "心得"
    PageTop = 6,     // "页首"
    SwitchPane = 7,  // "切换"
    Bookmark = 8,    // "书签"
};

// One icon `Label2(i)`: a focusable button drawn in the toolbar's colours, so
// that keyboard and assistive-technology users reach it like any button.
class ToolbarIcon : public QAbstractButton {
    Q_OBJECT
public:
    ToolbarIcon(int index, QWidget* parent = nullptr);

    int index() const { return m_index; }
    QColor glyphColour() const { return m_glyph; }
    void setGlyphColour(const QColor& colour);
    QSize sizeHint() const override;

signals:
    void hovered(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int m_index = 0;
    QColor m_glyph = Qt::black;
};

// The document toolbar: nine icons `Label2(0..8)` with their captions
// `Label30(0..8)`, a hover picture `Image6(i)` per icon and the hover frame
// `Shape9` that moves under the icon the pointer (or the keyboard focus) is
// on. The icons and their shortcuts give `activated`; the toolbar does
// nothing else itself.
class DocumentToolbar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kIconCount = 9;

    explicit DocumentToolbar(QWidget* parent = nullptr);

    static QString caption(ToolbarAction action);
    // What the icon does, and its shortcut when it has one.
    static QString toolTip(ToolbarAction action);
    // Empty for icons without a shortcut.
    static QKeySequence shortcut(ToolbarAction action);

    // The hover state as the user sees it: which icon is lit, in what colours.
    QColor captionColour(int index) const;
    bool isHoverPictureShown(int index) const;
    bool isFrameShown() const;
    QRect frameGeometry() const;
    QColor frameColour() const { return m_frameColour; }
    QColor iconGlyphColour(int index) const;
    // Where the icon lies in the toolbar, for what opens under it.
    QRect iconRect(ToolbarAction action) const;

    // The option `Check6` "自动滚动阅读" beside the icons.
    bool isAutoScrollOn() const;
    void setAutoScrollOn(bool on);

signals:
    void activated(ToolbarAction action);
    // The same actions from their shortcuts: the keys act where the focus is.
    void shortcutUsed(ToolbarAction action);
    void autoScrollToggled(bool on);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void hover(int index);
    void press(int index);
    void release(int index);
    void placeControls();
    void paintFrame(const QColor& colour);

    std::array<ToolbarIcon*, kIconCount> m_icons{};
    std::array<QLabel*, kIconCount> m_captions{};
    std::array<QLabel*, kIconCount> m_hoverPictures{};
    QFrame* m_frame = nullptr;
    QCheckBox* m_autoScroll = nullptr;
    QColor m_frameColour;
};

}  // namespace kelvor
