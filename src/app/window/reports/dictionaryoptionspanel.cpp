#include "dictionaryoptionspanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace kelvor {

namespace {
constexpr int kColumns = 2;
}

DictionaryOptionsPanel::DictionaryOptionsPanel(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("dictionaryOptions"));
    // One panel above the other, two captions to a row: a caption of four
    // characters is read whole only when the pane's width is shared by two.
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    auto* range = new QGroupBox(reports::rangePanelCaption(), this);
    auto* type = new QGroupBox(reports::typePanelCaption(), this);
    auto* rangeGrid = new QGridLayout(range);
    auto* typeGrid = new QGridLayout(type);
    column->addWidget(range);
    column->addWidget(type);
    int rangeCount = 0, typeCount = 0;
    for (const reports::DictionaryOption& o : reports::dictionaryOptions()) {
        auto* box = new QCheckBox(o.caption, o.rangePanel ? range : type);
        box->setObjectName(QStringLiteral("Check4(%1)").arg(o.index));
        box->setEnabled(o.enabled);
        const int at = o.rangePanel ? rangeCount++ : typeCount++;
        (o.rangePanel ? rangeGrid : typeGrid)->addWidget(box, at / kColumns, at % kColumns);
        // The box shows the choice; the choice decides (option 0 stays on).
        connect(box, &QCheckBox::clicked, this, [this, index = o.index] { click(index); });
        m_boxes[o.index] = box;
    }
    showStates();
}

void DictionaryOptionsPanel::click(int index)
{
    m_choice.click(index);
    showStates();
}

void DictionaryOptionsPanel::showStates()
{
    for (const auto& [index, box] : m_boxes) box->setChecked(m_choice.isOn(index));
}

}  // namespace kelvor
