#include "export/PageFiles.h"

#include "export/TimetablePage.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int PictureDpi = 2 * 96;
constexpr double MarginMm = 12;

QPageLayout A4Landscape()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                       QMarginsF(MarginMm, MarginMm, MarginMm, MarginMm), QPageLayout::Millimeter);
}

} // namespace

bool PaintTimetableOn(QPagedPaintDevice& device, const Timetable& timetable)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect paintRect = device.pageLayout().paintRectPixels(device.logicalDpiX());
    PaintTimetablePage(painter, QRectF(QPointF(0, 0), paintRect.size()), timetable);
    return painter.end();
}

QByteArray TimetablePdf(const Timetable& timetable)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(A4Landscape());
        writer.setTitle(u"Stundenplan"_s);
        writer.setCreator(u"Kalustra"_s);
        PaintTimetableOn(writer, timetable);
    }
    return bytes;
}

QImage TimetablePicture(const Timetable& timetable)
{
    const QPageLayout page = A4Landscape();
    QImage picture(page.fullRectPixels(PictureDpi).size(), QImage::Format_RGB32);
    const int dotsPerMeter = qRound(PictureDpi / 0.0254);
    picture.setDotsPerMeterX(dotsPerMeter);
    picture.setDotsPerMeterY(dotsPerMeter);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintTimetablePage(painter, page.paintRectPixels(PictureDpi), timetable);
    return picture;
}

QByteArray TimetablePng(const Timetable& timetable)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    TimetablePicture(timetable).save(&buffer, "PNG");
    return bytes;
}
