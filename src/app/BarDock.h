#pragma once

// Where the bar's left edge goes, in twips from the screen's left edge: docked at its side, or
// slid away so that only a thin strip stays on screen.
struct BarDock {
    static constexpr int kVisibleStripTwips = 100;

    int screenWidthPixels = 0;
    int barWidthPixels = 0;
    int twipsPerPixel = 15;
    bool dockLeft = false;

    int dockedLeftTwips() const;
    int slidAwayLeftTwips() const;
    // How many pixels of the bar are on screen with its left edge at leftTwips: the strip of the
    // screen edge it holds.
    int coveredPixels(int leftTwips) const;
};
