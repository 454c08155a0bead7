#pragma once

#include "optionfile.h"

#include "library/layout.h"

#include <optional>

namespace kelvor {

// What the main window reads from the library as it starts: the option
// file, then `loginsys.ini`. A missing or unreadable option file skips the
// start-up entry as well.
struct InitialSettings {
    OptionFileValue noteOption = OptionFileValue::Unreadable;  // for the check box `option7`
    std::optional<int> startupItem;  // 1–7: the navigation bar item to start on
};

// The start-up item `loginsys.ini` names: its first value when that is 1–7;
// nothing for any other number, text, or a file that cannot be read.
std::optional<int> readStartupItem(const QString& path);

InitialSettings readInitialSettings(const LibraryLayout& layout);

}  // namespace kelvor
