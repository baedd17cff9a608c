// Creation and first activation of the updater window: the version file read into the fields.
#include "nivex/kern/feldtext.h"
#include "nivex/kern/nivexmodell.h"

Nivexmodell::Nivexmodell(NivexAussenwelt& welt, QString basisadresse)
    : m_welt(welt), m_basisadresse(std::move(basisadresse)) {}

void Nivexmodell::FormCreate(const QString& programmordner) {
    Statusleiste[0] = Nivextexte::Statuszeile0;
    Statusleiste[1] = Nivextexte::Bereit;
    Shape1Pen = SchwarzerStift;
    BitBtn1 = true;
    BitBtn2 = false;
    Memo1 = Feldtext(programmordner);
}

void Nivexmodell::Open_Internet(const QString& url) {
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

void Nivexmodell::FormActivate() {
    if (m_aktiviert)
        return;
    m_aktiviert = true;
    Timer1 = Timer2 = Timer3 = false;
    Timer1Zaehler = Timer2Zaehler = Timer3Zaehler = 0;
    Memo5 = Feldtext(Memo5 + m_welt.zwischenablage());
    Open_Internet(m_basisadresse + Updatedateien::Ordner + Updatedateien::Versionsdatei);

    Memo2 = Feldtext(Memo2 + VersionsText);
    NeueVersion = Memo2.left(5);
    Memo2 = Feldtext(QStringLiteral("Neuere Version: ") + Versionsanzeige(NeueVersion));

    // Lines 1 to 3 are the code, the flag line and a free line; the information follows. The
    // fields drop displayed lines, so a line that wraps moves where both start.
    Memo3 = Feldtext(Memo3 + VersionsText);
    Memo4 = Memo3;
    for (int i = 0; i < 3; ++i)
        Memo3 = ohneErsteAngezeigteZeile(Memo3, Memofeld::Information);
    Memo4 = Feldtext(ohneErsteAngezeigteZeile(Memo4, Memofeld::Hilfeflag).mid(18, 2));
    Color = Rgb{251, 230, 191};
}

QString Nivexmodell::ohneErsteAngezeigteZeile(const QString& text, Memofeld feld) const {
    if (!angezeigteZeilen)
        return OhneErsteZeile(text);
    return OhneErsteAngezeigteZeile(
        text, [this, feld](const QString& zeile) { return angezeigteZeilen(feld, zeile); });
}
