#pragma once

#include "library/layout.h"

#include <QString>

namespace kelvor {

class Shell;

// The side panel's two desktop actions. Both act only on a path that the
// record's field names inside its folder of the library and that exists, so
// a record can never start or open anything elsewhere.
class SidePanelActions {
public:
    SidePanelActions(LibraryLayout layout, Shell& shell);

    // Opens the record's source folder (field nycd) in the file manager.
    bool openSourceFolder(const QString& nycd);
    // Starts the record's learning-video player (field bb, without ".exe").
    bool playLearningVideo(const QString& bb);

private:
    LibraryLayout m_layout;
    Shell& m_shell;
};

}  // namespace kelvor
