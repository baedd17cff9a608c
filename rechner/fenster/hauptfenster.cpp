#include "rechner/fenster/hauptfenster.h"

#include "common/fenster/ausfuehren.h"
#include "common/fenster/formbau.h"
#include "rechner/fenster/rollenansicht.h"
#include "rechner/kern/tasten.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStatusBar>

namespace {

QLabel* anzeigefeld(QWidget* eltern, const QString& name, const QRect& feld, const QString& stil) {
    auto* feldWidget = platziert<QLabel>(eltern, name, feld);
    feldWidget->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    feldWidget->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    feldWidget->setStyleSheet(stil);
    feldWidget->setAttribute(Qt::WA_NoMousePropagation);
    return feldWidget;
}

const QString fett = QStringLiteral("font-weight: bold;");

const QString cremeGruen = QStringLiteral(
    "background: #fffbf0; color: #008000; font-weight: bold; font-family: monospace;");

} // namespace

Hauptfenster::Hauptfenster(Programm& programm, Dialoge& dialoge, Shell& shell,
                           Zwischenablage& zwischenablage)
    : m_programm(programm), m_modell(programm.hauptmodell), m_shell(shell),
      m_aktualisierung(aktualisierungBauen(dialoge, shell, zwischenablage)) {
    setObjectName(QStringLiteral("TForm1"));
    resize(821, 620);
    menueBauen();
    auto* zentrum = new QWidget(this);
    zentrum->setMouseTracking(true);
    setCentralWidget(zentrum);
    setMouseTracking(true);

    // The keyboard sink lies beneath the keypad body, first in the tab order.
    tastaturfeld = platziert<QLineEdit>(zentrum, QStringLiteral("Edit1"), QRect(40, 64, 121, 21));
    tastaturfeld->installEventFilter(this);

    tastenkoerper = platziert<QWidget>(zentrum, QStringLiteral("Panel1"), QRect(0, 0, 821, 560));
    tastenkoerper->setAutoFillBackground(true);
    tastenkoerper->setStyleSheet(QStringLiteral("#Panel1 { background: #c0c0c0; }"));
    tastenkoerper->setMouseTracking(true);
    tastenkoerper->installEventFilter(this);
    felderBauen(tastenkoerper);
    m_tasten = TastenfeldBauen(tastenkoerper, QPoint(16, 152));
    tastenVerbinden();
    statusleisteBauen();

    anmeldeDeckel = platziert<QLabel>(
        zentrum, QStringLiteral("Panel3"), QRect(0, 0, 821, 560),
        QStringLiteral("Im Hauptmenü - Anmelden unter Nutzer, - oder Rechner / Registrieren "));
    anmeldeDeckel->setAlignment(Qt::AlignCenter);
    anmeldeDeckel->setStyleSheet(
        QStringLiteral("background: #808080; color: white; font-weight: bold; "
                       "font-style: italic; font-size: 16px;"));
    anmeldeDeckel->setFocusPolicy(Qt::StrongFocus);
    anmeldeDeckel->installEventFilter(this);

    versionszeile = new QPlainTextEdit(this);
    versionszeile->setObjectName(QStringLiteral("Memo1"));
    versionszeile->hide();

    connect(&uhr, &QTimer::timeout, this, [this] {
        m_modell.uhrTick(QDateTime::currentDateTime());
        uhrFeld->setText(m_modell.uhrText);
    });
    uhr.start(1000);
    startstempelZeitgeber.setSingleShot(true);
    connect(&startstempelZeitgeber, &QTimer::timeout, this,
            [this] { ausfuehren([this] { m_modell.startstempel(); }); });
    startstempelZeitgeber.start(1500);

    startVerbinden();
    menueVerbinden();
    updateVerbinden();
    tastaturVerbinden();
    aktualisieren();
    tastaturfeld->setFocus();
}

