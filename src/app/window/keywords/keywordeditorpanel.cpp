#include "keywordeditorpanel.h"

#include "app/window/namedcombobox.h"

#include "app/window/twips.h"

#include "keywords/keywordeditor.h"
#include "keywords/keywordindex.h"
#include "library/centres.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>

namespace kelvor {

using namespace Qt::StringLiterals;
using keywords::EditorMode;

namespace {

constexpr int kWidth = 420;  // pixels
constexpr int kRowPitch = 21;
constexpr int kRowHeight = 20;
constexpr int kFirstRow = 18;  // under the caption
constexpr int kCaptionWidth = 96;
constexpr int kFieldLeft = 8 + kCaptionWidth;

}  // namespace

KeywordEditorPanel::KeywordEditorPanel(keywords::KeywordIndex& index, keywords::KeywordEditor& editor,
                                       std::function<QString()> centreCaption, QWidget* parent)
    : QGroupBox(u"目录参数设置"_s, parent), m_index(index), m_editor(editor), m_centreCaption(std::move(centreCaption))
{
    setObjectName(u"Frame11"_s);
    setAccessibleName(u"关键字编辑"_s);
    // It lies over the toolbar and the page: a group box paints no background of its own.
    setAutoFillBackground(true);
    build();
    resize(kWidth, twips::toPixels(kShortHeight));
    hide();
}

void KeywordEditorPanel::build()
{
    auto rowTop = [](int row) { return kFirstRow + row * kRowPitch; };
    auto label = [this](const QString& text, int x, int y, int w) {
        auto* l = new QLabel(text, this);
        l->setGeometry(x, y, w, kRowHeight);
        return l;
    };
    auto field = [this](const QString& name, const QString& caption, int y, bool readOnly) {
        auto* l = new QLabel(caption, this);
        l->setGeometry(8, y, kCaptionWidth, kRowHeight);
        auto* f = new QLineEdit(this);
        f->setObjectName(name);
        f->setAccessibleName(caption);
        f->setReadOnly(readOnly);
        f->setGeometry(kFieldLeft, y, kWidth - kFieldLeft - 8, kRowHeight);
        return std::pair{l, f};
    };
    auto button = [this](const QString& name, const QString& caption, int x, int y, int w) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(x, y, w, kRowHeight + 2);
        return b;
    };

    // The program fills the code, title, navigation and example keyword fields; the user cannot type into them.
    // The window's own `Text16` and `Text21` are the document area's boxes; these follow them.
    m_code = field(u"editorText16"_s, u"序号："_s, rowTop(0), true).second;
    m_title = field(u"Text17"_s, u"目录名称："_s, rowTop(1), true).second;
    std::tie(m_displayNameLabel, m_displayName) = field(u"Text22"_s, u"关联显示名称："_s, rowTop(2), false);
    m_mainKeyword = new QCheckBox(u"主关键字"_s, this);
    m_mainKeyword->setObjectName(u"Check5"_s);
    m_mainKeyword->setGeometry(kFieldLeft, rowTop(3), 120, kRowHeight);
    QLabel* section = label(u"新关键字添加"_s, 8, rowTop(4), 200);
    QFont bold = section->font();
    bold.setBold(true);
    section->setFont(bold);
    m_locked = field(u"Text19"_s, u"锁定关键词："_s, rowTop(5), false).second;

    const int saveRow = rowTop(6);
    m_save = button(u"Command17"_s, u"保存"_s, kFieldLeft, saveRow, 60);
    m_hide = button(u"Command54"_s, u"隐藏"_s, kFieldLeft + 66, saveRow, 60);
    m_size = button(u"Command55"_s, u"展开"_s, kFieldLeft + 132, saveRow, 60);
    m_saved = label(u"保存成功！！！！"_s, kFieldLeft + 200, saveRow, 110);
    m_saved->setObjectName(u"Label36"_s);
    m_saved->setStyleSheet(u"color: #c0392b;"_s);
    m_saved->hide();
    label(u"已添加的关键词"_s, 8, rowTop(7), 200);

