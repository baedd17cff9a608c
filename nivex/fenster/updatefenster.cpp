#include "nivex/fenster/updatefenster.h"

#include "common/fenster/ausfuehren.h"
#include "common/fenster/formbau.h"
#include "common/zeilen.h"
#include "nivex/fenster/stufenrahmen.h"
#include "nivex/fenster/zeilenmass.h"

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

QPlainTextEdit* textfeld(QWidget* eltern, const QString& name, const QRect& ort,
                         const QColor& farbe, bool nurLesen) {
    auto* feld = platziert<QPlainTextEdit>(eltern, name, ort);
    feld->setReadOnly(nurLesen);
    // Tab leaves the field, so that a tab typed by habit never lands in a folder name and the
    // keys of the buttons stay within reach of the keyboard.
    feld->setTabChangesFocus(true);
    QPalette palette = feld->palette();
    palette.setColor(QPalette::Base, farbe);
    palette.setColor(QPalette::Text, Qt::black);
    feld->setPalette(palette);
    return feld;
}

QLabel* schwarz(QWidget* eltern, const QString& name, const QString& text, QPoint ort) {
    return beschriftung(eltern, name, text, ort, QStringLiteral("color: black;"));
}

// The big black bold captions of the two steps.
QLabel* schwarzFett(QWidget* eltern, const QString& name, const QString& text, QPoint ort,
                    int hoehe) {
    return beschriftung(
        eltern, name, text, ort,
        QStringLiteral("color: black; font-weight: bold; font-size: %1px;").arg(hoehe));
}

// A picture stretched to its box, with a sunken bevel over its edge.
void bild(QWidget* eltern, const QString& name, const QString& bevel, const QString& datei,
          const QRect& ort) {
    auto* image = platziert<QLabel>(eltern, name, ort);
    image->setScaledContents(true);
    image->setPixmap(QPixmap(datei));
    rahmen(eltern, bevel, ort, QFrame::Box | QFrame::Sunken)
        ->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void zeigen(QPlainTextEdit* feld, const QString& feldtext) {
    const QString text = alsAnzeige(feldtext);
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

Updatefenster::Updatefenster(NivexAussenwelt& welt, const QString& basisadresse,
                             const QString& programmordner, QWidget* eltern)
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
         {std::tuple{&m_downloadZeitgeber, "Timer1", &Updatemodell::downloadTick},
          std::tuple{&m_nachDownloadZeitgeber, "Timer2", &Updatemodell::nachDownloadTick},
          std::tuple{&m_installZeitgeber, "Timer3", &Updatemodell::installTick}}) {
        zeitgeber->setObjectName(QString::fromLatin1(name));
        zeitgeber->setParent(this);
        zeitgeber->setInterval(1000);
        const auto schritt = tick; // clang 14 cannot capture a structured binding
        connect(zeitgeber, &QTimer::timeout, this,
                [this, schritt] { ausfuehren([this, schritt] { (m_modell.*schritt)(); }); });
    }

    m_modell.zeilenmassSetzen([this](Textfeld feld, const QString& zeile) {
        return angezeigteZeilen(
            feld == Textfeld::Information ? *m_informationsFeld : *m_hilfeKennungFeld, zeile);
    });
    // The download blocks the event loop: what the window shows until it ends is painted now.
    m_modell.vorDerUebertragungSetzen([this] {
        aktualisieren();
        repaint();
    });
    m_modell.erstellen(programmordner);
    aktualisieren();
    if (const QScreen* bildschirm = screen())
        move(bildschirm->availableGeometry().center() - rect().center());
}

