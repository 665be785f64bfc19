#pragma once

#include "platform/Platform.h"

class PrimaryScreen : public Screen {
public:
    QRect geometry() const override;
    // 1440 twips make an inch: the screen's logical dots per inch give the factor.
    int twipsPerPixelX() const override;
    int twipsPerPixelY() const override;
};
