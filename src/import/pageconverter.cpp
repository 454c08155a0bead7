#include "pageconverter.h"

#include <QList>
#include <QRegularExpression>
#include <QSet>

#include <gumbo.h>

#include <algorithm>
#include <vector>

namespace kelvor::importing {

namespace {

// Written into every page's head: the charset the file now has, and the look
// of source paragraphs (the page's own style sheet knows nothing of them).
const char* const kHeadInsert =
    "<meta charset=\"utf-8\">"
    "<style>p.a2{font-family:monospace;font-size:0.9em;line-height:1.4;background:#f8f8f8;"
    "border:1px solid #ddd;padding:6px 10px;margin:0.6em 0;overflow-x:auto;white-space:nowrap}</style>\n";

constexpr int kTabStop = 8;

struct Patch {
    qsizetype start;
    qsizetype end;
    QByteArray replacement;
};

QString fromPiece(const GumboStringPiece& piece)
{
    return QString::fromUtf8(piece.data, qsizetype(piece.length));
}

const GumboAttribute* attribute(const GumboElement& e, const char* name)
{
    return gumbo_get_attribute(&e.attributes, name);
}

// The words of an element's class and id ("t-navbar" -> "t", "navbar").
QList<QByteArray> classTokens(const GumboElement& e)
{
    QList<QByteArray> tokens;
    for (const char* name : {"class", "id"}) {
        const GumboAttribute* a = attribute(e, name);
        if (!a) continue;
        QByteArray word;
        for (const char* p = a->value; ; ++p) {
            const char c = *p;
            if (c == ' ' || c == '\t' || c == '\n' || c == '-' || c == '_' || c == '\0') {
                if (!word.isEmpty()) tokens << word.toLower();
                word.clear();
                if (c == '\0') break;
            } else {
                word += c;
            }
        }
    }
    return tokens;
}

// Site chrome that repeats on every page: its text says nothing about the page.
bool isBoilerplate(const GumboElement& e)
{
    if (e.tag == GUMBO_TAG_NAV || e.tag == GUMBO_TAG_FOOTER) return true;
    // Sites style whole pages by classes of the body ("cpp-navbar"): those say nothing about chrome.
    if (e.tag == GUMBO_TAG_HTML || e.tag == GUMBO_TAG_BODY || e.tag == GUMBO_TAG_MAIN || e.tag == GUMBO_TAG_ARTICLE)
        return false;
    if (const GumboAttribute* role = attribute(e, "role")) {
        const QByteArray r = QByteArray(role->value).toLower();
        if (r == "navigation" || r == "banner" || r == "contentinfo") return true;
    }
    static const QSet<QByteArray> chrome = {
        "nav",      "navbar",      "navigation",  "sidebar", "footer",        "breadcrumb", "breadcrumbs",
        "menu",     "toc",         "catlinks",    "printfooter", "editsection", "sphinxsidebar", "related",
        "navheader", "navfooter", "sitesub", "contentsub",
    };
    if (!attribute(e, "class") && !attribute(e, "id")) return false;
    for (const QByteArray& token : classTokens(e))
        if (chrome.contains(token)) return true;
    return false;
}

bool isHidden(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_SCRIPT: case GUMBO_TAG_STYLE: case GUMBO_TAG_NOSCRIPT: case GUMBO_TAG_TEMPLATE:
    case GUMBO_TAG_HEAD: case GUMBO_TAG_SELECT: case GUMBO_TAG_OPTION:
        return true;
    default:
        return false;
    }
}

bool isBlock(GumboTag tag)
{
    switch (tag) {
    case GUMBO_TAG_P: case GUMBO_TAG_DIV: case GUMBO_TAG_LI: case GUMBO_TAG_TD: case GUMBO_TAG_TH:
    case GUMBO_TAG_TR: case GUMBO_TAG_BR: case GUMBO_TAG_H1: case GUMBO_TAG_H2: case GUMBO_TAG_H3:
    case GUMBO_TAG_H4: case GUMBO_TAG_H5: case GUMBO_TAG_H6: case GUMBO_TAG_PRE: case GUMBO_TAG_TABLE:
    case GUMBO_TAG_UL: case GUMBO_TAG_OL: case GUMBO_TAG_DL: case GUMBO_TAG_DT: case GUMBO_TAG_DD:
    case GUMBO_TAG_SECTION: case GUMBO_TAG_ARTICLE: case GUMBO_TAG_BLOCKQUOTE: case GUMBO_TAG_HR:
    case GUMBO_TAG_CAPTION: case GUMBO_TAG_BODY:
        return true;
    default:
        return false;
    }
}

bool isHeading(GumboTag tag)
{
    return tag >= GUMBO_TAG_H1 && tag <= GUMBO_TAG_H6;
}

// Whether `name` is an attribute of an element of `tag` that holds an address.
bool isAddressAttribute(GumboTag tag, const char* name)
{
    switch (tag) {
    case GUMBO_TAG_A: case GUMBO_TAG_AREA: case GUMBO_TAG_LINK:
        return qstrcmp(name, "href") == 0;
    case GUMBO_TAG_IMG: case GUMBO_TAG_SCRIPT: case GUMBO_TAG_IFRAME: case GUMBO_TAG_FRAME:
    case GUMBO_TAG_EMBED: case GUMBO_TAG_SOURCE: case GUMBO_TAG_TRACK: case GUMBO_TAG_AUDIO:
    case GUMBO_TAG_INPUT:
        return qstrcmp(name, "src") == 0;
    case GUMBO_TAG_VIDEO:
        return qstrcmp(name, "src") == 0 || qstrcmp(name, "poster") == 0;
    case GUMBO_TAG_OBJECT:
        return qstrcmp(name, "data") == 0;
    case GUMBO_TAG_BODY: case GUMBO_TAG_TABLE: case GUMBO_TAG_TD: case GUMBO_TAG_TH:
        return qstrcmp(name, "background") == 0;
    default:
        return false;
    }
}

bool navigates(GumboTag tag)
{
    return tag == GUMBO_TAG_A || tag == GUMBO_TAG_AREA;
}

bool hasClass(const GumboElement& e, const char* name)
{
    const GumboAttribute* a = attribute(e, "class");
    if (!a) return false;
    return QString::fromUtf8(a->value).split(QLatin1Char(' '), Qt::SkipEmptyParts).contains(QLatin1String(name));
}

QByteArray quotedAttribute(const QString& value)
{
    QString v = value;
    v.replace(QLatin1Char('&'), QStringLiteral("&amp;")).replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    return '"' + v.toUtf8() + '"';
}

// One code block turned into the lines of a source paragraph. The viewer
// reads paragraphs line by line in the library's code page, so every line is
// pure ASCII (other characters as references) and only the last ends in "/p>".
class SourceLines {
public:
    explicit SourceLines(std::function<QString(const GumboElement&, const GumboAttribute&)> attributeValue)
        : m_attributeValue(std::move(attributeValue))
    {
    }

