#include "NoteWindowRules.h"

#include <QFont>
#include <QTextLayout>

namespace NoteWindowRules {

int ClampPosition(int twips, int screenTwips, int windowTwips)
{
    if (twips >= screenTwips)
        twips = screenTwips - windowTwips;
    return qMax(0, twips);
}

int WrappedLineCount(const QString& text, const QFont& font, int width)
{
    int lines = 0;
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    const QStringList paragraphs
        = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    for (const QString& paragraph : paragraphs) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(option);
        layout.beginLayout();
        int count = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(qMax(1, width));
            ++count;
        }
        layout.endLayout();
        lines += qMax(1, count);
    }
    return lines;
}

bool IsLaterThanNow(const QDate& date, const QTime& time, const QDateTime& now)
{
    const QDateTime chosen(date, QTime(time.hour(), time.minute()));
    const QDateTime nowMinute(now.date(), QTime(now.time().hour(), now.time().minute()));
    return chosen > nowMinute;
}

} // namespace NoteWindowRules
