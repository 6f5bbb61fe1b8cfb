#include "export/TimetablePage.h"

#include "export/PackedColor.h"
#include "model/Week.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr double NamePoints = 11;
// Below this a name on paper is no longer legible: it is cut with "…" instead.
constexpr double SmallestNamePoints = 7;
constexpr double TextPoints = 9;
// A list of courses left out longer than this cannot fit the page anyway.
constexpr qsizetype ListedLeftOut = 400;
constexpr char16_t Ellipsis = u'…';

QFont PageFont(double points, bool bold = false)
{
    QFont font(u"DejaVu Sans"_s);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

class Page
{
public:
    Page(QPainter& painter, const QRectF& area) : painter_(painter), area_(area) {}

    double Mm(double millimetres) const
    {
        return millimetres * painter_.device()->logicalDpiY() / 25.4;
    }
    QFontMetricsF Metrics(const QFont& font) const { return {font, painter_.device()}; }

    void PaintTitle(qint32 value);
    void PaintGrid(const Timetable& timetable);
    void PaintNotes(const Timetable& timetable);

private:
    struct Paragraph
    {
        QString text;
        // The leading characters set in bold.
        int boldLength = 0;
    };
    void PaintCell(const QRectF& cell, const QString& text, const QColor& background, bool header);
    void PaintName(const QRectF& box, const QString& name);
    void PaintParagraphs(const QRectF& box, const std::vector<Paragraph>& paragraphs);
    QStringList WrappedLines(const QString& text, const QFont& font, double width) const;

    QPainter& painter_;
    QRectF area_;
    double gridBottom_ = 0;
};

void Page::PaintTitle(qint32 value)
{
    const QFont title = PageFont(20, true);
    painter_.setPen(Qt::black);
    painter_.setFont(title);
    const QRectF line(area_.topLeft(), QSizeF(area_.width(), Metrics(title).height()));
    painter_.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, u"Stundenplan"_s);
    painter_.setFont(PageFont(14));
    painter_.drawText(line, Qt::AlignRight | Qt::AlignVCenter, u"Wert: %1"_s.arg(value));
    area_.setTop(line.bottom() + Mm(4));
}

void Page::PaintGrid(const Timetable& timetable)
{
    const QFont header = PageFont(TextPoints + 1, true);
    const double hourWidth = std::max(area_.width() * 0.12,
                                      Metrics(header).horizontalAdvance(Week::HourText(0)) + Mm(4));
    const double dayWidth = (area_.width() - hourWidth) / Week::DayCount;
    const double headerHeight = Metrics(header).height() + Mm(3);
    const double slotHeight = (area_.height() * 0.62 - headerHeight) / Week::SlotCount;
    const auto left = [&](int column) {
        return area_.left() + (column == 0 ? 0 : hourWidth + (column - 1) * dayWidth);
    };
    const auto top = [&](int row) {
        return area_.top() + (row == 0 ? 0 : headerHeight + (row - 1) * slotHeight);
    };
    const auto cell = [&](int row, int column) {
        return QRectF(left(column), top(row), column == 0 ? hourWidth : dayWidth,
                      row == 0 ? headerHeight : slotHeight);
    };
    const QColor headerColor(0xD0, 0xD0, 0xD0);
    painter_.setFont(header);
    const QStringList days = Week::DayNames();
    for (int day = 0; day < Week::DayCount; ++day)
        PaintCell(cell(0, day + 1), days[day], headerColor, true);
    for (int slot = 0; slot < Week::SlotCount; ++slot)
        PaintCell(cell(slot + 1, 0), Week::HourText(slot), headerColor, true);
    for (int day = 0; day < Week::DayCount; ++day) {
        for (int slot = 0; slot < Week::SlotCount; ++slot) {
            const PlacedCourse* shown = nullptr;
            for (const PlacedCourse& course : timetable.placed) {
                if (course.cells & CellOf(day, slot))
                    shown = &course;
            }
            if (shown)
                PaintCell(cell(slot + 1, day + 1), shown->name, ColorFromPacked(shown->color),
                          false);
            else
                PaintCell(cell(slot + 1, day + 1), {}, QColor(0xF2, 0xF2, 0xF2), false);
        }
    }
    gridBottom_ = top(Week::SlotCount + 1);
}

void Page::PaintCell(const QRectF& cell, const QString& text, const QColor& background, bool header)
{
    const double gap = Mm(0.4);
    const QRectF box = cell.adjusted(gap, gap, -gap, -gap);
    painter_.setPen(QPen(QColor(0x80, 0x80, 0x80), Mm(0.2)));
    painter_.setBrush(background);
    painter_.drawRect(box);
    painter_.setPen(ContrastingTextColor(background));
    const QRectF inside = box.adjusted(Mm(1.5), Mm(1), -Mm(1.5), -Mm(1));
    if (header)
        painter_.drawText(inside, Qt::AlignCenter, text);
    else if (!text.isEmpty())
        PaintName(inside, text);
}