    void element(const GumboNode* node, bool lineBlocks)
    {
        for (unsigned i = 0; i < node->v.element.children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(node->v.element.children.data[i]);
            if (lineBlocks && child->type == GUMBO_NODE_ELEMENT && hasClass(child->v.element, "line")) {
                element(child, false);
                breakLine();
                continue;
            }
            node_(child);
        }
    }

    QByteArray paragraph()
    {
        m_lines << m_current + closeTags();
        m_hasContent.push_back(m_currentHasContent);
        qsizetype first = 0;
        qsizetype last = m_lines.size() - 1;
        while (first <= last && !m_hasContent[size_t(first)]) ++first;
        while (last >= first && !m_hasContent[size_t(last)]) --last;
        if (first > last) return {};
        QByteArray out = "\n<p class=a2>";
        for (qsizetype i = first; i <= last; ++i) {
            out += m_lines.at(i).toLatin1();
            out += i == last ? "</p>\n" : "<br>\n";
        }
        return out;
    }

    QString plainText() const { return m_plain; }

private:
    void node_(const GumboNode* node)
    {
        switch (node->type) {
        case GUMBO_NODE_TEXT: case GUMBO_NODE_WHITESPACE: case GUMBO_NODE_CDATA:
            text(QString::fromUtf8(node->v.text.text));
            break;
        case GUMBO_NODE_ELEMENT: {
            const GumboElement& e = node->v.element;
            if (e.tag == GUMBO_TAG_BR) {
                breakLine();
                return;
            }
            if (e.tag == GUMBO_TAG_SCRIPT || e.tag == GUMBO_TAG_STYLE) return;
            const QString open = openTag(e);
            m_current += open;
            if (e.tag == GUMBO_TAG_IMG || e.children.length == 0) {
                if (e.tag != GUMBO_TAG_IMG) m_current += closeTag(e);
                return;
            }
            m_open.push_back({open, closeTag(e)});
            element(node, false);
            m_open.pop_back();
            m_current += closeTag(e);
            break;
        }
        default:
            break;
        }
    }

