#include "general/StdError.h"

using namespace Qt::Literals::StringLiterals;

namespace STD {

Error::Error(int number, const QString& text)
    : std::runtime_error(text.toStdString()), number_(number), text_(text)
{}

QString ErrorText(int number)
{
    switch (number) {
    case InvalidArgument:
        return u"Ungültiger Prozeduraufruf oder ungültiges Argument"_s;
    case Overflow:
        return u"Überlauf"_s;
    case DivisionByZero:
        return u"Division durch Null"_s;
    case BadFileNumber:
        return u"Dateiname oder -nummer falsch"_s;
    case FileNotFound:
        return u"Datei nicht gefunden"_s;
    case BadFileMode:
        return u"Dateimodus falsch"_s;
    case FileAlreadyOpen:
        return u"Datei bereits geöffnet"_s;
    case DeviceIoError:
        return u"Fehler beim Lesen oder Schreiben auf dem Gerät"_s;
    case DiskFull:
        return u"Datenträger voll"_s;
    case InputPastEndOfFile:
        return u"Lesen nach Dateiende"_s;
    case PermissionDenied:
        return u"Zugriff verweigert"_s;
    case PathFileAccessError:
        return u"Fehler beim Zugriff auf Pfad/Datei"_s;
    case PathNotFound:
        return u"Pfad nicht gefunden"_s;
    default:
        return u"Fehler %1"_s.arg(number);
    }
}

void Raise(int number)
{
    throw Error(number, ErrorText(number));
}

void Raise(int number, const QString& detail)
{
    throw Error(number,
                detail.isEmpty() ? ErrorText(number) : ErrorText(number) + u": "_s + detail);
}

} // namespace STD
