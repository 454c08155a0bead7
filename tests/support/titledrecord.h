#pragma once

#include "library/schema.h"

namespace kelvor::test {

// A document record with a title; the other fields stay empty.
inline CentreRecord titled(const QString& code, const QString& name)
{
    CentreRecord r;
    r.xxbh = code;
    r.name = name;
    r.link = QStringLiteral("doc");
    r.eee = QStringLiteral("1");
    return r;
}

}  // namespace kelvor::test
