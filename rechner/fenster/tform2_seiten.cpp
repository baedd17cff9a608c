// The administration window: the controls of its four tabs, at their places.
#include "rechner/fenster/rolleneditor.h"
#include "rechner/fenster/tform2.h"

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

QLabel* beschriftung(QWidget* eltern, const QString& name, const QString& text, QPoint ort,
                     const QString& stil = fett13) {
    auto* label = new QLabel(text, eltern);
    label->setObjectName(name);
    label->setStyleSheet(stil);
    label->move(ort);
    label->adjustSize();
    return label;
}

QLineEdit* feld(QWidget* eltern, const QString& name, const QRect& ort, const QString& stil,
                int hoechstLaenge) {
    auto* edit = new QLineEdit(eltern);
    edit->setObjectName(name);
    edit->setGeometry(ort);
    edit->setStyleSheet(stil);
    edit->setMaxLength(hoechstLaenge);
    return edit;
}

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, const QRect& ort,
                   QStyle::StandardPixmap bild) {
    auto* knopf = new QPushButton(eltern->style()->standardIcon(bild), text, eltern);
    knopf->setObjectName(name);
    knopf->setGeometry(ort);
    knopf->setAutoDefault(false);
    return knopf;
}

} // namespace

void TForm2::loginBauen(QWidget* seite) {
    beschriftung(seite, QStringLiteral("Label1"),
                 QStringLiteral("Eingabe 6-stelliges  Admin - Passwort: "), QPoint(208, 80));
    Edit3 = feld(seite, QStringLiteral("Edit3"), QRect(280, 136, 113, 43),
                 QStringLiteral("color: red; font-weight: bold; font-size: 32px; "
                                "lineedit-password-character: 42;"),
                 Registrierung::PasswortLaenge);
    Edit3->setEchoMode(QLineEdit::Password);
}

void TForm2::nutzerBauen(QWidget* seite) {
    beschriftung(seite, QStringLiteral("Label2"), QStringLiteral("Pin 4-stellig"), QPoint(16, 32));
    Edit2 = feld(seite, QStringLiteral("Edit2"), QRect(16, 48, 57, 24),
                 QStringLiteral("font-weight: bold; font-size: 16px;"), Registrierung::PinLaenge);
    beschriftung(seite, QStringLiteral("Label3"), QStringLiteral("Vorname/Name"), QPoint(96, 32));
    Edit1 = feld(seite, QStringLiteral("Edit1"), QRect(96, 48, 185, 24), fett13, 32767);
    BitBtn2 = knopf(seite, QStringLiteral("BitBtn2"), QStringLiteral("OK"), QRect(16, 88, 65, 25),
                    QStyle::SP_DialogOkButton);
    BitBtn3 =
        knopf(seite, QStringLiteral("BitBtn3"), QStringLiteral("Alle Registrierungen löschen"),
              QRect(96, 88, 185, 25), QStyle::SP_DialogCancelButton);
    beschriftung(seite, QStringLiteral("Label4"), QStringLiteral("Pin"), QPoint(328, 8));
    beschriftung(seite, QStringLiteral("Label5"), QStringLiteral("Vorname/Name"), QPoint(408, 8));
    Memo1 = new QPlainTextEdit(seite);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(328, 24, 281, 233);
    Memo1->setStyleSheet(fett13);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Panel1 = new QLabel(QStringLiteral("!"), seite);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setStyleSheet(
        QStringLiteral("background: red; color: white; font-weight: bold; font-size: 32px;"));
    Panel1->installEventFilter(this);
    beschriftung(seite, QStringLiteral("Label7"),
                 QStringLiteral("Anzahl der registrierten Nutzer:"), QPoint(16, 261));
    Label6 = beschriftung(seite, QStringLiteral("Label6"), QStringLiteral("0"), QPoint(240, 261));
    Label6->setMinimumWidth(60);
}

