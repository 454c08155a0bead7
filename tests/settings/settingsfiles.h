#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <optional>
#include <ostream>
#include <stdexcept>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

namespace kelvor::test {

// A temporary folder for settings files; `nullopt` content means "no file".
class SettingsFolder {
public:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QString put(const QString& name, const std::optional<QByteArray>& content) const
    {
        const QString p = path(name);
        QFile::remove(p);
        if (content) {
            QFile f(p);
            if (!f.open(QIODevice::WriteOnly) || f.write(*content) != content->size())
                throw std::runtime_error("cannot write test file");
        }
        return p;
    }

    std::optional<QByteArray> contentOf(const QString& name) const
    {
        QFile f(path(name));
        if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
        return f.readAll();
    }

    // Names in the folder: a write that left its temporary file behind shows here.
    QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot); }

private:
    QTemporaryDir m_dir;
};

}  // namespace kelvor::test
