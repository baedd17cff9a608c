#include "rechner/fenster/verwaltungsfenster.h"

#include "common/fenster/ausfuehren.h"
#include "common/zeilen.h"
#include "rechner/fenster/fensterhilfe.h"
#include "rechner/fenster/hauptfenster.h"
#include "rechner/fenster/rolleneditor.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <algorithm>

namespace {

// Where the red cover over the PIN column stands, covering the PINs or pulled down to uncover
// them.
const QRect pinsBedeckt(328, 24, 41, 267);
const QRect pinsAufgedeckt(328, 256, 41, 35);

} // namespace

Verwaltungsfenster::Verwaltungsfenster(Hauptfenster& hauptfenster, Verwaltung& verwaltung)
    : QWidget(&hauptfenster, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_hauptfenster(hauptfenster), m_modell(verwaltung) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Registrierung"));
    setFixedSize(703, 378);
    // A sans-serif with the narrow metrics the places of the controls were laid out for.
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(11);
    setFont(schrift);
    verlassenKnopf = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                                     QStringLiteral("Speichern und Registrierung verlassen"), this);
    verlassenKnopf->setObjectName(QStringLiteral("BitBtn1"));
    verlassenKnopf->setGeometry(440, 8, 249, 25);
    verlassenKnopf->setAutoDefault(false);
    seiten = new QTabWidget(this);
    seiten->setObjectName(QStringLiteral("PageControl1"));
    seiten->setGeometry(0, height() - 321, width(), 321);
    const struct {
        const char* name;
        QString titel;
        void (Verwaltungsfenster::*bauen)(QWidget*);
    } blaetter[] = {
        {"TabSheet1", QStringLiteral("Login"), &Verwaltungsfenster::loginBauen},
        {"TabSheet2", QStringLiteral("Nutzerverwaltung"), &Verwaltungsfenster::nutzerBauen},
        {"TabSheet4", QStringLiteral("Rollenverwaltung/Autopfad"),
         &Verwaltungsfenster::rollenBauen},
        {"TabSheet5", QStringLiteral("Programmeinstellungen"),
         &Verwaltungsfenster::einstellungenBauen},
    };
    for (const auto& blatt : blaetter) {
        auto* seite = new QWidget(seiten);
        seite->setObjectName(QString::fromLatin1(blatt.name));
        (this->*blatt.bauen)(seite);
        seiten->addTab(seite, blatt.titel);
    }
    pinDeckel->raise();
    verbinden();
    aktualisieren();
}

void Verwaltungsfenster::zeigen() {
    ModelessZeigen(this);
}

// The operations also change the main window's cover, menu items, status bar and roll.
void Verwaltungsfenster::ausfuehren(const std::function<void()>& operation) {
    ::ausfuehren(this, operation, [this] {
        aktualisieren();
        m_hauptfenster.aktualisieren();
    });
}

void Verwaltungsfenster::verbinden() {
    Verwaltung& m = m_modell;
    connect(m_hauptfenster.registrierenAktion, &QAction::triggered, this, [this] { zeigen(); });
    connect(verlassenKnopf, &QPushButton::clicked, this, [this] { verlassen(); });
    connect(seiten, &QTabWidget::currentChanged, this, [this, &m](int index) {
        if (!m_zeigtModell)
            m.seite = static_cast<Verwaltung::Seite>(index);
    });
    connect(passwortFeld, &QLineEdit::textEdited, this,
            [this, &m](const QString& text) { ausfuehren([&] { m.passwortGetippt(text); }); });
    const std::pair<QPushButton*, void (Verwaltung::*)()> knoepfe[] = {
        {oeffnenKnopf, &Verwaltung::rolleOeffnen},
        {speichernKnopf, &Verwaltung::rolleSpeichern},
        {neueRolleKnopf, &Verwaltung::neueRolle},
        {leerenKnopf, &Verwaltung::rolleLeeren},
        {autopfadSpeichernKnopf, &Verwaltung::autopfadSpeichern},
        {autopfadLoeschenKnopf, &Verwaltung::autopfadLoeschen},
        {okKnopf, &Verwaltung::nutzerHinzufuegen},
        {alleLoeschenKnopf, &Verwaltung::alleNutzerLoeschen},
    };
    for (const auto& [knopf, operation] : knoepfe) {
        const auto aufruf = operation; // clang 14 cannot capture a structured binding
        connect(knopf, &QPushButton::clicked, this,
                [this, &m, aufruf] { ausfuehren([&] { (m.*aufruf)(); }); });
    }
    nutzerVerbinden();
    einstellungenVerbinden();
}

void Verwaltungsfenster::nutzerVerbinden() {
    Verwaltung& m = m_modell;
    connect(pinFeld, &QLineEdit::textEdited, this, [&m](const QString& text) { m.pinFeld = text; });
    connect(nameFeld, &QLineEdit::textEdited, this,
            [this, &m](const QString& text) { ausfuehren([&] { m.nameGetippt(text); }); });
    // OK is the window's default button for the PIN and the name field.
    for (QLineEdit* feld : {pinFeld, nameFeld})
        connect(feld, &QLineEdit::returnPressed, this, [this] {
            if (okKnopf->isEnabled())
                okKnopf->click();
        });
    connect(nutzerliste, &QPlainTextEdit::textChanged, this, [this, &m] {
        if (!m_zeigtModell)
            ausfuehren([&] { m.nutzerlisteGetippt(ausAnzeige(nutzerliste->toPlainText())); });
    });
}

