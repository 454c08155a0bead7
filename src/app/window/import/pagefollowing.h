#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

class QAbstractProxyModel;
class QTreeView;

namespace kelvor {

class CatalogueModel;
class SharedConnection;

// The record whose document is the page at `path`: a page is named after its
// record's code, and the record's own folder must lead to that very file, so
// a page that merely carries a code-like name stays no record. Nothing for
// any other page, or when the content database cannot be read.
std::optional<QString> recordOfPage(SharedConnection& connection, const QString& path);

// A link clicked inside a document leads to another library page: when that
// page is a record of the tree on show, the tree selects its node and the
// record-code box and the rest of the document area follow the record, as a
// click on the node would, without loading the page again. Other pages
// leave the tree and the record on show alone.
class PageFollowing : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QTreeView* tree = nullptr;
        QAbstractProxyModel* treeProxy = nullptr;
        CatalogueModel* catalogue = nullptr;
        // Opens the record of a tree node for a page already on show.
        std::function<bool(int node, const QString& pageOnShow)> openNodeShowing;
    };

    PageFollowing(SharedConnection& connection, Parts parts, QObject* parent = nullptr);

    void pageFollowed(const QString& path);

private:
    SharedConnection& m_connection;
    Parts m_parts;
};

}  // namespace kelvor
