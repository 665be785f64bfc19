#include "BarDock.h"

#include "shell/Twips.h"

#include <algorithm>

int BarDock::dockedLeftTwips() const
{
    return dockLeft ? 0 : (screenWidthPixels - barWidthPixels) * twipsPerPixel;
}

int BarDock::slidAwayLeftTwips() const
{
    return dockLeft ? kVisibleStripTwips - barWidthPixels * twipsPerPixel
                    : screenWidthPixels * twipsPerPixel - kVisibleStripTwips;
}

int BarDock::coveredPixels(int leftTwips) const
{
    const int left = Twips::toPixels(leftTwips, twipsPerPixel);
    const int covered = dockLeft ? left + barWidthPixels : screenWidthPixels - left;
    return std::clamp(covered, 0, barWidthPixels);
}
