// The administration window: the controls of its four tabs, at their places.
#include "common/fenster/formbau.h"
#include "rechner/fenster/rolleneditor.h"
#include "rechner/fenster/verwaltungsfenster.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>

namespace {

const QString fett13 = QStringLiteral("font-weight: bold; font-size: 13px;");

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
                 fett13);
    passwortFeld = eingabefeld(seite, QStringLiteral("Edit3"), QRect(280, 136, 113, 43),
                               QStringLiteral("color: red; font-weight: bold; font-size: 32px; "
                                              "lineedit-password-character: 42;"),
                               Verwaltung::PasswortLaenge);
    passwortFeld->setEchoMode(QLineEdit::Password);
}

void Verwaltungsfenster::nutzerBauen(QWidget* seite) {
    beschriftung(seite, QStringLiteral("Label2"), QStringLiteral("Pin 4-stellig"), QPoint(16, 32),
                 fett13);
    pinFeld = eingabefeld(seite, QStringLiteral("Edit2"), QRect(16, 48, 57, 24),
                          QStringLiteral("font-weight: bold; font-size: 16px;"), PinLaenge);
    beschriftung(seite, QStringLiteral("Label3"), QStringLiteral("Vorname/Name"), QPoint(96, 32),
                 fett13);
    nameFeld = eingabefeld(seite, QStringLiteral("Edit1"), QRect(96, 48, 185, 24), fett13, 32767);
    okKnopf = seitenknopf(seite, QStringLiteral("BitBtn2"), QStringLiteral("OK"),
                          QRect(16, 88, 65, 25), QStyle::SP_DialogOkButton);
    alleLoeschenKnopf = seitenknopf(seite, QStringLiteral("BitBtn3"),
                                    QStringLiteral("Alle Registrierungen löschen"),
                                    QRect(96, 88, 185, 25), QStyle::SP_DialogCancelButton);
    beschriftung(seite, QStringLiteral("Label4"), QStringLiteral("Pin"), QPoint(328, 8), fett13);
    beschriftung(seite, QStringLiteral("Label5"), QStringLiteral("Vorname/Name"), QPoint(408, 8),
                 fett13);
    nutzerliste =
        platziert<QPlainTextEdit>(seite, QStringLiteral("Memo1"), QRect(328, 24, 281, 233));
    nutzerliste->setStyleSheet(fett13);
    nutzerliste->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    nutzerliste->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pinDeckel = new QLabel(QStringLiteral("!"), seite);
    pinDeckel->setObjectName(QStringLiteral("Panel1"));
    pinDeckel->setAlignment(Qt::AlignCenter);
    pinDeckel->setStyleSheet(
        QStringLiteral("background: red; color: white; font-weight: bold; font-size: 32px;"));
    pinDeckel->installEventFilter(this);
    beschriftung(seite, QStringLiteral("Label7"),
                 QStringLiteral("Anzahl der registrierten Nutzer:"), QPoint(16, 261), fett13);
    nutzerAnzahl = beschriftung(seite, QStringLiteral("Label6"), QStringLiteral("0"),
                                QPoint(240, 261), fett13);
    nutzerAnzahl->setMinimumWidth(60);
}

