#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// The one error type of both programs. It carries the exact German text that the
// application-wide error box shows; the windows catch it at the event boundary.
class Fehler : public std::exception {
public:
    explicit Fehler(QString text) : m_text(std::move(text)), m_utf8(m_text.toUtf8()) {}
    const QString& text() const noexcept { return m_text; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_text;
    QByteArray m_utf8;
};

// An error whose text names its cause where a caller would otherwise show its generic message
// ("Fehler beim Laden der Datei!"): the user must learn that a file is too large, or that its name
// cannot be represented, to do anything about it.
class Ursachenfehler : public Fehler {
public:
    using Fehler::Fehler;
};

// The text a caller that shows its generic message `allgemein` shows for `fehler`: the cause of an
// Ursachenfehler, the generic message for any other.
QString meldungstext(const Fehler& fehler, const QString& allgemein);

// The platform's German error texts that the programs raise or show.
namespace Fehlertexte {
inline const QString DivisionDurchNull = QStringLiteral("Gleitkommadivision durch Null");
inline const QString UngueltigeOperation = QStringLiteral("Ungültige Gleitkommaoperation");
inline const QString Ueberlauf = QStringLiteral("Gleitkommaüberlauf");
inline const QString Integerueberlauf = QStringLiteral("Integerüberlauf");
inline const QString DateiNichtGefunden = QStringLiteral("Datei nicht gefunden");
inline const QString UngueltigerDateiname = QStringLiteral("Ungültiger Dateiname");
inline const QString ZuVieleDateien = QStringLiteral("Zu viele geöffnete Dateien");
inline const QString ZugriffVerweigert = QStringLiteral("Dateizugriff verweigert");
inline const QString ZuWenigSpeicherplatz = QStringLiteral("Zu wenig Speicherplatz");
inline const QString FehlerBeimLaden = QStringLiteral("Fehler beim Laden der Datei!");
inline const QString FehlerBeimSpeichern = QStringLiteral("Fehler beim Speichern der Datei!");

QString keinGueltigerGleitkommawert(const QString& text);
QString keinGueltigerIntegerwert(const QString& text);
QString eaFehler(int nummer);
QString dateiNichtOeffenbar(const QString& pfad);
QString dateiNichtErstellbar(const QString& pfad);
QString dateiZuGross(const QString& pfad);
QString dateinameNichtDarstellbar(const QString& pfad);
} // namespace Fehlertexte

// The error box appends a "." when the text's last character sorts above ".".
QString fehlerboxText(const QString& text);
