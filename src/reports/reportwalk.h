#pragma once

#include "matchtree.h"
#include "report.h"

#include <QString>

#include <functional>
#include <vector>

namespace kelvor::reports {

// The walk of a continued query over its hit tree, one node per step: a
// group node adds "应用类别:" and its text; a record node is opened and adds
// its title line, then one line per occurrence of the term in the document of
// that record, with 100 characters on either side. Every node is walked, the
// last one too. The report holds 8000 lines: a line beyond them ends the walk,
// with what was collected kept.
class ReportWalk {
public:
    // Opens the record of `code` where the user sees it and returns the plain
    // text of its document (empty when it has none).
    using OpenRecord = std::function<QString(const QString& code)>;

    ReportWalk(std::vector<MatchNode> nodes, const QString& term, OpenRecord open);

    // Walks the next node; does nothing once finished.
    void step();
    bool finished() const { return m_next >= int(m_nodes.size()) || m_full; }
    // True when the walk ended because the report was full.
    bool full() const { return m_full; }
    int walked() const { return m_next; }
    int nodeCount() const { return int(m_nodes.size()); }
    const Report& report() const { return m_report; }

    // A group node's key is short: the records' keys are a letter and a code.
    static bool isGroupKey(const QString& key) { return key.size() < 9; }
    // The context lines of every occurrence of `term` in `text`; the search
    // goes on behind the context, which already shows a close second one.
    static QStringList occurrenceLines(const QString& text, const QString& term);

private:
    bool addLine(const QString& line);

    std::vector<MatchNode> m_nodes;
    OpenRecord m_open;
    Report m_report;
    int m_next = 0;
    bool m_full = false;
};

}  // namespace kelvor::reports