void Verwaltungsfenster::rollenBauen(QWidget* seite) {
    const struct {
        QPushButton* Verwaltungsfenster::*knopf;
        const char* name;
        const char* text;
        QRect ort;
        QStyle::StandardPixmap bild;
    } knoepfe[] = {
        {&Verwaltungsfenster::oeffnenKnopf, "BitBtn23", "Registrierrolle öffnen",
         QRect(88, 40, 249, 25), QStyle::SP_DialogOpenButton},
        {&Verwaltungsfenster::speichernKnopf, "BitBtn24", "Registrierolle speichern",
         QRect(88, 80, 249, 25), QStyle::SP_DialogSaveButton},
        {&Verwaltungsfenster::neueRolleKnopf, "BitBtn6", "Neue Registrierrolle  anlegen",
         QRect(88, 120, 249, 25), QStyle::SP_BrowserReload},
        {&Verwaltungsfenster::leerenKnopf, "BitBtn29", "Aktuelle Registrierrolle  leeren",
         QRect(88, 160, 249, 25), QStyle::SP_TrashIcon},
        {&Verwaltungsfenster::autopfadSpeichernKnopf, "BitBtn4", "Autopfad speichern",
         QRect(16, 260, 145, 25), QStyle::SP_DialogOkButton},
        {&Verwaltungsfenster::autopfadLoeschenKnopf, "BitBtn5", "Autopfad löschen",
         QRect(184, 260, 145, 25), QStyle::SP_DialogCancelButton},
    };
    for (const auto& k : knoepfe)
        this->*k.knopf = seitenknopf(seite, QString::fromLatin1(k.name), QString::fromUtf8(k.text),
                                     k.ort, k.bild);
    leerenKnopf->setToolTip(QStringLiteral("Kassenrolle löschen"));
    rollenkopie = platziert<RollenEditor>(seite, QStringLiteral("RichEdit1"),
                                          QRect(382, 8, 289, 209), m_modell.rollenkopie());
    autopfadAnzeige = platziert<QLabel>(seite, QStringLiteral("Panel2"), QRect(16, 220, 657, 33));
    autopfadAnzeige->setFrameStyle(QFrame::Box | QFrame::Plain);
    autopfadAnzeige->setAlignment(Qt::AlignCenter);
    autopfadAnzeige->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 11px;"));
    // The copy stands between the roll's buttons and the automatic path's in the tab order.
    setTabOrder(leerenKnopf, rollenkopie);
    setTabOrder(rollenkopie, autopfadSpeichernKnopf);
}

void Verwaltungsfenster::einstellungenBauen(QWidget* seite) {
    euroKnopf = new QRadioButton(QStringLiteral("Euro - Rechner"), seite);
    euroKnopf->setObjectName(QStringLiteral("RadioButton1"));
    euroKnopf->setStyleSheet(QStringLiteral("color: red;") + fett13);
    euroKnopf->move(40, 40);
    standardKnopf = new QRadioButton(QStringLiteral("Standart - Rechner"), seite);
    standardKnopf->setObjectName(QStringLiteral("RadioButton2"));
    standardKnopf->setStyleSheet(fett13);
    standardKnopf->move(40, 80);
    // The model keeps the pair exclusive; it may also have neither selected.
    for (QRadioButton* knopf : {euroKnopf, standardKnopf}) {
        knopf->setAutoExclusive(false);
        knopf->adjustSize();
    }
    beschriftung(seite, QStringLiteral("Label8"), QStringLiteral("Anzahl der Kommastellen"),
                 QPoint(56, 152), QStringLiteral("font-weight: bold;"));
    kommastellenText = beschriftung(seite, QStringLiteral("Label9"), QStringLiteral("0"),
                                    QPoint(208, 150), QStringLiteral("color: navy;") + fett13);
    kommastellenText->setMinimumWidth(40);
    kommastellenRegler = platziert<QSlider>(seite, QStringLiteral("TrackBar1"),
                                            QRect(40, 176, 233, 45), Qt::Horizontal);
    kommastellenRegler->setRange(0, 6);
    kommastellenRegler->setSingleStep(1);
    kommastellenRegler->setPageStep(1);
    kommastellenRegler->setTickInterval(1);
    kommastellenRegler->setTickPosition(QSlider::TicksBelow);
    beschriftung(seite, QStringLiteral("Label10"), QStringLiteral("0"), QPoint(48, 224),
                 QStringLiteral("color: black;") + fett13);
    beschriftung(seite, QStringLiteral("Label11"), QStringLiteral("6"), QPoint(256, 224),
                 QStringLiteral("color: red;") + fett13);
    beschriftung(seite, QStringLiteral("Label12"), QStringLiteral("Bezeichnung/Unternehmen"),
                 QPoint(320, 40), fett13);
    firmaFeld = eingabefeld(seite, QStringLiteral("Edit4"), QRect(320, 64, 289, 22), fett13,
                            Verwaltung::FirmennameLaenge);
    ohneAnmeldungFeld = new QCheckBox(QStringLiteral("Ohne Anmeldung starten"), seite);
    ohneAnmeldungFeld->setObjectName(QStringLiteral("CheckBox1"));
    ohneAnmeldungFeld->setStyleSheet(
        QStringLiteral("color: red; font-weight: bold; font-size: 16px;"));
    ohneAnmeldungFeld->move(320, 168);
    ohneAnmeldungFeld->adjustSize();
}
