#include "sidepanelactions.h"

#include "shell.h"

#include <QDir>
#include <QFileInfo>

namespace kelvor {

SidePanelActions::SidePanelActions(LibraryLayout layout, Shell& shell) : m_layout(std::move(layout)), m_shell(shell) {}

bool SidePanelActions::insideLibrary(const QString& path) const
{
    // A link inside the library may still lead out of it; judge where it ends.
    const QString library = QFileInfo(m_layout.libraryFolder()).canonicalFilePath();
    const QString target = QFileInfo(path).canonicalFilePath();
    return !library.isEmpty() && target.startsWith(library + QLatin1Char('/'));
}

bool SidePanelActions::openSourceFolder(const QString& nycd)
{
    const auto folder = m_layout.sourceFolderPath(nycd);
    if (!folder || !QFileInfo(*folder).isDir() || !insideLibrary(*folder)) return false;
    return m_shell.openFolder(*folder);
}

bool SidePanelActions::playLearningVideo(const QString& bb)
{
    const auto player = m_layout.videoPlayerPath(bb);
    if (!player || !QFileInfo(*player).isFile() || !insideLibrary(*player)) return false;
    return m_shell.startProgram(*player);
}

}  // namespace kelvor
