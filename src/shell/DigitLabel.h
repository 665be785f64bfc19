#pragma once

#include <QLabel>
#include <QRawFont>

// A one-line label for figures that change every second (a time of day): the font's glyphs are
// looked up one by one and drawn in a row, without the text layout and shaping a QLabel makes
// again at each change. Fit for digits and separators, not for text that needs shaping.
class DigitLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRawFont m_rawFont;
    QFont m_rawFontFrom;
};
