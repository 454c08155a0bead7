#include "sidepanelactions.h"

#include "insidelibrary.h"
#include "shell.h"

#include <QFileInfo>

namespace kelvor {

SidePanelActions::SidePanelActions(LibraryLayout layout, Shell& shell) : m_layout(std::move(layout)), m_shell(shell) {}

bool SidePanelActions::openSourceFolder(const QString& nycd)
{
    const auto folder = m_layout.sourceFolderPath(nycd);
    if (!folder || !QFileInfo(*folder).isDir() || !liesInsideLibrary(m_layout, *folder)) return false;
    return m_shell.openFolder(*folder);
}

bool SidePanelActions::playLearningVideo(const QString& bb)
{
    const auto player = m_layout.videoPlayerPath(bb);
    if (!player || !QFileInfo(*player).isFile() || !liesInsideLibrary(m_layout, *player)) return false;
    return m_shell.startProgram(*player);
}

}  // namespace kelvor
