#pragma once

#include "library/schema.h"

namespace kelvor::test {

inline CentreRecord folderRecord(const QString& code, const QString& name)
{
    CentreRecord r;
    r.xxbh = code;
    r.name = name;
    return r;
}

inline CentreRecord documentRecord(const QString& code, const QString& name, const QString& link,
                                   const QString& mark = {})
{
    CentreRecord r = folderRecord(code, name);
    r.link = link;
    r.eee = QStringLiteral("1");
    r.mark = mark;
    return r;
}

}  // namespace kelvor::test
