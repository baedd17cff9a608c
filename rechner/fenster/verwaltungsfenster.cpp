#include "rechner/fenster/verwaltungsfenster.h"

#include "common/fenster/ausfuehren.h"
#include "common/fenster/formbau.h"
#include "common/zeilen.h"
#include "rechner/fenster/fensterhilfe.h"
#include "rechner/fenster/hauptfenster.h"
#include "rechner/rollenfeld/rolleneditor.h"

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
const QRect PinsBedeckt(328, 24, 41, 267);
const QRect PinsAufgedeckt(328, 256, 41, 35);

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
    m_verlassenKnopf = knopf(
        this, QStringLiteral("BitBtn1"), QStringLiteral("Speichern und Registrierung verlassen"),
        QRect(440, 8, 249, 25), style()->standardIcon(QStyle::SP_DialogSaveButton));
    m_verlassenKnopf->setAutoDefault(false);
    m_seiten = platziert<QTabWidget>(this, QStringLiteral("PageControl1"),
                                     QRect(0, height() - 321, width(), 321));
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
        auto* seite = new QWidget(m_seiten);
        seite->setObjectName(QString::fromLatin1(blatt.name));
        (this->*blatt.bauen)(seite);
        m_seiten->addTab(seite, blatt.titel);
    }
    m_pinDeckel->raise();
    verbinden();
    aktualisieren();
}

void Verwaltungsfenster::zeigen() {
    modelessZeigen(this);
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
    m_hauptfenster.beiMenuepunkt(Hauptfenster::Menuepunkt::Registrieren, [this] { zeigen(); });
    connect(m_verlassenKnopf, &QPushButton::clicked, this, [this] { verlassen(); });
    connect(m_seiten, &QTabWidget::currentChanged, this, [this, &m](int index) {
        if (!m_zeigtModell)
            m.seiteGewaehlt(static_cast<Verwaltung::Seite>(index));
    });
    connect(m_passwortFeld, &QLineEdit::textEdited, this,
            [this, &m](const QString& text) { ausfuehren([&] { m.passwortGetippt(text); }); });
    const std::pair<QPushButton*, void (Verwaltung::*)()> knoepfe[] = {
        {m_oeffnenKnopf, &Verwaltung::rolleOeffnen},
        {m_neueRolleKnopf, &Verwaltung::neueRolle},
        {m_leerenKnopf, &Verwaltung::rolleLeeren},
        {m_autopfadSpeichernKnopf, &Verwaltung::autopfadSpeichern},
        {m_autopfadLoeschenKnopf, &Verwaltung::autopfadLoeschen},
        {m_okKnopf, &Verwaltung::nutzerHinzufuegen},
        {m_alleLoeschenKnopf, &Verwaltung::alleNutzerLoeschen},
    };
    for (const auto& [knopf, operation] : knoepfe) {
        const auto aufruf = operation; // clang 14 cannot capture a structured binding
        connect(knopf, &QPushButton::clicked, this,
                [this, &m, aufruf] { ausfuehren([&] { (m.*aufruf)(); }); });
    }
    // The button reports its outcome in its own message box.
    connect(m_speichernKnopf, &QPushButton::clicked, this,
            [this, &m] { ausfuehren([&] { m.rolleSpeichern(); }); });
    nutzerVerbinden();
    einstellungenVerbinden();
}

void Verwaltungsfenster::nutzerVerbinden() {
    Verwaltung& m = m_modell;
    connect(m_pinFeld, &QLineEdit::textEdited, this,
            [&m](const QString& text) { m.pinGetippt(text); });
    connect(m_nameFeld, &QLineEdit::textEdited, this,
            [this, &m](const QString& text) { ausfuehren([&] { m.nameGetippt(text); }); });
    // OK is the window's default button for the PIN and the name field.
    for (QLineEdit* feld : {m_pinFeld, m_nameFeld})
        connect(feld, &QLineEdit::returnPressed, this, [this] {
            if (m_okKnopf->isEnabled())
                m_okKnopf->click();
        });
    connect(m_nutzerliste, &QPlainTextEdit::textChanged, this, [this, &m] {
        if (!m_zeigtModell)
            ausfuehren([&] { m.nutzerlisteGetippt(ausAnzeige(m_nutzerliste->toPlainText())); });
    });
}

