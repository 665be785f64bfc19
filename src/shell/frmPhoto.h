#pragma once

#include "BarModule.h"

// The photo module: the user's picture, or the skin's logo, as wide as the module allows.
class frmPhoto : public BarModule {
    Q_OBJECT
public:
    static constexpr int kMargin = 4;
    static constexpr int kBottomMargin = 6;
    static constexpr int kPictureWidth = kWidth - 2 * kMargin;
    // A portrait picture stops growing at twice the module's width.
    static constexpr int kMaxPictureHeight = 2 * kPictureWidth;

    explicit frmPhoto(AppContext& context, QWidget* parent = nullptr);
    // The frame follows the picture's height.
    double layoutHeight() override;
    void DisplayPhoto();

private:
    // False, with the picture unchanged, when the file cannot be decoded.
    bool showPicture(const QString& path);

    PictureBox* m_photo;
    bool m_hasPicture = false;
};
