#include "rechner/fenster/pinfenster.h"

#include "common/fenster/ausfuehren.h"
#include "common/fenster/formbau.h"
#include "rechner/fenster/fensterhilfe.h"
#include "rechner/fenster/hauptfenster.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStyle>

PinFenster::PinFenster(Hauptfenster& hauptfenster, Anmeldung& anmeldung)
    : QWidget(&hauptfenster, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_hauptfenster(hauptfenster), m_modell(anmeldung) {
    setObjectName(QStringLiteral("TForm3"));
    setFixedSize(311, 129);
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    setFont(schrift);
    beschriftung(this, QStringLiteral("Label1"), QStringLiteral("Pin"), QPoint(160, 32),
                 QStringLiteral("font-weight: bold; font-size: 13px;"));
    m_pinFeld = eingabefeld(
        this, QStringLiteral("Edit1"), QRect(160, 56, 73, 26),
        QStringLiteral("font-weight: bold; font-size: 16px; lineedit-password-character: 42;"),
        PinLaenge);
    m_pinFeld->setEchoMode(QLineEdit::Password);
    m_statusFeld = platziert<QLabel>(this, QStringLiteral("Label2"), QRect(248, 58, 50, 22));
    m_abbrechenKnopf =
        knopf(this, QStringLiteral("BitBtn1"), QStringLiteral("Abbrechen"), QRect(16, 56, 105, 25),
              style()->standardIcon(QStyle::SP_DialogCancelButton));
    m_schliessZeitgeber.setObjectName(QStringLiteral("Timer1"));
    m_schliessZeitgeber.setInterval(500);

    connect(m_pinFeld, &QLineEdit::textEdited, this,
            [this](const QString& text) { ausfuehren([&] { m_modell.pinGetippt(text); }); });
    connect(m_abbrechenKnopf, &QPushButton::clicked, this,
            [this] { ausfuehren([this] { m_modell.abbrechen(); }); });
    connect(&m_schliessZeitgeber, &QTimer::timeout, this, [this] { schliessZeitgeberTick(); });
    menueVerbinden();
    aktualisieren();
}

// The direction is chosen as an event of the main window, then the window shows.
void PinFenster::menueVerbinden() {
    m_hauptfenster.beiMenuepunkt(Hauptfenster::Menuepunkt::Anmelden, [this] {
        m_hauptfenster.ausfuehren([this] { m_modell.anmeldenGewaehlt(); });
        zeigen();
    });
    m_hauptfenster.beiMenuepunkt(Hauptfenster::Menuepunkt::Abmelden, [this] {
        m_hauptfenster.ausfuehren([this] { m_modell.abmeldenGewaehlt(); });
        zeigen();
    });
}

void PinFenster::zeigen() {
    modelessZeigen(this);
}

void PinFenster::schliessZeitgeberTick() {
    ausfuehren([this] { m_modell.schliessZeitgeberTick(); });
}

// A match also changes the main window's menu items, cover and roll.
void PinFenster::ausfuehren(const std::function<void()>& operation) {
    ::ausfuehren(this, operation, [this] {
        aktualisieren();
        m_hauptfenster.aktualisieren();
    });
}

void PinFenster::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (!ereignis->spontaneous())
        ausfuehren([this] { m_modell.beimZeigen(); });
}

void PinFenster::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
        m_abbrechenKnopf->click();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

void PinFenster::aktualisieren() {
    const Anmeldung& m = m_modell;
    setWindowTitle(m.fenstertitel());
    textSetzen(m_pinFeld, m.pin());
    m_statusFeld->setText(m.status());
    m_statusFeld->setStyleSheet(m.statusGruen()
                                    ? QStringLiteral("color: rgb(0, 128, 0); font-weight: bold; "
                                                     "font-size: 16px;")
                                    : QStringLiteral("color: red; font-weight: bold; "
                                                     "font-size: 16px;"));
    // A timer already running keeps its schedule.
    if (m.schliessZeitgeberAktiv() && !m_schliessZeitgeber.isActive())
        m_schliessZeitgeber.start();
    if (!m.schliessZeitgeberAktiv())
        m_schliessZeitgeber.stop();
    if (m_modell.fokusNehmen() == Anmeldung::Fokus::Pin)
        m_pinFeld->setFocus();
    if (!m.sichtbar() && isVisible())
        hide();
}
