#pragma once

#include <QList>

class PictureBox;
class QLabel;
class QWidget;
class SkinImages;
struct SkinState;

// The bar's title strip: its picture, the title "Tolvane" and the five small buttons (vault,
// about, options, hide, close), created as children of the bar.
struct TitleStrip {
    static constexpr int kHeight = 22;

    PictureBox* background = nullptr; // pictBGTop
    QLabel* title = nullptr; // labTitre
    PictureBox* password = nullptr;
    PictureBox* about = nullptr;
    PictureBox* config = nullptr;
    PictureBox* hide = nullptr;
    PictureBox* close = nullptr;

    static TitleStrip create(QWidget* bar);
    void applySkin(SkinImages& images, const SkinState& skin);
    // Keeps the strip above the modules after they are placed.
    void raise();
    int titleBottom() const;
};
