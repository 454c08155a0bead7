#pragma once

#include <QString>

#include <stdexcept>

namespace kelvor::authoring {

// A library could not be written; the message says why, for the person at the terminal.
class AuthoringError : public std::runtime_error {
public:
    explicit AuthoringError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

}  // namespace kelvor::authoring
