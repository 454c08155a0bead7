#pragma once

#include <QRect>

namespace kelvor {

// The window's measures are kept in twips, as the form was designed; widgets
// are placed in pixels.
namespace twips {

inline constexpr int kPerPixel = 15;

// Nearest whole pixel; halves round away from zero.
constexpr int toPixels(int twips)
{
    return twips >= 0 ? (twips + kPerPixel / 2) / kPerPixel : -((-twips + kPerPixel / 2) / kPerPixel);
}

constexpr int fromPixels(int pixels) { return pixels * kPerPixel; }

}  // namespace twips

// A rectangle in twips, in its parent's coordinates.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    bool operator==(const TwipsRect&) const = default;

    QRect toPixels() const
    {
        return {twips::toPixels(left), twips::toPixels(top), twips::toPixels(width), twips::toPixels(height)};
    }
    static TwipsRect fromPixels(const QRect& r)
    {
        return {twips::fromPixels(r.x()), twips::fromPixels(r.y()), twips::fromPixels(r.width()),
                twips::fromPixels(r.height())};
    }
};

}  // namespace kelvor
