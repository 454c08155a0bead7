#pragma once

#include "twips.h"

namespace kelvor {

// The main regions of the window in twips. The banner, the bar, the working
// frame and the side drawer are placed in the window; the left pane, the
// splitter and the document area inside the working frame.
struct WindowGeometry {
    int width = 0;  // the window's client area
    int height = 0;
    int leftMargin = 0;  // room kept left of the working frame; 0 in every state the window reaches
    TwipsRect banner;         // Imagebar
    TwipsRect bannerFiller;   // Imagebar1
    TwipsRect navigationBar;  // Picture13
    TwipsRect workingFrame;   // usekz
    TwipsRect leftPane;       // Picture2
    TwipsRect splitter;       // image1
    TwipsRect documentArea;   // Picture1
    TwipsRect sideDrawer;     // Frame1
    bool splitterVisible = true;

    bool operator==(const WindowGeometry&) const = default;
};

namespace layoutrules {

inline constexpr int kBottomReserve = 850;         // below the working frame
inline constexpr int kFullFormRightReserve = 175;  // right of the working frame, full form
inline constexpr int kResizeRightReserve = 140;    // right of the working frame after a resize
inline constexpr int kFrameLeftInset = 10;         // working frame and left pane
inline constexpr int kPaneToSplitter = 50;         // left pane's left edge to the splitter
inline constexpr int kSplitterToDocument = 30;
inline constexpr int kDocumentRightGap = 30;
inline constexpr int kLowestHeight = 3000;  // a window this low or lower ...
inline constexpr int kSnappedHeight = 3200; // ... is made this high
inline constexpr int kNarrowestWidth = 5000;
inline constexpr int kSnappedWidth = 5200;

// The regions as the window is designed, for a client area of width x height.
WindowGeometry designed(int width, int height);

// `startform`: the working frame fills the window's height down to the
// bottom reserve; the left pane and the document area take its height.
void startform(WindowGeometry& g);

// `startform11`: the full fit of the main panel, run once by the initial settings.
void startform11(WindowGeometry& g);

// The document area's left edge beside the splitter, its width to the
// full-form right reserve (the centre switch does this).
void placeDocumentAreaBesideSplitter(WindowGeometry& g);

// The window was resized to g.width x g.height. A window too low or too
// narrow is given the snapped size (g.width/g.height change; the caller
// resizes the window to them); then the regions are fitted.
// True when the window size had to change.
bool resized(WindowGeometry& g);

}  // namespace layoutrules
}  // namespace kelvor
