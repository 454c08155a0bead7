#pragma once

#include <QFont>
#include <QPixmap>
#include <QSize>

namespace kelvor {

// The program's bitmaps, drawn on request instead of being shipped as
// files: the banner with its group tab strip (801–803), the bar backgrounds
// (811–813), the bar's selection overlays (820+i, 920+i, 950+i) and the 14
// pictures of the catalogue tree.
class Bitmaps {
public:
    static constexpr int kTreePictureCount = 14;

    // The picture of that number drawn at `size` (pixels); a null pixmap for
    // a number the program has no picture for.
    static QPixmap picture(int number, const QSize& size);
    // The piece that continues the banner to the window's right edge.
    static QPixmap bannerFiller(const QSize& size);
    // Tree picture 1–14: 1–9 documents, 10–14 folders; the colour tells the level.
    static QPixmap treePicture(int index, const QSize& size = QSize(16, 16));

    // The face the window's captions are drawn in, at `pixelSize`.
    static QFont captionFont(int pixelSize, bool bold = false);
};

}  // namespace kelvor
