#pragma once

#include <QString>

class QWidget;

// The application title: product name (17 characters), a blank, the version.
inline const QString Anwendungstitel = QStringLiteral("Quorvendaltabulix 2.1.4.0");

// The application-wide error box: error icon, OK, the title as caption, the "." rule.
void Fehlerbox(QWidget* eltern, const QString& text);
// A plain message box: no icon, OK, the title as caption.
void Meldung(QWidget* eltern, const QString& text);
// A yes/no question of the information type, caption "Information", "&Ja" as default.
enum class Antwort { Ja, Nein, Abgebrochen };
Antwort Frage(QWidget* eltern, const QString& text);