void Verwaltungsfenster::einstellungenVerbinden() {
    Verwaltung& m = m_modell;
    // A click on the radio button already selected runs nothing.
    connect(euroKnopf, &QRadioButton::clicked, this, [this, &m] {
        ausfuehren([&] {
            if (!m.euroMarkiert)
                m.euroWaehlen();
        });
    });
    connect(standardKnopf, &QRadioButton::clicked, this, [this, &m] {
        ausfuehren([&] {
            if (!m.standardMarkiert)
                m.standardWaehlen();
        });
    });
    connect(ohneAnmeldungFeld, &QCheckBox::clicked, this, [this, &m](bool angehakt) {
        ausfuehren([&] {
            m.ohneAnmeldungAngehakt = angehakt;
            m.ohneAnmeldungGeaendert();
        });
    });
    connect(kommastellenRegler, &QSlider::valueChanged, this, [this, &m](int position) {
        ausfuehren([&] {
            m.kommastellenRegler = position;
            m.kommastellenGeaendert();
        });
    });
    connect(firmaFeld, &QLineEdit::textEdited, this,
            [&m](const QString& text) { m.firmaFeld = text; });
}

// Leaving writes both files, hands the roll copy back and closes; a failed settings write
// keeps the window open and unlocked.
void Verwaltungsfenster::verlassen() {
    ausfuehren([this] { m_modell.verlassen(); });
    if (!m_modell.sichtbar) {
        hide();
        m_hauptfenster.tastaturfeld->setFocus();
    }
}

void Verwaltungsfenster::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (!ereignis->spontaneous())
        ausfuehren([this] { m_modell.beimZeigen(); });
}

void Verwaltungsfenster::closeEvent(QCloseEvent* ereignis) {
    ausfuehren([this] { m_modell.beimSchliessen(); });
    m_hauptfenster.tastaturfeld->setFocus();
    QWidget::closeEvent(ereignis);
}

// The second press of a double click comes as its own event type; it is a press all the same.
bool Verwaltungsfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    const QEvent::Type art = ereignis->type();
    if (objekt == pinDeckel &&
        (art == QEvent::MouseButtonPress || art == QEvent::MouseButtonDblClick))
        ausfuehren([this] { m_modell.pinDeckelGedrueckt(); });
    return QWidget::eventFilter(objekt, ereignis);
}

void Verwaltungsfenster::aktualisieren() {
    felderAktualisieren();
    sperreAktualisieren();
    fokusSetzen();
}

void Verwaltungsfenster::fokusSetzen() {
    switch (std::exchange(m_modell.fokus, Verwaltung::Fokus::Keiner)) {
    case Verwaltung::Fokus::Passwort:
        passwortFeld->setFocus();
        break;
    case Verwaltung::Fokus::Pin:
        pinFeld->setFocus();
        break;
    case Verwaltung::Fokus::Keiner:
        break;
    }
}

void Verwaltungsfenster::felderAktualisieren() {
    const Verwaltung& m = m_modell;
    const QScopedValueRollback zeigt(m_zeigtModell, true);
    seiten->setCurrentIndex(static_cast<int>(m.seite));
    TextSetzen(passwortFeld, m.passwortFeld);
    TextSetzen(pinFeld, m.pinFeld);
    TextSetzen(nameFeld, m.nameFeld);
    // Typing is limited to 40 characters; a longer name from the settings file is shown whole.
    firmaFeld->setMaxLength(std::max<int>(Verwaltung::FirmennameLaenge, m.firmaFeld.size()));
    TextSetzen(firmaFeld, m.firmaFeld);
    if (ausAnzeige(nutzerliste->toPlainText()) != m.nutzerliste)
        nutzerliste->setPlainText(alsAnzeige(m.nutzerliste));
    nutzerAnzahl->setText(m.nutzerAnzahlText);
    pinDeckel->setGeometry(m.pinsAufgedeckt ? pinsAufgedeckt : pinsBedeckt);
    autopfadAnzeige->setText(m.autopfadAnzeige);
    kommastellenText->setText(m.kommastellenText);
    const QSignalBlocker sperre(kommastellenRegler);
    kommastellenRegler->setValue(m.kommastellenRegler);
    euroKnopf->setChecked(m.euroMarkiert);
    standardKnopf->setChecked(m.standardMarkiert);
    ohneAnmeldungFeld->setChecked(m.ohneAnmeldungAngehakt);
}

void Verwaltungsfenster::sperreAktualisieren() {
    const bool frei = !m_modell.gesperrt;
    for (QWidget* steuerelement : std::initializer_list<QWidget*>{
             okKnopf, alleLoeschenKnopf, autopfadSpeichernKnopf, autopfadLoeschenKnopf,
             neueRolleKnopf, oeffnenKnopf, speichernKnopf, leerenKnopf, kommastellenRegler,
             euroKnopf, standardKnopf, ohneAnmeldungFeld, firmaFeld, rollenkopie})
        steuerelement->setEnabled(frei);
    for (QWidget* steuerelement : std::initializer_list<QWidget*>{nameFeld, pinFeld, nutzerliste,
                                                                  pinDeckel, autopfadAnzeige})
        steuerelement->setVisible(frei);
}
