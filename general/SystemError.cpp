#include "general/SystemError.h"

#include "general/StdError.h"

#include <QDir>

#include <cerrno>
#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace STD {

int ErrorNumberOf(int systemError)
{
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return PermissionDenied;
    case EIO:
        return DeviceIoError;
    case ENOENT:
    case ENOTDIR:
        return PathNotFound;
    default:
        return PathFileAccessError;
    }
}

QString SystemErrorReason(int systemError)
{
    switch (systemError) {
    case ENOSPC:
        return u"kein Platz mehr frei"_s;
    case EDQUOT:
        return u"Speicherkontingent erschöpft"_s;
    case EFBIG:
        return u"Datei zu groß für das Dateisystem"_s;
    case EACCES:
    case EPERM:
        return u"keine Berechtigung"_s;
    case EROFS:
        return u"Dateisystem nur lesbar eingebunden"_s;
    case EIO:
        return u"Ein-/Ausgabefehler des Geräts"_s;
    case ENOENT:
        return u"Datei oder Ordner nicht vorhanden"_s;
    case ENOTDIR:
        return u"ein Teil des Pfades ist kein Ordner"_s;
    case EISDIR:
        return u"ist ein Ordner"_s;
    case ENAMETOOLONG:
        return u"Name zu lang"_s;
    case ELOOP:
        return u"zu viele symbolische Verknüpfungen"_s;
    case EBUSY:
    case ETXTBSY:
        return u"Datei wird gerade benutzt"_s;
    case EMFILE:
    case ENFILE:
        return u"zu viele offene Dateien"_s;
    default:
        // No German text for it: the system's own words, with its number.
        return u"Systemfehler %1: %2"_s.arg(QString::number(systemError),
                                            QString::fromLocal8Bit(std::strerror(systemError)));
    }
}

void RaiseSystemError(int systemError, const QString& fileName)
{
    Raise(ErrorNumberOf(systemError),
          u"%1 (%2)"_s.arg(QDir::toNativeSeparators(fileName), SystemErrorReason(systemError)));
}

} // namespace STD
