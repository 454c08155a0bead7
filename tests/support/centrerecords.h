#pragma once

#include "library/schema.h"

namespace kelvor::test {

// A catalogue folder: a code and a title, nothing to open.
inline CentreRecord folderRecord(const QString& code, const QString& name)
{
    CentreRecord r;
    r.xxbh = code;
    r.name = name;
    return r;
}

// A document record opening `link`, with its content text.
inline CentreRecord documentRecord(const QString& code, const QString& name, const QString& link,
                                   const QString& mark = {})
{
    CentreRecord r = folderRecord(code, name);
    r.link = link;
    r.eee = QStringLiteral("1");
    r.mark = mark;
    return r;
}

// A document record with a title; the other fields stay empty.
inline CentreRecord titled(const QString& code, const QString& name)
{
    return documentRecord(code, name, QStringLiteral("doc"));
}

}  // namespace kelvor::test
