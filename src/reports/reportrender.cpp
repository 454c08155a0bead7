#include "reportrender.h"

#include <functional>

namespace kelvor::reports {

namespace {

// Calls `edit` on every run of text between tags of `html` (not inside
// scripts or styles) and returns the page with the runs it changed; stops
// asking once `edit` says it is done.
QString editText(const QString& html, const std::function<QString(const QString&, bool& done)>& edit)
{
    QString out;
    out.reserve(html.size() + 1024);
    qsizetype i = 0;
    bool done = false;
    while (i < html.size()) {
        if (html.at(i) == QLatin1Char('<')) {
            qsizetype end = html.indexOf(QLatin1Char('>'), i);
            if (end < 0) end = html.size() - 1;
            const QStringView tag = QStringView(html).mid(i, end - i + 1);
            out += tag;
            i = end + 1;
            for (const QLatin1String raw : {QLatin1String("script"), QLatin1String("style"), QLatin1String("title")}) {
                if (tag.size() > raw.size() && tag.mid(1, raw.size()).compare(raw, Qt::CaseInsensitive) == 0) {
                    const qsizetype close =
                        html.indexOf(QLatin1String("</") + raw, i, Qt::CaseInsensitive);
                    const qsizetype stop = close < 0 ? html.size() : close;
                    out += QStringView(html).mid(i, stop - i);
                    i = stop;
                }
            }
            continue;
        }
        qsizetype end = html.indexOf(QLatin1Char('<'), i);
        if (end < 0) end = html.size();
        const QString run = html.mid(i, end - i);
        out += done ? run : edit(run, done);
        i = end;
    }
    return out;
}

QString span(const QString& background, const QString& inner)
{
    return QStringLiteral("<span style='background:") + background + QStringLiteral("'>") + inner +
           QStringLiteral("</span>");
}

}  // namespace

QString reportPlaceholder() { return QStringLiteral("澄溪科技"); }

QString markTerm(const QString& html, const QString& term, const QString& colour)
{
    const QString escaped = term.toHtmlEscaped();
    if (escaped.isEmpty()) return html;
    return editText(html, [&](const QString& run, bool&) {
        QString marked;
        qsizetype from = 0;
        for (qsizetype at; (at = run.indexOf(escaped, from, Qt::CaseInsensitive)) >= 0; from = at + escaped.size()) {
            marked += QStringView(run).mid(from, at - from);
            marked += span(colour, run.mid(at, escaped.size()));
        }
        marked += QStringView(run).mid(from);
        return marked;
    });
}

QString renderReport(const QString& pageHtml, const Report& report)
{
    QString pasted = span(QStringLiteral("RED"), QStringLiteral("关于") + report.term.toHtmlEscaped() +
                                                     QStringLiteral(",共找到 ") + QString::number(report.hitCount) +
                                                     QStringLiteral("处解释和应用")) +
                     QStringLiteral("</p>");
    const QStringList lines = report.shownLines();
    for (const QString& line : lines) pasted += span(QString(), line.toHtmlEscaped()) + QStringLiteral("<br>");
    pasted += span(QString(), QString());  // the empty line that ends the report

    const QString placeholder = reportPlaceholder();
    const QString withReport = editText(pageHtml, [&](const QString& run, bool& done) {
        const qsizetype at = run.indexOf(placeholder);
        if (at < 0) return run;
        done = true;
        return run.left(at) + pasted + run.mid(at + placeholder.size());
    });
    return markTerm(withReport, report.term, QStringLiteral("RED"));
}

}  // namespace kelvor::reports
