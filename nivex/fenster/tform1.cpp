#include "nivex/fenster/tform1.h"

#include "nivex/fenster/stufenrahmen.h"
#include "nivex/fenster/zeilenmass.h"
#include "nivex/kern/feldtext.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <utility>

namespace {

// The outer size of 795 by 387 pixels less a classic frame (4-pixel border, 30-pixel caption).
constexpr QSize Innengroesse(787, 353);
constexpr int Statushoehe = 19;

QPlainTextEdit* memo(QWidget* eltern, const QString& name, const QRect& ort, const QColor& farbe,
                     bool nurLesen) {
    auto* feld = new QPlainTextEdit(eltern);
    feld->setObjectName(name);
    feld->setGeometry(ort);
    feld->setReadOnly(nurLesen);
    QPalette palette = feld->palette();
    palette.setColor(QPalette::Base, farbe);
    palette.setColor(QPalette::Text, Qt::black);
    feld->setPalette(palette);
    return feld;
}

QLabel* beschriftung(QWidget* eltern, const QString& name, const QString& text, QPoint ort,
                     int hoehe = 0) {
    auto* label = new QLabel(text, eltern);
    label->setObjectName(name);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    if (hoehe) {
        QFont schrift = label->font();
        schrift.setBold(true);
        schrift.setPixelSize(hoehe);
        label->setFont(schrift);
    }
    label->adjustSize();
    label->move(ort);
    return label;
}

// A picture stretched to its box, with a sunken bevel over its edge.
void bild(QWidget* eltern, const QString& name, const QString& bevel, const QString& datei,
          const QRect& ort) {
    auto* image = new QLabel(eltern);
    image->setObjectName(name);
    image->setGeometry(ort);
    image->setScaledContents(true);
    image->setPixmap(QPixmap(datei));
    auto* rahmen = new QFrame(eltern);
    rahmen->setObjectName(bevel);
    rahmen->setGeometry(ort);
    rahmen->setFrameStyle(QFrame::Box | QFrame::Sunken);
    rahmen->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text, const QRect& ort) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(name);
    b->setGeometry(ort);
    return b;
}

// The memos show "\n" where the model holds CR LF.
QString anzeige(const QString& feldtext) {
    return QString(feldtext).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

void zeigen(QPlainTextEdit* feld, const QString& feldtext) {
    const QString text = anzeige(feldtext);
    if (feld->toPlainText() != text)
        feld->setPlainText(text);
}

void laufen(QTimer& zeitgeber, bool laeuft) {
    if (laeuft && !zeitgeber.isActive())
        zeitgeber.start();
    else if (!laeuft && zeitgeber.isActive())
        zeitgeber.stop();
}

} // namespace

