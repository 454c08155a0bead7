#pragma once

#include "cataloguetree.h"

#include <QString>

#include <optional>

namespace kelvor {

// The reading bookmark: where the user stopped reading, kept across runs in a
// three-line file (group, bar item, parent code followed by the node's code).
struct ReadingBookmark {
    QString group;       // "0" centre group, "1" learning group, "2" query group
    QString item;        // index of the bar item last chosen
    QString parentCode;  // code of the bookmarked node's parent
    QString nodeCode;    // code of the bookmarked node (parent code + 4 characters)
};

enum class BookmarkFileState {
    Missing,     // no file, or it cannot be read: the bookmark button does nothing
    NoBookmark,  // the file holds no bookmark yet (a first line longer than 2 characters)
    Present,
};

struct BookmarkFile {
    BookmarkFileState state = BookmarkFileState::Missing;
    ReadingBookmark bookmark;  // when Present
};

BookmarkFile readBookmarkFile(const QString& path);
// Writes the three lines (GBK, CR LF) to a temporary file renamed over the
// old one, so a failed write leaves the previous bookmark. False on failure.
bool writeBookmarkFile(const QString& path, const ReadingBookmark& bookmark);

// Only document nodes (keys beginning with "m") can be bookmarked.
bool canBookmark(const QString& nodeKey);
// The bookmark of `node`: its parent's code and its own, with the group and item.
std::optional<ReadingBookmark> bookmarkOf(const CatalogueTree& tree, int node, const QString& group,
                                          const QString& item);

struct BookmarkTarget {
    int parent = -1;  // the node to expand
    int node = -1;    // the node to select; its code is the record to open
};
// Finds the bookmarked node in a tree: the first node whose code is the
// parent code, and among its children the one with the node's code. Nothing
// when either is gone from the tree.
std::optional<BookmarkTarget> findBookmarkedNode(const CatalogueTree& tree, const ReadingBookmark& bookmark);

}  // namespace kelvor
