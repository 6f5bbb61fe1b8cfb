#include "app/ListFileMessages.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

QString ShownPath(const QString& fileName)
{
    return u"„"_s + QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()) + u"“"_s;
}

QString NoticeLine(const LineNotice& notice)
{
    if (notice.lineNumber == 0)
        return notice.reason;
    return u"Zeile %1: %2"_s.arg(QString::number(notice.lineNumber), notice.reason);
}

} // namespace

QString RepairNoticeText(const QString& fileName, const std::vector<LineNotice>& notices)
{
    if (notices.empty())
        return {};
    QStringList lines;
    lines << u"Beim Lesen der Veranstaltungsliste %1 musste das Programm Zeilen ausbessern "
             u"oder auslassen:"_s.arg(ShownPath(fileName))
          << QString();
    const auto listed = std::min<std::size_t>(notices.size(), ListedNotices);
    for (std::size_t i = 0; i < listed; ++i)
        lines << NoticeLine(notices[i]);
    const auto more = notices.size() - listed;
    if (more == 1)
        lines << u"… und ein weiterer Hinweis."_s;
    else if (more > 1)
        lines << u"… und %1 weitere Hinweise."_s.arg(more);
    lines << QString()
          << u"Die Liste wird beim Schließen des Fensters so gespeichert, wie sie jetzt "
             u"angezeigt wird."_s;
    return lines.join(u'\n');
}

QString UnreadableListText(const QString& fileName, const QString& reason)
{
    return u"Die Veranstaltungsliste %1 konnte nicht gelesen werden:\n%2\n\nDas Programm beginnt "
           u"mit einer leeren Liste. Die Datei wird beim Schließen nur überschrieben, wenn Sie "
           u"zustimmen."_s.arg(ShownPath(fileName), reason);
}

QString UnwritableListText(const QString& fileName, const QString& reason)
{
    return u"Die Veranstaltungsliste %1 kann nicht gespeichert werden:\n%2\n\nÄnderungen "
           u"dieser Sitzung lassen sich beim Schließen nur speichern, wenn das bis dahin "
           u"behoben ist; sonst fragt das Programm, was geschehen soll."_s.arg(ShownPath(fileName),
                                                                               reason);
}

QString OverwriteUnreadableQuestion(const QString& fileName, int courseCount)
{
    const QString courses = courseCount == 1 ? u"der einen Veranstaltung"_s
                                             : u"den %1 Veranstaltungen"_s.arg(courseCount);
    return u"Die Veranstaltungsliste %1 konnte beim Start nicht gelesen werden. Soll sie jetzt mit "
           u"%2 dieser Sitzung überschrieben werden?\n\nBei „Nein“ bleibt die Datei, wie sie ist."_s
               .arg(ShownPath(fileName), courses);
}

QString SaveFailedText(const QString& fileName, const QString& reason)
{
    return u"Die Veranstaltungsliste %1 konnte nicht gespeichert werden:\n%2\n\nDie Datei ist "
           u"unverändert. „Wiederholen“ versucht es noch einmal, „Anderswo speichern …“ speichert "
           u"die Liste unter einem anderen Namen oder in einem anderen Ordner, „Ohne Speichern "
           u"schließen“ beendet das Programm, „Abbrechen“ lässt das Fenster offen."_s.arg(
               ShownPath(fileName), reason);
}

QString HeldElsewhereText(const QString& fileName, qint64 process)
{
    const QString who = process > 0 ? u"einem anderen Kalustra-Fenster (Prozess %1)"_s.arg(process)
                                    : u"einem anderen Kalustra-Fenster"_s;
    return u"Die Veranstaltungsliste %1 ist schon in %2 geöffnet. Bearbeiten Sie sie bitte "
           u"dort.\n\n"
           u"Dieses Fenster wird geschlossen; die Datei bleibt, wie sie ist."_s.arg(
               ShownPath(fileName), who);
}

QString OutsideChangeQuestion(const QString& fileName)
{
    return u"Die Veranstaltungsliste %1 wurde von einem anderen Programm geändert, seit Kalustra "
           u"sie "
           u"gelesen oder gespeichert hat.\n\n„Andere Fassung behalten“ beendet das Programm, ohne "
           u"die Datei zu verändern; die Änderungen dieser Sitzung gehen verloren. „Überschreiben“ "
           u"ersetzt die andere Fassung durch die Liste dieses Fensters. „Anderswo speichern …“ "
           u"speichert die Liste dieses Fensters unter einem anderen Namen. „Abbrechen“ lässt das "
           u"Fenster offen."_s.arg(ShownPath(fileName));
}

QString SavedBesideText(const QString& fileName, const QString& savedAs)
{
    return u"Die Veranstaltungsliste %1 wurde von einem anderen Programm geändert und bleibt so. "
           u"Die "
           u"Liste dieser Sitzung steht in %2."_s.arg(ShownPath(fileName), ShownPath(savedAs));
}

QString ReplacedCharactersText(const QString& fileName, qsizetype count)
{
    const QString replaced =
        count == 1 ? u"wurde ein Zeichen"_s : u"wurden %1 Zeichen"_s.arg(count);
    const QString them = count == 1 ? u"es"_s : u"sie"_s;
    return u"Die Veranstaltungsliste %1 ist gespeichert. Dabei %2 durch „?“ ersetzt, weil der "
           u"Zeichensatz der Datei (Windows-1252) %3 nicht darstellen kann."_s.arg(
               ShownPath(fileName), replaced, them);
}

QString HandlerErrorText(int number, const QString& text)
{
    const QString error = number == 0 ? u"Fehler: %1"_s.arg(text)
                                      : u"Fehler %1: %2"_s.arg(QString::number(number), text);
    return error + u"\n\nDie Aktion wurde abgebrochen; das Programm läuft weiter."_s;
}
