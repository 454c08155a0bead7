#include "clicklabel.h"

#include "accessiblecontrols.h"

#include <QMouseEvent>

namespace kelvor {

ClickLabel::ClickLabel(QWidget* parent) : QLabel(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_TranslucentBackground);
    makePressable(this);
}

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) emit pressed(event->position());
    event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    event->accept();
}

void ClickLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit hovered(event->position());
    // Taken here, so the bar under the item does not see the move as leaving it.
    event->accept();
}

}  // namespace kelvor
