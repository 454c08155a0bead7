#pragma once

#include <QString>
#include <QUrl>

namespace kelvor {

// True for a local file that the document view shows as a picture (the
// interface centre's .jpg documents and the placeholder pictures).
bool isPictureFile(const QString& path);

// A page that shows the picture at `picture` on white, fitted into the
// view: the browser on its own shows a lone picture on a dark background.
QString picturePage(const QUrl& picture);

}  // namespace kelvor
