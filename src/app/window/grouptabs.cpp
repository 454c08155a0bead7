#include "grouptabs.h"

#include <cmath>

namespace kelvor::grouptabs {

double borderShift(double y, double height) { return (height - y) / std::tan(kBorderAngle); }

std::optional<NavigationGroup> groupAt(double x, double y, double height)
{
    const double d = borderShift(y, height);
    // Tested in this order; the strict comparisons leave the borders themselves to no group.
    if (x < d + kLearningCentreBorder) return NavigationGroup::Learning;
    if (x > d + kLearningCentreBorder && x < d + kCentreQueryBorder) return NavigationGroup::Centre;
    if (x > d + kCentreQueryBorder && x < d + kQueryEnd) return NavigationGroup::Query;
    return std::nullopt;
}

bool onLearningOverhang(double x, double y, double height)
{
    return x < 0 && y >= 0 && y <= height && x > borderShift(y, height) + kLearningCentreBorder - kLearningTabWidth;
}

std::array<QPointF, 4> tabCorners(NavigationGroup group, double height)
{
    double from = kLearningCentreBorder - kLearningTabWidth;
    double to = kLearningCentreBorder;
    if (group == NavigationGroup::Centre) {
        from = kLearningCentreBorder;
        to = kCentreQueryBorder;
    } else if (group == NavigationGroup::Query) {
        from = kCentreQueryBorder;
        to = kQueryEnd;
    }
    const double top = borderShift(0, height);
    return {QPointF(from + top, 0), QPointF(to + top, 0), QPointF(to, height), QPointF(from, height)};
}

int labelWidth(double height) { return int(std::ceil(kQueryEnd + borderShift(0, height))); }

}  // namespace kelvor::grouptabs
