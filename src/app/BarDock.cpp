#include "BarDock.h"

int BarDock::dockedLeftTwips() const
{
    return dockLeft ? 0 : (screenWidthPixels - barWidthPixels) * twipsPerPixel;
}

int BarDock::slidAwayLeftTwips() const
{
    return dockLeft ? kVisibleStripTwips - barWidthPixels * twipsPerPixel
                    : screenWidthPixels * twipsPerPixel - kVisibleStripTwips;
}