void Updatefenster::felderBauen() {
    const QColor creme(255, 251, 240);
    schwarz(this, QStringLiteral("Label1"), QStringLiteral("Download-Pfad"), {8, 96});
    m_downloadOrdnerFeld = textfeld(this, QStringLiteral("Memo1"), {8, 112, 505, 41}, creme, false);
    schwarz(this, QStringLiteral("Label2"), QStringLiteral("Dateiversionen"), {8, 168});
    m_aktuelleVersionFeld =
        textfeld(this, QStringLiteral("Memo5"), {8, 184, 177, 41}, QColor(192, 192, 192), false);
    m_neueVersionFeld =
        textfeld(this, QStringLiteral("Memo2"), {8, 232, 177, 41}, QColor(192, 220, 192), true);
    schwarz(this, QStringLiteral("Label3"), QStringLiteral("Informationen zum neuen Update"),
            {192, 168});
    m_informationsFeld = textfeld(this, QStringLiteral("Memo3"), {192, 184, 409, 129}, creme, true);
    m_informationsFeld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_hilfeKennungFeld =
        textfeld(this, QStringLiteral("Memo4"), {344, 122, 65, 25}, Qt::white, false);
    // Without scroll bars its lines are always as wide as the field.
    m_hilfeKennungFeld->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hilfeKennungFeld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_hilfeKennungFeld->hide();

    // Typed text reaches the model at once: the download step reads the folder field.
    connect(m_downloadOrdnerFeld, &QPlainTextEdit::textChanged, this, [this] {
        m_modell.downloadOrdnerGetippt(ausAnzeige(m_downloadOrdnerFeld->toPlainText()));
    });
    connect(m_aktuelleVersionFeld, &QPlainTextEdit::textChanged, this, [this] {
        m_modell.aktuelleVersionGetippt(ausAnzeige(m_aktuelleVersionFeld->toPlainText()));
    });
}

void Updatefenster::schritteBauen() {
    const auto schritt = [this](const QString& name, int oben, int nummer, const QString& text) {
        auto* rahmen = platziert<Stufenrahmen>(this, name, QRect(520, oben, 241, 57));
        schwarzFett(this, QStringLiteral("Label%1").arg(2 * nummer + 2), QString::number(nummer),
                    {544, oben + 16}, 24);
        schwarzFett(this, QStringLiteral("Label%1").arg(2 * nummer + 3), text, {590, oben + 19},
                    19);
        auto* fortschritt = platziert<QProgressBar>(
            this, QStringLiteral("ProgressBar%1").arg(nummer), QRect(520, oben + 64, 241, 12));
        fortschritt->setRange(0, 100);
        fortschritt->setValue(0);
        fortschritt->setTextVisible(false);
        return std::pair{rahmen, fortschritt};
    };
    std::tie(m_downloadRahmen, m_downloadBalken) =
        schritt(QStringLiteral("Shape1"), 8, 1, QStringLiteral("Herunterladen"));
    std::tie(m_installRahmen, m_installBalken) =
        schritt(QStringLiteral("Shape2"), 96, 2, QStringLiteral("Installieren"));
}

void Updatefenster::knoepfeBauen() {
    m_herunterladenKnopf = knopf(this, QStringLiteral("BitBtn1"), QStringLiteral("Herunterladen"),
                                 {608, 184, 153, 25});
    m_installierenKnopf =
        knopf(this, QStringLiteral("BitBtn2"), QStringLiteral("Installieren"), {608, 236, 153, 25});
    for (QPushButton* rot : {m_herunterladenKnopf, m_installierenKnopf}) {
        QFont schrift = rot->font();
        schrift.setPixelSize(13);
        rot->setFont(schrift);
        // Red while enabled; a disabled button keeps the greyed text.
        QPalette palette = rot->palette();
        palette.setColor(QPalette::Active, QPalette::ButtonText, QColor(255, 0, 0));
        palette.setColor(QPalette::Inactive, QPalette::ButtonText, QColor(255, 0, 0));
        rot->setPalette(palette);
    }
    m_abbrechenKnopf =
        knopf(this, QStringLiteral("BitBtn3"), QStringLiteral("Abbrechen"), {608, 288, 153, 24});
    m_abbrechenKnopf->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    connect(m_herunterladenKnopf, &QPushButton::clicked, this,
            [this] { ausfuehren([this] { m_modell.herunterladen(); }); });
    connect(m_installierenKnopf, &QPushButton::clicked, this,
            [this] { ausfuehren([this] { m_modell.installieren(); }); });
    connect(m_abbrechenKnopf, &QPushButton::clicked, this,
            [this] { ausfuehren([this] { m_modell.abbrechen(); }); });
}

