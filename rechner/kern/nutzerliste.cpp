// The operator list of the administration window: adding, deleting, the count and the cover
// over the PIN column.
#include "rechner/kern/registrierung.h"

QString Grossbuchstaben(const QString& text) {
    QString gross = text;
    for (QChar& zeichen : gross)
        zeichen = zeichen.toUpper();
    return gross;
}

QStringList Registrierung::Nutzerzeilen() const {
    return Rolle::inZeilen(Memo1);
}

void Registrierung::Memo1Change() {
    const qsizetype anzahl = Nutzerzeilen().size();
    Label6 = QString::number(anzahl);
    w.NutzerAnzahl = static_cast<qint32>(anzahl);
    haupt.statuszeile[1] = QStringLiteral("Registrierte Nutzer: ") + Label6;
}

void Registrierung::Memo1Getippt(const QString& text) {
    Memo1 = text;
    Memo1Change();
}

void Registrierung::Edit1Getippt(const QString& text) {
    Edit1 = Grossbuchstaben(text);
}

void Registrierung::BitBtn2Click() {
    // A hand edit may have removed the final line break: the new entry still gets its own line.
    if (!Memo1.isEmpty() && !Memo1.endsWith(QLatin1Char('\n')) &&
        !Memo1.endsWith(QLatin1Char('\r')))
        Memo1 += QStringLiteral("\r\n");
    Memo1 += Edit2 + QStringLiteral("  ") + Edit1 + QStringLiteral("\r\n");
    Memo1Change();
    Edit2.clear();
    Edit1.clear();
    Fokus = QStringLiteral("Edit2");
}

void Registrierung::BitBtn3Click() {
    Memo1.clear();
    Memo1Change();
    Edit2.clear();
    Edit1.clear();
    Label6 = QString::number(Nutzerzeilen().size());
    Fokus = QStringLiteral("Edit2");
}

// 1: the next press uncovers the PINs, 2: it covers them again.
void Registrierung::Panel1MouseDown() {
    if (PinAbdeckungZaehler == 1) {
        Panel1Hoehe = 35;
        Panel1Top = 256;
    }
    if (PinAbdeckungZaehler == 2) {
        Panel1Hoehe = 267;
        Panel1Top = 24;
        PinAbdeckungZaehler = 0;
    }
    ++PinAbdeckungZaehler;
}
