#include "report.h"

namespace kelvor::reports {

QStringList Report::shownLines() const
{
    QStringList shown;
    for (int i = 1; i < lines.size() && !lines.at(i).isEmpty(); ++i) shown << lines.at(i);
    return shown;
}

Report Report::firstLines(int count) const
{
    Report kept = *this;
    if (kept.lines.size() > count) kept.lines.resize(count);
    return kept;
}

}  // namespace kelvor::reports
