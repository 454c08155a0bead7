#pragma once

#include "documentimport.h"
#include "importdialog.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class QAbstractProxyModel;
class QTreeView;

namespace kelvor {

class CatalogueModel;
class Prompter;
class SharedConnection;
class WindowMenu;

// The window's entry "导入文档…" in the menu "面板": runs the import, and
// afterwards shows the centre it went into afresh, with the new folder
// unfolded and selected in its tree. A cancelled or failed import changes
// nothing on show.
class WindowImport : public QObject {
    Q_OBJECT
public:
    struct Parts {
        QWidget* window = nullptr;
        WindowMenu* menu = nullptr;
        QTreeView* tree = nullptr;
        QAbstractProxyModel* treeProxy = nullptr;
        CatalogueModel* catalogue = nullptr;
        // Switches to the centre behind bar item `item` of the centre group.
        std::function<void(int item)> showCentre;
    };

    static constexpr const char* kEntryCaption = "导入文档…";

    WindowImport(SharedConnection& connection, QString dataRoot, Prompter& prompter, Parts parts);
    ~WindowImport() override;

    DocumentImport& documentImport() { return *m_import; }

    // The bar item of the centre group that shows the centre of that caption.
    static std::optional<int> centreBarItem(const QString& centreCaption);

private:
    void showImported(const QString& centreCaption, const QString& folderCode);

    SharedConnection& m_connection;
    Parts m_parts;
    ImportDialog m_dialog;
    std::unique_ptr<DocumentImport> m_import;
};

}  // namespace kelvor
