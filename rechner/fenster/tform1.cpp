#include "rechner/fenster/tform1.h"

#include "common/fehler.h"
#include "rechner/fenster/dialoge.h"
#include "rechner/fenster/rollenansicht.h"
#include "rechner/kern/programmstart.h"
#include "rechner/kern/tasten.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>
#include <utility>

namespace {

QLabel* anzeigefeld(QWidget* eltern, const QString& name, const QRect& feld, const QString& stil) {
    auto* feldWidget = new QLabel(eltern);
    feldWidget->setObjectName(name);
    feldWidget->setGeometry(feld);
    feldWidget->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    feldWidget->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    feldWidget->setStyleSheet(stil);
    feldWidget->setAttribute(Qt::WA_NoMousePropagation);
    return feldWidget;
}

QLabel* beschriftung(QWidget* eltern, const QString& text, QPoint ort) {
    auto* label = new QLabel(text, eltern);
    label->move(ort);
    label->setStyleSheet(QStringLiteral("font-weight: bold;"));
    label->adjustSize();
    return label;
}

const QString cremeGruen = QStringLiteral(
    "background: #fffbf0; color: #008000; font-weight: bold; font-family: monospace;");

} // namespace

TForm1::TForm1(Programmwerte& werte, QWidget* eltern) : QMainWindow(eltern), m_modell(werte) {
    setObjectName(QStringLiteral("TForm1"));
    resize(821, 620);
    menueBauen();
    auto* zentrum = new QWidget(this);
    zentrum->setMouseTracking(true);
    setCentralWidget(zentrum);
    setMouseTracking(true);

    // The keyboard sink lies beneath the keypad body, first in the tab order.
    Edit1 = new QLineEdit(zentrum);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(40, 64, 121, 21);
    Edit1->installEventFilter(this);

    Panel1 = new QWidget(zentrum);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 821, 560);
    Panel1->setAutoFillBackground(true);
    Panel1->setStyleSheet(QStringLiteral("#Panel1 { background: #c0c0c0; }"));
    Panel1->setMouseTracking(true);
    Panel1->installEventFilter(this);
    felderBauen(Panel1);
    m_tasten = TastenfeldBauen(Panel1, QPoint(16, 152));
    tastenVerbinden();
    statusleisteBauen();

    Panel3 = new QLabel(
        QStringLiteral("Im Hauptmenü - Anmelden unter Nutzer, - oder Rechner / Registrieren "),
        zentrum);
    Panel3->setObjectName(QStringLiteral("Panel3"));
    Panel3->setGeometry(0, 0, 821, 560);
    Panel3->setAlignment(Qt::AlignCenter);
    Panel3->setStyleSheet(QStringLiteral("background: #808080; color: white; font-weight: bold; "
                                         "font-style: italic; font-size: 16px;"));
    Panel3->setFocusPolicy(Qt::StrongFocus);
    Panel3->installEventFilter(this);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->hide();

    connect(&Timer1, &QTimer::timeout, this, [this] {
        m_modell.uhrTick(QDateTime::currentDateTime());
        Panel5->setText(m_modell.uhrText);
    });
    Timer1.start(1000);
    Timer2.setSingleShot(true);
    connect(&Timer2, &QTimer::timeout, this,
            [this] { ausfuehren([this] { m_modell.startstempel(); }); });
    Timer2.start(1500);

    anmeldungVerbinden();
    menueVerbinden();
    updateVerbinden();
    tastaturVerbinden();
    aktualisieren();
    Edit1->setFocus();
}

// The roll view watches the model's roll, which dies before the widget children do.
TForm1::~TForm1() {
    // Cleared first: the event filter must not reach the view while it is being destroyed.
    delete std::exchange(RichEdit1, nullptr);
}

