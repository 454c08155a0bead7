#include "documentdisplay.h"

namespace kelvor {

QString SidePanelTags::tag(int button) const
{
    switch (button) {
    case 1: return sourceCode;
    case 2: return sourceFolder;
    case 3: return videoPlayer;
    default: return {};
    }
}

}  // namespace kelvor
