#include "initialsettings.h"

#include "settingsfile.h"

namespace kelvor {

std::optional<int> readStartupItem(const QString& path)
{
    const auto value = settings::readFirstValue(path);
    if (!value) return std::nullopt;
    bool ok = false;
    const int item = value->toInt(&ok);
    if (!ok || item < 1 || item > 7) return std::nullopt;
    return item;
}

InitialSettings readInitialSettings(const LibraryLayout& layout)
{
    InitialSettings settings;
    settings.noteOption = readOptionFile(layout.optionFile());
    if (settings.noteOption == OptionFileValue::Unreadable) return settings;
    settings.startupItem = readStartupItem(layout.loginsysFile());
    return settings;
}

}  // namespace kelvor