    void text(const QString& t)
    {
        for (qsizetype i = 0; i < t.size(); ++i) {
            const QChar c = t.at(i);
            if (c == QLatin1Char('\n')) {
                breakLine();
                continue;
            }
            if (c == QLatin1Char('\r')) continue;
            m_plain += c;
            if (c == QLatin1Char('\t')) {
                const int n = kTabStop - m_column % kTabStop;
                for (int k = 0; k < n; ++k) m_current += QStringLiteral("&nbsp;");
                m_column += n;
                m_previousBlank = true;
                continue;
            }
            m_currentHasContent = true;
            ++m_column;
            if (c == QLatin1Char(' ')) {
                // Runs of blanks and indentation would collapse in a paragraph.
                const bool next = i + 1 < t.size() && (t.at(i + 1) == QLatin1Char(' ') || t.at(i + 1) == QLatin1Char('\t'));
                m_current += (m_column == 1 || m_previousBlank || next) ? QStringLiteral("&nbsp;") : QStringLiteral(" ");
                m_previousBlank = true;
                continue;
            }
            m_previousBlank = false;
            if (c == QLatin1Char('<')) m_current += QStringLiteral("&lt;");
            else if (c == QLatin1Char('>')) m_current += QStringLiteral("&gt;");
            else if (c == QLatin1Char('&')) m_current += QStringLiteral("&amp;");
            else if (c.unicode() < 0x80) m_current += c;
            else if (c.isHighSurrogate() && i + 1 < t.size() && t.at(i + 1).isLowSurrogate()) {
                m_current += QStringLiteral("&#%1;").arg(QChar::surrogateToUcs4(c, t.at(i + 1)));
                m_plain += t.at(++i);
            } else {
                m_current += QStringLiteral("&#%1;").arg(c.unicode());
            }
        }
    }

    void breakLine()
    {
        m_plain += QLatin1Char('\n');
        m_lines << m_current + closeTags();
        m_hasContent.push_back(m_currentHasContent);
        m_current.clear();
        for (const auto& [open, close] : m_open) m_current += open;
        m_currentHasContent = false;
        m_column = 0;
        m_previousBlank = false;
    }

    QString openTag(const GumboElement& e) const
    {
        QString tag = QLatin1Char('<') + QString::fromUtf8(gumbo_normalized_tagname(e.tag));
        for (unsigned i = 0; i < e.attributes.length; ++i) {
            const auto* a = static_cast<const GumboAttribute*>(e.attributes.data[i]);
            tag += QLatin1Char(' ') + QString::fromUtf8(a->name) + QLatin1Char('=') +
                   asciiOnly(QString::fromUtf8(quotedAttribute(m_attributeValue(e, *a))));
        }
        return tag + QLatin1Char('>');
    }

    static QString closeTag(const GumboElement& e)
    {
        return QStringLiteral("</") + QString::fromUtf8(gumbo_normalized_tagname(e.tag)) + QLatin1Char('>');
    }

    QString closeTags() const
    {
        QString out;
        for (auto it = m_open.rbegin(); it != m_open.rend(); ++it) out += it->second;
        return out;
    }

    static QString asciiOnly(const QString& s)
    {
        QString out;
        for (const QChar c : s) {
            if (c.unicode() < 0x80) out += c;
            else out += QStringLiteral("&#%1;").arg(c.unicode());
        }
        return out;
    }

    std::function<QString(const GumboElement&, const GumboAttribute&)> m_attributeValue;
    std::vector<std::pair<QString, QString>> m_open;  // tags open at this point: how to reopen and close them
    QStringList m_lines;
    std::vector<bool> m_hasContent;
    QString m_current;
    QString m_plain;
    bool m_currentHasContent = false;
    bool m_previousBlank = false;
    int m_column = 0;
};

class Converter {
public:
    Converter(const QByteArray& source, const LinkRewriter& rewriter) : m_source(source), m_rewriter(rewriter) {}

