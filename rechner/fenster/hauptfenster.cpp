#include "rechner/fenster/hauptfenster.h"

#include "common/fenster/ausfuehren.h"
#include "common/fenster/formbau.h"
#include "rechner/kern/programm.h"
#include "rechner/kern/tasten.h"
#include "rechner/rollenfeld/rollenansicht.h"

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

const QString Fett = QStringLiteral("font-weight: bold;");

const QString CremeGruen = QStringLiteral(
    "background: #fffbf0; color: #008000; font-weight: bold; font-family: monospace;");

} // namespace

Hauptfenster::Hauptfenster(Programm& programm, Shell& shell)
    : m_programm(programm), m_modell(programm.hauptmodell()), m_shell(shell) {
    setObjectName(QStringLiteral("TForm1"));
    resize(821, 620);
    menueBauen();
    auto* zentrum = new QWidget(this);
    zentrum->setMouseTracking(true);
    setCentralWidget(zentrum);
    setMouseTracking(true);

    // The keyboard sink lies beneath the keypad body, first in the tab order.
    m_tastaturfeld = platziert<QLineEdit>(zentrum, QStringLiteral("Edit1"), QRect(40, 64, 121, 21));
    m_tastaturfeld->installEventFilter(this);

    m_tastenkoerper = platziert<QWidget>(zentrum, QStringLiteral("Panel1"), QRect(0, 0, 821, 560));
    m_tastenkoerper->setAutoFillBackground(true);
    m_tastenkoerper->setStyleSheet(QStringLiteral("#Panel1 { background: #c0c0c0; }"));
    m_tastenkoerper->setMouseTracking(true);
    m_tastenkoerper->installEventFilter(this);
    felderBauen(m_tastenkoerper);
    m_tasten = tastenfeldBauen(m_tastenkoerper, QPoint(16, 152));
    tastenVerbinden();
    statusleisteBauen();

    m_anmeldeDeckel = platziert<QLabel>(
        zentrum, QStringLiteral("Panel3"), QRect(0, 0, 821, 560),
        QStringLiteral("Im Hauptmenü - Anmelden unter Nutzer, - oder Rechner / Registrieren "));
    m_anmeldeDeckel->setAlignment(Qt::AlignCenter);
    m_anmeldeDeckel->setStyleSheet(
        QStringLiteral("background: #808080; color: white; font-weight: bold; "
                       "font-style: italic; font-size: 16px;"));
    m_anmeldeDeckel->setFocusPolicy(Qt::StrongFocus);
    m_anmeldeDeckel->installEventFilter(this);

    m_versionszeile = benannt<QPlainTextEdit>(this, QStringLiteral("Memo1"));
    m_versionszeile->hide();

    connect(&m_uhr, &QTimer::timeout, this, [this] {
        m_modell.uhrTick(QDateTime::currentDateTime());
        m_uhrFeld->setText(m_modell.uhrText());
    });
    m_uhr.start(1000);
    m_startstempelZeitgeber.setSingleShot(true);
    connect(&m_startstempelZeitgeber, &QTimer::timeout, this,
            [this] { ausfuehren([this] { m_modell.startstempel(); }); });
    m_startstempelZeitgeber.start(1500);

    startVerbinden();
    menueVerbinden();
    updateVerbinden();
    tastaturVerbinden();
    aktualisieren();
    m_tastaturfeld->setFocus();
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
    m_registrierenAktion =
        eintrag(datei, QStringLiteral("Registrieren"), QStringLiteral("Registrieren1"));
    datei->addSeparator()->setObjectName(QStringLiteral("N1"));
    m_beendenAktion = eintrag(datei, QStringLiteral("Beenden"), QStringLiteral("Beenden1"));
    QMenu* nutzer = leiste->addMenu(QStringLiteral("Nutzer"));
    nutzer->setObjectName(QStringLiteral("Rolle1"));
    m_anmeldenAktion = eintrag(nutzer, QStringLiteral("Anmelden"), QStringLiteral("Anmelden1"));
    m_abmeldenAktion = eintrag(nutzer, QStringLiteral("Abmelden"), QStringLiteral("Abmelden1"));
    QMenu* rolle = leiste->addMenu(QStringLiteral("Registrierrolle"));
    rolle->setObjectName(QStringLiteral("Registrierrolle1"));
    m_druckenAktion = eintrag(rolle, QStringLiteral("Drucken"), QStringLiteral("Drucken2"));
    QMenu* info = leiste->addMenu(QStringLiteral("Info"));
    info->setObjectName(QStringLiteral("Info1"));
    m_infoAktion = eintrag(info, QStringLiteral("Info ..."), QStringLiteral("Info2"));
    QMenu* kontakte = info->addMenu(QStringLiteral("Morvane Kontakte"));
    kontakte->setObjectName(QStringLiteral("MorvaneKontakte1"));
    m_webseiteAktion =
        eintrag(kontakte, QStringLiteral("Morvane Webseite"), QStringLiteral("MorvaneWebseite1"));
    m_emailAktion = eintrag(kontakte, QStringLiteral("Fragen (E-Mail Fragen an Morvane)"),
                            QStringLiteral("FragenEMailFragenanMorvane1"));
    m_updateAktion = eintrag(kontakte, QStringLiteral("Programmaktualisierung  (Online Update)"),
                             QStringLiteral("ProgrammaktualisierungOnlineUpdate1"));
    m_hilfeAktion = eintrag(info, QStringLiteral("Morvane-Hilfe"), QStringLiteral("Hilfe1"));
}

