#include "optionfile.h"

#include "settingsfile.h"

namespace kelvor {

OptionFileValue readOptionFile(const QString& path)
{
    const auto value = settings::readFirstValue(path);
    if (!value) return OptionFileValue::Unreadable;
    bool ok = false;
    const int number = value->toInt(&ok);
    if (ok && number == 0) return OptionFileValue::Clear;
    if (ok && number == 1) return OptionFileValue::Ticked;
    return OptionFileValue::Unchanged;
}

bool writeOptionFile(const QString& path, bool ticked)
{
    return settings::replaceFile(path, ticked ? QByteArrayLiteral("1\r\n") : QByteArrayLiteral("0\r\n"));
}

}  // namespace kelvor