// The name wrapped between words (inside a word only where it is longer than
// the line), in the largest size down to the smallest at which it fits; what
// does not fit even then ends in "…".
void Page::PaintName(const QRectF& box, const QString& name)
{
    QFont font = PageFont(NamePoints, true);
    const auto room = [&] {
        return std::max(1, int(std::floor(box.height() / Metrics(font).lineSpacing())));
    };
    QStringList lines = WrappedLines(name, font, box.width());
    while (lines.size() > room() && font.pointSizeF() > SmallestNamePoints) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        lines = WrappedLines(name, font, box.width());
    }
    const QFontMetricsF metrics = Metrics(font);
    if (lines.size() > room()) {
        lines = lines.mid(0, room());
        lines.last() = metrics.elidedText(lines.last() + Ellipsis, Qt::ElideRight, box.width());
    }
    painter_.setFont(font);
    double y = box.center().y() - lines.size() * metrics.lineSpacing() / 2;
    for (const QString& line : lines) {
        painter_.drawText(QRectF(box.left(), y, box.width(), metrics.lineSpacing()),
                          Qt::AlignHCenter | Qt::AlignVCenter, line);
        y += metrics.lineSpacing();
    }
}

QStringList Page::WrappedLines(const QString& text, const QFont& font, double width) const
{
    QTextLayout layout(text, font, painter_.device());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.append(text.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return lines;
}

// Below the grid: which courses this timetable leaves out, then each placed
// course's notes.
void Page::PaintNotes(const Timetable& timetable)
{
    std::vector<Paragraph> paragraphs;
    const QString leftOutTitle = u"Nicht im Stundenplan: "_s;
    QString leftOut = timetable.leftOut.isEmpty()
                          ? u"keine"_s
                          : QStringList(timetable.leftOut.mid(0, ListedLeftOut)).join(u", "_s);
    if (timetable.leftOut.size() > ListedLeftOut)
        leftOut += u" und %1 weitere"_s.arg(timetable.leftOut.size() - ListedLeftOut);
    paragraphs.push_back({leftOutTitle + leftOut, int(leftOutTitle.size())});
    bool anyNotes = false;
    for (const PlacedCourse& course : timetable.placed) {
        if (course.notes.trimmed().isEmpty())
            continue;
        if (!anyNotes)
            paragraphs.push_back({u"Notizen"_s, 7});
        anyNotes = true;
        QString notes = course.notes.trimmed();
        notes.replace(u"\r\n"_s, QString(QChar::LineSeparator))
            .replace(u'\n', QChar::LineSeparator);
        const QString title = course.name + u": "_s;
        paragraphs.push_back({title + notes, int(title.size())});
    }
    PaintParagraphs(QRectF(area_.left(), gridBottom_ + Mm(5), area_.width(),
                           area_.bottom() - gridBottom_ - Mm(5)),
                    paragraphs);
}

// The paragraphs top down; where they do not all fit, the last line that
// does ends in "…".
void Page::PaintParagraphs(const QRectF& box, const std::vector<Paragraph>& paragraphs)
{
    const QFont font = PageFont(TextPoints);
    QFont bold = font;
    bold.setBold(true);
    const QFontMetricsF metrics = Metrics(font);
    painter_.setPen(Qt::black);
    double y = box.top();
    for (const Paragraph& paragraph : paragraphs) {
        QTextLayout layout(paragraph.text, font, painter_.device());
        QTextCharFormat boldFormat;
        boldFormat.setFont(bold);
        layout.setFormats({{0, paragraph.boldLength, boldFormat}});
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        double height = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(box.width());
            line.setPosition({0, height});
            height += line.height();
        }
        layout.endLayout();
        for (int i = 0; i < layout.lineCount(); ++i) {
            const QTextLine line = layout.lineAt(i);
            const bool lastRoom = y + line.y() + 2 * line.height() > box.bottom();
            const bool more = i + 1 < layout.lineCount() || &paragraph != &paragraphs.back();
            if (!lastRoom || !more) {
                line.draw(&painter_, {box.left(), y});
                continue;
            }
            const QString rest = paragraph.text.mid(line.textStart()).simplified();
            painter_.setFont(font);
            painter_.drawText(QPointF(box.left(), y + line.y() + line.ascent()),
                              metrics.elidedText(rest.left(line.textLength()) + Ellipsis,
                                                 Qt::ElideRight, box.width()));
            return;
        }
        y += height + Mm(1.5);
    }
}

} // namespace

void PaintTimetablePage(QPainter& painter, const QRectF& area, const Timetable& timetable)
{
    Page page(painter, area);
    page.PaintTitle(timetable.value);
    page.PaintGrid(timetable);
    page.PaintNotes(timetable);
}

// The larger of the contrast ratios of black and of white against the
// background's relative luminance.
QColor ContrastingTextColor(const QColor& background)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = background.toRgb();
    const double luminance =
        0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
    return (luminance + 0.05) / 0.05 >= 1.05 / (luminance + 0.05) ? Qt::black : Qt::white;
}
