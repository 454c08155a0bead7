#include "bitmaps.h"

#include "grouptabs.h"
#include "navigationbar.h"
#include "navigationgroups.h"
#include "twips.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace kelvor {

namespace {

const QColor kBannerTop(0x15, 0x30, 0x4c);
const QColor kBannerBottom(0x23, 0x50, 0x7c);
const QColor kBarText(0x24, 0x3b, 0x55);

QColor accentOf(NavigationGroup group)
{
    switch (group) {
    case NavigationGroup::Centre: return {0x2f, 0x6f, 0xb0};
    case NavigationGroup::Learning: return {0x2b, 0x8a, 0x5a};
    case NavigationGroup::Query: break;
    }
    return {0xc0, 0x6c, 0x1e};
}

// The bar's colour near its top edge; the chosen tab has it too, so that
// tab and bar read as one piece.
QColor barTint(NavigationGroup group)
{
    switch (group) {
    case NavigationGroup::Centre: return {0xe9, 0xf1, 0xfa};
    case NavigationGroup::Learning: return {0xe8, 0xf5, 0xed};
    case NavigationGroup::Query: break;
    }
    return {0xfb, 0xf0, 0xe3};
}

QPixmap blank(const QSize& size)
{
    QPixmap pixmap(size.expandedTo(QSize(1, 1)));
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void prepare(QPainter& p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

double px(double twipsValue) { return twipsValue / twips::kPerPixel; }

QRectF pixels(const TwipsRect& r) { return {px(r.left), px(r.top), px(r.width), px(r.height)}; }

// The first character that is not a blank: what an item's emblem shows.
QString emblemOf(const QString& name)
{
    const QString t = name.trimmed();
    return t.isEmpty() ? QString() : t.left(1);
}

void drawEmblem(QPainter& p, const QPointF& centre, double radius, const QString& text, const QColor& fill,
                const QColor& ink)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
    p.setPen(ink);
    p.setFont(Bitmaps::captionFont(int(radius * 1.15), true));
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), Qt::AlignCenter, text);
}

// Where an item's emblem and name lie on the bar, in pixels of a bar whose
// top is at 0 (the slot's left edge is `slot.left()`).
struct ItemFace {
    QRectF slot;
    QPointF emblemCentre;
    double emblemRadius = 0;
    QRectF nameBox;
};

ItemFace itemFace(NavigationGroup group, int item)
{
    ItemFace face;
    face.slot = pixels(navbar::itemRect(item));
    const QRectF overlay = pixels(navbar::overlayRect(group, item));
    if (group == NavigationGroup::Centre) {
        // Emblem above, name below in the overlay's band.
        face.emblemRadius = 11;
        face.emblemCentre = QPointF(face.slot.center().x(), overlay.top() / 2 + 1);
        face.nameBox = QRectF(face.slot.left(), overlay.top(), face.slot.width(), overlay.height());
    } else {
        // Emblem left of the name, both in the overlay's band.
        face.emblemRadius = 10;
        face.emblemCentre = QPointF(face.slot.left() + 8 + face.emblemRadius, overlay.center().y());
        face.nameBox = QRectF(face.emblemCentre.x() + face.emblemRadius + 4, overlay.top(),
                              face.slot.right() - face.emblemCentre.x() - face.emblemRadius - 8, overlay.height());
    }
    return face;
}

QString emblemText(NavigationGroup group, int item)
{
    // Courses are numbered by stage; centres and pages show their first character.
    if (group == NavigationGroup::Learning) return QString::number(item + 1);
    return emblemOf(barItemName(group, item));
}

void drawBarBackground(QPainter& p, const QSize& size, NavigationGroup group)
{
    const QColor accent = accentOf(group);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, barTint(group));
    fill.setColorAt(1, barTint(group).darker(106));
    p.fillRect(QRect(QPoint(0, 0), size), fill);
    p.setPen(QPen(accent.lighter(150), 1));
    p.drawLine(QPointF(0, size.height() - 0.5), QPointF(size.width(), size.height() - 0.5));

    for (int item = 0; item < kBarItemCount; ++item) {
        if (!barItemHasPage(group, item)) continue;
        const ItemFace face = itemFace(group, item);
        if (face.slot.left() > size.width()) break;
        QColor emblemFill = accent;
        emblemFill.setAlpha(210);
        drawEmblem(p, face.emblemCentre, face.emblemRadius, emblemText(group, item), emblemFill, Qt::white);
        p.setPen(kBarText);
        p.setFont(Bitmaps::captionFont(13));
        p.drawText(face.nameBox, Qt::AlignCenter, barItemCaption(group, item));
        // A faint rule between neighbouring items.
        QColor rule = accent;
        rule.setAlpha(45);
        p.setPen(QPen(rule, 1));
        const double x = face.slot.right() + px(navbar::kItemPitch - navbar::kItemWidth) / 2;
        p.drawLine(QPointF(x, size.height() * 0.2), QPointF(x, size.height() * 0.8));
    }
}

