#pragma once

#include "librarycontent.h"

namespace kelvor::authoring {

// The files every library has whatever its records: placeholder pictures, the
// report page, the empty source page and the two settings files.
void addStandardFiles(LibraryContent& content);

// The centre main page, with the number of documents of each centre (by table).
void addCentreMainPage(LibraryContent& content, const std::map<QString, qint64>& documentCounts);
std::map<QString, qint64> documentCounts(const LibraryContent& content);

}  // namespace kelvor::authoring
