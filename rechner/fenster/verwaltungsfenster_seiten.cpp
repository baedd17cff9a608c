// The administration window: the controls of its four tabs, at their places.
#include "common/fenster/formbau.h"
#include "rechner/fenster/verwaltungsfenster.h"
#include "rechner/rollenfeld/rolleneditor.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>

namespace {

const QString Fett13 = QStringLiteral("font-weight: bold; font-size: 13px;");

// No button of the window becomes its default by taking the focus.
QPushButton* seitenknopf(QWidget* eltern, const QString& name, const QString& text,
                         const QRect& ort, QStyle::StandardPixmap bild) {
    QPushButton* neu = knopf(eltern, name, text, ort, eltern->style()->standardIcon(bild));
    neu->setAutoDefault(false);
    return neu;
}

} // namespace

void Verwaltungsfenster::loginBauen(QWidget* seite) {
    beschriftung(seite, QStringLiteral("Label1"),
                 QStringLiteral("Eingabe 6-stelliges  Admin - Passwort: "), QPoint(208, 80),
                 Fett13);
    m_passwortFeld = eingabefeld(seite, QStringLiteral("Edit3"), QRect(280, 136, 113, 43),
                                 QStringLiteral("color: red; font-weight: bold; font-size: 32px; "
                                                "lineedit-password-character: 42;"),
                                 Verwaltung::PasswortLaenge);
    m_passwortFeld->setEchoMode(QLineEdit::Password);
}

void Verwaltungsfenster::nutzerBauen(QWidget* seite) {
    beschriftung(seite, QStringLiteral("Label2"), QStringLiteral("Pin 4-stellig"), QPoint(16, 32),
                 Fett13);
    m_pinFeld = eingabefeld(seite, QStringLiteral("Edit2"), QRect(16, 48, 57, 24),
                            QStringLiteral("font-weight: bold; font-size: 16px;"), PinLaenge);
    beschriftung(seite, QStringLiteral("Label3"), QStringLiteral("Vorname/Name"), QPoint(96, 32),
                 Fett13);
    m_nameFeld = eingabefeld(seite, QStringLiteral("Edit1"), QRect(96, 48, 185, 24), Fett13, 32767);
    m_okKnopf = seitenknopf(seite, QStringLiteral("BitBtn2"), QStringLiteral("OK"),
                            QRect(16, 88, 65, 25), QStyle::SP_DialogOkButton);
    m_alleLoeschenKnopf = seitenknopf(seite, QStringLiteral("BitBtn3"),
                                      QStringLiteral("Alle Registrierungen löschen"),
                                      QRect(96, 88, 185, 25), QStyle::SP_DialogCancelButton);
    beschriftung(seite, QStringLiteral("Label4"), QStringLiteral("Pin"), QPoint(328, 8), Fett13);
    beschriftung(seite, QStringLiteral("Label5"), QStringLiteral("Vorname/Name"), QPoint(408, 8),
                 Fett13);
    m_nutzerliste =
        platziert<QPlainTextEdit>(seite, QStringLiteral("Memo1"), QRect(328, 24, 281, 233));
    m_nutzerliste->setStyleSheet(Fett13);
    m_nutzerliste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_nutzerliste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // aktualisieren() places it: over the PINs or pulled down.
    m_pinDeckel = benannt<QLabel>(seite, QStringLiteral("Panel1"), QStringLiteral("!"));
    m_pinDeckel->setAlignment(Qt::AlignCenter);
    m_pinDeckel->setStyleSheet(
        QStringLiteral("background: red; color: white; font-weight: bold; font-size: 32px;"));
    m_pinDeckel->installEventFilter(this);
    beschriftung(seite, QStringLiteral("Label7"),
                 QStringLiteral("Anzahl der registrierten Nutzer:"), QPoint(16, 261), Fett13);
    m_nutzerAnzahl = beschriftung(seite, QStringLiteral("Label6"), QStringLiteral("0"),
                                  QPoint(240, 261), Fett13);
    m_nutzerAnzahl->setMinimumWidth(60);
}