    ConvertedPage run()
    {
        GumboOptions options = kGumboDefaultOptions;
        options.max_errors = 0;
        GumboOutput* output = gumbo_parse_with_options(&options, m_source.constData(), size_t(m_source.size()));
        walk(output->document, true);
        gumbo_destroy_output(&options, output);

        m_page.mark = m_mark.simplified();
        m_page.title = m_page.title.simplified();
        m_page.heading = m_page.heading.simplified();
        m_patches.push_back({headInsertPoint(), headInsertPoint(), QByteArray(kHeadInsert)});
        m_page.html = applyPatches();
        return std::move(m_page);
    }

private:
    qsizetype offsetOf(const char* p) const { return p ? qsizetype(p - m_source.constData()) : -1; }

    // After a doctype, which must stay first for the page to keep its mode.
    qsizetype headInsertPoint() const
    {
        qsizetype i = 0;
        while (i < m_source.size() && QChar::isSpace(uchar(m_source.at(i)))) ++i;
        if (m_source.mid(i, 9).toLower() == "<!doctype") {
            const qsizetype end = m_source.indexOf('>', i);
            if (end >= 0) return end + 1;
        }
        return 0;
    }

    QByteArray applyPatches()
    {
        std::stable_sort(m_patches.begin(), m_patches.end(),
                         [](const Patch& a, const Patch& b) { return a.start < b.start; });
        QByteArray out;
        out.reserve(m_source.size() + m_source.size() / 8 + 512);
        qsizetype at = 0;
        for (const Patch& p : m_patches) {
            if (p.start < at) continue;  // inside a block already replaced
            out.append(m_source.constData() + at, p.start - at);
            out += p.replacement;
            at = p.end;
        }
        out.append(m_source.constData() + at, m_source.size() - at);
        return out;
    }

    void addMark(const QString& text)
    {
        m_mark += text;
    }

    void separate()
    {
        if (!m_mark.isEmpty() && !m_mark.endsWith(QLatin1Char(' '))) m_mark += QLatin1Char(' ');
    }

    // The new text of an address attribute; counts addresses that lead nowhere.
    QString attributeValue(const GumboElement& e, const GumboAttribute& a)
    {
        const QString value = QString::fromUtf8(a.value);
        if (qstrcmp(a.name, "style") == 0) return rewriteCss(value);
        if (!isAddressAttribute(e.tag, a.name)) return value;
        const LinkRewrite r = m_rewriter(value.trimmed());
        switch (r.kind) {
        case LinkRewrite::Keep: return value;
        case LinkRewrite::Replace: return r.value;
        case LinkRewrite::Missing:
            ++m_page.missingLinks;
            return navigates(e.tag) ? QStringLiteral("#") : value;
        }
        return value;
    }

    QString rewriteCss(const QString& css)
    {
        static const QRegularExpression url(
            QStringLiteral("url\\(\\s*(['\"]?)([^'\"\\)]*)\\1\\s*\\)|@import\\s+(['\"])([^'\"]*)\\3"));
        QString out;
        qsizetype at = 0;
        auto it = url.globalMatch(css);
        while (it.hasNext()) {
            const auto m = it.next();
            const int group = m.capturedStart(2) >= 0 ? 2 : 4;
            const LinkRewrite r = m_rewriter(m.captured(group).trimmed());
            if (r.kind == LinkRewrite::Missing) ++m_page.missingLinks;
            if (r.kind != LinkRewrite::Replace) continue;
            out += css.mid(at, m.capturedStart(group) - at) + r.value;
            at = m.capturedEnd(group);
        }
        return at == 0 ? css : out + css.mid(at);
    }

    void rewriteAttributes(const GumboElement& e)
    {
        for (unsigned i = 0; i < e.attributes.length; ++i) {
            const auto* a = static_cast<const GumboAttribute*>(e.attributes.data[i]);
            const qsizetype start = offsetOf(a->original_value.data);
            if (start < 0 || a->original_value.length == 0) continue;
            if (qstrcmp(a->name, "style") != 0 && !isAddressAttribute(e.tag, a->name)) continue;
            const QString value = QString::fromUtf8(a->value);
            const QString rewritten = attributeValue(e, *a);
            if (rewritten == value) continue;
            m_patches.push_back({start, start + qsizetype(a->original_value.length), quotedAttribute(rewritten)});
        }
    }

    // Start and end of an element's written form, or -1 when the parser made it up.
    std::pair<qsizetype, qsizetype> extent(const GumboElement& e) const
    {
        const qsizetype start = offsetOf(e.original_tag.data);
        if (start < 0 || e.original_tag.length == 0) return {-1, -1};
        if (e.original_end_tag.data && e.original_end_tag.length)
            return {start, offsetOf(e.original_end_tag.data) + qsizetype(e.original_end_tag.length)};
        return {start, std::max<qsizetype>(start + qsizetype(e.original_tag.length), e.end_pos.offset)};
    }

