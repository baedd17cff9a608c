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

    QPushButton* m_verlassenKnopf = nullptr;
    QTabWidget* m_seiten = nullptr;
    QLineEdit* m_passwortFeld = nullptr;
    QLineEdit* m_pinFeld = nullptr;
    QLineEdit* m_nameFeld = nullptr;
    QPushButton* m_okKnopf = nullptr;
    QPushButton* m_alleLoeschenKnopf = nullptr;
    QPlainTextEdit* m_nutzerliste = nullptr;
    QLabel* m_pinDeckel = nullptr;
    QLabel* m_nutzerAnzahl = nullptr;
    QPushButton* m_oeffnenKnopf = nullptr;
    QPushButton* m_speichernKnopf = nullptr;
    QPushButton* m_neueRolleKnopf = nullptr;
    QPushButton* m_leerenKnopf = nullptr;
    RollenEditor* m_rollenkopie = nullptr;
    QLabel* m_autopfadAnzeige = nullptr;
    QPushButton* m_autopfadSpeichernKnopf = nullptr;
    QPushButton* m_autopfadLoeschenKnopf = nullptr;
    QRadioButton* m_euroKnopf = nullptr;
    QRadioButton* m_standardKnopf = nullptr;
    QLabel* m_kommastellenText = nullptr;
    QSlider* m_kommastellenRegler = nullptr;
    QLineEdit* m_firmaFeld = nullptr;
    QCheckBox* m_ohneAnmeldungFeld = nullptr;
};
