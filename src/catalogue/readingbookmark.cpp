#include "readingbookmark.h"

#include "treenavigation.h"

#include "library/atomicfile.h"
#include "library/gbk.h"

#include <QFile>

namespace kelvor {

using namespace Qt::StringLiterals;

BookmarkFile readBookmarkFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QString text = gbk::decode(file.readAll());
    text.replace(u"\r\n"_s, u"\n"_s);
    const QStringList lines = text.split(u'\n');
    BookmarkFile result;
    if (lines.value(0).size() > 2) {
        result.state = BookmarkFileState::NoBookmark;
        return result;
    }
    // Line 3 is 2k + 4 characters: the parent's code (k) and the node's (k + 4).
    const QString path3 = lines.value(2).trimmed();
    const qsizetype parentLength = (path3.size() - 4) / 2;
    if (path3.size() < 4 || (path3.size() - 4) % 2 != 0) {
        result.state = BookmarkFileState::NoBookmark;
        return result;
    }
    result.state = BookmarkFileState::Present;
    result.bookmark = {lines.value(0).trimmed(), lines.value(1).trimmed(), path3.left(parentLength),
                       path3.mid(parentLength)};
    return result;
}

bool writeBookmarkFile(const QString& path, const ReadingBookmark& bookmark)
{
    const QString text = bookmark.group + u"\r\n"_s + bookmark.item + u"\r\n"_s + bookmark.parentCode +
                         bookmark.nodeCode + u"\r\n"_s;
    return replaceFile(path, gbk::encode(text));
}

bool canBookmark(const QString& nodeKey) { return nodeKey.startsWith(u'm'); }

std::optional<ReadingBookmark> bookmarkOf(const CatalogueTree& tree, int node, const QString& group,
                                          const QString& item)
{
    if (!tree.contains(node) || !canBookmark(tree.key(node))) return std::nullopt;
    const int parent = tree.parent(node);
    const QString parentCode = parent >= 0 ? codeOfKey(tree.key(parent)) : QString();
    return ReadingBookmark{group, item, parentCode, codeOfKey(tree.key(node))};
}

std::optional<BookmarkTarget> findBookmarkedNode(const CatalogueTree& tree, const ReadingBookmark& bookmark)
{
    for (int i = 0; i < tree.nodeCount(); ++i) {
        if (codeOfKey(tree.key(i)) != bookmark.parentCode) continue;
        // Only the first node with the parent's code is looked in, as when
        // the bookmark was read by walking the tree.
        for (int child : tree.children(i))
            if (codeOfKey(tree.key(child)) == bookmark.nodeCode) return BookmarkTarget{i, child};
        return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace kelvor
