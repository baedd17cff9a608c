// Creation and first activation of the updater window: the version file read into the fields.
#include "common/zeilen.h"
#include "nivex/kern/feldtext.h"
#include "nivex/kern/updatemodell.h"

Updatemodell::Updatemodell(NivexAussenwelt& welt, QString basisadresse)
    : m_welt(welt), m_basisadresse(std::move(basisadresse)) {}

void Updatemodell::erstellen(const QString& programmordner) {
    statuszeile[0] = Nivextexte::Statuszeile0;
    statuszeile[1] = Nivextexte::Bereit;
    downloadStift = SchwarzerStift;
    herunterladenAktiv = true;
    installierenAktiv = false;
    downloadOrdner = mitCrLf(programmordner);
}

void Updatemodell::Open_Internet(const QString& url) {
    VersionsText = m_welt.abrufen(url);
}

namespace {

// Characters `von` to `bis` (counted from 1) of the text; fewer or none past its end.
QString zeichen(const QString& text, int von, int bis = 0) {
    return text.mid(von - 1, (bis ? bis : von) - von + 1);
}

// "2150*" gives 2.1.5.0, "10150" gives 10.1.5.0; a missing character gives an empty piece.
QString Versionsanzeige(const QString& code) {
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
    downloadLaeuft = nachDownloadLaeuft = installLaeuft = false;
    downloadTicks = nachDownloadTicks = installTicks = 0;
    aktuelleVersion = mitCrLf(aktuelleVersion + m_welt.zwischenablage());
    Open_Internet(m_basisadresse + Updatedateien::Ordner + Updatedateien::Versionsdatei);

    neueVersionFeld = mitCrLf(neueVersionFeld + VersionsText);
    NeueVersion = neueVersionFeld.left(5);
    neueVersionFeld = mitCrLf(QStringLiteral("Neuere Version: ") + Versionsanzeige(NeueVersion));

    // Lines 1 to 3 are the code, the flag line and a free line; the information follows. The
    // fields drop displayed lines, so a line that wraps moves where both start.
    information = mitCrLf(information + VersionsText);
    hilfeKennung = information;
    for (int i = 0; i < 3; ++i)
        information = ohneErsteAngezeigteZeile(information, Textfeld::Information);
    hilfeKennung =
        mitCrLf(ohneErsteAngezeigteZeile(hilfeKennung, Textfeld::Hilfekennung).mid(18, 2));
    farbe = Rgb{251, 230, 191};
}

QString Updatemodell::ohneErsteAngezeigteZeile(const QString& text, Textfeld feld) const {
    if (!angezeigteZeilen)
        return ohneErsteFeldzeile(text);
    return OhneErsteAngezeigteZeile(
        text, [this, feld](const QString& zeile) { return angezeigteZeilen(feld, zeile); });
}
