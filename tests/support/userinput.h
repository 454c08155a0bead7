#pragma once

#include <QApplication>
#include <QKeyEvent>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

// Input as a user gives it. A control is focused the way a user focuses it,
// by a click, and keys then go to whatever holds the keyboard focus: the combo
// box around a line edit, a focus proxy. A key sent to an inner widget by
// pointer skips that route and passed while the real Enter searched nothing.
namespace kelvor::test::userinput {

// Clicks `control` (its window made active first, as the user's window is)
// and returns the widget that then holds the keyboard focus.
inline QWidget* focusByClick(QWidget* control)
{
    QWidget* window = control->window();
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << "the window never became active";
    QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    QWidget* focus = QApplication::focusWidget();
    EXPECT_NE(focus, nullptr) << "a click on " << control->objectName().toStdString() << " focused nothing (visible "
                              << control->isVisible() << ", enabled " << control->isEnabled() << ", window active "
                              << window->isActiveWindow() << ")";
    return focus;
}

// A key pressed and released where the keyboard focus is.
inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* focus = QApplication::focusWidget();
    ASSERT_NE(focus, nullptr) << "no widget holds the keyboard focus";
    QTest::keyClick(focus, key, modifiers);
}

// Key presses carrying the text, one per character (Chinese too), where the
// keyboard focus is.
inline void typeText(const QString& text)
{
    for (const QChar c : text) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "no widget holds the keyboard focus";
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(focus, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(focus, &release);
    }
}

}  // namespace kelvor::test::userinput
