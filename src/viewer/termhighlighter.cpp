#include "termhighlighter.h"

#include "documentview.h"

#include "library/prompter.h"

#include <QPointer>
#include <QTimer>

#include <array>

namespace kelvor {

namespace {

// Far enough to reach either end of any page; the scroll down and back up
// repaints the marked page from its top.
constexpr int kWholePage = 2000000;
constexpr qint16 kLastCyclePosition = 15;

}  // namespace

QString highlightcolours::highlighter() { return QStringLiteral("RED"); }

QString highlightcolours::searchColour(int position)
{
    static const std::array<QString, 10> first = {
        QStringLiteral("green"), QStringLiteral("blue"),         QStringLiteral("Yellow"),
        QStringLiteral("Magenta"), QStringLiteral("Cyan"),       QStringLiteral("lightskyblue"),
        QStringLiteral("coral"), QStringLiteral("plum"),         QStringLiteral("peru"),
        QStringLiteral("Gray")};
    if (position >= 1 && position <= int(first.size())) return first[size_t(position - 1)];
    return QStringLiteral("lime");
}

QString SearchColourCycle::next()
{
    ++m_position;
    if (m_position > kLastCyclePosition) m_position = 1;
    return highlightcolours::searchColour(m_position);
}

TermHighlighter::TermHighlighter(DocumentView& view, QTimer& timer, Prompter& prompter,
                                 std::function<HighlightRequest()> request, QObject* parent)
    : QObject(parent), m_view(view), m_timer(timer), m_prompter(prompter), m_request(std::move(request))
{
    connect(&m_timer, &QTimer::timeout, this, &TermHighlighter::tick);
}

QString TermHighlighter::searchPrompt() { return QStringLiteral("请输入要查询的内容"); }

void TermHighlighter::tick()
{
    const HighlightRequest request = m_request ? m_request() : HighlightRequest{};
    if (!request.armed || (request.option != 0 && request.option != 1)) return;
    // Before the first page has loaded there is nothing to mark; the timer
    // keeps running for the page to come.
    if (!m_view.hasDocument() && !m_view.isLoading()) return;
    // One pass per opening: stopped now, so no tick starts a second pass
    // while the page is still being marked.
    m_timer.stop();
    if (request.option == 0) m_view.hide();
    QPointer<TermHighlighter> self(this);
    auto finish = [self](int count) {
        if (!self) return;
        self->m_view.show();
        if (QWidget* window = self->m_view.window()) window->update();
        emit self->passFinished(count);
    };
    if (request.term.isEmpty()) {
        finish(0);
        return;
    }
    // The record opener arms the timer while its page is still loading.
    m_view.whenLoaded([self, term = request.term, finish] {
        if (self) self->m_view.markText(term, highlightcolours::highlighter(), finish);
    });
}

void TermHighlighter::searchInDocument()
{
    if (!m_view.hasDocument()) return;
    const auto answer = m_prompter.input(searchPrompt());
    if (!answer || answer->isEmpty()) return;
    const QString colour = m_colours.next();
    const bool repaintFromTop = (m_request ? m_request() : HighlightRequest{}).option == 0;
    QPointer<TermHighlighter> self(this);
    m_view.markText(*answer, colour, [self, colour, repaintFromTop](int count) {
        if (!self) return;
        if (!repaintFromTop) {
            emit self->searchFinished(colour, count);
            return;
        }
        self->m_view.scrollBy(0, kWholePage);
        self->m_view.scrollBy(0, -kWholePage, [self, colour, count] {
            if (self) emit self->searchFinished(colour, count);
        });
    });
}

}  // namespace kelvor
