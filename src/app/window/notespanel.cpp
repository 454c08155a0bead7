#include "notespanel.h"

#include "enterkey.h"
#include "namedcombobox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringListModel>
#include <QVBoxLayout>

namespace kelvor {

NotesPanel::NotesPanel(QWidget* parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Frame24"));
    setAccessibleName(QStringLiteral("学习心得"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);

    m_titles = new QStringListModel(this);
    m_list = new NamedComboBox(this);
    m_list->setObjectName(QStringLiteral("Combo7"));
    m_list->setAccessibleName(QStringLiteral("查看心得"));
    m_list->setEditable(true);
    m_list->setInsertPolicy(QComboBox::NoInsert);
    m_list->setModel(m_titles);
    // Enter in the list's text field starts a new note.
    onEnterPressed(m_list, [this] {
        m_note->clear();
        m_note->setFocus();
    });
    auto* listCaption = new QLabel(QStringLiteral("查看心得:"), this);
    listCaption->setBuddy(m_list);

    m_title = new QLineEdit(this);
    m_title->setObjectName(QStringLiteral("Text10"));
    m_title->setAccessibleName(QStringLiteral("心得标题"));
    m_title->setReadOnly(true);
    auto* titleCaption = new QLabel(QStringLiteral("心得标题:"), this);
    titleCaption->setBuddy(m_title);

    m_note = new QPlainTextEdit(this);
    m_note->setObjectName(QStringLiteral("Text9"));
    m_note->setAccessibleName(QStringLiteral("心得内容"));
    auto* noteCaption =
        new QLabel(QStringLiteral("心得内容(只管理纯文本文件格式,图文格式请使用个人开发管理器)"), this);
    noteCaption->setWordWrap(true);
    noteCaption->setBuddy(m_note);

    auto button = [this](const QString& caption, const char* name) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(caption);
        return b;
    };
    m_save = button(QStringLiteral("添加开发心得"), "Command44");
    m_remove = button(QStringLiteral("删除"), "Command43");
    m_close = button(QStringLiteral("关闭"), "Command42");

    m_showNotes = new QCheckBox(QStringLiteral("查询时是否显示心得查看按钮"), this);
    m_showNotes->setObjectName(QStringLiteral("option7"));
    m_showNotes->setAccessibleName(m_showNotes->text());

    auto* column = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    grid->addWidget(listCaption, 0, 0);
    grid->addWidget(m_list, 0, 1);
    grid->addWidget(titleCaption, 1, 0);
    grid->addWidget(m_title, 1, 1);
    column->addLayout(grid);
    column->addWidget(noteCaption);
    column->addWidget(m_note, 1);
    auto* row = new QHBoxLayout;
    row->addWidget(m_save);
    row->addWidget(m_remove);
    row->addWidget(m_close);
    column->addLayout(row);
    column->addWidget(m_showNotes);

    connect(m_save, &QPushButton::clicked, this, [this] { emit saveRequested(noteText()); });
    connect(m_remove, &QPushButton::clicked, this, [this] { emit removeRequested(selectedRow()); });
    connect(m_close, &QPushButton::clicked, this, &NotesPanel::closeRequested);
    connect(m_list, &QComboBox::activated, this, [this](int row) {
        if (row >= 0) emit entryChosen(row);
    });
    hide();
}

void NotesPanel::setTitles(const QStringList& titles)
{
    m_titles->setStringList(titles);
    m_list->setCurrentIndex(-1);
}

QStringList NotesPanel::titles() const { return m_titles->stringList(); }
int NotesPanel::selectedRow() const { return m_list->currentIndex(); }
void NotesPanel::selectRow(int row) { m_list->setCurrentIndex(row); }
QString NotesPanel::noteText() const { return m_note->toPlainText(); }

void NotesPanel::showNote(const QString& title, const QString& text)
{
    m_title->setText(title);
    m_note->setPlainText(text);
}

void NotesPanel::clearNote()
{
    m_title->clear();
    m_note->clear();
}

}  // namespace kelvor
