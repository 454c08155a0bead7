#pragma once

#include "reports/matchtree.h"
#include "reports/report.h"
#include "reports/savedreports.h"
#include "reports/walkrunner.h"

#include "library/layout.h"

#include <QObject>
#include <QRect>

#include <array>
#include <atomic>
#include <functional>
#include <memory>

class QThread;
class QTimer;

namespace kelvor {

class CatalogueModel;
class Prompter;
class ProgressPanel;
class ReportPanel;

// The continued query of the report panel: a saved report taken back by
// its term, or the chosen centres searched off the GUI thread into the hit
// tree, walked node by node on `Timer5` into the current report, which is
// then shown as the report page. Owns the current report and the saved ones.
class ContinuedQuery : public QObject {
    Q_OBJECT
public:
    struct Parts {
        ReportPanel* panel = nullptr;
        ProgressPanel* progress = nullptr;
        QTimer* walkTimer = nullptr;  // Timer5
        // Opens the record of a code where the user sees it; the plain text of its document.
        std::function<QString(const QString& code)> openRecord;
        // Shows a page (the rendered report) in the document view.
        std::function<void(const QString& path)> showPage;
        std::function<void(const QString& term)> setHighlightTerm;
        // Hides the panels over the document area (keyword list, reference navigation).
        std::function<void()> clearDocumentArea;
        std::function<std::array<bool, 6>()> centreOptions;
        // Where the progress panel goes while a query runs.
        std::function<QRect()> progressArea;
        QString generatedFolder;  // where the rendered report page is written
    };

    ContinuedQuery(LibraryLayout layout, Prompter& prompter, Parts parts, QObject* parent = nullptr);
    ~ContinuedQuery() override;

    // "继续查询" with the field's text.
    void run(const QString& text);
    // Opens and keys the chosen centres' databases on a worker while the user
    // types, so the first query does not pay for it; a query asked meanwhile
    // waits on its own worker for the preparing to end.
    void prepareCentres();
    void save();
    void openSaved(int position);
    void currentQueryClicked();
    void cancel();
    // Renders the current report into the report page and shows it.
    void render();

    const reports::Report& current() const { return m_current; }
    const reports::SavedReports& saved() const { return m_saved; }
    const CatalogueModel& hitTree() const { return *m_hits; }
    bool isBusy() const { return m_thread != nullptr || m_runner.isRunning(); }
    bool isPreparing() const { return m_prepareThread != nullptr; }

signals:
    // The report page was shown (the path written).
    void reportShown(const QString& path);

private:
    void startFresh(const QString& term);
    std::array<bool, 6> centreOptions() const;
    void treeBuilt(const reports::MatchTree& tree);
    void walk();
    void walkFinished(const reports::Report& report);
    void showProgress();
    void hideProgress();
    void takeReport(const reports::Report& report);
    void hitNodeClicked(const QModelIndex& index);

    LibraryLayout m_layout;
    Prompter& m_prompter;
    Parts m_parts;
    std::unique_ptr<CatalogueModel> m_hits;
    // Used by one search thread at a time; keeps the centres' databases open between queries.
    std::shared_ptr<reports::MatchSearcher> m_searcher;
    std::vector<reports::MatchNode> m_hitNodes;
    reports::Report m_current;
    reports::SavedReports m_saved;
    int m_savedIndexTag = -1;  // the saved report a query took back; -1 after a fresh one
    reports::WalkRunner m_runner;
    QThread* m_thread = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancelSearch;
    QThread* m_prepareThread = nullptr;
    std::shared_ptr<std::atomic_bool> m_cancelPrepare;
};

}  // namespace kelvor
