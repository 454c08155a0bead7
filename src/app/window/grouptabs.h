#pragma once

#include "navigationgroups.h"

#include <QPointF>

#include <array>
#include <optional>

namespace kelvor {

// The group tab strip at the foot of the banner: three slanted tabs, learning,
// centre and query from left to right. Coordinates are twips inside the tab
// label `Label45`, whose left edge lies on the learning tab; the learning
// tab's left part reaches past that edge.
namespace grouptabs {

// The borders lean by this angle (radians) against the strip's base.
inline constexpr double kBorderAngle = 1.0466666666666666;
// Where the borders cross the strip's base line.
inline constexpr double kLearningCentreBorder = 200;
inline constexpr double kCentreQueryBorder = 1000;
inline constexpr double kQueryEnd = 1900;
// The learning tab's width along the base; most of it lies left of the label.
inline constexpr double kLearningTabWidth = 960;

// The banner picture's own measures (twips): the strip lies along its foot.
inline constexpr int kBannerWidth = 10800;
inline constexpr int kBannerHeight = 780;
inline constexpr int kStripHeight = 390;
inline constexpr int kStripTop = kBannerHeight - kStripHeight;
inline constexpr int kLabelLeft = 3600;  // the label's left edge in the banner

// How far right a border has moved at height y: d = (h - y) / tan(angle).
double borderShift(double y, double height);

// The group under (x, y) in a strip of height `height`. A point exactly on
// a border, or right of the query tab, chooses nothing.
std::optional<NavigationGroup> groupAt(double x, double y, double height);

// True for a point left of the label (x < 0) that still lies on the drawn
// learning tab; the banner hands such presses to the label.
bool onLearningOverhang(double x, double y, double height);

// The four corners of a tab (top-left, top-right, bottom-right, bottom-left)
// in label coordinates, for drawing.
std::array<QPointF, 4> tabCorners(NavigationGroup group, double height);

// The label's width: up to the query tab's right edge at the top.
int labelWidth(double height);

}  // namespace grouptabs
}  // namespace kelvor