void Hauptfenster::felderBauen(QWidget* koerper) {
    m_firmenFeld = anzeigefeld(koerper, QStringLiteral("Panel33"), QRect(16, 8, 250, 24),
                               QStringLiteral("font-weight: bold; font-style: italic;"));
    m_firmenFeld->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_firmenFeld->setFrameStyle(QFrame::NoFrame);
    m_uhrFeld = anzeigefeld(koerper, QStringLiteral("Panel5"), QRect(272, 8, 170, 24),
                            QStringLiteral("font-weight: bold;"));
    m_uhrFeld->setAlignment(Qt::AlignCenter);
    m_operatorzeichen = anzeigefeld(koerper, QStringLiteral("Panel34"), QRect(16, 40, 41, 41),
                                    QStringLiteral("background: #fffbf0; color: #008000; "
                                                   "font-weight: bold; font-size: 24px;"));
    m_operatorzeichen->setAlignment(Qt::AlignCenter);
    m_anzeige = anzeigefeld(koerper, QStringLiteral("Panel2"), QRect(64, 40, 337, 41),
                            CremeGruen + QStringLiteral("font-size: 19px;"));
    beschriftung(koerper, {}, QStringLiteral("Zwischenwert"), QPoint(16, 92), Fett);
    m_zwischenwertFeld =
        anzeigefeld(koerper, QStringLiteral("Panel6"), QRect(160, 88, 281, 25),
                    QStringLiteral("background: #fffbf0; color: #800000; font-weight: bold; "
                                   "font-family: monospace;"));
    beschriftung(koerper, {}, QStringLiteral("M - Speicher"), QPoint(16, 122), Fett);
    m_speicherFeld = anzeigefeld(koerper, QStringLiteral("Panel4"), QRect(160, 118, 281, 25),
                                 QStringLiteral("background: #fffbf0; font-weight: bold;"));

    m_rollenAnsicht = platziert<RollenAnsicht>(koerper, QStringLiteral("RichEdit1"),
                                               QRect(470, 16, 289, 489), m_modell.rolle());
    m_rollenAnsicht->setAttribute(Qt::WA_NoMousePropagation);
    m_rollenAnsicht->installEventFilter(this);
    m_rollenAnsicht->viewport()->installEventFilter(this);

    beschriftung(koerper, {}, QStringLiteral("Gesamt:"), QPoint(470, 520), Fett);
    m_gesamtFeld = platziert<QLineEdit>(koerper, QStringLiteral("Edit2"), QRect(540, 515, 190, 24));
    m_gesamtFeld->setReadOnly(true);
    m_gesamtFeld->setEnabled(false);
    m_gesamtFeld->setAlignment(Qt::AlignRight);
    beschriftung(koerper, {}, QStringLiteral("€"), QPoint(740, 520), Fett);
}

