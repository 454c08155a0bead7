#pragma once

#include <array>

class QWidget;

namespace kelvor {

class DocumentView;
class LibraryLayout;

// The three browser views of the document area: `WebBrowser1` the document
// view, `WebBrowser2` the second view, `WebBrowser3` the source page view.
// The one place that makes them, so that the window never depends on how
// a view is built.
struct DocumentSlots {
    std::array<DocumentView*, 3> views{};

    DocumentView* documentView() const { return views[0]; }
    DocumentView* secondView() const { return views[1]; }
    DocumentView* sourcePageView() const { return views[2]; }
};

DocumentSlots createDocumentSlots(const LibraryLayout& layout, QWidget* parent);

}  // namespace kelvor
