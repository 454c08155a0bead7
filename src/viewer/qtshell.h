#pragma once

#include "shell.h"

namespace kelvor {

// The desktop's own way: a detached process, and the file manager that the
// desktop associates with folders.
class QtShell : public Shell {
public:
    bool startProgram(const QString& path) override;
    bool openFolder(const QString& path) override;
    bool openAddress(const QUrl& url) override;
};

}  // namespace kelvor