void TForm1::menueBauen() {
    QMenuBar* leiste = menuBar();
    const auto eintrag = [](QMenu* menue, const QString& text, const QString& name) {
        QAction* aktion = menue->addAction(text);
        aktion->setObjectName(name);
        return aktion;
    };
    QMenu* datei = leiste->addMenu(QStringLiteral("Rechner"));
    datei->setObjectName(QStringLiteral("Datei1"));
    Registrieren1 = eintrag(datei, QStringLiteral("Registrieren"), QStringLiteral("Registrieren1"));
    datei->addSeparator()->setObjectName(QStringLiteral("N1"));
    Beenden1 = eintrag(datei, QStringLiteral("Beenden"), QStringLiteral("Beenden1"));
    QMenu* nutzer = leiste->addMenu(QStringLiteral("Nutzer"));
    nutzer->setObjectName(QStringLiteral("Rolle1"));
    Anmelden1 = eintrag(nutzer, QStringLiteral("Anmelden"), QStringLiteral("Anmelden1"));
    Abmelden1 = eintrag(nutzer, QStringLiteral("Abmelden"), QStringLiteral("Abmelden1"));
    QMenu* rolle = leiste->addMenu(QStringLiteral("Registrierrolle"));
    rolle->setObjectName(QStringLiteral("Registrierrolle1"));
    Drucken2 = eintrag(rolle, QStringLiteral("Drucken"), QStringLiteral("Drucken2"));
    QMenu* info = leiste->addMenu(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("Info1"));
    Info2 = eintrag(info, QStringLiteral("Info ..."), QStringLiteral("Info2"));
    QMenu* kontakte = info->addMenu(QStringLiteral("Morvane Kontakte"));
    kontakte->setObjectName(QStringLiteral("MorvaneKontakte1"));
    MorvaneWebseite1 =
        eintrag(kontakte, QStringLiteral("Morvane Webseite"), QStringLiteral("MorvaneWebseite1"));
    FragenEMailFragenanMorvane1 =
        eintrag(kontakte, QStringLiteral("Fragen (E-Mail Fragen an Morvane)"),
                QStringLiteral("FragenEMailFragenanMorvane1"));
    ProgrammaktualisierungOnlineUpdate1 =
        eintrag(kontakte, QStringLiteral("Programmaktualisierung  (Online Update)"),
                QStringLiteral("ProgrammaktualisierungOnlineUpdate1"));
    Hilfe1 = eintrag(info, QStringLiteral("Morvane-Hilfe"), QStringLiteral("Hilfe1"));
}

void TForm1::felderBauen(QWidget* panel1) {
    Panel33 = anzeigefeld(panel1, QStringLiteral("Panel33"), QRect(16, 8, 250, 24),
                          QStringLiteral("font-weight: bold; font-style: italic;"));
    Panel33->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Panel33->setFrameStyle(QFrame::NoFrame);
    Panel5 = anzeigefeld(panel1, QStringLiteral("Panel5"), QRect(272, 8, 170, 24),
                         QStringLiteral("font-weight: bold;"));
    Panel5->setAlignment(Qt::AlignCenter);
    Panel34 = anzeigefeld(panel1, QStringLiteral("Panel34"), QRect(16, 40, 41, 41),
                          QStringLiteral("background: #fffbf0; color: #008000; font-weight: "
                                         "bold; font-size: 24px;"));
    Panel34->setAlignment(Qt::AlignCenter);
    Panel2 = anzeigefeld(panel1, QStringLiteral("Panel2"), QRect(64, 40, 337, 41),
                         cremeGruen + QStringLiteral("font-size: 19px;"));
    beschriftung(panel1, QStringLiteral("Zwischenwert"), QPoint(16, 92));
    Panel6 = anzeigefeld(panel1, QStringLiteral("Panel6"), QRect(160, 88, 281, 25),
                         QStringLiteral("background: #fffbf0; color: #800000; font-weight: bold; "
                                        "font-family: monospace;"));
    beschriftung(panel1, QStringLiteral("M - Speicher"), QPoint(16, 122));
    Panel4 = anzeigefeld(panel1, QStringLiteral("Panel4"), QRect(160, 118, 281, 25),
                         QStringLiteral("background: #fffbf0; font-weight: bold;"));

    RichEdit1 = new RollenAnsicht(m_modell.rolle, panel1);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setGeometry(470, 16, 289, 489);
    RichEdit1->setAttribute(Qt::WA_NoMousePropagation);
    RichEdit1->installEventFilter(this);
    RichEdit1->viewport()->installEventFilter(this);

    beschriftung(panel1, QStringLiteral("Gesamt:"), QPoint(470, 520));
    Edit2 = new QLineEdit(panel1);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setGeometry(540, 515, 190, 24);
    Edit2->setReadOnly(true);
    Edit2->setEnabled(false);
    Edit2->setAlignment(Qt::AlignRight);
    beschriftung(panel1, QStringLiteral("€"), QPoint(740, 520));
}

