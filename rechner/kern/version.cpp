#include "rechner/kern/version.h"

QString DateiVersion() {
    return QStringLiteral(RECHNER_DATEIVERSION);
}

QString anwendungstitel() {
    return Produktname + QLatin1Char(' ') + DateiVersion();
}

QString versionscode(const QString& version) {
    return QString(version).remove(QLatin1Char('.'));
}
