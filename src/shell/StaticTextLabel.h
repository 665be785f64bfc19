#pragma once

#include <QLabel>
#include <QStaticText>

// A one-line label for a text that changes every second: its layout is kept between paints and
// made again only when the text or the font changes.
class StaticTextLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QStaticText m_laidOut;
    QFont m_laidOutFont;
};
