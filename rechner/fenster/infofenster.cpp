#include "rechner/fenster/infofenster.h"

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

QLabel* feld(QWidget* eltern, const QString& name, const QString& text, QPoint ort,
             const QString& stil) {
    auto* label = new QLabel(text, eltern);
    label->setObjectName(name);
    label->move(ort);
    label->setStyleSheet(stil);
    label->adjustSize();
    return label;
}

QFrame* rahmen(QWidget* eltern, const QString& name, const QRect& ort, QFrame::Shadow schatten) {
    auto* frame = new QFrame(eltern);
    frame->setObjectName(name);
    frame->setGeometry(ort);
    frame->setFrameStyle(QFrame::Panel | schatten);
    frame->setLineWidth(2);
    return frame;
}

const QString fett = QStringLiteral("font-weight: bold;");

} // namespace

QIcon Programmsymbol() {
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
    Zentrieren(this);
    // Shown beside the main window; when it is open already it comes to the front.
    connect(hauptfenster.infoAktion, &QAction::triggered, this, [this] { ModelessZeigen(this); });
}

void Infofenster::obenBauen() {
    QFrame* rahmenOben =
        rahmen(this, QStringLiteral("Panel1"), QRect(8, 8, 291, 265), QFrame::Raised);
    QFrame* symbolrahmen =
        rahmen(rahmenOben, QStringLiteral("Bevel1"), QRect(10, 10, 41, 41), QFrame::Sunken);
    programmsymbol = new QLabel(symbolrahmen);
    programmsymbol->setObjectName(QStringLiteral("ProgramIcon"));
    programmsymbol->setGeometry(4, 4, 33, 33);
    programmsymbol->setScaledContents(true);
    feld(rahmenOben, QStringLiteral("Label5"), QStringLiteral("Version"), QPoint(66, 12), fett);
    versionsText = feld(rahmenOben, QStringLiteral("Kont"), QString(), QPoint(66, 34), QString());
    versionsText->setFixedWidth(215);
    feld(rahmenOben, QStringLiteral("Label6"), QStringLiteral("E-Mail"), QPoint(10, 96), fett);
    const QString link = fett + QStringLiteral(" text-decoration: underline;");
    emailLink = feld(rahmenOben, QStringLiteral("Label2"), MorvaneEMail, QPoint(10, 118),
                     link + QStringLiteral(" color: navy;"));
    feld(rahmenOben, QStringLiteral("Label3"), QStringLiteral("Internet: "), QPoint(10, 168), link);
    webLink = feld(rahmenOben, QStringLiteral("Label4"), MorvaneWebseite, QPoint(10, 190),
                   link + QStringLiteral(" color: red;"));
    emailLink->installEventFilter(this);
    webLink->installEventFilter(this);
}

void Infofenster::untenBauen() {
    QFrame* rahmenUnten =
        rahmen(this, QStringLiteral("Panel2"), QRect(8, 281, 291, 56), QFrame::Sunken);
    okKnopf = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("OK"), rahmenUnten);
    okKnopf->setObjectName(QStringLiteral("BitBtn1"));
    okKnopf->setGeometry(108, 14, 75, 28);
    okKnopf->setDefault(true);
    connect(okKnopf, &QPushButton::clicked, this, [this] { ok(); });
}

void Infofenster::beimAktivieren() {
    versionsText->setText(Anwendungstitel());
    programmsymbol->setPixmap(QApplication::windowIcon().pixmap(33, 33));
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
            if (objekt == emailLink)
                emailSchreiben();
            else if (objekt == webLink)
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
