#include "nivex/kern/downloadordner.h"

#include "common/dateiziel.h"
#include "common/eafehler.h"

Downloadordner::Downloadordner(const QString& downloadPfad) : m_pfad(downloadPfad) {
    for (const QChar zeichen : downloadPfad) {
        if (zeichen.unicode() < 0x20)
            throw EaFehler(Ea::OrdnerFehlt);
    }
    const qsizetype schnitt = downloadPfad.lastIndexOf(u'/') + 1;
    m_vorsatz = downloadPfad.mid(schnitt);
    m_ordner = ordnerOeffnen(schnitt > 0 ? downloadPfad.left(schnitt) : QStringLiteral("."));
}

int Downloadordner::fd() const {
    if (!offen())
        throw EaFehler(Ea::OrdnerFehlt);
    return m_ordner.fd();
}

Deskriptor Downloadordner::unterordner(const QString& datei) const {
    return ::unterordner(fd(), name(datei));
}