void Verwaltungsfenster::rollenBauen(QWidget* seite) {
    const struct {
        QPushButton* Verwaltungsfenster::*knopf;
        const char* name;
        const char* text;
        QRect ort;
        QStyle::StandardPixmap bild;
    } knoepfe[] = {
        {&Verwaltungsfenster::m_oeffnenKnopf, "BitBtn23", "Registrierrolle öffnen",
         QRect(88, 40, 249, 25), QStyle::SP_DialogOpenButton},
        {&Verwaltungsfenster::m_speichernKnopf, "BitBtn24", "Registrierolle speichern",
         QRect(88, 80, 249, 25), QStyle::SP_DialogSaveButton},
        {&Verwaltungsfenster::m_neueRolleKnopf, "BitBtn6", "Neue Registrierrolle  anlegen",
         QRect(88, 120, 249, 25), QStyle::SP_BrowserReload},
        {&Verwaltungsfenster::m_leerenKnopf, "BitBtn29", "Aktuelle Registrierrolle  leeren",
         QRect(88, 160, 249, 25), QStyle::SP_TrashIcon},
        {&Verwaltungsfenster::m_autopfadSpeichernKnopf, "BitBtn4", "Autopfad speichern",
         QRect(16, 260, 145, 25), QStyle::SP_DialogOkButton},
        {&Verwaltungsfenster::m_autopfadLoeschenKnopf, "BitBtn5", "Autopfad löschen",
         QRect(184, 260, 145, 25), QStyle::SP_DialogCancelButton},
    };
    for (const auto& k : knoepfe)
        this->*k.knopf = seitenknopf(seite, QString::fromLatin1(k.name), QString::fromUtf8(k.text),
                                     k.ort, k.bild);
    m_leerenKnopf->setToolTip(QStringLiteral("Kassenrolle löschen"));
    m_rollenkopie = platziert<RollenEditor>(seite, QStringLiteral("RichEdit1"),
                                            QRect(382, 8, 289, 209), m_modell.rollenkopie());
    m_autopfadAnzeige = platziert<QLabel>(seite, QStringLiteral("Panel2"), QRect(16, 220, 657, 33));
    m_autopfadAnzeige->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_autopfadAnzeige->setAlignment(Qt::AlignCenter);
    m_autopfadAnzeige->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 11px;"));
    // The copy stands between the roll's buttons and the automatic path's in the tab order.
    setTabOrder(m_leerenKnopf, m_rollenkopie);
    setTabOrder(m_rollenkopie, m_autopfadSpeichernKnopf);
}

void Verwaltungsfenster::einstellungenBauen(QWidget* seite) {
    m_euroKnopf = eingepasst<QRadioButton>(seite, QStringLiteral("RadioButton1"), QPoint(40, 40),
                                           QStringLiteral("color: red;") + Fett13,
                                           QStringLiteral("Euro - Rechner"));
    m_standardKnopf =
        eingepasst<QRadioButton>(seite, QStringLiteral("RadioButton2"), QPoint(40, 80), Fett13,
                                 QStringLiteral("Standart - Rechner"));
    // The model keeps the pair exclusive; it may also have neither selected.
    m_euroKnopf->setAutoExclusive(false);
    m_standardKnopf->setAutoExclusive(false);
    beschriftung(seite, QStringLiteral("Label8"), QStringLiteral("Anzahl der Kommastellen"),
                 QPoint(56, 152), QStringLiteral("font-weight: bold;"));
    m_kommastellenText = beschriftung(seite, QStringLiteral("Label9"), QStringLiteral("0"),
                                      QPoint(208, 150), QStringLiteral("color: navy;") + Fett13);
    m_kommastellenText->setMinimumWidth(40);
    m_kommastellenRegler = platziert<QSlider>(seite, QStringLiteral("TrackBar1"),
                                              QRect(40, 176, 233, 45), Qt::Horizontal);
    m_kommastellenRegler->setRange(0, 6);
    m_kommastellenRegler->setSingleStep(1);
    m_kommastellenRegler->setPageStep(1);
    m_kommastellenRegler->setTickInterval(1);
    m_kommastellenRegler->setTickPosition(QSlider::TicksBelow);
    beschriftung(seite, QStringLiteral("Label10"), QStringLiteral("0"), QPoint(48, 224),
                 QStringLiteral("color: black;") + Fett13);
    beschriftung(seite, QStringLiteral("Label11"), QStringLiteral("6"), QPoint(256, 224),
                 QStringLiteral("color: red;") + Fett13);
    beschriftung(seite, QStringLiteral("Label12"), QStringLiteral("Bezeichnung/Unternehmen"),
                 QPoint(320, 40), Fett13);
    m_firmaFeld = eingabefeld(seite, QStringLiteral("Edit4"), QRect(320, 64, 289, 22), Fett13,
                              Verwaltung::FirmennameLaenge);
    m_ohneAnmeldungFeld =
        eingepasst<QCheckBox>(seite, QStringLiteral("CheckBox1"), QPoint(320, 168),
                              QStringLiteral("color: red; font-weight: bold; font-size: 16px;"),
                              QStringLiteral("Ohne Anmeldung starten"));
}
