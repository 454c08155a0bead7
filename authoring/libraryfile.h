#pragma once

#include <QByteArray>
#include <QString>

namespace kelvor::authoring {

// One file of a library, relative to the data root ("kelvor/1999282828/001.jpg").
struct LibraryFile {
    QString relativePath;
    QByteArray bytes;
    bool executable = false;
};

// True when every character of `text` has a one- or two-byte form in the
// Chinese code page, so that a page declared gb2312 shows it as written.
bool isGbkText(const QString& text);

// The text in the Chinese code page; throws AuthoringError when a character
// has no GBK form (it would show as garbage in the document view).
QByteArray gbkBytes(const QString& text, const QString& where);

// Writes the file under `dataRoot` through a temporary file, creating its folders.
void writeLibraryFile(const QString& dataRoot, const LibraryFile& file);

}  // namespace kelvor::authoring
