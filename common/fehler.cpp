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

QString dateiZuGross(const QString& pfad) {
    return QStringLiteral("Datei %1 ist zu groß").arg(pfad);
}

QString dateinameNichtDarstellbar(const QString& pfad) {
    return QStringLiteral("Dateiname %1 kann nicht dargestellt werden").arg(pfad);
}

} // namespace Fehlertexte

QString meldungstext(const Fehler& fehler, const QString& allgemein) {
    return dynamic_cast<const Ursachenfehler*>(&fehler) ? fehler.text() : allgemein;
}

QString fehlerboxText(const QString& text) {
    if (!text.isEmpty() && text.back() > QLatin1Char('.'))
        return text + QLatin1Char('.');
    return text;
}
