#include "picturepage.h"

#include <QFileInfo>

namespace kelvor {

bool isPictureFile(const QString& path)
{
    static const QStringList suffixes = {QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("png"),
                                         QStringLiteral("gif"), QStringLiteral("bmp")};
    return suffixes.contains(QFileInfo(path).suffix().toLower());
}

QString picturePage(const QUrl& picture)
{
    const QString source = picture.toString(QUrl::FullyEncoded).toHtmlEscaped();
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><style>"
                          "html, body { margin: 0; background: #ffffff; }"
                          // Room above the picture for the thumbnails' "上一页", "下一页" and
                          // "恢复缩略图", which stay over a picture opened from them.
                          "body { padding: 40px 12px 12px; }"
                          "img { display: block; margin: 0 auto; max-width: 100%;"
                          " max-height: calc(100vh - 52px); object-fit: contain; }"
                          "</style></head><body><img src=\"%1\" alt=\"\"></body></html>")
        .arg(source);
}

}  // namespace kelvor
