#include "rechner/kern/rollendatei.h"

#include "common/fehler.h"

// Placeholder until the roll-file format is built.
QByteArray RtfAusZeilen(const QStringList&) {
    return {};
}

QStringList ZeilenAusDatei(const QByteArray&) {
    throw Fehler(Fehlertexte::FehlerBeimLaden);
}

void RollendateiSchreiben(const QString& pfad, const QStringList&) {
    throw Fehler(Fehlertexte::dateiNichtErstellbar(pfad));
}

QStringList RollendateiLesen(const QString& pfad) {
    throw Fehler(Fehlertexte::dateiNichtOeffenbar(pfad));
}

QString Dateiname(const QString& pfad) {
    return pfad.mid(pfad.lastIndexOf(QLatin1Char('/')) + 1);
}
