#pragma once

// The administration window "Registrierung": four tabs over the model Verwaltung. Each event
// calls one operation of the model; the window then copies the model's texts, the lock and the
// control states into its widgets and refreshes the main window, whose cover, menu items,
// status bar and roll the operations also change. The menu item "Registrieren" shows it.

#include "rechner/kern/verwaltung.h"

#include <QWidget>
#include <functional>

class Hauptfenster;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QTabWidget;
class RollenEditor;

class Verwaltungsfenster : public QWidget {
public:
    Verwaltungsfenster(Hauptfenster& hauptfenster, Verwaltung& verwaltung);

    Verwaltung& modell() { return m_modell; }
    // Shows the window, or only brings it to the front when it is open already.
    void zeigen();
    void ausfuehren(const std::function<void()>& operation);
    void aktualisieren();

protected:
    void showEvent(QShowEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void loginBauen(QWidget* seite);
    void nutzerBauen(QWidget* seite);
    void rollenBauen(QWidget* seite);
    void einstellungenBauen(QWidget* seite);
    void verbinden();
    void nutzerVerbinden();
    void einstellungenVerbinden();
    void felderAktualisieren();
    void sperreAktualisieren();
    void fokusSetzen();
    void verlassen();

    Hauptfenster& m_hauptfenster;
    Verwaltung& m_modell;
    bool m_zeigtModell = false;

    QPushButton* verlassenKnopf = nullptr;
    QTabWidget* seiten = nullptr;
    QLineEdit* passwortFeld = nullptr;
    QLineEdit* pinFeld = nullptr;
    QLineEdit* nameFeld = nullptr;
    QPushButton* okKnopf = nullptr;
    QPushButton* alleLoeschenKnopf = nullptr;
    QPlainTextEdit* nutzerliste = nullptr;
    QLabel* pinDeckel = nullptr;
    QLabel* nutzerAnzahl = nullptr;
    QPushButton* oeffnenKnopf = nullptr;
    QPushButton* speichernKnopf = nullptr;
    QPushButton* neueRolleKnopf = nullptr;
    QPushButton* leerenKnopf = nullptr;
    RollenEditor* rollenkopie = nullptr;
    QLabel* autopfadAnzeige = nullptr;
    QPushButton* autopfadSpeichernKnopf = nullptr;
    QPushButton* autopfadLoeschenKnopf = nullptr;
    QRadioButton* euroKnopf = nullptr;
    QRadioButton* standardKnopf = nullptr;
    QLabel* kommastellenText = nullptr;
    QSlider* kommastellenRegler = nullptr;
    QLineEdit* firmaFeld = nullptr;
    QCheckBox* ohneAnmeldungFeld = nullptr;
};
