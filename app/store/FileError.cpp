#include "store/FileError.h"

#include <cerrno>
#include <cstring>

namespace fileerror {

QString reason(int e) {
    switch (e) {
    case ENOSPC:
    case EDQUOT: return QStringLiteral("der Datenträger ist voll");
    case EFBIG: return QStringLiteral("die Datei hat die größte erlaubte Dateigröße erreicht");
    case EACCES:
    case EPERM: return QStringLiteral("keine Berechtigung (schreibgeschützt)");
    case EROFS: return QStringLiteral("der Datenträger ist schreibgeschützt");
    case ENOENT:
    case ENOTDIR: return QStringLiteral("die Datei oder ihr Ordner wurde nicht gefunden");
    case EISDIR: return QStringLiteral("an ihrer Stelle steht ein Ordner");
    case ELOOP: return QStringLiteral("ein Verweis (Link) zeigt im Kreis");
    case EIO: return QStringLiteral("Ein-/Ausgabefehler des Datenträgers");
    case EMFILE:
    case ENFILE: return QStringLiteral("zu viele geöffnete Dateien");
    case 0: return QStringLiteral("unbekannter Fehler");
    default: return QStringLiteral("Systemfehler %1 (%2)").arg(e).arg(QString::fromLocal8Bit(std::strerror(e)));
    }
}

}  // namespace fileerror
