#include "splitterdrag.h"

namespace kelvor {

void SplitterDrag::press(int pointerScreenX)
{
    m_origin = pointerScreenX;
    m_dragging = true;
}

void SplitterDrag::release() { m_dragging = false; }

bool SplitterDrag::tick(int pointerScreenX, int pointerInFrame, WindowGeometry& g)
{
    if (!m_dragging) return false;
    const int shift = twips::fromPixels(pointerScreenX - m_origin);
    if (shift == 0) return false;
    // A refused move keeps the origin, so the splitter catches up with the
    // pointer once it comes back into range.
    if (pointerInFrame > g.workingFrame.width - kRightEdgeReserve) return false;
    if (g.splitter.left + shift < kLeftBound) return false;
    m_origin = pointerScreenX;
    g.splitter.left += shift;
    g.leftPane.width = g.splitter.left - layoutrules::kPaneToSplitter;
    g.documentArea.width -= shift;
    g.documentArea.left += shift;
    return true;
}

}  // namespace kelvor
