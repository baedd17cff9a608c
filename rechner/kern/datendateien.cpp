#include "rechner/kern/datendateien.h"

#include "common/fehler.h"

#include <QCoreApplication>
#include <QStandardPaths>

// Placeholders until the data files are built.
QString DatenOrdner() {
    QString ordner = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (ordner.isEmpty())
        ordner = QCoreApplication::applicationDirPath();
    return ordner.endsWith(QLatin1Char('/')) ? ordner : ordner + QLatin1Char('/');
}

QString Nutzerdateipfad() {
    return DatenOrdner() + QStringLiteral("Morvane/Rechner/KRAMV.txt");
}

QString Einstellungsdateipfad() {
    return DatenOrdner() + QStringLiteral("Morvane/Rechner/AUTMV.txt");
}

bool NutzerlisteLaden(QString&, Dialoge& dialoge) {
    dialoge.meldung(Fehlertexte::FehlerBeimLaden);
    return false;
}

void NutzerlisteSpeichern(const QString&, Dialoge& dialoge) {
    dialoge.meldung(Fehlertexte::FehlerBeimSpeichern);
}

void EinstellungenLesen(Programmwerte&) {
    throw Fehler(Fehlertexte::DateiNichtGefunden);
}

void EinstellungenSchreiben(const Programmwerte&) {
    throw Fehler(Fehlertexte::UngueltigerDateiname);
}
