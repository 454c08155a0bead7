#include "resultlist.h"

namespace kelvor {

namespace {

std::vector<QString> unpacked(const PackedTexts& texts)
{
    std::vector<QString> all;
    all.reserve(size_t(texts.size()));
    for (qsizetype i = 0; i < texts.size(); ++i) all.push_back(texts.at(i));
    return all;
}

}  // namespace

void ResultList::show(const TitleList& found)
{
    const QString spare = codeAt(qsizetype(found.size()));
    m_codesBeforePaging.clear();
    m_codes.clear();
    m_lines.clear();
    for (const QString& code : found.codes) m_codes.append(code);
    m_codes.append(spare);
    for (const QString& name : found.names) m_lines.append(name);
}

void ResultList::showFirstPage(const TitleList& page)
{
    m_codesBeforePaging = std::move(m_codes);
    m_codes.clear();
    m_lines.clear();
    appendPage(page);
}

void ResultList::appendPage(const TitleList& page)
{
    m_codes.removeLast();  // the spare position moves behind the new lines
    for (const QString& name : page.names) m_lines.append(name);
    for (const QString& code : page.codes) m_codes.append(code);
    const qsizetype spare = m_lines.size();
    m_codes.append(spare < m_codesBeforePaging.size() ? m_codesBeforePaging.at(spare) : QString());
}

std::vector<QString> ResultList::lines() const { return unpacked(m_lines); }

std::vector<QString> ResultList::codeTable() const { return unpacked(m_codes); }

QString ResultList::codeAt(qsizetype position) const
{
    if (position < 0 || position >= m_codes.size()) return {};
    return m_codes.at(position);
}

}  // namespace kelvor
