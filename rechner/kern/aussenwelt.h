#pragma once

// What the logic asks of the outside world. The windows implement these with Qt; tests
// implement them with scripted answers.

#include <QString>
#include <optional>

class Dialoge {
public:
    enum class Antwort { Ja, Nein, Abgebrochen };
    virtual ~Dialoge() = default;
    // A plain message box: the text, the application title as caption, OK.
    virtual void meldung(const QString& text) = 0;
    // A yes/no question of the information type, caption "Information", "&Ja" default.
    virtual Antwort frage(const QString& text) = 0;
    // The save dialog "Daten speichern" (filter "Kassenrolle (*.KRO)", overwrite confirmed in
    // the dialog); its file name is set to `dateiname` first. The chosen path, or nothing when
    // cancelled.
    virtual std::optional<QString> speichernDialog(const QString& dateiname) = 0;
    // The open dialog "Datei öffnen" (the file must exist). With a name it proposes that name,
    // without one it keeps the name it last held.
    virtual std::optional<QString> oeffnenDialog(const std::optional<QString>& dateiname) = 0;
};

// The desktop's opener and program start.
class Shell {
public:
    virtual ~Shell() = default;
    // Opens a file, a web address or a "mailto:" address with its program; result ignored.
    virtual void oeffnen(const QString& ziel) = 0;
    // Starts a program file without waiting for it; result ignored.
    virtual void starten(const QString& programm) = 0;
};

class Zwischenablage {
public:
    virtual ~Zwischenablage() = default;
    virtual void setzen(const QString& text) = 0;
    virtual QString text() const = 0;
};
