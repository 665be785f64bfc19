#pragma once

#include <cmath>

// Window positions and note positions are stored in twips (1/1440 inch); widgets are placed in
// pixels. These are the only conversions between the two.
namespace Twips {

inline constexpr int kDefaultPerPixel = 15;

inline int toPixels(double twips, int twipsPerPixel = kDefaultPerPixel)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

// For sizes the layout keeps as fractions of a pixel.
inline double toExactPixels(double twips, int twipsPerPixel = kDefaultPerPixel)
{
    return twips / twipsPerPixel;
}

inline int fromPixels(double pixels, int twipsPerPixel = kDefaultPerPixel)
{
    return static_cast<int>(std::lround(pixels * twipsPerPixel));
}

} // namespace Twips
