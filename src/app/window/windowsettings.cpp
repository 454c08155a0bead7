#include "windowsettings.h"

#include "settings/coolsys.h"
#include "settings/initialsettings.h"
#include "settings/optionfile.h"

#include <QCheckBox>

namespace kelvor {

WindowSettings::WindowSettings(LibraryLayout layout, QCheckBox* showNotesOption, QObject* parent)
    : QObject(parent), m_layout(std::move(layout)), m_showNotes(showNotesOption)
{
    connect(m_showNotes, &QCheckBox::clicked, this, &WindowSettings::optionClicked);
}

std::optional<int> WindowSettings::readStartupFiles()
{
    const InitialSettings settings = readInitialSettings(m_layout);
    switch (settings.noteOption) {
    case OptionFileValue::Clear: m_showNotes->setChecked(false); break;
    case OptionFileValue::Ticked: m_showNotes->setChecked(true); break;
    case OptionFileValue::Unchanged:
    case OptionFileValue::Unreadable: break;
    }
    return settings.startupItem;
}

void WindowSettings::optionClicked(bool ticked)
{
    // A failed write keeps the old file; the box keeps its state until exit.
    writeOptionFile(m_layout.optionFile(), ticked);
}

bool WindowSettings::writeOnClose(const QStringList& searchHistory) const
{
    return writeCoolsys(m_layout.coolsysFile(), searchHistory);
}

}  // namespace kelvor
