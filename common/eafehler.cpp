#include "common/eafehler.h"

#include "common/protokoll.h"

#include <cerrno>

EaFehler::EaFehler(int nummer, int ursache)
    : Fehler(eaText(nummer)), m_nummer(nummer), m_ursache(ursache) {}

void eaWerfen(int fehler, bool ordnerFehlt) {
    throw EaFehler(eaNummer(fehler, ordnerFehlt), fehler);
}

QString eaText(int nummer) {
    switch (nummer) {
    case Ea::DateiFehlt:
        return Fehlertexte::DateiNichtGefunden;
    case Ea::OrdnerFehlt:
        return Fehlertexte::UngueltigerDateiname;
    case 4:
        return Fehlertexte::ZuVieleDateien;
    case Ea::ZugriffVerweigert:
        return Fehlertexte::ZugriffVerweigert;
    case Ea::Speicherplatz:
        return Fehlertexte::ZuWenigSpeicherplatz;
    default:
        return Fehlertexte::eaFehler(nummer);
    }
}

int eaNummer(int fehler, bool ordnerFehlt) {
    switch (fehler) {
    case ENOENT:
        return ordnerFehlt ? Ea::OrdnerFehlt : Ea::DateiFehlt;
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP:
        return Ea::OrdnerFehlt;
    case EMFILE:
    case ENFILE:
        return 4;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return Ea::ZugriffVerweigert;
    case ENOMEM:
        return Ea::NichtGenugSpeicher;
    case EBUSY:
    case ETXTBSY:
        return 32;
    case EEXIST:
        return 80;
    case ENOSPC:
    case EDQUOT:
        return Ea::PlatteVoll;
    case EFBIG:
        return Ea::Speicherplatz;
    case EIO:
        return 1117;
    default:
        return fehler;
    }
}

void dateifehlerProtokollieren(const char* vorgang, const QString& pfad, const Fehler& fehler) {
    const auto* ea = dynamic_cast<const EaFehler*>(&fehler);
    const QString ursache = ea && ea->ursache()
                                ? QStringLiteral(" (%1)").arg(qt_error_string(ea->ursache()))
                                : QString();
    qCWarning(dateiProtokoll).nospace()
        << vorgang << " " << pfad << " failed: " << qUtf8Printable(fehler.text() + ursache);
}
