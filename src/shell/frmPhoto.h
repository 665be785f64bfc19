#pragma once

#include "BarModule.h"

// The photo module: the user's picture, or the skin's logo.
class frmPhoto : public BarModule {
    Q_OBJECT
public:
    explicit frmPhoto(AppContext& context, QWidget* parent = nullptr);
    QString moduleId() const override;
    void DisplayPhoto();

private:
    PictureBox* m_photo;
};