void drawOverlay(QPainter& p, const QSize& size, NavigationGroup group, int item)
{
    if (!barItemHasPage(group, item)) return;
    const QColor accent = accentOf(group);
    const QRectF box = QRectF(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, accent.lighter(115));
    fill.setColorAt(1, accent.darker(110));
    p.setPen(QPen(accent.darker(130), 1));
    p.setBrush(fill);
    p.drawRoundedRect(box, 7, 7);

    // The item's face again, in the overlay's own coordinates.
    const ItemFace face = itemFace(group, item);
    const QPointF origin = pixels(navbar::overlayRect(group, item)).topLeft();
    p.setPen(Qt::white);
    p.setFont(Bitmaps::captionFont(13, true));
    p.drawText(face.nameBox.translated(-origin), Qt::AlignCenter, barItemCaption(group, item));
    if (group != NavigationGroup::Centre)
        drawEmblem(p, face.emblemCentre - origin, face.emblemRadius, emblemText(group, item), Qt::white, accent);
}

void drawBannerBackground(QPainter& p, const QSize& size)
{
    QLinearGradient fill(0, 0, 0, size.height());
    fill.setColorAt(0, kBannerTop);
    fill.setColorAt(1, kBannerBottom);
    p.fillRect(QRect(QPoint(0, 0), size), fill);
}

