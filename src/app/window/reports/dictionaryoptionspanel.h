#pragma once

#include "reports/dictionaryoptions.h"

#include <QWidget>

#include <map>

class QCheckBox;

namespace kelvor {

// The dictionary options `Check4` in their two panels "选择查询范围" and
// "选择内容所属类型". The continued query reads options 0–5.
class DictionaryOptionsPanel : public QWidget {
    Q_OBJECT
public:
    explicit DictionaryOptionsPanel(QWidget* parent);

    const reports::DictionaryChoice& choice() const { return m_choice; }
    // A click on option `index`, as the user gives it.
    void click(int index);

private:
    void showStates();

    reports::DictionaryChoice m_choice;
    std::map<int, QCheckBox*> m_boxes;
};

}  // namespace kelvor
