#pragma once

#include "settings/viewoptions.h"

#include <QObject>

namespace kelvor {

class AdvancedPanel;

// The advanced panel's three view option groups over the view settings in
// `rcontrolmt.ini`: the file is read once as the window loads and selects
// the buttons; from then on each click keeps its choice in the file.
class ViewOptionsGroup : public QObject {
    Q_OBJECT
public:
    ViewOptionsGroup(ViewSettingsFile file, AdvancedPanel& panel, QObject* parent = nullptr);

    // The window's load: reads the file and selects what it holds.
    void load();

    const ViewOptions& options() const { return m_options; }

private:
    void showSelection();

    ViewOptions m_options;
    AdvancedPanel& m_panel;
};

}  // namespace kelvor
