#include "rechner/kern/version.h"

QString DateiVersion() {
    return QStringLiteral(RECHNER_DATEIVERSION);
}

QString Anwendungstitel() {
    return Produktname + QLatin1Char(' ') + DateiVersion();
}

QString Versionscode(const QString& version) {
    return QString(version).remove(QLatin1Char('.'));
}
