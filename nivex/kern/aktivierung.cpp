// Creation and first activation of the updater window: the version file read into the fields.
#include "common/zeilen.h"
#include "nivex/kern/feldtext.h"
#include "nivex/kern/updatemodell.h"

Updatemodell::Updatemodell(NivexAussenwelt& welt, QString basisadresse)
    : m_welt(welt), m_basisadresse(std::move(basisadresse)) {}

void Updatemodell::erstellen(const QString& programmordner) {
    m_statuszeile[0] = Nivextexte::Statuszeile0;
    m_statuszeile[1] = Nivextexte::Bereit;
    m_downloadStift = SchwarzerStift;
    m_herunterladenAktiv = true;
    m_installierenAktiv = false;
    m_downloadOrdner = mitCrLf(programmordner);
}

namespace {

// Characters `von` to `bis` (counted from 1) of the text; fewer or none past its end.
QString zeichen(const QString& text, int von, int bis = 0) {
    return text.mid(von - 1, (bis ? bis : von) - von + 1);
}

// "2150*" gives 2.1.5.0, "10150" gives 10.1.5.0; a missing character gives an empty piece.
QString versionsanzeige(const QString& code) {
    const QString punkt = QStringLiteral(".");
    if (zeichen(code, 5) == QStringLiteral("*"))
        return zeichen(code, 1) + punkt + zeichen(code, 2) + punkt + zeichen(code, 3) + punkt +
               zeichen(code, 4);
    return zeichen(code, 1, 2) + punkt + zeichen(code, 3) + punkt + zeichen(code, 4) + punkt +
           zeichen(code, 5);
}

} // namespace

void Updatemodell::aktivieren() {
    if (m_aktiviert)
        return;
    m_aktiviert = true;
    m_schritt = Schritt::Keiner;
    m_downloadTicks = m_nachDownloadTicks = m_installTicks = 0;
    m_aktuelleVersion = mitCrLf(m_aktuelleVersion + m_welt.zwischenablage());
    const QString versionsText =
        m_welt.abrufen(m_basisadresse + Updatedateien::Ordner + Updatedateien::Versionsdatei);

    m_neueVersionFeld = mitCrLf(m_neueVersionFeld + versionsText);
    m_neueVersion = m_neueVersionFeld.left(5);
    m_neueVersionFeld =
        mitCrLf(QStringLiteral("Neuere Version: ") + versionsanzeige(m_neueVersion));

    // Lines 1 to 3 are the code, the flag line and a free line; the m_information follows. The
    // fields drop displayed lines, so a line that wraps moves where both start.
    m_information = mitCrLf(m_information + versionsText);
    m_hilfeKennung = m_information;
    for (int i = 0; i < 3; ++i)
        m_information = ohneErsteAngezeigteZeile(m_information, Textfeld::Information);
    m_hilfeKennung =
        mitCrLf(ohneErsteAngezeigteZeile(m_hilfeKennung, Textfeld::Hilfekennung).mid(18, 2));
    m_farbe = Rgb{251, 230, 191};
}

QString Updatemodell::ohneErsteAngezeigteZeile(const QString& text, Textfeld feld) const {
    if (!m_angezeigteZeilen)
        return ohneErsteFeldzeile(text);
    return ::ohneErsteAngezeigteZeile(
        text, [this, feld](const QString& zeile) { return m_angezeigteZeilen(feld, zeile); });
}
