#pragma once

#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QWidget>

#include <optional>

// A one-line label for figures that change every second (a time of day): the font's glyphs are
// looked up one by one and drawn in a row, without the text layout and shaping a QLabel makes
// again at each change, and a new text repaints only the glyphs that changed when the others
// keep their places. Fit for digits and separators, not for text that needs shaping.
class DigitLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)
public:
    explicit DigitLabel(QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    void setAlignment(Qt::Alignment alignment);

    // The part of the label whose pixels may differ between showing one text and another.
    QRect changeBetween(const QString& from, const QString& to);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Row {
        QList<quint32> glyphs;
        QList<QPointF> positions; // each glyph's pen position, the last one past the end
        QPointF origin; // where the base line starts in the widget
        QRect area; // the contents rectangle it was laid out in
    };
    Row layOut(const QString& text);
    const Row& shownRow();
    QRect changeBetween(const Row& before, const Row& after) const;
    QRect glyphArea(const Row& row, qsizetype index) const;
    const QRawFont& rawFont();

    QString m_text;
    Qt::Alignment m_alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QRawFont m_rawFont;
    QFont m_rawFontFrom;
    // The shown text laid out, kept until the contents rectangle, font or alignment changes.
    std::optional<Row> m_shown;
};