void Hauptfenster::statusleisteBauen() {
    const int breiten[3] = {230, 200, 50};
    for (int i = 0; i < 3; ++i) {
        m_statusfelder[i] = benannt<QLabel>(this, QStringLiteral("StatusPanel%1").arg(i));
        m_statusfelder[i]->setAlignment(Qt::AlignCenter);
        m_statusfelder[i]->setMinimumWidth(breiten[i]);
        statusBar()->addWidget(m_statusfelder[i], i == 2 ? 1 : 0);
    }
    statusBar()->setSizeGripEnabled(false);
}

void Hauptfenster::tastenVerbinden() {
    for (int nummer = 1; nummer <= 30; ++nummer) {
        QPushButton* knopf = m_tasten[nummer];
        const Taste* taste = tasteNachNummer(nummer);
        connect(knopf, &QPushButton::clicked, this,
                [this, taste] { ausfuehren([this, taste] { taste->druecken(m_modell); }); });
        knopf->installEventFilter(this);
    }
}

void Hauptfenster::ausfuehren(const std::function<void()>& operation) {
    if (::ausfuehren(this, operation, [this] { aktualisieren(); }))
        tastaturfokusZurueck();
}

void Hauptfenster::aktualisieren() {
    const Hauptmodell& m = m_modell;
    m_anzeige->setText(m.anzeige());
    m_operatorzeichen->setText(m.operatorzeichen());
    m_zwischenwertFeld->setText(m.zwischenwertText());
    m_speicherFeld->setText(m.speicherText());
    m_uhrFeld->setText(m.uhrText());
    m_firmenFeld->setText(m.firmenText());
    m_gesamtFeld->setText(m.gesamtText());
    // The line is written once when the program is made; refilling the hidden memo on every key
    // would rebuild its document.
    if (m_versionszeile->toPlainText() != m.versionszeile())
        m_versionszeile->setPlainText(m.versionszeile());
    m_statusfelder[0]->setText(m.hinweis());
    m_statusfelder[1]->setText(m_programm.verwaltung().nutzerstatus());
    m_statusfelder[2]->setText(m.produktzeile());
    setWindowTitle(m.fenstertitel());
    for (int nummer : {24, 29, 30})
        m_tasten[nummer]->setEnabled(tasteAktiv(m, nummer));
    m_anmeldenAktion->setEnabled(m.anmeldenAktiv());
    m_abmeldenAktion->setEnabled(m.abmeldenAktiv());
    m_druckenAktion->setEnabled(m.druckenAktiv());
    m_registrierenAktion->setEnabled(m.registrierenAktiv());
    m_anmeldeDeckel->setVisible(m.anmeldeDeckelSichtbar());
}

void Hauptfenster::beiMenuepunkt(Menuepunkt punkt, const std::function<void()>& wirkung) {
    QAction* aktion = nullptr;
    switch (punkt) {
    case Menuepunkt::Registrieren:
        aktion = m_registrierenAktion;
        break;
    case Menuepunkt::Anmelden:
        aktion = m_anmeldenAktion;
        break;
    case Menuepunkt::Abmelden:
        aktion = m_abmeldenAktion;
        break;
    case Menuepunkt::Drucken:
        aktion = m_druckenAktion;
        break;
    case Menuepunkt::Info:
        aktion = m_infoAktion;
        break;
    }
    connect(aktion, &QAction::triggered, this, wirkung);
}

void Hauptfenster::tastaturfokusZurueck() {
    m_tastaturfeld->setFocus();
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
    hinweisZeigen({});
    QMainWindow::mouseMoveEvent(ereignis);
}
