#include "windowimport.h"

#include "app/window/catalogueselection.h"
#include "app/window/navigationgroups.h"
#include "app/window/windowmenu.h"

#include "catalogue/cataloguemodel.h"
#include "catalogue/treenavigation.h"
#include "library/centres.h"
#include "library/sharedconnection.h"

namespace kelvor {

WindowImport::WindowImport(SharedConnection& connection, QString dataRoot, Prompter& prompter, Parts parts)
    : QObject(parts.window),
      m_connection(connection),
      m_parts(std::move(parts)),
      // Only a user's pick of the entry asks, so the dialog never waits on an unattended run.
      m_dialog(m_parts.window, false),
      m_import(std::make_unique<DocumentImport>(std::move(dataRoot), m_dialog, prompter, m_parts.window))
{
    connect(m_import.get(), &DocumentImport::imported, this, &WindowImport::showImported);
    if (m_parts.menu)
        m_parts.menu->addEntry(QString::fromUtf8(kEntryCaption), [this] { m_import->start(); });
}

WindowImport::~WindowImport() = default;

std::optional<int> WindowImport::centreBarItem(const QString& centreCaption)
{
    const Centre* wanted = centreByCaption(centreCaption);
    if (!wanted) return std::nullopt;
    for (int item = 0; item < kBarItemCount; ++item) {
        const QString name = barItemName(NavigationGroup::Centre, item);
        if (!name.isEmpty() && centreByCaption(name) == wanted) return item;
    }
    return std::nullopt;
}

void WindowImport::showImported(const QString& centreCaption, const QString& folderCode)
{
    const auto item = centreBarItem(centreCaption);
    if (!item || !m_parts.showCentre) return;
    // The import swapped in new database files: a connection still open on
    // the old ones would read the library as it was. The switch opens them anew.
    m_connection.close();
    m_parts.showCentre(*item);
    const int folder = nodeOfRecord(m_parts.catalogue->tree(), folderCode);
    if (folder < 0) return;
    CatalogueSelection selection(*m_parts.tree, m_parts.treeProxy, *m_parts.catalogue);
    selection.reveal(folder);
    selection.expand(folder);
}

}  // namespace kelvor