void Updatefenster::statusleisteBauen() {
    auto* leiste = platziert<QWidget>(
        this, QStringLiteral("StatusBar1"),
        QRect(0, Innengroesse.height() - Statushoehe, Innengroesse.width(), Statushoehe));
    const int breiten[2] = {250, Innengroesse.width() - 250};
    for (int i = 0; i < 2; ++i) {
        m_statusfelder[i] = platziert<QLabel>(leiste, QStringLiteral("StatusPanel%1").arg(i),
                                              QRect(i * breiten[0], 0, breiten[i], Statushoehe));
        m_statusfelder[i]->setAlignment(Qt::AlignCenter);
        m_statusfelder[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    }
}

void Updatefenster::ausfuehren(const std::function<void()>& operation) {
    ::ausfuehren(this, operation, [this] { aktualisieren(); });
}

void Updatefenster::aktualisieren() {
    const Updatemodell& m = m_modell;
    zeigen(m_downloadOrdnerFeld, m.downloadOrdner());
    zeigen(m_aktuelleVersionFeld, m.aktuelleVersion());
    zeigen(m_neueVersionFeld, m.neueVersionFeld());
    zeigen(m_informationsFeld, m.information());
    zeigen(m_hilfeKennungFeld, m.hilfeKennung());
    for (int i = 0; i < 2; ++i)
        m_statusfelder[i]->setText(m.statuszeile(i));
    m_downloadRahmen->setzeStift(m.downloadStift());
    m_installRahmen->setzeStift(m.installStift());
    m_downloadBalken->setValue(m.downloadFortschritt());
    m_installBalken->setValue(m.installFortschritt());
    for (auto [knopf, an] : {std::pair{m_herunterladenKnopf, m.herunterladenAktiv()},
                             std::pair{m_installierenKnopf, m.installierenAktiv()},
                             std::pair{m_abbrechenKnopf, m.abbrechenAktiv()}}) {
        // A pressed button that turns off leaves the focus with the window, not with the next
        // text field, so that Enter and Escape keep reaching the buttons.
        if (!an && focusWidget() == knopf)
            knopf->clearFocus();
        knopf->setEnabled(an);
    }
    using Schritt = Updatemodell::Schritt;
    laufen(m_downloadZeitgeber, m.schritt() == Schritt::Download);
    laufen(m_nachDownloadZeitgeber, m.schritt() == Schritt::NachDownload);
    laufen(m_installZeitgeber, m.schritt() == Schritt::Installation);
    const std::optional<Rgb> farbe = m.farbe();
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, farbe ? QColor(farbe->rot, farbe->gruen, farbe->blau)
                                             : QPalette().color(QPalette::Button));
    setPalette(palette);
    if (m.geschlossen())
        close();
}

// The first activation fills the fields; the model ignores every later one. A window system
// that does not activate a new window (an X server without a window manager) would leave them
// empty, so the first showing fills them all the same.
bool Updatefenster::event(QEvent* ereignis) {
    if (ereignis->type() == QEvent::WindowActivate || ereignis->type() == QEvent::Show)
        ausfuehren([this] { m_modell.aktivieren(); });
    return QWidget::event(ereignis);
}

// Escape and Enter act as the cancel and the default button, except in the text fields, which
// take Enter as a line break.
void Updatefenster::keyPressEvent(QKeyEvent* ereignis) {
    if (qobject_cast<QPlainTextEdit*>(focusWidget())) {
        QWidget::keyPressEvent(ereignis);
        return;
    }
    switch (ereignis->key()) {
    case Qt::Key_Escape:
        ausfuehren([this] { m_modell.abbrechen(); });
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_modell.herunterladenAktiv())
            ausfuehren([this] { m_modell.herunterladen(); });
        else if (m_modell.installierenAktiv())
            ausfuehren([this] { m_modell.installieren(); });
        break;
    default:
        QWidget::keyPressEvent(ereignis);
    }
}

// The run ends only through "Abbrechen" or at the end of the install step. Any other close
// request (the window manager's, Alt+F4, the application quitting) counts as "Abbrechen", which
// does nothing while it is disabled.
void Updatefenster::closeEvent(QCloseEvent* ereignis) {
    if (!m_modell.geschlossen())
        m_modell.abbrechen();
    ereignis->setAccepted(m_modell.geschlossen());
}
