#include "rechner/kern/datendateien.h"

#include "common/ansi.h"
#include "common/dateiablage.h"
#include "common/dateizugriff.h"
#include "common/fehler.h"
#include "common/zeilen.h"
#include "rechner/kern/zahlformen.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace {

constexpr int Einstellungszeilen = 6;

// The settings file holds six short lines; a larger one is not taken into memory.
constexpr qint64 EinstellungenHoechstBytes = qint64(64) << 20;

// The operator file holds whatever list the program wrote, read back unless the list would take
// more memory than a read may: the bytes, the text, and the text with its breaks made CR LF.
qint64 nutzerdateiHoechstBytes() {
    return lesespeichergrenze() / 5;
}

QString mitSchraegstrich(const QString& ordner) {
    return ordner.endsWith(QLatin1Char('/')) ? ordner : ordner + QLatin1Char('/');
}

// The first six lines of the settings file; the rest is never read.
QByteArray einstellungsbytes(const QString& pfad) {
    Lesedatei datei(pfad);
    QByteArray bytes;
    qsizetype zeilenenden = 0;
    constexpr qsizetype Stueck = 1 << 16;
    while (zeilenenden < Einstellungszeilen) {
        const qsizetype alt = bytes.size();
        if (!datei.weiterlesen(bytes, Stueck))
            break;
        if (bytes.size() > EinstellungenHoechstBytes)
            throw EaFehler(Ea::NichtGenugSpeicher);
        zeilenenden += QByteArrayView(bytes).sliced(alt).count('\n');
    }
    return bytes;
}

} // namespace

QString datenOrdnerAus(const QString& plattformOrdner, const QString& programmOrdner) {
    return mitSchraegstrich(plattformOrdner.isEmpty() ? programmOrdner : plattformOrdner);
}

QString DatenOrdner() {
    const QString plattform = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return datenOrdnerAus(plattform,
                          plattform.isEmpty() ? QCoreApplication::applicationDirPath() : QString());
}

QString nutzerdateipfad() {
    return DatenOrdner() + QStringLiteral("Morvane/Rechner/KRAMV.txt");
}

QString einstellungsdateipfad() {
    return DatenOrdner() + QStringLiteral("Morvane/Rechner/AUTMV.txt");
}

QString nutzerlisteAus(QByteArrayView bytes) {
    return mitCrLf(ansiZuText(bytes));
}

QByteArray nutzerlistenBytes(const QString& listenText) {
    return textZuAnsi(listenText);
}

void einstellungenAus(QByteArrayView bytes, Programmwerte& werte) {
    const QList<QByteArray> zeilen = einstellungszeilen(bytes, Einstellungszeilen);
    werte.AutopfadText = ansiZuText(zeilen[0]);
    werte.Autopfad = ansiZuText(zeilen[1]);
    werte.KommastellenText = ansiZuText(zeilen[2]);
    werte.RechnerModusText = ansiZuText(zeilen[3]);
    werte.OhneAnmeldungText = ansiZuText(zeilen[4]);
    werte.Firmenname = ansiZuText(zeilen[5]);
    // Stored in 8 bits without a range check: the value modulo 256.
    werte.Kommastellen = static_cast<quint8>(ganzzahlWert(werte.KommastellenText));
    werte.RechnerModus = static_cast<quint8>(ganzzahlWert(werte.RechnerModusText));
    werte.OhneAnmeldung = static_cast<quint8>(ganzzahlWert(werte.OhneAnmeldungText));
}

QByteArray einstellungsBytes(const Programmwerte& werte) {
    QByteArray bytes;
    for (const QString* text :
         {&werte.AutopfadText, &werte.Autopfad, &werte.KommastellenText, &werte.RechnerModusText,
          &werte.OhneAnmeldungText, &werte.Firmenname})
        bytes += textZuAnsi(*text) + "\r\n";
    return bytes;
}

bool einstellungszeileMoeglich(const QString& text) {
    for (const QChar zeichen : text) {
        if (zeichen == u'\r' || zeichen == u'\n' || (ansiByte(zeichen) == '?' && zeichen != u'?'))
            return false;
    }
    return true;
}

bool NutzerlisteLaden(QString& listenText, Dialoge& dialoge) {
    QString neu;
    try {
        neu = nutzerlisteAus(dateiLesen(nutzerdateipfad(), nutzerdateiHoechstBytes()));
    } catch (const Fehler& fehler) {
        dateifehlerProtokollieren("Reading", nutzerdateipfad(), fehler);
        dialoge.meldung(meldungstext(fehler, Fehlertexte::FehlerBeimLaden));
        return false;
    }
    if (neu == listenText)
        return false;
    listenText = neu;
    return true;
}

void NutzerlisteSpeichern(const QString& listenText, Dialoge& dialoge) {
    try {
        dateiErsetzen(nutzerdateipfad(), nutzerlistenBytes(listenText));
    } catch (const Fehler& fehler) {
        dateifehlerProtokollieren("Writing", nutzerdateipfad(), fehler);
        dialoge.meldung(meldungstext(fehler, Fehlertexte::FehlerBeimSpeichern));
    }
}

void EinstellungenLesen(Programmwerte& werte) {
    einstellungenAus(einstellungsbytes(einstellungsdateipfad()), werte);
}

void EinstellungenSchreiben(const Programmwerte& werte) {
    dateiErsetzen(einstellungsdateipfad(), einstellungsBytes(werte));
}
