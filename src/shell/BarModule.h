#pragma once

#include "AppContext.h"
#include "SkinWidgets.h"

#include <QFrame>

class SkinImages;

// One module of the bar: a frame 146 pixels wide with its background image and its controls.
// The bar stacks the modules; each one knows its own height and its own skin pictures.
class BarModule : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 146;

    BarModule(const QString& frameName, const QString& backgroundName, int designedHeight,
        AppContext& context, QWidget* parent = nullptr);

    // The frame's height for this layout pass, in pixels; may size inner controls first.
    virtual double layoutHeight() { return m_designedHeight; }
    // Applies the skin colours and pictures to the module's controls; a picture missing from
    // the skin leaves its control as it was.
    virtual void applySkin(SkinImages& images);

    int designedHeight() const { return m_designedHeight; }
    BackgroundImage* backgroundImage() const { return m_background; }
    // The background covers the frame's own height; its width stays as designed.
    void stretchBackground(int height);

signals:
    // A click on the module's background: the bar uses it to come back after hiding.
    void backgroundClicked();
    // A click on the module's separator: the bar switches a module that has a small form.
    void separatorClicked();

protected:
    PictureBox* addPicture(const QString& name, const QRect& geometry);
    QLabel* addLabel(const QString& name, const QRect& geometry, const QString& text = {});
    const SkinState& skin() const;

    AppContext& m_context;

private:
    int m_designedHeight;
    BackgroundImage* m_background;
};
