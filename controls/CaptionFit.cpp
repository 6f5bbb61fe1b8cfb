#include "controls/CaptionFit.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRect>
#include <QTextLayout>

#include <algorithm>
#include <vector>

namespace {

constexpr double PointStep = 0.25;
constexpr double LegibleShare = 6.0 / 8.25;

QTextOption OptionOf(CaptionLayout layout)
{
    QTextOption option(layout.alignment);
    option.setWrapMode(layout.wrap);
    return option;
}

// The size the caption takes when its lines are broken within `width`.
QSizeF LaidOutSize(const QFont& font, const QString& caption, qreal width, CaptionLayout layout)
{
    QTextLayout lines(caption, font);
    lines.setTextOption(OptionOf(layout));
    qreal height = 0;
    qreal widest = 0;
    lines.beginLayout();
    for (QTextLine line = lines.createLine(); line.isValid(); line = lines.createLine()) {
        line.setLineWidth(width);
        height += line.height();
        widest = std::max(widest, line.naturalTextWidth());
    }
    lines.endLayout();
    return {widest, height};
}

} // namespace

bool CaptionFits(const QFont& font, const QString& caption, QSize area, CaptionLayout layout)
{
    const QSizeF size = LaidOutSize(font, caption, area.width(), layout);
    return size.width() <= area.width() && size.height() <= area.height();
}

QFont FontFittingArea(const QFont& font, const QString& caption, QSize area, CaptionLayout layout,
                      double smallest)
{
    if (smallest <= 0)
        smallest = font.pointSizeF() * LegibleShare;
    QFont fitting = font;
    while (!CaptionFits(fitting, caption, area, layout) && fitting.pointSizeF() > smallest)
        fitting.setPointSizeF(std::max(smallest, fitting.pointSizeF() - PointStep));
    return fitting;
}

namespace {

struct LaidOutLine
{
    QString text;
    // Where the line starts in the caption.
    qsizetype start = 0;
};

std::vector<LaidOutLine> WordWrappedLines(const QFont& font, const QString& caption, int width)
{
    QTextLayout layout(caption, font);
    layout.setTextOption(OptionOf({QTextOption::WordWrap, Qt::AlignLeft}));
    std::vector<LaidOutLine> lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.push_back(
            {caption.mid(line.textStart(), line.textLength()).trimmed(), line.textStart()});
    }
    layout.endLayout();
    return lines;
}

} // namespace

QStringList CaptionLineTexts(const QFont& font, const QString& caption, int width)
{
    QStringList texts;
    for (const LaidOutLine& line : WordWrappedLines(font, caption, width))
        texts.append(line.text);
    return texts;
}

QStringList ElidedCaptionLines(const QFont& font, const QString& caption, QSize area)
{
    const QFontMetricsF metrics(font);
    const std::vector<LaidOutLine> lines = WordWrappedLines(font, caption, area.width());
    const auto room =
        std::max<std::size_t>(1, std::size_t(std::max(0.0, area.height() / metrics.height())));
    QStringList shown;
    for (std::size_t i = 0; i < lines.size() && i < room; ++i) {
        // The last line that fits takes the rest of the caption, elided.
        const QString text = (i + 1 == room && i + 1 < lines.size())
                                 ? caption.mid(lines[i].start).simplified() + u'…'
                                 : lines[i].text;
        shown.append(metrics.elidedText(text, Qt::ElideRight, area.width()));
    }
    return shown;
}

void PaintCaption(QPainter& painter, const QRect& area, const QString& caption,
                  CaptionLayout layout)
{
    painter.drawText(QRectF(area), caption, OptionOf(layout));
}