TForm1::TForm1(NivexAussenwelt& welt, const QString& basisadresse, const QString& programmordner,
               QWidget* eltern)
    : QWidget(eltern, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowStaysOnTopHint),
      m_modell(welt, basisadresse) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(Nivextexte::Fenstertitel);
    setFixedSize(Innengroesse);
    QFont schrift(QStringLiteral("Sans Serif"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(11);
    setFont(schrift);
    setAutoFillBackground(true);

    bild(this, QStringLiteral("Image1"), QStringLiteral("Bevel1"), QStringLiteral(":/banner.jpg"),
         QRect(8, 8, 473, 73));
    bild(this, QStringLiteral("Image2"), QStringLiteral("Bevel2"), QStringLiteral(":/logo.jpg"),
         QRect(8, 280, 49, 41));
    felderBauen();
    schritteBauen();
    knoepfeBauen();
    statusleisteBauen();

    for (auto [zeitgeber, name, tick] :
         {std::tuple{&Timer1, "Timer1", &Nivexmodell::Timer1Timer},
          std::tuple{&Timer2, "Timer2", &Nivexmodell::Timer2Timer},
          std::tuple{&Timer3, "Timer3", &Nivexmodell::Timer3Timer}}) {
        zeitgeber->setObjectName(QString::fromLatin1(name));
        zeitgeber->setParent(this);
        zeitgeber->setInterval(1000);
        const auto schritt = tick; // clang 14 cannot capture a structured binding
        connect(zeitgeber, &QTimer::timeout, this,
                [this, schritt] { ausfuehren([this, schritt] { (m_modell.*schritt)(); }); });
    }

    m_modell.angezeigteZeilen = [this](Memofeld feld, const QString& zeile) {
        return angezeigteZeilen(feld == Memofeld::Information ? *Memo3 : *Memo4, zeile);
    };
    // The download blocks the event loop: what the window shows until it ends is painted now.
    m_modell.vorDerUebertragung = [this] {
        aktualisieren();
        repaint();
    };
    m_modell.FormCreate(programmordner);
    aktualisieren();
    if (const QScreen* bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

void TForm1::felderBauen() {
    const QColor creme(255, 251, 240);
    beschriftung(this, QStringLiteral("Label1"), QStringLiteral("Download-Pfad"), {8, 96});
    Memo1 = memo(this, QStringLiteral("Memo1"), {8, 112, 505, 41}, creme, false);
    beschriftung(this, QStringLiteral("Label2"), QStringLiteral("Dateiversionen"), {8, 168});
    Memo5 = memo(this, QStringLiteral("Memo5"), {8, 184, 177, 41}, QColor(192, 192, 192), false);
    Memo2 = memo(this, QStringLiteral("Memo2"), {8, 232, 177, 41}, QColor(192, 220, 192), true);
    beschriftung(this, QStringLiteral("Label3"), QStringLiteral("Informationen zum neuen Update"),
                 {192, 168});
    Memo3 = memo(this, QStringLiteral("Memo3"), {192, 184, 409, 129}, creme, true);
    Memo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo4 = memo(this, QStringLiteral("Memo4"), {344, 122, 65, 25}, Qt::white, false);
    // Without scroll bars its lines are always as wide as the field.
    Memo4->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo4->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo4->hide();

    // Typed text reaches the model at once: the download step reads the folder field.
    connect(Memo1, &QPlainTextEdit::textChanged, this,
            [this] { m_modell.Memo1 = Feldtext(Memo1->toPlainText()); });
    connect(Memo5, &QPlainTextEdit::textChanged, this,
            [this] { m_modell.Memo5 = Feldtext(Memo5->toPlainText()); });
}

void TForm1::schritteBauen() {
    const auto schritt = [this](const QString& name, int oben, int nummer, const QString& text) {
        auto* rahmen = new Stufenrahmen(this);
        rahmen->setObjectName(name);
        rahmen->setGeometry(520, oben, 241, 57);
        beschriftung(this, QStringLiteral("Label%1").arg(2 * nummer + 2), QString::number(nummer),
                     {544, oben + 16}, 24);
        beschriftung(this, QStringLiteral("Label%1").arg(2 * nummer + 3), text, {590, oben + 19},
                     19);
        auto* fortschritt = new QProgressBar(this);
        fortschritt->setObjectName(QStringLiteral("ProgressBar%1").arg(nummer));
        fortschritt->setGeometry(520, oben + 64, 241, 12);
        fortschritt->setRange(0, 100);
        fortschritt->setValue(0);
        fortschritt->setTextVisible(false);
        return std::pair{rahmen, fortschritt};
    };
    std::tie(Shape1, ProgressBar1) =
        schritt(QStringLiteral("Shape1"), 8, 1, QStringLiteral("Herunterladen"));
    std::tie(Shape2, ProgressBar2) =
        schritt(QStringLiteral("Shape2"), 96, 2, QStringLiteral("Installieren"));
}

void TForm1::knoepfeBauen() {
    BitBtn1 = knopf(this, QStringLiteral("BitBtn1"), QStringLiteral("Herunterladen"),
                    {608, 184, 153, 25});
    BitBtn2 =
        knopf(this, QStringLiteral("BitBtn2"), QStringLiteral("Installieren"), {608, 236, 153, 25});
    for (QPushButton* rot : {BitBtn1, BitBtn2}) {
        QFont schrift = rot->font();
        schrift.setPixelSize(13);
        rot->setFont(schrift);
        // Red while enabled; a disabled button keeps the greyed text.
        QPalette palette = rot->palette();
        palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(255, 0, 0));
        palette.setColor(QPalette::Inactive, QPalette::ButtonText, QColor(255, 0, 0));
        rot->setPalette(palette);
    }
    BitBtn3 =
        knopf(this, QStringLiteral("BitBtn3"), QStringLiteral("Abbrechen"), {608, 288, 153, 24});
    BitBtn3->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(BitBtn1, &QPushButton::clicked, this,
            [this] { ausfuehren([this] { m_modell.BitBtn1Click(); }); });
    connect(BitBtn2, &QPushButton::clicked, this,
            [this] { ausfuehren([this] { m_modell.BitBtn2Click(); }); });
    connect(BitBtn3, &QPushButton::clicked, this,
            [this] { ausfuehren([this] { m_modell.BitBtn3Click(); }); });
}

void TForm1::statusleisteBauen() {
    auto* leiste = new QWidget(this);
    leiste->setObjectName(QStringLiteral("StatusBar1"));
    leiste->setGeometry(0, Innengroesse.height() - Statushoehe, Innengroesse.width(), Statushoehe);
    const int breiten[2] = {250, Innengroesse.width() - 250};
    for (int i = 0; i < 2; ++i) {
        Statusfeld[i] = new QLabel(leiste);
        Statusfeld[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        Statusfeld[i]->setGeometry(i * breiten[0], 0, breiten[i], Statushoehe);
        Statusfeld[i]->setAlignment(Qt::AlignCenter);
        Statusfeld[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
}

void TForm1::ausfuehren(const std::function<void()>& operation) {
    operation();
    aktualisieren();
}

void TForm1::aktualisieren() {
    const Nivexmodell& m = m_modell;
    zeigen(Memo1, m.Memo1);
    zeigen(Memo5, m.Memo5);
    zeigen(Memo2, m.Memo2);
    zeigen(Memo3, m.Memo3);
    zeigen(Memo4, m.Memo4);
    for (int i = 0; i < 2; ++i)
        Statusfeld[i]->setText(m.Statusleiste[i]);
    Shape1->setzeStift(m.Shape1Pen);
    Shape2->setzeStift(m.Shape2Pen);
    ProgressBar1->setValue(m.ProgressBar1);
    ProgressBar2->setValue(m.ProgressBar2);
    for (auto [knopf, an] : {std::pair{BitBtn1, m.BitBtn1}, std::pair{BitBtn2, m.BitBtn2},
                             std::pair{BitBtn3, m.BitBtn3}}) {
        // A pressed button that turns off leaves the focus with the window, not with the next
        // text field, so that Enter and Escape keep reaching the buttons.
        if (!an && focusWidget() == knopf)
            knopf->clearFocus();
        knopf->setEnabled(an);
    }
    laufen(Timer1, m.Timer1);
    laufen(Timer2, m.Timer2);
    laufen(Timer3, m.Timer3);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, m.Color ? QColor(m.Color->rot, m.Color->gruen, m.Color->blau)
                                               : QPalette().color(QPalette::Button));
    setPalette(palette);
    if (m.Geschlossen)
        close();
}

// The first activation fills the fields; the model ignores every later one. A window system
// that does not activate a new window (an X server without a window manager) would leave them
// empty, so the first showing fills them all the same.
bool TForm1::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowActivate || ereignis->type() == QEvent::Show)
        ausfuehren([this] { m_modell.FormActivate(); });
    return QWidget::event(ereignis);
}

// Escape and Enter act as the cancel and the default button, except in the text fields, which
// take Enter as a line break.
void TForm1::keyPressEvent(QKeyEvent* ereignis) {
    if (qobject_cast<QPlainTextEdit*>(focusWidget())) {
        QWidget::keyPressEvent(ereignis);
        return;
    }
    switch (ereignis->key()) {
    case Qt::Key_Escape:
        ausfuehren([this] { m_modell.BitBtn3Click(); });
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_modell.BitBtn1)
            ausfuehren([this] { m_modell.BitBtn1Click(); });
        else if (m_modell.BitBtn2)
            ausfuehren([this] { m_modell.BitBtn2Click(); });
        break;
    default:
        QWidget::keyPressEvent(ereignis);
    }
}

// The run ends only through "Abbrechen" or at the end of the install step. Any other close
// request (the window manager's, Alt+F4, the application quitting) counts as "Abbrechen", which
// does nothing while it is disabled.
void TForm1::closeEvent(QCloseEvent* ereignis) {
    if (!m_modell.Geschlossen)
        m_modell.BitBtn3Click();
    ereignis->setAccepted(m_modell.Geschlossen);
}
