#pragma once

#include "viewsettings.h"

#include <QString>

namespace kelvor {

// The state behind the advanced panel's three view option groups: the
// selected buttons, the settings ("s"/"a", "v"/"n", "m"/"a") and the file
// that keeps them. The settings stay empty until the file is read or an
// option is chosen. Choices made before load() finishes are the panel
// selecting buttons by program and change nothing.
class ViewOptions {
public:
    explicit ViewOptions(ViewSettingsFile file) : m_file(std::move(file)) {}

    // Reads the file once as the window loads; a file that cannot be read
    // keeps the starting selection and empty settings.
    void load();
    bool isLoaded() const { return m_loaded; }

    const ViewSelection& selection() const { return m_selection; }
    const QString& rangeSetting() const { return m_range; }
    const QString& positionSetting() const { return m_position; }
    const QString& fieldSetting() const { return m_field; }

    // An option button clicked: selects it, sets its setting and writes its
    // line of the file (a failed write is ignored: the choice holds until exit).
    void choose(SearchRange range);
    void choose(RecordPosition position);
    void choose(SearchField field);

private:
    void apply(const ViewSelection& selection);

    ViewSettingsFile m_file;
    ViewSelection m_selection;
    QString m_range, m_position, m_field;
    bool m_loaded = false;
};

}  // namespace kelvor
