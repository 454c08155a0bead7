#pragma once

#include "documentslots.h"

#include "viewer/documentareacontroller.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kelvor {

class SidePanel;

// The document area `Picture1`: the three browser views, the source text
// box over the document view, the side panel with the record's code and
// example keyword, and the row above the document for the toolbar and
// "自动执行".
class DocumentAreaWidget : public QWidget {
    Q_OBJECT
public:
    explicit DocumentAreaWidget(const LibraryLayout& layout, QWidget* parent = nullptr);

    const DocumentSlots& views() const { return m_views; }
    QPlainTextEdit* sourceTextBox() const { return m_sourceText; }
    SidePanel* sidePanel() const { return m_sidePanel; }
    QLineEdit* recordCodeBox() const { return m_recordCode; }
    QLineEdit* exampleKeywordBox() const { return m_exampleKeyword; }
    QPushButton* autoRunButton() const { return m_autoRun; }
    // Room for the document toolbar; empty.
    QWidget* toolbarArea() const { return m_toolbar; }

    // The widgets the document display drives (the source extraction and the side panel).
    DocumentArea controlledArea() const;
    void setRecordCode(const QString& code);
    void setExampleKeyword(const QString& keyword);
    void setAutoRunCaption(const QString& caption);
    // The source text box lies over the document view.
    bool isSourceTextShown() const;

    void placeControls();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    DocumentSlots m_views;
    QWidget* m_toolbar = nullptr;
    QPushButton* m_autoRun = nullptr;
    QPlainTextEdit* m_sourceText = nullptr;
    SidePanel* m_sidePanel = nullptr;
    QLabel* m_recordCodeCaption = nullptr;
    QLineEdit* m_recordCode = nullptr;
    QLabel* m_exampleKeywordCaption = nullptr;
    QLineEdit* m_exampleKeyword = nullptr;
};

}  // namespace kelvor
