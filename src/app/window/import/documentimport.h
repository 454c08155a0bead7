#pragma once

#include "import/importrunner.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QProgressDialog;
class QWidget;

namespace kelvor {

class ImportQuestions;
class Prompter;

// The window's "导入文档…": asks for the documentation and the centre, runs
// the import off the GUI thread behind a progress dialog that can cancel it,
// and tells the window which centre changed. A cancelled or failed import
// leaves the library as it was and says so.
class DocumentImport : public QObject {
    Q_OBJECT
public:
    DocumentImport(QString dataRoot, ImportQuestions& questions, Prompter& prompter, QWidget* window);
    ~DocumentImport() override;

    void setQuestions(ImportQuestions& questions) { m_questions = &questions; }

    // The centres documentation can be imported into, by caption.
    static QStringList centreCaptions();

    // Asks and, when answered, starts the import. False when nothing started
    // (the user cancelled, or an import is already running).
    bool start();
    void cancel();
    bool isRunning() const { return m_runner.isRunning(); }

signals:
    // The import is in the library: the window shows the centre anew.
    void imported(const QString& centreCaption, const QString& folderCode);
    // The import ended without changing the library (failed or cancelled).
    void abandoned();

private:
    void showProgress(const importing::ImportProgress& progress);
    void finish(const importing::ImportSummary& summary);
    void fail(const QString& message, bool cancelled);
    void closeProgress();

    QString m_dataRoot;
    ImportQuestions* m_questions;
    Prompter& m_prompter;
    QPointer<QWidget> m_window;
    QProgressDialog* m_progress = nullptr;
    importing::ImportRunner m_runner;
};

// One line for the user about a finished import, in the window's language.
QString importSummaryText(const importing::ImportSummary& summary);

}  // namespace kelvor
