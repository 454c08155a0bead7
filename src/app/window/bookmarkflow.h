#pragma once

#include <QString>

#include <functional>

namespace kelvor {

class CatalogueSelection;
class Prompter;
struct ReadingBookmark;

// The toolbar's "书签": offers to write a bookmark for the selected document
// node, or to read the stored one back (group, bar item, node) and open it.
class BookmarkFlow {
public:
    struct Parts {
        QString path;  // the bookmark file
        CatalogueSelection* catalogue = nullptr;
        std::function<QString()> currentGroup;  // "0", "1", "2"
        std::function<QString()> currentItem;
        // Puts the stored group and bar item on show; false for an unknown group.
        std::function<bool(const QString& group, const QString& item)> switchTo;
        std::function<void(const QString&)> open;
    };

    BookmarkFlow(Prompter& prompter, Parts parts);

    void run();

    static QString refusedMessage();      // "无法建立书签，请选择指定内容"
    static QString createQuestion();      // "您想创建书签，方便继续学习吗？"
    static QString readOrCreateQuestion();
    static QString createdMessage();      // "书签已建立"
    static QString noBookmarkMessage();   // "请先建立书签,然后再读取书签!!!"

private:
    // False after the message when the selected node cannot be bookmarked.
    bool write(bool announce);
    void read(const ReadingBookmark& bookmark);

    Prompter& m_prompter;
    Parts m_parts;
};

}  // namespace kelvor
