#include "documentimport.h"

#include "importquestions.h"

#include "library/centres.h"
#include "library/prompter.h"

#include <QProgressDialog>
#include <QWidget>

namespace kelvor {

using importing::ImportProgress;
using importing::ImportSummary;

DocumentImport::DocumentImport(QString dataRoot, ImportQuestions& questions, Prompter& prompter, QWidget* window)
    : QObject(window), m_dataRoot(std::move(dataRoot)), m_questions(&questions), m_prompter(prompter), m_window(window)
{
    connect(&m_runner, &importing::ImportRunner::progressed, this, &DocumentImport::showProgress);
    connect(&m_runner, &importing::ImportRunner::finished, this, &DocumentImport::finish);
    connect(&m_runner, &importing::ImportRunner::failed, this, &DocumentImport::fail);
}

DocumentImport::~DocumentImport()
{
    delete m_progress;
}

QStringList DocumentImport::centreCaptions()
{
    QStringList captions;
    for (const Centre& centre : centres())
        if (!centre.codePrefix.isEmpty() && centre.kind == DocumentKind::Page) captions << centre.caption;
    return captions;
}

bool DocumentImport::start()
{
    if (isRunning()) {
        m_prompter.message(QStringLiteral("正在导入文档，请等当前的导入结束。"));
        return false;
    }
    const std::optional<ImportChoice> choice = m_questions->ask(centreCaptions());
    if (!choice) return false;
    if (!m_runner.start({m_dataRoot, choice->source, choice->centre, choice->title})) return false;

    m_progress = new QProgressDialog(m_window);
    m_progress->setObjectName(QStringLiteral("importProgress"));
    m_progress->setWindowTitle(QStringLiteral("导入文档"));
    m_progress->setLabelText(QStringLiteral("正在读取文档…"));
    m_progress->setCancelButtonText(QStringLiteral("取消"));
    m_progress->setWindowModality(Qt::WindowModal);
    m_progress->setAutoClose(false);
    m_progress->setAutoReset(false);
    m_progress->setMinimumDuration(0);
    m_progress->setRange(0, 0);
    connect(m_progress, &QProgressDialog::canceled, this, &DocumentImport::cancel);
    m_progress->show();
    return true;
}

void DocumentImport::cancel()
{
    if (!isRunning()) return;
    m_runner.cancel();
    if (m_progress) m_progress->setLabelText(QStringLiteral("正在取消，资料库将保持原样…"));
}

void DocumentImport::showProgress(const ImportProgress& progress)
{
    if (!m_progress) return;
    // The dialog's range is an int; page and file counts stay far below it.
    const auto show = [this](const QString& text, qint64 done, qint64 total) {
        m_progress->setLabelText(text.arg(done).arg(total));
        m_progress->setRange(0, static_cast<int>(qMax<qint64>(total, 1)));
        m_progress->setValue(static_cast<int>(qMin(done, total)));
    };
    switch (progress.stage) {
    case ImportProgress::Pages:
        show(QStringLiteral("正在转换页面 %1 / %2"), progress.pagesDone, progress.pagesTotal);
        break;
    case ImportProgress::Files:
        show(QStringLiteral("正在复制文件 %1 / %2"), progress.filesDone, progress.filesTotal);
        break;
    case ImportProgress::Saving:
        m_progress->setLabelText(QStringLiteral("正在保存到资料库…"));
        m_progress->setRange(0, 0);
        break;
    }
}

void DocumentImport::closeProgress()
{
    if (!m_progress) return;
    m_progress->hide();
    m_progress->deleteLater();
    m_progress = nullptr;
}

void DocumentImport::finish(const ImportSummary& summary)
{
    closeProgress();
    emit imported(summary.centreCaption, summary.code);
    m_prompter.message(importSummaryText(summary));
}

void DocumentImport::fail(const QString& message, bool cancelled)
{
    closeProgress();
    emit abandoned();
    if (cancelled)
        m_prompter.message(QStringLiteral("导入已取消，资料库没有改变。"));
    else
        m_prompter.message(QStringLiteral("导入失败，资料库没有改变：\n%1").arg(message));
}

QString importSummaryText(const ImportSummary& summary)
{
    QString text = QStringLiteral("“%1”已导入%2：%3 个页面，%4 个文件夹，%5 段源程序，%6 个文件。")
                       .arg(summary.title, summary.centreCaption)
                       .arg(summary.pages)
                       .arg(summary.folders)
                       .arg(summary.sourceParagraphs)
                       .arg(summary.filesCopied);
    int skipped = 0;
    for (const auto& [reason, count] : summary.skipped) skipped += count;
    if (skipped > 0) text += QStringLiteral("跳过 %1 个文件。").arg(skipped);
    if (summary.replaced) text += QStringLiteral("先前导入的同名文件夹已被替换。");
    return text;
}

}  // namespace kelvor
