#pragma once

#include <QString>

#include <stdexcept>

namespace kelvor::importing {

// An import could not be done; the message says why. The library is left as it was.
class ImportError : public std::runtime_error {
public:
    explicit ImportError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

}  // namespace kelvor::importing
