#include "rechner/fenster/infofenster.h"

#include "common/fenster/formbau.h"
#include "rechner/fenster/fensterhilfe.h"
#include "rechner/fenster/hauptfenster.h"
#include "rechner/kern/version.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

namespace {

const QString Fett = QStringLiteral("font-weight: bold;");

} // namespace

QIcon programmsymbol() {
    return QIcon(QStringLiteral(":/rechner/rechner.png"));
}

Infofenster::Infofenster(Hauptfenster& hauptfenster)
    : QDialog(&hauptfenster), m_hauptfenster(hauptfenster) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Infos"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(307, 345);
    obenBauen();
    untenBauen();
    zentrieren(this);
    // Shown beside the main window; when it is open already it comes to the front.
    hauptfenster.beiMenuepunkt(Hauptfenster::Menuepunkt::Info, [this] { modelessZeigen(this); });
}

void Infofenster::obenBauen() {
    QFrame* rahmenOben = rahmen(this, QStringLiteral("Panel1"), QRect(8, 8, 291, 265),
                                QFrame::Panel | QFrame::Raised, 2);
    QFrame* symbolrahmen = rahmen(rahmenOben, QStringLiteral("Bevel1"), QRect(10, 10, 41, 41),
                                  QFrame::Panel | QFrame::Sunken, 2);
    m_programmsymbol =
        platziert<QLabel>(symbolrahmen, QStringLiteral("ProgramIcon"), QRect(4, 4, 33, 33));
    m_programmsymbol->setScaledContents(true);
    beschriftung(rahmenOben, QStringLiteral("Label5"), QStringLiteral("Version"), QPoint(66, 12),
                 Fett);
    m_versionsText = beschriftung(rahmenOben, QStringLiteral("Kont"), QString(), QPoint(66, 34));
    m_versionsText->setFixedWidth(215);
    beschriftung(rahmenOben, QStringLiteral("Label6"), QStringLiteral("E-Mail"), QPoint(10, 96),
                 Fett);
    const QString link = Fett + QStringLiteral(" text-decoration: underline;");
    m_emailLink = beschriftung(rahmenOben, QStringLiteral("Label2"), MorvaneEMail, QPoint(10, 118),
                               link + QStringLiteral(" color: navy;"));
    beschriftung(rahmenOben, QStringLiteral("Label3"), QStringLiteral("Internet: "),
                 QPoint(10, 168), link);
    m_webLink = beschriftung(rahmenOben, QStringLiteral("Label4"), MorvaneWebseite, QPoint(10, 190),
                             link + QStringLiteral(" color: red;"));
    m_emailLink->installEventFilter(this);
    m_webLink->installEventFilter(this);
}

void Infofenster::untenBauen() {
    QFrame* rahmenUnten = rahmen(this, QStringLiteral("Panel2"), QRect(8, 281, 291, 56),
                                 QFrame::Panel | QFrame::Sunken, 2);
    m_okKnopf = knopf(rahmenUnten, QStringLiteral("BitBtn1"), QStringLiteral("OK"),
                      QRect(108, 14, 75, 28), style()->standardIcon(QStyle::SP_DialogOkButton));
    m_okKnopf->setDefault(true);
    connect(m_okKnopf, &QPushButton::clicked, this, [this] { ok(); });
}

void Infofenster::beimAktivieren() {
    m_versionsText->setText(anwendungstitel());
    m_programmsymbol->setPixmap(QApplication::windowIcon().pixmap(33, 33));
}

void Infofenster::ok() {
    hide();
}

void Infofenster::emailSchreiben() {
    m_hauptfenster.emailSchreiben();
}

void Infofenster::webseiteOeffnen() {
    m_hauptfenster.webseiteOeffnen();
}

// A window system that keeps a new window from taking the activation would leave the box
// empty at its first showing; showing it writes the texts all the same.
bool Infofenster::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowActivate || ereignis->type() == QEvent::Show)
        beimAktivieren();
    return QDialog::event(ereignis);
}

bool Infofenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::MouseButtonRelease) {
        auto* maus = static_cast<QMouseEvent*>(ereignis);
        auto* label = static_cast<QLabel*>(objekt);
        if (maus->button() == Qt::LeftButton &&
            label->rect().contains(maus->position().toPoint())) {
            if (objekt == m_emailLink)
                emailSchreiben();
            else if (objekt == m_webLink)
                webseiteOeffnen();
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

// The box has no cancel button: Escape does not close it, OK and Enter do.
void Infofenster::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape) {
        ereignis->ignore();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}
