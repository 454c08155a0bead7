#pragma once

#include <QByteArray>
#include <QString>

namespace kelvor::gbk {

// The library's text files are in the Chinese code page (GBK).
QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);

}  // namespace kelvor::gbk
