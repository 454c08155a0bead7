#pragma once

#include <QLabel>

namespace kelvor {

// A label that reports the pointer: the form's transparent labels over
// pictures (group tabs, bar items, option click areas) are these.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

signals:
    void pressed(QPointF position);
    void clicked();
    void hovered(QPointF position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace kelvor
