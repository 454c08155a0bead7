#pragma once

#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace kelvor {

// Controls drawn as labels and frames, told to assistive technology as what
// the user meets on screen.

// A label or frame that acts as a button: a button of `name` with a press
// action. The action clicks the widget's middle as the pointer would, so
// every handler of a real click runs. Without a name, a label is named by
// its text. Call it before anything asks for the widget's accessible side.
enum class PressBy { Click, DoubleClick };
void makePressable(QWidget* widget, const QString& name = {}, PressBy by = PressBy::Click);

// A frame drawn as a progress bar: a progress bar of `name` whose value is
// what setAccessibleProgress last said, in per cent. Clicking it is pressing it.
void makeProgressBar(QWidget* bar, const QString& name);
void setAccessibleProgress(QWidget* bar, double share);

// A strip of tabs drawn as one picture (the group tabs): assistive
// technology sees a tab list whose tabs are named, placed, marked when
// chosen, and pressed as a click on them would.
struct DrawnTab {
    QString name;
    std::function<QRect()> rect;   // in the strip's coordinates
    std::function<bool()> chosen;
    std::function<void()> press;
};

// Call it before anything asks for the strip's accessible side.
void makeDrawnTabs(QWidget* strip, std::vector<DrawnTab> tabs);

}  // namespace kelvor
