#pragma once

#include "library/layout.h"

#include <QObject>

#include <optional>

class QCheckBox;

namespace kelvor {

// The main window's settings files in the library: the option file behind
// the check box `option7` and the start-up entry of `loginsys.ini`, read as
// the window starts, and `coolsys.ini`, written as it closes.
class WindowSettings : public QObject {
    Q_OBJECT
public:
    WindowSettings(LibraryLayout layout, QCheckBox* showNotesOption, QObject* parent = nullptr);

    // The option file sets `option7`; then `loginsys.ini` names the bar item
    // to start on (1–7). A missing or unreadable option file skips the
    // start-up entry: nothing is returned.
    std::optional<int> readStartupFiles();

    // `coolsys.ini` from the search box's drop-down list. False when it could
    // not be written; the old file then stays as it was.
    bool writeOnClose(const QStringList& searchHistory) const;

private:
    void optionClicked(bool ticked);

    LibraryLayout m_layout;
    QCheckBox* m_showNotes;
};

}  // namespace kelvor
