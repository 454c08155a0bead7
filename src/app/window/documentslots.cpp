#include "documentslots.h"

#include "viewer/documentview.h"

#include <QString>

namespace kelvor {

DocumentSlots createDocumentSlots(const LibraryLayout& layout, QWidget* parent)
{
    static constexpr std::array<const char*, 3> kAccessibleNames = {"文档", "辅助文档", "源程序页"};
    DocumentSlots made;
    for (size_t i = 0; i < made.views.size(); ++i) {
        auto* view = new DocumentView(layout, parent);
        view->setObjectName(QStringLiteral("WebBrowser%1").arg(i + 1));
        view->setAccessibleName(QString::fromUtf8(kAccessibleNames[i]));
        made.views[i] = view;
    }
    // Only the document view is on show; the others are loaded unseen.
    made.secondView()->hide();
    made.sourcePageView()->hide();
    return made;
}

}  // namespace kelvor
