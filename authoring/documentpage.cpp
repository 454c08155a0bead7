#include "documentpage.h"

namespace kelvor::authoring {

namespace {

const char* const kStyle =
    "<style type=\"text/css\">\n"
    "body { font-family: \"SimSun\", \"Noto Sans CJK SC\", sans-serif; font-size: 14px; line-height: 1.7;"
    " margin: 16px 24px; color: #222222; }\n"
    "h1 { font-size: 20px; color: #1f4e79; border-bottom: 2px solid #1f4e79; padding-bottom: 4px; }\n"
    "h2 { font-size: 16px; color: #1f4e79; margin-top: 22px; }\n"
    "p.a2 { font-family: \"Courier New\", \"Noto Sans Mono CJK SC\", monospace; font-size: 13px; line-height: 1.5;"
    " background: #f5f7fa; border: 1px solid #d0d7e2; border-left: 4px solid #3c78b4; padding: 8px 12px; }\n"
    "p.a3 { font-family: \"Courier New\", \"Noto Sans Mono CJK SC\", monospace; font-size: 13px; line-height: 1.5;"
    " background: #20242b; color: #d8dee9; padding: 8px 12px; }\n"
    "table { border-collapse: collapse; margin: 8px 0; }\n"
    "th, td { border: 1px solid #b7c4d6; padding: 4px 10px; }\n"
    "th { background: #e8eef6; }\n"
    "p.kw { color: #666666; font-size: 12px; }\n"
    "</style>\n";

// One line of code as HTML: escaped, with indentation and runs of blanks kept
// as fixed spaces (the paragraph would otherwise collapse them to one).
QString codeLine(const QString& line)
{
    QString expanded = line;
    expanded.replace(QLatin1Char('\t'), QStringLiteral("    "));
    const QString escaped = escapeHtml(expanded);
    QString out;
    out.reserve(escaped.size());
    for (qsizetype i = 0; i < escaped.size(); ++i) {
        const bool blank = escaped.at(i) == QLatin1Char(' ');
        const bool inRun = blank && ((i > 0 && escaped.at(i - 1) == QLatin1Char(' ')) ||
                                     (i + 1 < escaped.size() && escaped.at(i + 1) == QLatin1Char(' ')) || i == 0);
        if (inRun)
            out += QStringLiteral("&nbsp;");
        else
            out += escaped.at(i);
    }
    return out;
}

QStringList trimmedLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& l : lines) {
        while (l.endsWith(QLatin1Char(' ')) || l.endsWith(QLatin1Char('\r'))) l.chop(1);
    }
    while (!lines.isEmpty() && lines.front().isEmpty()) lines.removeFirst();
    while (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

QString escapeHtml(const QString& text)
{
    return text.toHtmlEscaped();
}

DocumentPage::DocumentPage(QString title) : m_title(std::move(title)) {}

void DocumentPage::addHeading(const QString& text)
{
    m_body << QStringLiteral("<h2>") + escapeHtml(text) + QStringLiteral("</h2>");
    m_prose << text;
}

void DocumentPage::addParagraphs(const QString& text)
{
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString t = line.trimmed();
        if (t.isEmpty()) continue;
        m_body << QStringLiteral("<p>") + escapeHtml(t) + QStringLiteral("</p>");
        m_prose << t;
    }
}

void DocumentPage::addList(const QStringList& items)
{
    m_body << QStringLiteral("<ul>");
    for (const QString& item : items) {
        m_body << QStringLiteral("<li>") + escapeHtml(item) + QStringLiteral("</li>");
        m_prose << item;
    }
    m_body << QStringLiteral("</ul>");
}

void DocumentPage::addTable(const QStringList& header, const QList<QStringList>& rows)
{
    m_body << QStringLiteral("<table>");
    QString head = QStringLiteral("<tr>");
    for (const QString& h : header) head += QStringLiteral("<th>") + escapeHtml(h) + QStringLiteral("</th>");
    m_body << head + QStringLiteral("</tr>");
    for (const QStringList& row : rows) {
        QString line = QStringLiteral("<tr>");
        for (const QString& cell : row) line += QStringLiteral("<td>") + escapeHtml(cell) + QStringLiteral("</td>");
        m_body << line + QStringLiteral("</tr>");
        m_prose << row.join(QLatin1Char(' '));
    }
    m_body << QStringLiteral("</table>");
}

void DocumentPage::addSource(const QString& code)
{
    addSourceParagraph(QStringLiteral("a2"), code);
}

void DocumentPage::addConsole(const QString& text)
{
    addSourceParagraph(QStringLiteral("a3"), text);
}

void DocumentPage::addSourceParagraph(const QString& cssClass, const QString& text)
{
    const QStringList lines = trimmedLines(text);
    if (lines.isEmpty()) return;
    // The paragraph opens on its first line and closes on its last, and no line
    // in between ends with "/p>": that is how the viewer finds where it ends.
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString html = codeLine(lines.at(i));
        if (i == 0) html = QStringLiteral("<p class=") + cssClass + QLatin1Char('>') + html;
        html += (i + 1 == lines.size()) ? QStringLiteral("</p>") : QStringLiteral("<br>");
        m_body << html;
    }
    m_hasSource = true;
}

void DocumentPage::addKeywords(const QStringList& keywords)
{
    if (keywords.isEmpty()) return;
    const QString text = QStringLiteral("关键词：") + keywords.join(QStringLiteral("，"));
    m_body << QStringLiteral("<p class=kw>") + escapeHtml(text) + QStringLiteral("</p>");
    m_prose << keywords.join(QLatin1Char(' '));
}

QString DocumentPage::html() const
{
    QString out;
    out += QStringLiteral("<html>\n<head>\n");
    out += QStringLiteral("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\n");
    out += QStringLiteral("<title>") + escapeHtml(m_title) + QStringLiteral("</title>\n");
    out += QString::fromLatin1(kStyle);
    out += QStringLiteral("</head>\n<body>\n");
    out += QStringLiteral("<h1>") + escapeHtml(m_title) + QStringLiteral("</h1>\n");
    for (const QString& line : m_body) out += line + QLatin1Char('\n');
    out += QStringLiteral("</body>\n</html>\n");
    return out;
}

QString DocumentPage::searchText() const
{
    return (QStringList{m_title} + m_prose).join(QLatin1Char(' '));
}

}  // namespace kelvor::authoring
