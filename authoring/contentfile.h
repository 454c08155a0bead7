#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace kelvor::authoring {

// One JSON object of the demo content and the checks on its fields. Every
// complaint throws AuthoringError naming the file (and where in it), so a
// slip in the content stops the tool instead of writing a library with a
// hole in it.
class ContentEntry {
public:
    ContentEntry(const QString& where, const QJsonObject& object) : m_where(where), m_object(object) {}

    // Reads `path`, which must hold one JSON object.
    static ContentEntry read(const QString& path);

    [[noreturn]] void fail(const QString& what) const;
    const QString& where() const { return m_where; }

    // Fails on a field that no reader knows: most likely a misspelt one.
    void allowOnly(const QStringList& fields) const;

    QString string(const QString& field, bool required = true) const;
    QStringList strings(const QString& field, bool required = true) const;
    // Paragraphs and lines are kept one per list entry so that the files stay readable.
    QString lines(const QString& field, bool required = true) const;
    bool flag(const QString& field) const;  // absent is false
    QJsonArray array(const QString& field) const;
    // The entries of a list of objects, each named "<field> n" in complaints.
    QList<ContentEntry> objects(const QString& field) const;

    // The text of a file named by `field`, kept beside the JSON in `folder`;
    // its surrounding blank lines and final line break are not content.
    QString sourceFile(const QString& folder, const QString& field, bool required = true) const;
    // Like sourceFile, but only the editor's final line break is dropped: an
    // output keeps its leading spaces.
    QString outputFile(const QString& folder, const QString& field) const;

private:
    QString fileName(const QString& folder, const QString& field, bool required) const;

    QString m_where;
    QJsonObject m_object;
};

QByteArray readContentFile(const QString& path);
QJsonDocument readContentJson(const QString& path);

}  // namespace kelvor::authoring
