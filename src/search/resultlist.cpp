#include "resultlist.h"

namespace kelvor {

void ResultList::show(const TitleList& found)
{
    m_codes.resize(found.size() + 1);
    std::copy(found.codes.begin(), found.codes.end(), m_codes.begin());
    m_lines = found.names;
}

QString ResultList::codeAt(qsizetype position) const
{
    if (position < 0 || size_t(position) >= m_codes.size()) return {};
    return m_codes[size_t(position)];
}

}  // namespace kelvor