    // Below here only the full panel shows.
    const int listRow = rowTop(7) + 24;
    m_keywords = new NamedComboBox(this);
    m_keywords->setObjectName(u"Combo8"_s);
    m_keywords->setAccessibleName(u"已添加的关键词"_s);
    m_keywords->setEditable(true);
    m_keywords->setInsertPolicy(QComboBox::NoInsert);
    m_keywords->setGeometry(8, listRow, 210, kRowHeight + 2);
    m_rename = button(u"Command60"_s, u"修改关键字"_s, 224, listRow, 90);
    m_delete = button(u"Command61"_s, u"删除关键字"_s, 320, listRow, 90);

    const int importRow = listRow + 26;
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(u"Text18"_s);
    m_filter->setAccessibleName(u"关键字筛选"_s);
    m_filter->setGeometry(8, importRow, 90, kRowHeight);
    m_importChoice = new NamedComboBox(this);
    m_importChoice->setObjectName(u"Combo10"_s);
    m_importChoice->setAccessibleName(u"导入关键字"_s);
    m_importChoice->setEditable(true);
    m_importChoice->setInsertPolicy(QComboBox::NoInsert);
    m_importChoice->setGeometry(104, importRow, 200, kRowHeight + 2);
    m_import = button(u"Command58"_s, u"导入关键字"_s, 310, importRow, 100);

    const int titlesRow = importRow + 26;
    label(u"关联标题列表"_s, 8, titlesRow, 200);
    m_titleLines = new QStringListModel(this);
    m_titles = new QListView(this);
    m_titles->setObjectName(u"List7"_s);
    m_titles->setAccessibleName(u"关联标题列表"_s);
    m_titles->setModel(m_titleLines);
    m_titles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_titles->setGeometry(8, titlesRow + 20, kWidth - 16, 96);
    const int unlinkRow = titlesRow + 120;
    m_unlink = button(u"Command59"_s, u"删除关键字的关联内容"_s, 8, unlinkRow, 180);
    m_navigation = field(u"Text20"_s, u"导航关键字："_s, unlinkRow + 26, true).second;
    m_example = field(u"editorText21"_s, u"实例关键字："_s, unlinkRow + 48, true).second;

    m_tables = new QComboBox(this);
    m_tables->setObjectName(u"Combo9"_s);
    m_tables->addItems(keywordTables());
    m_tables->hide();

    connect(m_save, &QPushButton::clicked, this, &KeywordEditorPanel::save);
    connect(m_hide, &QPushButton::clicked, this, &KeywordEditorPanel::hidePanel);
    connect(m_size, &QPushButton::clicked, this, &KeywordEditorPanel::toggleSize);
    connect(m_filter, &QLineEdit::textChanged, this, &KeywordEditorPanel::filterChanged);
    connect(m_keywords, &QComboBox::activated, this, &KeywordEditorPanel::keywordChosen);
    connect(m_keywords->lineEdit(), &QLineEdit::textEdited, this, &KeywordEditorPanel::keywordTyped);
    connect(m_importChoice->lineEdit(), &QLineEdit::textEdited, m_import, [this] { m_import->setEnabled(true); });
    connect(m_import, &QPushButton::clicked, this, &KeywordEditorPanel::importMainKeyword);
    connect(m_mainKeyword, &QCheckBox::clicked, this, &KeywordEditorPanel::mainKeywordClicked);
    connect(m_title, &QLineEdit::textChanged, this, &KeywordEditorPanel::titleChanged);
    connect(m_locked, &QLineEdit::textChanged, this, &KeywordEditorPanel::lockedChanged);
    connect(m_navigation, &QLineEdit::textChanged, this, &KeywordEditorPanel::sideKeywordChanged);
    connect(m_example, &QLineEdit::textChanged, this, &KeywordEditorPanel::sideKeywordChanged);
    connect(m_rename, &QPushButton::clicked, this, &KeywordEditorPanel::renameKeyword);
    connect(m_delete, &QPushButton::clicked, this, &KeywordEditorPanel::deleteKeyword);
    connect(m_unlink, &QPushButton::clicked, this, &KeywordEditorPanel::deleteLink);
}

