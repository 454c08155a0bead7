#pragma once

#include <QComboBox>

namespace kelvor {

// An editable combo box that keeps its accessible name whatever it holds.
// Qt names an editable combo box after its text on this platform, so
// assistive technology could no longer find the box once something is typed;
// here the name stays the one given and the text is the box's value.
class NamedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit NamedComboBox(QWidget* parent = nullptr);
};

}  // namespace kelvor