void Hauptfenster::menueBauen() {
    QMenuBar* leiste = menuBar();
    const auto eintrag = [](QMenu* menue, const QString& text, const QString& name) {
        QAction* aktion = menue->addAction(text);
        aktion->setObjectName(name);
        return aktion;
    };
    QMenu* datei = leiste->addMenu(QStringLiteral("Rechner"));
    datei->setObjectName(QStringLiteral("Datei1"));
    registrierenAktion =
        eintrag(datei, QStringLiteral("Registrieren"), QStringLiteral("Registrieren1"));
    datei->addSeparator()->setObjectName(QStringLiteral("N1"));
    beendenAktion = eintrag(datei, QStringLiteral("Beenden"), QStringLiteral("Beenden1"));
    QMenu* nutzer = leiste->addMenu(QStringLiteral("Nutzer"));
    nutzer->setObjectName(QStringLiteral("Rolle1"));
    anmeldenAktion = eintrag(nutzer, QStringLiteral("Anmelden"), QStringLiteral("Anmelden1"));
    abmeldenAktion = eintrag(nutzer, QStringLiteral("Abmelden"), QStringLiteral("Abmelden1"));
    QMenu* rolle = leiste->addMenu(QStringLiteral("Registrierrolle"));
    rolle->setObjectName(QStringLiteral("Registrierrolle1"));
    druckenAktion = eintrag(rolle, QStringLiteral("Drucken"), QStringLiteral("Drucken2"));
    QMenu* info = leiste->addMenu(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("Info1"));
    infoAktion = eintrag(info, QStringLiteral("Info ..."), QStringLiteral("Info2"));
    QMenu* kontakte = info->addMenu(QStringLiteral("Morvane Kontakte"));
    kontakte->setObjectName(QStringLiteral("MorvaneKontakte1"));
    webseiteAktion =
        eintrag(kontakte, QStringLiteral("Morvane Webseite"), QStringLiteral("MorvaneWebseite1"));
    emailAktion = eintrag(kontakte, QStringLiteral("Fragen (E-Mail Fragen an Morvane)"),
                          QStringLiteral("FragenEMailFragenanMorvane1"));
    updateAktion = eintrag(kontakte, QStringLiteral("Programmaktualisierung  (Online Update)"),
                           QStringLiteral("ProgrammaktualisierungOnlineUpdate1"));
    hilfeAktion = eintrag(info, QStringLiteral("Morvane-Hilfe"), QStringLiteral("Hilfe1"));
}

void Hauptfenster::felderBauen(QWidget* koerper) {
    firmenFeld = anzeigefeld(koerper, QStringLiteral("Panel33"), QRect(16, 8, 250, 24),
                             QStringLiteral("font-weight: bold; font-style: italic;"));
    firmenFeld->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    firmenFeld->setFrameStyle(QFrame::NoFrame);
    uhrFeld = anzeigefeld(koerper, QStringLiteral("Panel5"), QRect(272, 8, 170, 24),
                          QStringLiteral("font-weight: bold;"));
    uhrFeld->setAlignment(Qt::AlignCenter);
    operatorzeichen = anzeigefeld(koerper, QStringLiteral("Panel34"), QRect(16, 40, 41, 41),
                                  QStringLiteral("background: #fffbf0; color: #008000; "
                                                 "font-weight: bold; font-size: 24px;"));
    operatorzeichen->setAlignment(Qt::AlignCenter);
    anzeige = anzeigefeld(koerper, QStringLiteral("Panel2"), QRect(64, 40, 337, 41),
                          cremeGruen + QStringLiteral("font-size: 19px;"));
    beschriftung(koerper, {}, QStringLiteral("Zwischenwert"), QPoint(16, 92), fett);
    zwischenwertFeld =
        anzeigefeld(koerper, QStringLiteral("Panel6"), QRect(160, 88, 281, 25),
                    QStringLiteral("background: #fffbf0; color: #800000; font-weight: bold; "
                                   "font-family: monospace;"));
    beschriftung(koerper, {}, QStringLiteral("M - Speicher"), QPoint(16, 122), fett);
    speicherFeld = anzeigefeld(koerper, QStringLiteral("Panel4"), QRect(160, 118, 281, 25),
                               QStringLiteral("background: #fffbf0; font-weight: bold;"));

    rollenAnsicht = new RollenAnsicht(m_modell.rolle, koerper);
    rollenAnsicht->setObjectName(QStringLiteral("RichEdit1"));
    rollenAnsicht->setGeometry(470, 16, 289, 489);
    rollenAnsicht->setAttribute(Qt::WA_NoMousePropagation);
    rollenAnsicht->installEventFilter(this);
    rollenAnsicht->viewport()->installEventFilter(this);

    beschriftung(koerper, {}, QStringLiteral("Gesamt:"), QPoint(470, 520), fett);
    gesamtFeld = platziert<QLineEdit>(koerper, QStringLiteral("Edit2"), QRect(540, 515, 190, 24));
    gesamtFeld->setReadOnly(true);
    gesamtFeld->setEnabled(false);
    gesamtFeld->setAlignment(Qt::AlignRight);
    beschriftung(koerper, {}, QStringLiteral("€"), QPoint(740, 520), fett);
}