bool KeywordEditorPanel::isOpeningEnabled(Opening opening) const
{
    switch (opening) {
    case Opening::NavigationKeywords: return m_openNavigation;
    case Opening::ExampleKeywords: return m_openExample;
    case Opening::FolderRenaming: return m_openFolder;
    }
    return false;
}

void KeywordEditorPanel::setOpeningsEnabled(bool navigation, bool example, bool folder)
{
    m_openNavigation = navigation;
    m_openExample = example;
    m_openFolder = folder;
    emit openingsChanged();
}

void KeywordEditorPanel::open(Opening opening)
{
    if (!isOpeningEnabled(opening)) return;
    switch (opening) {
    case Opening::NavigationKeywords:
        m_mode = EditorMode::Navigation;
        listAllKeywords();
        m_displayNameLabel->setText(keywords::KeywordEditor::displayNameCaption(m_mode));
        setTitle(u"技术关键字参数设置说明"_s);
        show();
        raise();
        setOpeningsEnabled(false, false, m_openFolder);
        break;
    case Opening::ExampleKeywords:
        m_mode = EditorMode::Example;
        listAllKeywords();
        setTitle(u"实例关键字参数设置说明"_s);
        m_displayNameLabel->setText(keywords::KeywordEditor::displayNameCaption(m_mode));
        show();
        raise();
        setOpeningsEnabled(false, false, m_openFolder);
        break;
    case Opening::FolderRenaming:
        show();
        raise();
        setFolderModeControlsEnabled(false);
        m_displayName->setEnabled(true);
        m_mode = EditorMode::Folder;
        setOpeningsEnabled(false, false, false);
        break;
    }
}

void KeywordEditorPanel::setFolderModeControlsEnabled(bool enabled)
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_filter, m_locked, m_navigation, m_example, m_mainKeyword,
                                                      m_keywords, m_importChoice, m_import, m_unlink, m_rename, m_size,
                                                      m_delete})
        w->setEnabled(enabled);
}

void KeywordEditorPanel::hidePanel()
{
    hide();
    if (m_mode == EditorMode::Folder) {
        setFolderModeControlsEnabled(true);
        m_displayName->setEnabled(true);
        setOpeningsEnabled(true, true, true);
    } else {
        setOpeningsEnabled(true, true, m_openFolder);
    }
}

bool KeywordEditorPanel::isExpanded() const { return m_size->text() != u"展开"_s; }

void KeywordEditorPanel::toggleSize()
{
    if (m_size->text() != u"展开"_s) {
        m_size->setText(u"展开"_s);
        resize(width(), twips::toPixels(kShortHeight));
    } else {
        m_size->setText(u"关闭"_s);
        resize(width(), twips::toPixels(kFullHeight));
    }
}

void KeywordEditorPanel::setRecordCode(const QString& code) { m_code->setText(code); }
void KeywordEditorPanel::setRecordTitle(const QString& title) { m_title->setText(title); }
void KeywordEditorPanel::setExampleKeyword(const QString& keyword) { m_example->setText(keyword); }

void KeywordEditorPanel::listAllKeywords()
{
    m_keywords->clear();
    if (const auto all = m_index.allKeywords(m_mode)) m_keywords->addItems(*all);
    // Filling the list chooses no keyword: a rename or delete needs one picked or typed.
    m_keywords->setCurrentIndex(-1);
    m_keywords->clearEditText();
}

void KeywordEditorPanel::showTitles(const std::optional<QStringList>& titles)
{
    if (titles) m_titleLines->setStringList(*titles);
}

void KeywordEditorPanel::lookUpLocked()
{
    showTitles(m_index.lookUpLocked(m_mode, m_locked->text(), m_navigation->text(), m_example->text()));
}

void KeywordEditorPanel::setImportChoice(const QString& text)
{
    m_importChoice->setEditText(text);
    m_import->setEnabled(true);
}

