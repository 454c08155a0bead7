#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QTimer;

namespace kelvor {

class DocumentView;
class Prompter;

// The colours of highlighting, written with the capitals the pages get.
namespace highlightcolours {
QString highlighter();  // "RED"
// The in-document search's colour at cycle position 1–15: ten colours, then
// "lime" for 11–15.
QString searchColour(int position);
}  // namespace highlightcolours

// Which colour the next in-document search uses. The counter is 16 bits wide
// and kept for the life of the window; after 15 it starts again at 1.
class SearchColourCycle {
public:
    QString next();
    qint16 position() const { return m_position; }

private:
    qint16 m_position = 0;
};

// What the highlighter reads on each tick: whether the last opening armed it,
// which highlight option is chosen (0 hides the document view while marking,
// 1 marks it in sight, anything else switches highlighting off) and the term
// handed over by the last search.
struct HighlightRequest {
    bool armed = false;
    int option = -1;
    QString term;
};

// Marks search terms in the document view: the highlighter on its timer
// marks the term of the last search in red once after an opening, and the
// in-document search marks what the user asks for in the next colour of the
// cycle. Both do nothing until the view has a document.
class TermHighlighter : public QObject {
    Q_OBJECT
public:
    TermHighlighter(DocumentView& view, QTimer& timer, Prompter& prompter,
                    std::function<HighlightRequest()> request, QObject* parent = nullptr);

    // One tick of the highlighter timer.
    void tick();
    // The toolbar's "搜索": asks for a text and marks it.
    void searchInDocument();

    static QString searchPrompt();  // "请输入要查询的内容"

signals:
    // A highlighter pass has marked `count` matches and shown the view again.
    void passFinished(int count);
    // An in-document search has marked `count` matches in `colour`.
    void searchFinished(const QString& colour, int count);

private:
    DocumentView& m_view;
    QTimer& m_timer;
    Prompter& m_prompter;
    std::function<HighlightRequest()> m_request;
    SearchColourCycle m_colours;
};

}  // namespace kelvor
