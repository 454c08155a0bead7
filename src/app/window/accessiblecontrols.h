#pragma once

#include <QString>

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

}  // namespace kelvor
