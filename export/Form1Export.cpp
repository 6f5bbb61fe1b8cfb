#include "app/Form1.h"
#include "export/CalendarFile.h"
#include "export/PageFiles.h"
#include "general/DiskFile.h"
#include "general/StdError.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTimeZone>

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace {

QString ShownPath(const QString& fileName)
{
    return u"„"_s + QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()) + u"“"_s;
}

QString WriteFailedText(const QString& fileName, const QString& reason)
{
    return u"Die Datei %1 konnte nicht geschrieben werden:\n%2\n\nEine Datei dieses Namens, die "
           u"es schon gab, ist unverändert."_s.arg(ShownPath(fileName), reason);
}

} // namespace

void Form1::SetExportDialogs(ExportDialogs dialogs)
{
    exportDialogs_ = std::move(dialogs);
}

void Form1::PrintTimetable()
{
    if (!shownTimetable_)
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(u"Stundenplan"_s);
    if (!exportDialogs_.setUpPrinter(printer))
        return;
    if (!PaintTimetableOn(printer, *shownTimetable_))
        Tell(u"Der Stundenplan konnte nicht gedruckt werden: der Drucker „%1“ nimmt keinen "
             u"Auftrag an."_s.arg(printer.printerName()),
             MessageIcon::Critical);
}

void Form1::SaveTimetablePdf()
{
    if (!shownTimetable_)
        return;
    if (const auto file = ChooseExportFile(u"Als PDF speichern"_s, u"Stundenplan.pdf"_s,
                                           u"PDF-Dokumente (*.pdf)"_s))
        WriteExportFile(*file, TimetablePdf(*shownTimetable_));
}

void Form1::SaveTimetablePicture()
{
    if (!shownTimetable_)
        return;
    if (const auto file = ChooseExportFile(u"Als Bild speichern"_s, u"Stundenplan.png"_s,
                                           u"PNG-Bilder (*.png)"_s))
        WriteExportFile(*file, TimetablePng(*shownTimetable_));
}

void Form1::ExportTimetableCalendar()
{
    if (!shownTimetable_)
        return;
    const std::optional<LecturePeriod> period =
        exportDialogs_.askPeriod(chosenPeriod_.value_or(ProposedPeriod(QDate::currentDate())));
    if (!period)
        return;
    chosenPeriod_ = period;
    QByteArray calendar;
    try {
        calendar = CalendarFile(*shownTimetable_, *period, QTimeZone::systemTimeZoneId());
    } catch (const STD::Error& error) {
        Tell(error.Text(), MessageIcon::Information);
        return;
    }
    if (const auto file = ChooseExportFile(u"In Kalender exportieren"_s, u"Stundenplan.ics"_s,
                                           u"iCalendar-Dateien (*.ics)"_s))
        WriteExportFile(*file, calendar);
}

// Proposed beside the course list.
std::optional<QString> Form1::ChooseExportFile(const QString& title, const QString& name,
                                               const QString& filter)
{
    const QString proposed = QFileInfo(listFileName_).absoluteDir().filePath(name);
    return exportDialogs_.chooseFile({.title = title, .proposedFile = proposed, .filter = filter});
}

void Form1::WriteExportFile(const QString& fileName, const QByteArray& bytes)
{
    try {
        STD::ReplaceFile(fileName, bytes);
    } catch (const STD::Error& error) {
        Tell(WriteFailedText(fileName, error.Text()), MessageIcon::Critical);
    }
}
