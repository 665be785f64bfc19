#pragma once

#include "SkinPainter.h"

// The 16-pixel pictures of the favorites lists: the 16 system pictures and the picture of an
// Internet address, drawn on the lists' background.
class SystemIconPainter {
public:
    explicit SystemIconPainter(const Theme& theme)
        : m_theme(theme)
    {
    }

    static constexpr int kCount = 16;
    // Picture 1 to 16.
    QImage systemIcon(int number) const;
    QImage addressIcon() const;

private:
    const Theme& m_theme;
};