void drawBannerTitle(QPainter& p, const QSize& size)
{
    const double h = size.height();
    // The mark: a rounded square with the first character of the name.
    const QRectF mark(14, h / 2 - 17, 34, 34);
    QLinearGradient markFill(mark.topLeft(), mark.bottomRight());
    markFill.setColorAt(0, QColor(0x5f, 0xc3, 0xe4));
    markFill.setColorAt(1, QColor(0x2f, 0x80, 0xc0));
    p.setPen(Qt::NoPen);
    p.setBrush(markFill);
    p.drawRoundedRect(mark, 8, 8);
    p.setPen(Qt::white);
    p.setFont(Bitmaps::captionFont(21, true));
    p.drawText(mark, Qt::AlignCenter, QStringLiteral("澄"));

    p.setPen(Qt::white);
    p.setFont(Bitmaps::captionFont(21, true));
    p.drawText(QRectF(mark.right() + 10, h / 2 - 21, 200, 26), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("澄溪宸笺"));
    p.setPen(QColor(0xa9, 0xc8, 0xe6));
    p.setFont(Bitmaps::captionFont(11));
    p.drawText(QRectF(mark.right() + 11, h / 2 + 5, 200, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("程序设计参考资料库"));
}

void drawTabStrip(QPainter& p, NavigationGroup chosen)
{
    const double height = grouptabs::kStripHeight;
    auto toBanner = [](const QPointF& labelPoint) {
        return QPointF(px(grouptabs::kLabelLeft + labelPoint.x()), px(grouptabs::kStripTop + labelPoint.y()));
    };
    for (NavigationGroup group : {NavigationGroup::Learning, NavigationGroup::Centre, NavigationGroup::Query}) {
        const auto corners = grouptabs::tabCorners(group, height);
        QPolygonF shape;
        for (const QPointF& c : corners) shape << toBanner(c);
        // A hair of room between neighbours so the slanted borders show.
        const QRectF bounds = shape.boundingRect();
        const bool isChosen = group == chosen;
        if (isChosen) {
            p.setPen(QPen(barTint(group), 1));
            p.setBrush(barTint(group));
        } else {
            p.setPen(QPen(QColor(255, 255, 255, 90), 1));
            p.setBrush(QColor(255, 255, 255, 38));
        }
        p.drawPolygon(shape);
        p.setPen(isChosen ? accentOf(group).darker(115) : QColor(0xdc, 0xe8, 0xf5));
        p.setFont(Bitmaps::captionFont(14, isChosen));
        p.drawText(QRectF(bounds.left(), bounds.top() + 1, bounds.width(), bounds.height()), Qt::AlignCenter,
                   groupName(group));
    }
}

void drawDocumentIcon(QPainter& p, const QRectF& r, const QColor& colour)
{
    const double fold = r.width() * 0.3;
    QPainterPath page;
    page.moveTo(r.left() + r.width() * 0.15, r.top());
    page.lineTo(r.right() - r.width() * 0.15 - fold, r.top());
    page.lineTo(r.right() - r.width() * 0.15, r.top() + fold);
    page.lineTo(r.right() - r.width() * 0.15, r.bottom());
    page.lineTo(r.left() + r.width() * 0.15, r.bottom());
    page.closeSubpath();
    p.setPen(QPen(colour.darker(120), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.setBrush(colour.lighter(150));
    p.drawPolygon(QPolygonF({QPointF(r.right() - r.width() * 0.15 - fold, r.top()),
                             QPointF(r.right() - r.width() * 0.15 - fold, r.top() + fold),
                             QPointF(r.right() - r.width() * 0.15, r.top() + fold)}));
    p.setPen(QPen(colour, 1));
    for (int line = 0; line < 3; ++line) {
        const double y = r.top() + r.height() * (0.45 + 0.17 * line);
        p.drawLine(QPointF(r.left() + r.width() * 0.3, y), QPointF(r.right() - r.width() * 0.3, y));
    }
}

void drawFolderIcon(QPainter& p, const QRectF& r, const QColor& colour)
{
    QPainterPath folder;
    const double tabHeight = r.height() * 0.18;
    folder.moveTo(r.left(), r.top() + r.height() * 0.15);
    folder.lineTo(r.left() + r.width() * 0.4, r.top() + r.height() * 0.15);
    folder.lineTo(r.left() + r.width() * 0.5, r.top() + r.height() * 0.15 + tabHeight);
    folder.lineTo(r.right(), r.top() + r.height() * 0.15 + tabHeight);
    folder.lineTo(r.right(), r.bottom() - r.height() * 0.08);
    folder.lineTo(r.left(), r.bottom() - r.height() * 0.08);
    folder.closeSubpath();
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, colour.lighter(140));
    fill.setColorAt(1, colour);
    p.setPen(QPen(colour.darker(130), 1));
    p.setBrush(fill);
    p.drawPath(folder);
}

QColor levelColour(int level)
{
    switch (level) {
    case 1: return {0x2f, 0x6f, 0xb0};
    case 2: return {0x2b, 0x8a, 0x5a};
    case 3: return {0xd0, 0x7a, 0x22};
    case 4: return {0x8e, 0x4a, 0xad};
    case 5: return {0xb0, 0x3a, 0x48};
    default: return {0x7f, 0x8c, 0x8d};
    }
}

}  // namespace

QFont Bitmaps::captionFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Microsoft YaHei")});
    font.setPixelSize(std::max(1, pixelSize));
    font.setBold(bold);
    return font;
}

QPixmap Bitmaps::picture(int number, const QSize& size)
{
    const auto meaning = numberedPicture(number);
    if (!meaning || size.isEmpty()) return {};
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    prepare(p);
    switch (meaning->kind) {
    case NumberedPicture::Kind::TabStrip:
        drawBannerBackground(p, size);
        drawBannerTitle(p, size);
        drawTabStrip(p, meaning->group);
        break;
    case NumberedPicture::Kind::BarBackground: drawBarBackground(p, size, meaning->group); break;
    case NumberedPicture::Kind::Overlay: drawOverlay(p, size, meaning->group, meaning->item); break;
    }
    return pixmap;
}

QPixmap Bitmaps::bannerFiller(const QSize& size)
{
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    drawBannerBackground(p, size);
    return pixmap;
}

QPixmap Bitmaps::treePicture(int index, const QSize& size)
{
    if (index < 1 || index > kTreePictureCount || size.isEmpty()) return {};
    QPixmap pixmap = blank(size);
    QPainter p(&pixmap);
    prepare(p);
    const QRectF area = QRectF(QPointF(0, 0), QSizeF(size)).adjusted(1, 1, -1, -1);
    if (index <= 5) {
        drawDocumentIcon(p, area, levelColour(index));  // search results, levels 1–5
    } else if (index <= 9) {
        drawDocumentIcon(p, area, levelColour(index - 5));  // documents of levels 1–4
    } else {
        drawFolderIcon(p, area, levelColour(index - 10));  // folders; 10 has no level of its own
    }
    return pixmap;
}

}  // namespace kelvor
