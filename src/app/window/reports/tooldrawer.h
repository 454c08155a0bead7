#pragma once

#include <QWidget>

#include <array>

class QLabel;

namespace kelvor {

// The tool labels `Label10(0..11)` of the side drawer `Frame1`. Under the
// pointer a label turns red and the others white.
class ToolDrawer : public QWidget {
    Q_OBJECT
public:
    explicit ToolDrawer(QWidget* parent);

    // The label under the pointer; -1 for none.
    void hover(int index);
    int hovered() const { return m_hovered; }
    // `formenable` enables them all; nothing disables them.
    void enableAll();

signals:
    void toolClicked(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QLabel*, 12> m_labels{};
    int m_hovered = -1;
};

}  // namespace kelvor
