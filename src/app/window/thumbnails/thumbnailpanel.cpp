#include "thumbnailpanel.h"

#include "app/window/accessiblecontrols.h"

#include "app/window/twips.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

namespace kelvor {

using namespace Qt::StringLiterals;

namespace {

constexpr int kButtonLeft = 100;  // twips, in line with the first column
constexpr int kButtonTop = 120;
constexpr int kButtonWidth = 1200;
constexpr int kButtonHeight = 400;
constexpr int kButtonGap = 60;
const char* const kTagProperty = "Tag";

}  // namespace

ThumbnailPanel::ThumbnailPanel(PictureLookup lookup, QWidget* parent) : QWidget(parent), m_lookup(std::move(lookup))
{
    setObjectName(u"thumbnailGrid"_s);
    setAccessibleName(u"缩略图"_s);
    setMouseTracking(true);
    m_cells.push_back(makeCell(0));

    auto button = [parent](const QString& name, const QString& caption) {
        auto* b = new QPushButton(caption, parent);
        b->setObjectName(name);
        b->hide();
        return b;
    };
    m_previous = button(u"Command49"_s, u"上一页"_s);
    m_next = button(u"Command50"_s, u"下一页"_s);
    m_restore = button(u"Command51"_s, u"恢复缩略图"_s);
    connect(m_previous, &QPushButton::clicked, this, &ThumbnailPanel::previousPage);
    connect(m_next, &QPushButton::clicked, this, &ThumbnailPanel::nextPage);
    connect(m_restore, &QPushButton::clicked, this, &ThumbnailPanel::restore);
    hide();
}

QLabel* ThumbnailPanel::makeCell(int index)
{
    auto* cell = new QLabel(this);
    cell->setObjectName(u"Image7(%1)"_s.arg(index));
    cell->setScaledContents(true);
    cell->setMouseTracking(true);
    cell->setFrameShape(QFrame::NoFrame);
    cell->installEventFilter(this);
    // A double click opens the record; so does pressing it from assistive technology.
    makePressable(cell, {}, PressBy::DoubleClick);
    return cell;
}

void ThumbnailPanel::start(const QStringList& codes, const QStringList& titles)
{
    m_codes = codes;
    m_titles = titles;
    m_pager = thumbnails::startPaging(int(codes.size()));
    show();
    m_previous->show();
    m_next->show();
    m_restore->hide();
    placeButtons();
    applyPager();
    drawPage();
}

void ThumbnailPanel::stop()
{
    hide();
    m_previous->hide();
    m_next->hide();
    m_restore->hide();
}

void ThumbnailPanel::previousPage()
{
    m_pager = thumbnails::previousPage(m_pager);
    applyPager();
    drawPage();
}

void ThumbnailPanel::nextPage()
{
    m_pager = thumbnails::nextPage(m_pager);
    applyPager();
    drawPage();
}

void ThumbnailPanel::restore()
{
    m_restore->hide();
    emit restoreRequested();
}

bool ThumbnailPanel::isRestoreShown() const { return !m_restore->isHidden(); }

void ThumbnailPanel::applyPager()
{
    m_previous->setEnabled(m_pager.previousEnabled);
    m_next->setEnabled(m_pager.nextEnabled);
}

QStringList ThumbnailPanel::codesOnPage() const
{
    QStringList codes;
    for (const QLabel* cell : m_cells)
        if (cell->isVisibleTo(this)) codes << cell->property(kTagProperty).toString();
    return codes;
}

void ThumbnailPanel::drawPage()
{
    while (m_cells.size() > 1) {
        delete m_cells.back();
        m_cells.pop_back();
    }
    const thumbnails::PageRange range = thumbnails::pageRange(m_pager.page, int(m_codes.size()));
    QLabel* first = m_cells.front();
    first->hide();
    for (int position = range.first; position <= range.last; ++position) {
        const int j = position - range.first;
        QLabel* cell = j == 0 ? first : makeCell(j);
        if (j > 0) m_cells.push_back(cell);
        const QString code = m_codes.at(position);
        cell->setProperty(kTagProperty, code);
        cell->setToolTip(code);
        const QString title = position < m_titles.size() ? m_titles.at(position).trimmed() : QString();
        cell->setAccessibleName(title.isEmpty() ? code : title);
        showPicture(cell, code);
        cell->setFrameShape(QFrame::NoFrame);
        cell->show();
    }
    placeCells();
}

void ThumbnailPanel::placeCells()
{
    const int areaWidth = twips::fromPixels(width());
    const int areaHeight = twips::fromPixels(height());
    for (size_t j = 0; j < m_cells.size(); ++j) {
        const thumbnails::CellGeometry g = thumbnails::cellGeometry(int(j), areaWidth, areaHeight);
        m_cells[j]->setGeometry(TwipsRect{g.left, g.top, g.width, g.height}.toPixels());
    }
}

void ThumbnailPanel::showPicture(QLabel* cell, const QString& code)
{
    // A record without a picture, or a picture that cannot be read, leaves its cell empty.
    QPixmap picture;
    if (const auto path = m_lookup ? m_lookup(code) : std::nullopt) picture.load(*path);
    cell->setPixmap(picture);
}

void ThumbnailPanel::placeButtons()
{
    QPushButton* const row[] = {m_previous, m_next, m_restore};
    int left = kButtonLeft;
    for (QPushButton* b : row) {
        TwipsRect r{left, kButtonTop, kButtonWidth, kButtonHeight};
        b->setGeometry(r.toPixels().translated(pos()));
        b->raise();
        left += kButtonWidth + kButtonGap;
    }
}

int ThumbnailPanel::cellIndexOf(QObject* object) const
{
    for (size_t i = 0; i < m_cells.size(); ++i)
        if (m_cells[i] == object) return int(i);
    return -1;
}

bool ThumbnailPanel::eventFilter(QObject* watched, QEvent* event)
{
    const int index = cellIndexOf(watched);
    if (index >= 0) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            for (QLabel* cell : m_cells) cell->setFrameShape(QFrame::NoFrame);
            m_cells[size_t(index)]->setFrameShape(QFrame::Box);
            m_cells[size_t(index)]->setLineWidth(1);
        } else if (event->type() == QEvent::MouseButtonDblClick) {
            const QString code = m_cells[size_t(index)]->property(kTagProperty).toString();
            m_restore->show();
            m_restore->raise();
            emit openRecordRequested(code);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ThumbnailPanel::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeButtons();
    placeCells();
}

void ThumbnailPanel::moveEvent(QMoveEvent* event)
{
    QWidget::moveEvent(event);
    placeButtons();
}

}  // namespace kelvor