void Verwaltungsfenster::einstellungenVerbinden() {
    Verwaltung& m = m_modell;
    // A click on the radio button already selected runs nothing.
    connect(m_euroKnopf, &QRadioButton::clicked, this,
            [this, &m] { ausfuehren([&] { m.euroGeklickt(); }); });
    connect(m_standardKnopf, &QRadioButton::clicked, this,
            [this, &m] { ausfuehren([&] { m.standardGeklickt(); }); });
    connect(m_ohneAnmeldungFeld, &QCheckBox::clicked, this,
            [this, &m](bool angehakt) { ausfuehren([&] { m.ohneAnmeldungGeklickt(angehakt); }); });
    connect(m_kommastellenRegler, &QSlider::valueChanged, this,
            [this, &m](int position) { ausfuehren([&] { m.kommastellenGeschoben(position); }); });
    connect(m_firmaFeld, &QLineEdit::textEdited, this,
            [&m](const QString& text) { m.firmaGetippt(text); });
}

// Leaving writes both files, hands the roll copy back and closes; a failed settings write
// keeps the window open and unlocked.
void Verwaltungsfenster::verlassen() {
    ausfuehren([this] { m_modell.verlassen(); });
    if (!m_modell.sichtbar()) {
        hide();
        m_hauptfenster.tastaturfokusZurueck();
    }
}

void Verwaltungsfenster::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (!ereignis->spontaneous())
        ausfuehren([this] { m_modell.beimZeigen(); });
}

void Verwaltungsfenster::closeEvent(QCloseEvent* ereignis) {
    ausfuehren([this] { m_modell.beimSchliessen(); });
    m_hauptfenster.tastaturfokusZurueck();
    QWidget::closeEvent(ereignis);
}

// The second press of a double click comes as its own event type; it is a press all the same.
bool Verwaltungsfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    const QEvent::Type art = ereignis->type();
    if (objekt == m_pinDeckel &&
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
    switch (m_modell.fokusNehmen()) {
    case Verwaltung::Fokus::Passwort:
        m_passwortFeld->setFocus();
        break;
    case Verwaltung::Fokus::Pin:
        m_pinFeld->setFocus();
        break;
    case Verwaltung::Fokus::Keiner:
        break;
    }
}

void Verwaltungsfenster::felderAktualisieren() {
    const Verwaltung& m = m_modell;
    const QScopedValueRollback zeigt(m_zeigtModell, true);
    m_seiten->setCurrentIndex(static_cast<int>(m.seite()));
    textSetzen(m_passwortFeld, m.passwortFeld());
    textSetzen(m_pinFeld, m.pinFeld());
    textSetzen(m_nameFeld, m.nameFeld());
    // Typing is limited to 40 characters; a longer name from the settings file is shown whole.
    m_firmaFeld->setMaxLength(std::max<int>(Verwaltung::FirmennameLaenge, m.firmaFeld().size()));
    textSetzen(m_firmaFeld, m.firmaFeld());
    if (ausAnzeige(m_nutzerliste->toPlainText()) != m.nutzerliste())
        m_nutzerliste->setPlainText(alsAnzeige(m.nutzerliste()));
    m_nutzerAnzahl->setText(m.nutzerAnzahlText());
    m_pinDeckel->setGeometry(m.pinsAufgedeckt() ? PinsAufgedeckt : PinsBedeckt);
    m_autopfadAnzeige->setText(m.autopfadAnzeige());
    m_kommastellenText->setText(m.kommastellenText());
    const QSignalBlocker sperre(m_kommastellenRegler);
    m_kommastellenRegler->setValue(m.kommastellenRegler());
    m_euroKnopf->setChecked(m.modus() == Verwaltung::Modus::Euro);
    m_standardKnopf->setChecked(m.modus() == Verwaltung::Modus::Standard);
    m_ohneAnmeldungFeld->setChecked(m.ohneAnmeldungAngehakt());
}

void Verwaltungsfenster::sperreAktualisieren() {
    const bool frei = !m_modell.gesperrt();
    for (QWidget* steuerelement : std::initializer_list<QWidget*>{
             m_okKnopf, m_alleLoeschenKnopf, m_autopfadSpeichernKnopf, m_autopfadLoeschenKnopf,
             m_neueRolleKnopf, m_oeffnenKnopf, m_speichernKnopf, m_leerenKnopf,
             m_kommastellenRegler, m_euroKnopf, m_standardKnopf, m_ohneAnmeldungFeld, m_firmaFeld,
             m_rollenkopie})
        steuerelement->setEnabled(frei);
    for (QWidget* steuerelement : std::initializer_list<QWidget*>{
             m_nameFeld, m_pinFeld, m_nutzerliste, m_pinDeckel, m_autopfadAnzeige})
        steuerelement->setVisible(frei);
}
