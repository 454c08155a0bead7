#pragma once

#include "viewer/shell.h"

#include <QStringList>

namespace kelvor::test {

// Remembers what the program asked the desktop to do, and does nothing.
class RecordingShell : public Shell {
public:
    bool startProgram(const QString& path) override
    {
        programs << path;
        return true;
    }
    bool openFolder(const QString& path) override
    {
        folders << path;
        return true;
    }

    bool openAddress(const QUrl& url) override
    {
        addresses << url;
        return true;
    }

    QStringList programs;
    QList<QUrl> addresses;
    QStringList folders;
};

}  // namespace kelvor::test
