#pragma once

#include <QString>
#include <QUrl>

namespace kelvor {

// What the program asks of the desktop: start a program without waiting for
// it, and open a folder in the file manager. Tests put a recording fake here.
class Shell {
public:
    virtual ~Shell() = default;
    // True when the program was started.
    virtual bool startProgram(const QString& path) = 0;
    // True when the file manager was asked to open the folder.
    virtual bool openFolder(const QString& path) = 0;
    // True when the desktop's browser was asked to open the web address.
    virtual bool openAddress(const QUrl& url) = 0;
};

}  // namespace kelvor