    void codeBlock(const GumboNode* node, bool lineBlocks)
    {
        const auto [start, end] = extent(node->v.element);
        SourceLines lines([this](const GumboElement& e, const GumboAttribute& a) { return attributeValue(e, a); });
        lines.element(node, lineBlocks);
        const QByteArray paragraph = lines.paragraph();
        separate();
        addMark(lines.plainText());
        separate();
        if (start < 0) return;
        if (!paragraph.isEmpty()) ++m_page.sourceParagraphs;
        m_patches.push_back({start, end, paragraph});
    }

    static QString textOf(const GumboNode* node)
    {
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE || node->type == GUMBO_NODE_CDATA)
            return QString::fromUtf8(node->v.text.text);
        if (node->type != GUMBO_NODE_ELEMENT) return {};
        QString out;
        for (unsigned i = 0; i < node->v.element.children.length; ++i)
            out += textOf(static_cast<const GumboNode*>(node->v.element.children.data[i])) + QLatin1Char(' ');
        return out;
    }

    void walk(const GumboNode* node, bool visible)
    {
        if (node->type == GUMBO_NODE_DOCUMENT) {
            for (unsigned i = 0; i < node->v.document.children.length; ++i)
                walk(static_cast<const GumboNode*>(node->v.document.children.data[i]), visible);
            return;
        }
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE || node->type == GUMBO_NODE_CDATA) {
            if (visible) addMark(QString::fromUtf8(node->v.text.text));
            return;
        }
        if (node->type != GUMBO_NODE_ELEMENT) return;
        const GumboElement& e = node->v.element;

        if (e.tag == GUMBO_TAG_TITLE && m_page.title.isEmpty()) m_page.title = textOf(node);
        if (isHeading(e.tag) && m_page.heading.isEmpty()) m_page.heading = textOf(node);
        if (e.tag == GUMBO_TAG_META && (attribute(e, "charset") || isContentTypeMeta(e))) {
            remove(e);
            return;
        }
        if (e.tag == GUMBO_TAG_BASE) {  // would send every address somewhere else
            remove(e);
            return;
        }
        if (e.tag == GUMBO_TAG_PRE) {
            codeBlock(node, false);
            return;
        }
        if (e.tag == GUMBO_TAG_DIV && hasClass(e, "fragment")) {
            codeBlock(node, true);
            return;
        }
        rewriteAttributes(e);
        if (e.tag == GUMBO_TAG_STYLE) rewriteStyleElement(e);

        const bool showsText = visible && !isHidden(e.tag) && !isBoilerplate(e);  // chrome is looked for only in what shows
        const bool block = isBlock(e.tag);
        if (showsText && block) separate();
        for (unsigned i = 0; i < e.children.length; ++i)
            walk(static_cast<const GumboNode*>(e.children.data[i]), showsText);
        if (showsText && block) separate();
    }

    static bool isContentTypeMeta(const GumboElement& e)
    {
        const GumboAttribute* equiv = attribute(e, "http-equiv");
        return equiv && QByteArray(equiv->value).toLower() == "content-type";
    }

    void remove(const GumboElement& e)
    {
        const auto [start, end] = extent(e);
        if (start >= 0) m_patches.push_back({start, end, {}});
    }

    void rewriteStyleElement(const GumboElement& e)
    {
        for (unsigned i = 0; i < e.children.length; ++i) {
            const auto* child = static_cast<const GumboNode*>(e.children.data[i]);
            if (child->type != GUMBO_NODE_TEXT) continue;
            const qsizetype start = offsetOf(child->v.text.original_text.data);
            if (start < 0) continue;
            const QString css = fromPiece(child->v.text.original_text);
            const QString rewritten = rewriteCss(css);
            if (rewritten != css)
                m_patches.push_back({start, start + qsizetype(child->v.text.original_text.length), rewritten.toUtf8()});
        }
    }

    const QByteArray& m_source;
    const LinkRewriter& m_rewriter;
    ConvertedPage m_page;
    QString m_mark;
    std::vector<Patch> m_patches;
};

}  // namespace

ConvertedPage convertPage(const QString& text, const LinkRewriter& rewriter)
{
    const QByteArray source = text.toUtf8();
    return Converter(source, rewriter).run();
}

}  // namespace kelvor::importing