void TForm1::statusleisteBauen() {
    const int breiten[3] = {230, 200, 50};
    for (int i = 0; i < 3; ++i) {
        StatusPanel[i] = new QLabel(this);
        StatusPanel[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        StatusPanel[i]->setAlignment(Qt::AlignCenter);
        StatusPanel[i]->setMinimumWidth(breiten[i]);
        statusBar()->addWidget(StatusPanel[i], i == 2 ? 1 : 0);
    }
    statusBar()->setSizeGripEnabled(false);
}

void TForm1::tastenVerbinden() {
    for (int nummer = 1; nummer <= 30; ++nummer) {
        QPushButton* knopf = m_tasten[nummer];
        const Taste* taste = TasteNachNummer(nummer);
        connect(knopf, &QPushButton::clicked, this,
                [this, taste] { ausfuehren([this, taste] { taste->druecken(m_modell); }); });
        knopf->installEventFilter(this);
    }
}

void TForm1::ausfuehren(const std::function<void()>& operation) {
    try {
        operation();
        aktualisieren();
        Edit1->setFocus();
    } catch (const Fehler& fehler) {
        aktualisieren();
        Fehlerbox(this, fehler.text());
    }
}

void TForm1::aktualisieren() {
    const Hauptmodell& m = m_modell;
    Panel2->setText(m.anzeige);
    Panel34->setText(m.operatorzeichen);
    Panel6->setText(m.zwischenwertText);
    Panel4->setText(m.speicherText);
    Panel5->setText(m.uhrText);
    Panel33->setText(m.firmenText);
    Edit2->setText(m.gesamtText);
    // The memo is written once at creation; refilling it on every key would rebuild its document.
    if (Memo1->toPlainText() != m.versionszeile)
        Memo1->setPlainText(m.versionszeile);
    for (int i = 0; i < 3; ++i)
        StatusPanel[i]->setText(m.statuszeile[i]);
    setWindowTitle(m.fenstertitel);
    for (int nummer : {24, 29, 30})
        m_tasten[nummer]->setEnabled(TasteAktiv(m, nummer));
    Anmelden1->setEnabled(m.anmeldenAktiv());
    Abmelden1->setEnabled(m.abmeldenAktiv());
    Drucken2->setEnabled(m.druckenAktiv());
    Registrieren1->setEnabled(m.registrierenAktiv());
    Panel3->setVisible(m.anmeldeDeckelSichtbar());
}

bool TForm1::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (tastaturEreignis(objekt, ereignis))
        return true;
    if (ereignis->type() == QEvent::MouseMove)
        hinweisBeiBewegung(objekt);
    return QMainWindow::eventFilter(objekt, ereignis);
}

// FormMouseMove: the pointer over the window's free area empties the hint.
void TForm1::mouseMoveEvent(QMouseEvent* ereignis) {
    m_modell.statuszeile[0].clear();
    StatusPanel[0]->clear();
    QMainWindow::mouseMoveEvent(ereignis);
}
