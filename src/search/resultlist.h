#pragma once

#include "titlelist.h"

#include "library/packedtexts.h"

#include <QString>

#include <vector>

namespace kelvor {

// The result list's lines and its result code table: position i of the table
// holds the code of line i. After a search of n rows the table has positions
// 0 … n, the last one spare, and keeps whatever it held beyond the new lines
// (a resize that preserves), so a code is always found at a line's position.
//
// Lines and codes are packed (see PackedTexts): the search page lists a
// million titles, and a line becomes a string only when it is shown.
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
    // No page follows: the table as it was before the first page is let go.
    void endPaging() { m_codesBeforePaging.clear(); }

    size_t lineCount() const { return size_t(m_lines.size()); }
    bool isEmpty() const { return m_lines.isEmpty(); }
    // Line `row`, 0 <= row < lineCount().
    QString line(size_t row) const { return m_lines.at(qsizetype(row)); }
    // Every line, or the whole code table, as strings: for callers that
    // compare the whole list, never for a view.
    std::vector<QString> lines() const;
    std::vector<QString> codeTable() const;
    size_t codeTableSize() const { return size_t(m_codes.size()); }
    // The code at `position` of the code table; empty when there is no such position.
    QString codeAt(qsizetype position) const;

private:
    PackedTexts m_lines;
    PackedTexts m_codes;
    // The code table as it was before the first page, for the spare position.
    PackedTexts m_codesBeforePaging;
};

}  // namespace kelvor
