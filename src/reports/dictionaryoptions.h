#pragma once

#include <QString>

#include <array>
#include <vector>

namespace kelvor::reports {

// The dictionary options (`Check4`): which centres the continued query
// searches (0–5), and options that are shown but cannot be used yet.
struct DictionaryOption {
    int index;  // not contiguous
    QString caption;
    bool rangePanel;  // "选择查询范围"; else "选择内容所属类型"
    bool initiallyOn;
    bool enabled;
};

const std::vector<DictionaryOption>& dictionaryOptions();
QString rangePanelCaption();  // "选择查询范围"
QString typePanelCaption();   // "选择内容所属类型"

// The states of the options by index; option 0 cannot be switched off.
class DictionaryChoice {
public:
    DictionaryChoice();
    bool isOn(int index) const;
    bool isEnabled(int index) const;
    // A click: an enabled option toggles, except option 0, which stays on.
    // Returns the new state.
    bool click(int index);
    // Options 0–5, as the continued query reads them.
    std::array<bool, 6> centreOptions() const;

private:
    struct State {
        int index;
        bool on;
        bool enabled;
    };
    std::vector<State> m_states;
};

// The tool labels `Label10(0..11)` of the side drawer.
const std::array<QString, 12>& toolLabelCaptions();

}  // namespace kelvor::reports
