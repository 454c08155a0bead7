#pragma once

#include "catalogue/thumbnailpages.h"

#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QLabel;
class QPushButton;

namespace kelvor {

// The thumbnails of a folder's records, sixteen to a page in four columns
// (`Image7`), with "上一页", "下一页" and "恢复缩略图". The grid lies under
// the document view: the window hides the view to show it. The three buttons
// sit beside the grid in its parent so that "恢复缩略图" stays in sight over
// the document a thumbnail opened.
class ThumbnailPanel : public QWidget {
    Q_OBJECT
public:
    // The picture file of a record; nothing when it has none.
    using PictureLookup = std::function<std::optional<QString>(const QString& code)>;

    ThumbnailPanel(PictureLookup lookup, QWidget* parent);

    // "缩略图显示": the records of the folder (their codes, in tree order,
    // and their titles, which name the thumbnails), from the first page.
    void start(const QStringList& codes, const QStringList& titles = {});
    // Takes the grid and its buttons away (another centre, another folder).
    void stop();
    void previousPage();  // "上一页"
    void nextPage();      // "下一页"
    void restore();       // "恢复缩略图"

    int currentPage() const { return m_pager.page; }
    // "恢复缩略图" is on show: a thumbnail's record lies over the grid.
    bool isRestoreShown() const;
    // The codes of the page on show, cell by cell (the cells' Tags).
    QStringList codesOnPage() const;

signals:
    // A thumbnail was double-clicked: show its record over the grid.
    void openRecordRequested(const QString& code);
    // "恢复缩略图": hide the document view so that the grid shows again.
    void restoreRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void drawPage();
    // Cell geometry follows the grid's size: width ÷ 4 − 100 by height ÷ 4 − 500 twips.
    void placeCells();
    QLabel* makeCell(int index);
    void showPicture(QLabel* cell, const QString& code);
    void placeButtons();
    void applyPager();
    int cellIndexOf(QObject* object) const;

    PictureLookup m_lookup;
    QStringList m_codes;
    QStringList m_titles;
    thumbnails::Pager m_pager;
    std::vector<QLabel*> m_cells;  // element 0 stays, the others live for one page
    QPushButton* m_previous = nullptr;
    QPushButton* m_next = nullptr;
    QPushButton* m_restore = nullptr;
};

}  // namespace kelvor