void Hauptfenster::statusleisteBauen() {
    const int breiten[3] = {230, 200, 50};
    for (int i = 0; i < 3; ++i) {
        statusfelder[i] = new QLabel(this);
        statusfelder[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        statusfelder[i]->setAlignment(Qt::AlignCenter);
        statusfelder[i]->setMinimumWidth(breiten[i]);
        statusBar()->addWidget(statusfelder[i], i == 2 ? 1 : 0);
    }
    statusBar()->setSizeGripEnabled(false);
}

void Hauptfenster::tastenVerbinden() {
    for (int nummer = 1; nummer <= 30; ++nummer) {
        QPushButton* knopf = m_tasten[nummer];
        const Taste* taste = TasteNachNummer(nummer);
        connect(knopf, &QPushButton::clicked, this,
                [this, taste] { ausfuehren([this, taste] { taste->druecken(m_modell); }); });
        knopf->installEventFilter(this);
    }
}

void Hauptfenster::ausfuehren(const std::function<void()>& operation) {
    if (::ausfuehren(this, operation, [this] { aktualisieren(); }))
        tastaturfeld->setFocus();
}

void Hauptfenster::aktualisieren() {
    const Hauptmodell& m = m_modell;
    anzeige->setText(m.anzeige);
    operatorzeichen->setText(m.operatorzeichen);
    zwischenwertFeld->setText(m.zwischenwertText);
    speicherFeld->setText(m.speicherText);
    uhrFeld->setText(m.uhrText);
    firmenFeld->setText(m.firmenText);
    gesamtFeld->setText(m.gesamtText);
    // The line is written once when the program is made; refilling the hidden memo on every key
    // would rebuild its document.
    if (versionszeile->toPlainText() != m.versionszeile)
        versionszeile->setPlainText(m.versionszeile);
    for (int i = 0; i < 3; ++i)
        statusfelder[i]->setText(m.statuszeile[i]);
    setWindowTitle(m.fenstertitel);
    for (int nummer : {24, 29, 30})
        m_tasten[nummer]->setEnabled(TasteAktiv(m, nummer));
    anmeldenAktion->setEnabled(m.anmeldenAktiv());
    abmeldenAktion->setEnabled(m.abmeldenAktiv());
    druckenAktion->setEnabled(m.druckenAktiv());
    registrierenAktion->setEnabled(m.registrierenAktiv());
    anmeldeDeckel->setVisible(m.anmeldeDeckelSichtbar());
}

bool Hauptfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (tastaturEreignis(objekt, ereignis))
        return true;
    if (ereignis->type() == QEvent::MouseMove)
        hinweisBeiBewegung(objekt);
    return QMainWindow::eventFilter(objekt, ereignis);
}

// The pointer over the window's free area empties the hint.
void Hauptfenster::mouseMoveEvent(QMouseEvent* ereignis) {
    m_modell.statuszeile[0].clear();
    statusfelder[0]->clear();
    QMainWindow::mouseMoveEvent(ereignis);
}
