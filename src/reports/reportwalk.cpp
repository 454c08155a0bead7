#include "reportwalk.h"

namespace kelvor::reports {

namespace {
constexpr int kContext = 100;
}

ReportWalk::ReportWalk(std::vector<MatchNode> nodes, const QString& term, OpenRecord open)
    : m_nodes(std::move(nodes)), m_open(std::move(open))
{
    m_report.term = term;
    m_report.lines << QString();  // position 0 stays empty
}

void ReportWalk::step()
{
    if (finished()) return;
    const MatchNode& node = m_nodes[std::size_t(m_next++)];
    if (isGroupKey(node.key)) {
        addLine(QStringLiteral("应用类别:") + node.text);
        return;
    }
    const QString text = m_open ? m_open(node.key.mid(1)) : QString();
    if (!addLine(QStringLiteral("---------") + node.text + QStringLiteral("------------"))) return;
    for (const QString& line : occurrenceLines(text, m_report.term)) {
        if (!addLine(line)) return;
        ++m_report.hitCount;
    }
}

bool ReportWalk::addLine(const QString& line)
{
    if (m_report.lines.size() >= kReportPositions) {
        m_full = true;
        return false;
    }
    m_report.lines << line;
    return true;
}

QStringList ReportWalk::occurrenceLines(const QString& text, const QString& term)
{
    QStringList lines;
    if (term.isEmpty()) return lines;
    qsizetype from = 0;
    while (true) {
        const qsizetype at = text.indexOf(term, from, Qt::CaseInsensitive);
        if (at < 0) break;
        const qsizetype start = std::max<qsizetype>(0, at - kContext);
        const qsizetype end = std::min<qsizetype>(text.size(), at + term.size() + kContext);
        lines << QStringLiteral("######     ") + text.mid(start, end - start) + QStringLiteral("     ########");
        from = end;
    }
    return lines;
}

}  // namespace kelvor::reports
