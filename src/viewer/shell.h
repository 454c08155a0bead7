#pragma once

#include <QString>

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
};

}  // namespace kelvor
