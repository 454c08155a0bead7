#pragma once

#include <QString>

namespace kelvor {

// The option file keeps the check box `option7` "查询时是否显示心得查看按钮"
// of the notes panel: one number and CR LF, 1 ticked, 0 clear.
enum class OptionFileValue {
    Unreadable,  // missing, unreadable or without a value: the start-up entry is not read either
    Clear,       // 0
    Ticked,      // 1
    Unchanged,   // any other value: the box stays as it is
};

OptionFileValue readOptionFile(const QString& path);

// Writes "1" or "0" and CR LF; the old file stays until the new one is complete.
bool writeOptionFile(const QString& path, bool ticked);

}  // namespace kelvor
