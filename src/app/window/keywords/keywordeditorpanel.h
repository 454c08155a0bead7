#pragma once

#include "keywords/keywordqueries.h"

#include <QGroupBox>

#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;
class QStringListModel;

namespace kelvor {

namespace keywords {
class KeywordEditor;
class KeywordIndex;
}  // namespace keywords

// The keyword editor panel `Frame11`: links the open record to a keyword
// under a display name, sets main keywords, renames and deletes keywords and
// links, and in folder mode renames the record's catalogue entry. It is
// opened by "导航技术关键字", "导航实例关键字" or "修改文件夹"; those three
// live wherever the window puts them and ask the panel whether they may run.
// Messages go through the editor's prompter.
class KeywordEditorPanel : public QGroupBox {
    Q_OBJECT
public:
    enum class Opening { NavigationKeywords, ExampleKeywords, FolderRenaming };

    // `centreCaption` gives the centre caption of the window, which names the
    // table whose records the editor reads and writes.
    KeywordEditorPanel(keywords::KeywordIndex& index, keywords::KeywordEditor& editor,
                       std::function<QString()> centreCaption, QWidget* parent = nullptr);

    // The three openings; each does nothing while it is disabled.
    void open(Opening opening);
    bool isOpeningEnabled(Opening opening) const;
    void hidePanel();        // "隐藏"
    void toggleSize();       // "展开" / "关闭"
    keywords::EditorMode mode() const { return m_mode; }
    bool isExpanded() const;

    // What the rest of the window fills in: the opened record's code and
    // example keyword, and the title a result list picked.
    void setRecordCode(const QString& code);
    void setRecordTitle(const QString& title);
    void setExampleKeyword(const QString& keyword);

    static constexpr int kShortHeight = 2760;  // twips
    static constexpr int kFullHeight = 6585;

signals:
    // An opening became enabled or disabled.
    void openingsChanged();
    // Folder mode stored a new title for the record `code`.
    void folderRenamed(const QString& code, const QString& name);

private:
    void build();
    void setOpeningsEnabled(bool navigation, bool example, bool folder);
    void setFolderModeControlsEnabled(bool enabled);
    void listAllKeywords();
    void showTitles(const std::optional<QStringList>& titles);
    void lookUpLocked();
    void setImportChoice(const QString& text);

    void filterChanged();
    void keywordChosen();
    void keywordTyped(const QString& text);
    void importMainKeyword();
    void mainKeywordClicked();
    void titleChanged();
    void lockedChanged();
    void sideKeywordChanged(const QString& text);
    void save();
    void renameKeyword();
    void deleteKeyword();
    void deleteLink();

    keywords::KeywordIndex& m_index;
    keywords::KeywordEditor& m_editor;
    std::function<QString()> m_centreCaption;
    keywords::EditorMode m_mode = keywords::EditorMode::NeverOpened;
    QString m_selectedKeyword;
    bool m_openNavigation = true;
    bool m_openExample = true;
    bool m_openFolder = true;

    QLineEdit* m_code = nullptr;         // Text16
    QLineEdit* m_title = nullptr;        // Text17
    QLabel* m_displayNameLabel = nullptr;
    QLineEdit* m_displayName = nullptr;  // Text22
    QCheckBox* m_mainKeyword = nullptr;  // Check5
    QLineEdit* m_locked = nullptr;       // Text19
    QPushButton* m_save = nullptr;       // Command17
    QPushButton* m_hide = nullptr;       // Command54
    QPushButton* m_size = nullptr;       // Command55
    QLabel* m_saved = nullptr;           // Label36
    QComboBox* m_keywords = nullptr;     // Combo8
    QPushButton* m_rename = nullptr;     // Command60
    QPushButton* m_delete = nullptr;     // Command61
    QLineEdit* m_filter = nullptr;       // Text18
    QComboBox* m_importChoice = nullptr; // Combo10
    QPushButton* m_import = nullptr;     // Command58
    QListView* m_titles = nullptr;       // List7
    QStringListModel* m_titleLines = nullptr;
    QPushButton* m_unlink = nullptr;     // Command59
    QLineEdit* m_navigation = nullptr;   // Text20
    QLineEdit* m_example = nullptr;      // Text21
    QComboBox* m_tables = nullptr;       // Combo9, hidden
};

}  // namespace kelvor
