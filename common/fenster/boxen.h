#pragma once

// The application-wide message boxes of both programs. Their caption is the application title,
// which each program block sets as QCoreApplication::applicationName(). A box is modal and
// returns once it is closed; tests send every box to a recorder instead (Boxumleitung).

#include <QString>
#include <functional>

class QWidget;

// The error box: error icon, OK, the text with the "." rule of fehlerboxText.
void fehlerboxZeigen(QWidget* eltern, const QString& text);
// The plain message box: no icon, OK.
void meldungsboxZeigen(QWidget* eltern, const QString& text);

// A box as it is shown.
struct Box {
    enum class Art { Fehler, Meldung };
    Art art;
    QString titel;
    QString text;
    bool operator==(const Box&) const = default;
};

// While it lives, every box goes to `empfaenger` instead of the screen and counts as closed with
// OK at once; the redirection it replaced takes over again when it goes.
class Boxumleitung {
public:
    explicit Boxumleitung(std::function<void(const Box&)> empfaenger);
    ~Boxumleitung();
    Boxumleitung(const Boxumleitung&) = delete;
    Boxumleitung& operator=(const Boxumleitung&) = delete;

    // Hands the box to the redirection that lives; false when none does.
    static bool uebernehmen(const Box& box);

private:
    std::function<void(const Box&)> m_empfaenger;
    Boxumleitung* m_vorige;
};
