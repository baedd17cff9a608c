#include "rechner/fenster/tform3.h"

#include "common/fehler.h"
#include "rechner/fenster/dialoge.h"
#include "rechner/fenster/fensterhilfe.h"
#include "rechner/fenster/tform1.h"
#include "rechner/fenster/tform2.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <algorithm>

TForm3::TForm3(TForm1& form1, TForm2& form2)
    : QWidget(&form1, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_form1(form1),
      m_modell(form1.modell(), form2.modell()) {
    setObjectName(QStringLiteral("TForm3"));
    setFixedSize(311, 129);
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    setFont(schrift);
    auto* label1 = new QLabel(QStringLiteral("Pin"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 13px;"));
    label1->move(160, 32);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(160, 56, 73, 26);
    Edit1->setMaxLength(Anmeldung::PinLaenge);
    Edit1->setEchoMode(QLineEdit::Password);
    Edit1->setStyleSheet(
        QStringLiteral("font-weight: bold; font-size: 16px; lineedit-password-character: 42;"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(248, 58, 50, 22);
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton),
                              QStringLiteral("Abbrechen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(16, 56, 105, 25);
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(500);

    connect(Edit1, &QLineEdit::textEdited, this,
            [this](const QString& text) { ausfuehren([&] { m_modell.Edit1Getippt(text); }); });
    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { ausfuehren([this] { m_modell.BitBtn1Click(); }); });
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    aktualisieren();
}

void TForm3::zeigen() {
    ModelessZeigen(this);
}

void TForm3::Timer1Timer() {
    ausfuehren([this] { m_modell.Timer1Timer(); });
}

void TForm3::ausfuehren(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const Fehler& fehler) {
        aktualisieren();
        m_form1.aktualisieren();
        Fehlerbox(this, fehler.text());
        return;
    }
    aktualisieren();
    m_form1.aktualisieren();
}

void TForm3::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (!ereignis->spontaneous())
        ausfuehren([this] { m_modell.FormShow(); });
}

void TForm3::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape && ereignis->modifiers() == Qt::NoModifier) {
        BitBtn1->click();
        return;
    }
    QWidget::keyPressEvent(ereignis);
}

void TForm3::aktualisieren() {
    const Anmeldung& m = m_modell;
    setWindowTitle(m.Beschriftung);
    if (Edit1->text() != m.Edit1) {
        const int cursor = Edit1->cursorPosition();
        Edit1->setText(m.Edit1);
        Edit1->setCursorPosition(std::min<int>(cursor, m.Edit1.size()));
    }
    Label2->setText(m.Label2);
    Label2->setStyleSheet(m.Label2Gruen
                              ? QStringLiteral("color: rgb(0, 128, 0); font-weight: bold; "
                                               "font-size: 16px;")
                              : QStringLiteral("color: red; font-weight: bold; font-size: 16px;"));
    // A timer already running keeps its schedule.
    if (m.Timer1Aktiv && !Timer1.isActive())
        Timer1.start();
    if (!m.Timer1Aktiv)
        Timer1.stop();
    if (!m_modell.Fokus.isEmpty()) {
        if (auto* ziel = findChild<QWidget*>(m_modell.Fokus))
            ziel->setFocus();
        m_modell.Fokus.clear();
    }
    if (!m.Sichtbar && isVisible())
        hide();
}
