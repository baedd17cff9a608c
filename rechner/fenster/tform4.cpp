#include "rechner/fenster/tform4.h"

#include "rechner/fenster/fensterhilfe.h"

#include "rechner/fenster/dialoge.h"
#include "rechner/fenster/tform1.h"
#include "rechner/kern/programmstart.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
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

TForm4::TForm4(TForm1& form1) : QDialog(&form1), m_form1(form1) {
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Infos"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(307, 345);
    obenBauen();
    untenBauen();
    Zentrieren(this);
}

void TForm4::obenBauen() {
    QFrame* Panel1 = rahmen(this, QStringLiteral("Panel1"), QRect(8, 8, 291, 265), QFrame::Raised);
    QFrame* Bevel1 =
        rahmen(Panel1, QStringLiteral("Bevel1"), QRect(10, 10, 41, 41), QFrame::Sunken);
    ProgramIcon = new QLabel(Bevel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(4, 4, 33, 33);
    ProgramIcon->setScaledContents(true);
    feld(Panel1, QStringLiteral("Label5"), QStringLiteral("Version"), QPoint(66, 12), fett);
    Kont = feld(Panel1, QStringLiteral("Kont"), QString(), QPoint(66, 34), QString());
    Kont->setFixedWidth(215);
    feld(Panel1, QStringLiteral("Label6"), QStringLiteral("E-Mail"), QPoint(10, 96), fett);
    const QString link = fett + QStringLiteral(" text-decoration: underline;");
    Label2 = feld(Panel1, QStringLiteral("Label2"), MorvaneEMail, QPoint(10, 118),
                  link + QStringLiteral(" color: navy;"));
    feld(Panel1, QStringLiteral("Label3"), QStringLiteral("Internet: "), QPoint(10, 168), link);
    Label4 = feld(Panel1, QStringLiteral("Label4"), MorvaneWebseite, QPoint(10, 190),
                  link + QStringLiteral(" color: red;"));
    Label2->installEventFilter(this);
    Label4->installEventFilter(this);
}

void TForm4::untenBauen() {
    QFrame* Panel2 = rahmen(this, QStringLiteral("Panel2"), QRect(8, 281, 291, 56), QFrame::Sunken);
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton),
                              QStringLiteral("OK"), Panel2);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(108, 14, 75, 28);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
}

void TForm4::FormActivate() {
    Kont->setText(Anwendungstitel.left(17) + QLatin1Char(' ') + DateiVersion());
    ProgramIcon->setPixmap(QApplication::windowIcon().pixmap(33, 33));
}

void TForm4::BitBtn1Click() {
    hide();
}

void TForm4::Label2Click() {
    m_form1.eMail1Click();
}

void TForm4::Label4Click() {
    m_form1.Internet1Click();
}

// A window system that keeps a new window from taking the activation would leave the box
// empty at its first showing; showing it writes the texts all the same.
bool TForm4::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowActivate || ereignis->type() == QEvent::Show)
        FormActivate();
    return QDialog::event(ereignis);
}

bool TForm4::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::MouseButtonRelease) {
        auto* maus = static_cast<QMouseEvent*>(ereignis);
        auto* label = static_cast<QLabel*>(objekt);
        if (maus->button() == Qt::LeftButton &&
            label->rect().contains(maus->position().toPoint())) {
            if (objekt == Label2)
                Label2Click();
            else if (objekt == Label4)
                Label4Click();
        }
    }
    return QDialog::eventFilter(objekt, ereignis);
}

// The box has no cancel button: Escape does not close it, OK and Enter do.
void TForm4::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->key() == Qt::Key_Escape) {
        ereignis->ignore();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}
