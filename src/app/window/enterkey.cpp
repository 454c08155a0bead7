#include "enterkey.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace kelvor {

namespace {

class EnterKeyFilter : public QObject {
public:
    EnterKeyFilter(QComboBox* box, std::function<void()> pressed) : QObject(box), m_pressed(std::move(pressed)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
        m_pressed();
        return true;
    }

private:
    std::function<void()> m_pressed;
};

}  // namespace

void onEnterPressed(QComboBox* box, std::function<void()> pressed)
{
    auto* filter = new EnterKeyFilter(box, std::move(pressed));
    box->installEventFilter(filter);
    if (box->lineEdit()) box->lineEdit()->installEventFilter(filter);
}

}  // namespace kelvor
