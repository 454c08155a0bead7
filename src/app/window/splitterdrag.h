#pragma once

#include "windowlayout.h"

namespace kelvor {

// Dragging the splitter `image1` between the left pane and the document
// area. The drag follows the pointer on the ticks of `Timer1`, not on every
// mouse move, so a large document area is relaid out at most every 300 ms.
class SplitterDrag {
public:
    // No move brings the pointer this close to the working frame's right edge ...
    static constexpr int kRightEdgeReserve = 2000;
    // ... or the splitter's left edge closer than this to the working frame's left edge.
    static constexpr int kLeftBound = 1500;

    // Pressing the splitter: the pointer's screen x (pixels) becomes the origin.
    void press(int pointerScreenX);
    void release();
    bool isDragging() const { return m_dragging; }
    int origin() const { return m_origin; }

    // One tick: moves the splitter by the pointer's travel since the last
    // move (15 twips a pixel), narrows or widens the document area by as
    // much and keeps it beside the splitter. `pointerInFrame` is the
    // pointer's x in the working frame, in twips. True when anything moved.
    bool tick(int pointerScreenX, int pointerInFrame, WindowGeometry& g);

private:
    bool m_dragging = false;
    int m_origin = 0;
};

}  // namespace kelvor
