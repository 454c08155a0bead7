#include "bookmarkflow.h"

#include "catalogueselection.h"

#include "catalogue/readingbookmark.h"
#include "library/prompter.h"

namespace kelvor {

QString BookmarkFlow::refusedMessage() { return QStringLiteral("无法建立书签，请选择指定内容"); }
QString BookmarkFlow::createQuestion() { return QStringLiteral("您想创建书签，方便继续学习吗？"); }
QString BookmarkFlow::readOrCreateQuestion()
{
    return QStringLiteral("读取标签，请选择“yes”按钮\u3000\r\n\r\n创建标签，请选择“no”按钮");
}
QString BookmarkFlow::createdMessage() { return QStringLiteral("书签已建立"); }
QString BookmarkFlow::noBookmarkMessage() { return QStringLiteral("请先建立书签,然后再读取书签!!!"); }

BookmarkFlow::BookmarkFlow(Prompter& prompter, Parts parts) : m_prompter(prompter), m_parts(std::move(parts)) {}

void BookmarkFlow::run()
{
    const BookmarkFile file = readBookmarkFile(m_parts.path);
    switch (file.state) {
    case BookmarkFileState::Missing:
        // Without the file the button neither reads nor writes.
        return;
    case BookmarkFileState::NoBookmark: {
        const auto key = m_parts.catalogue ? m_parts.catalogue->selectedKey() : std::nullopt;
        if (!key) {
            m_prompter.message(noBookmarkMessage());
            return;
        }
        if (!canBookmark(*key)) {
            m_prompter.message(refusedMessage());
            return;
        }
        if (m_prompter.confirm(createQuestion())) write(false);
        return;
    }
    case BookmarkFileState::Present:
        if (m_prompter.confirm(readOrCreateQuestion()))
            read(file.bookmark);
        else
            write(true);
        return;
    }
}

bool BookmarkFlow::write(bool announce)
{
    CatalogueSelection* catalogue = m_parts.catalogue;
    const int node = catalogue ? catalogue->selectedNode() : -1;
    if (node < 0) {
        m_prompter.message(noBookmarkMessage());
        return false;
    }
    const auto bookmark = bookmarkOf(catalogue->tree(), node, m_parts.currentGroup ? m_parts.currentGroup() : QString(),
                                     m_parts.currentItem ? m_parts.currentItem() : QString());
    if (!bookmark) {
        m_prompter.message(refusedMessage());
        return false;
    }
    // A failed write keeps the previous bookmark whole and says nothing more.
    if (!writeBookmarkFile(m_parts.path, *bookmark)) return false;
    if (announce) m_prompter.message(createdMessage());
    return true;
}

void BookmarkFlow::read(const ReadingBookmark& bookmark)
{
    if (m_parts.switchTo && !m_parts.switchTo(bookmark.group, bookmark.item)) return;
    CatalogueSelection* catalogue = m_parts.catalogue;
    if (!catalogue) {
        m_prompter.message(noBookmarkMessage());
        return;
    }
    // A node gone from the tree opens nothing and leaves the selection as found.
    const auto target = findBookmarkedNode(catalogue->tree(), bookmark);
    if (!target) return;
    catalogue->select(target->node);
    if (m_parts.open) m_parts.open(bookmark.nodeCode);
    catalogue->expand(target->parent);
    catalogue->select(target->node);
}

}  // namespace kelvor