void TForm2::rollenBauen(QWidget* seite) {
    BitBtn23 = knopf(seite, QStringLiteral("BitBtn23"), QStringLiteral("Registrierrolle öffnen"),
                     QRect(88, 40, 249, 25), QStyle::SP_DialogOpenButton);
    BitBtn24 = knopf(seite, QStringLiteral("BitBtn24"), QStringLiteral("Registrierolle speichern"),
                     QRect(88, 80, 249, 25), QStyle::SP_DialogSaveButton);
    BitBtn6 =
        knopf(seite, QStringLiteral("BitBtn6"), QStringLiteral("Neue Registrierrolle  anlegen"),
              QRect(88, 120, 249, 25), QStyle::SP_BrowserReload);
    BitBtn29 =
        knopf(seite, QStringLiteral("BitBtn29"), QStringLiteral("Aktuelle Registrierrolle  leeren"),
              QRect(88, 160, 249, 25), QStyle::SP_TrashIcon);
    BitBtn29->setToolTip(QStringLiteral("Kassenrolle löschen"));
    RichEdit1 = new RollenEditor(m_modell.RichEdit1, seite);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(382, 8, 289, 209);
    Panel2 = new QLabel(seite);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(16, 220, 657, 33);
    Panel2->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel2->setAlignment(Qt::AlignCenter);
    Panel2->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 11px;"));
    BitBtn4 = knopf(seite, QStringLiteral("BitBtn4"), QStringLiteral("Autopfad speichern"),
                    QRect(16, 260, 145, 25), QStyle::SP_DialogOkButton);
    BitBtn5 = knopf(seite, QStringLiteral("BitBtn5"), QStringLiteral("Autopfad löschen"),
                    QRect(184, 260, 145, 25), QStyle::SP_DialogCancelButton);
}

void TForm2::einstellungenBauen(QWidget* seite) {
    RadioButton1 = new QRadioButton(QStringLiteral("Euro - Rechner"), seite);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton1->setStyleSheet(QStringLiteral("color: red;") + fett13);
    RadioButton1->move(40, 40);
    RadioButton2 = new QRadioButton(QStringLiteral("Standart - Rechner"), seite);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setStyleSheet(fett13);
    RadioButton2->move(40, 80);
    // The model keeps the pair exclusive; it may also have neither selected.
    for (QRadioButton* knopf : {RadioButton1, RadioButton2}) {
        knopf->setAutoExclusive(false);
        knopf->adjustSize();
    }
    beschriftung(seite, QStringLiteral("Label8"), QStringLiteral("Anzahl der Kommastellen"),
                 QPoint(56, 152), QStringLiteral("font-weight: bold;"));
    Label9 = beschriftung(seite, QStringLiteral("Label9"), QStringLiteral("0"), QPoint(208, 150),
                          QStringLiteral("color: navy;") + fett13);
    Label9->setMinimumWidth(40);
    TrackBar1 = new QSlider(Qt::Horizontal, seite);
    TrackBar1->setObjectName(QStringLiteral("TrackBar1"));
    TrackBar1->setGeometry(40, 176, 233, 45);
    TrackBar1->setRange(0, 6);
    TrackBar1->setSingleStep(1);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickInterval(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    beschriftung(seite, QStringLiteral("Label10"), QStringLiteral("0"), QPoint(48, 224),
                 QStringLiteral("color: black;") + fett13);
    beschriftung(seite, QStringLiteral("Label11"), QStringLiteral("6"), QPoint(256, 224),
                 QStringLiteral("color: red;") + fett13);
    beschriftung(seite, QStringLiteral("Label12"), QStringLiteral("Bezeichnung/Unternehmen"),
                 QPoint(320, 40));
    Edit4 = feld(seite, QStringLiteral("Edit4"), QRect(320, 64, 289, 22), fett13,
                 Registrierung::FirmennameLaenge);
    CheckBox1 = new QCheckBox(QStringLiteral("Ohne Anmeldung starten"), seite);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setStyleSheet(QStringLiteral("color: red; font-weight: bold; font-size: 16px;"));
    CheckBox1->move(320, 168);
    CheckBox1->adjustSize();
}
