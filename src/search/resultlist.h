#pragma once

#include "titlelist.h"

#include <QString>

#include <vector>

namespace kelvor {

// The result list's lines and its result code table: position i of the table
// holds the code of line i. After a search of n rows the table has positions
// 0 … n, the last one spare, and keeps whatever it held beyond the new lines
// (a resize that preserves), so a code is always found at a line's position.
class ResultList {
public:
    // A search or listing found rows: they replace the lines and their codes.
    void show(const TitleList& found);
    // The centre search found nothing: the lines go, the code table stays.
    void clearLines() { m_lines.clear(); }

    // The same rows shown a page at a time: the first page replaces the
    // lines, each further one is appended. Once the last page is in, lines
    // and code table are exactly what show() of all the rows would give.
    void showFirstPage(const TitleList& page);
    void appendPage(const TitleList& page);

    const std::vector<QString>& lines() const { return m_lines; }
    size_t lineCount() const { return m_lines.size(); }
    bool isEmpty() const { return m_lines.empty(); }
    const std::vector<QString>& codeTable() const { return m_codes; }
    // The code at `position` of the code table; empty when there is no such position.
    QString codeAt(qsizetype position) const;

private:
    std::vector<QString> m_lines;
    std::vector<QString> m_codes;
    // The code table as it was before the first page, for the spare position.
    std::vector<QString> m_codesBeforePaging;
};

}  // namespace kelvor