void KeywordEditorPanel::filterChanged()
{
    QStringList entries;
    for (int i = 0; i < m_keywords->count(); ++i) entries << m_keywords->itemText(i);
    m_importChoice->clear();
    m_importChoice->addItems(keywords::filterKeywords(entries, m_filter->text()));
    m_importChoice->setCurrentIndex(-1);
    m_importChoice->clearEditText();
    m_import->setEnabled(false);
}

void KeywordEditorPanel::keywordChosen()
{
    const QString keyword = m_keywords->currentText();
    showTitles(m_index.titlesOf(m_mode, keyword));
    setImportChoice(keyword);
}

void KeywordEditorPanel::keywordTyped(const QString& text)
{
    showTitles(m_index.titlesOf(m_mode, text));
    m_selectedKeyword = text;
    setImportChoice(text);
}

void KeywordEditorPanel::importMainKeyword()
{
    const auto keyword =
        m_editor.importMainKeyword(m_mode, m_centreCaption(), m_code->text(), m_importChoice->currentText());
    if (keyword) (m_mode == EditorMode::Navigation ? m_navigation : m_example)->setText(*keyword);
    m_import->setEnabled(false);
}

void KeywordEditorPanel::mainKeywordClicked()
{
    if (m_save->isEnabled() && m_mainKeyword->isChecked()) m_locked->setText(m_title->text());
}

void KeywordEditorPanel::titleChanged()
{
    if (!m_save->isEnabled()) return;
    m_displayName->setText(m_title->text());
    if (m_mainKeyword->isChecked()) m_locked->setText(m_title->text());
}

void KeywordEditorPanel::lockedChanged()
{
    if (m_mainKeyword->isChecked()) lookUpLocked();
}

void KeywordEditorPanel::sideKeywordChanged(const QString& text)
{
    m_selectedKeyword = text;
    showTitles(m_index.titlesOf(m_mode, text));
}

void KeywordEditorPanel::save()
{
    if (m_mode == EditorMode::Folder) {
        // The editor refuses an empty name, and one of blanks only, without a word.
        m_save->setEnabled(false);
        const QString code = m_code->text();
        const bool renamed = m_editor.renameFolder(m_centreCaption(), code, m_displayName->text());
        m_save->setEnabled(true);
        if (renamed) emit folderRenamed(code, m_displayName->text().trimmed());
        return;
    }
    m_save->setEnabled(false);
    keywords::LinkInput input;
    input.code = m_code->text();
    input.title = m_title->text();
    input.displayName = m_displayName->text();
    input.locked = m_locked->text();
    input.mainKeyword = m_mainKeyword->isChecked();
    const bool linked = m_editor.saveLink(m_mode, m_centreCaption(), input);
    // A save that stored nothing keeps the fields, so that what the user typed
    // is there to complete once the message says what is missing.
    if (linked) {
        m_code->clear();
        m_title->clear();
        m_displayName->clear();
        m_mainKeyword->setChecked(false);
    }
    m_save->setEnabled(true);
    if (linked) m_saved->show();
    lookUpLocked();
}

void KeywordEditorPanel::renameKeyword()
{
    if (!m_editor.renameKeyword(m_mode, m_centreCaption(), m_keywords->currentText())) return;
    listAllKeywords();
}

void KeywordEditorPanel::deleteKeyword()
{
    if (!m_editor.deleteKeyword(m_mode, m_centreCaption(), m_keywords->currentText())) return;
    m_keywords->clear();
    if (m_mode == EditorMode::Navigation || m_mode == EditorMode::Example) listAllKeywords();
}

void KeywordEditorPanel::deleteLink()
{
    const QModelIndex current = m_titles->currentIndex();
    const QString title = current.isValid() ? current.data().toString() : QString();
    showTitles(m_editor.deleteLink(m_mode, m_selectedKeyword, title, m_locked->text(), m_navigation->text(),
                                   m_example->text()));
}

}  // namespace kelvor
