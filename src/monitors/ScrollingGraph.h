#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QStaticText>
#include <QString>

#include <vector>

class QPainter;

// One bar of a graph: how many pixels it rises from the bottom, and its colour.
struct GraphColumn {
    int height = 0;
    QRgb colour = 0;
    bool operator==(const GraphColumn&) const = default;
};

// A graph of equal columns with the newest at the right, drawn into an image that keeps what it
// shows from one tick to the next. When the new columns are the drawn ones moved one step to the
// left, the image is scrolled and only the new column and the scale texts are drawn again; when
// nothing changed, nothing is drawn.
class ScrollingGraph {
public:
    enum class Drawing { Nothing, Scrolled, Whole };

    // Everything but the columns: a change here redraws the whole graph.
    struct Look {
        int left = 0; // where the first column starts
        int columnWidth = 1;
        QColor background;
        QColor textColour;
        QFont font;
        QString topText; // at the top left, its ascent topMargin pixels below the edge
        int topMargin = 0;
        QString bottomText; // at the bottom left, one pixel above the edge
        bool operator==(const Look&) const = default;
    };

    // Columns run from look.left; a column of height 0 should have colour 0.
    Drawing draw(QImage& image, const std::vector<GraphColumn>& columns, const Look& look);
    // The part of the image, in its own units, whose pixels the last draw may have changed: the
    // whole image, nothing, or after a scroll the band at the bottom that the columns reach
    // before or after it (above it only unchanged background and texts were drawn).
    QRect changed() const { return m_changed; }
    // The next draw paints everything (after a change of skin or size).
    void forget() { m_drawn.clear(); }

private:
    bool isScrollOf(const QImage& image, const std::vector<GraphColumn>& columns) const;
    void paintColumns(QPainter& painter, const std::vector<GraphColumn>& columns, int height,
        int fromX, int toX) const;
    void paintTexts(QPainter& painter, int height) const;

    std::vector<GraphColumn> m_drawn;
    QRect m_changed;
    Look m_look;
    QSize m_size;
    int m_textRight = 0; // the texts stay left of this x
    // Laid out once per look: a scroll draws them again every second.
    QStaticText m_topText;
    QStaticText m_bottomText;
};
