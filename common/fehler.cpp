#include "common/fehler.h"

namespace Fehlertexte {

QString keinGueltigerGleitkommawert(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Gleitkommawert").arg(text);
}

QString keinGueltigerIntegerwert(const QString& text) {
    return QStringLiteral("'%1' ist kein gültiger Integerwert").arg(text);
}

QString eaFehler(int nummer) {
    return QStringLiteral("E/A-Fehler %1").arg(nummer);
}

QString dateiNichtOeffenbar(const QString& pfad) {
    return QStringLiteral("Datei %1 kann nicht geöffnet werden").arg(pfad);
}

QString dateiNichtErstellbar(const QString& pfad) {
    return QStringLiteral("Datei %1 kann nicht erstellt werden").arg(pfad);
}

} // namespace Fehlertexte

QString fehlerboxText(const QString& text) {
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}
