#include "rechner/fenster/tform2.h"

#include "common/fehler.h"
#include "rechner/fenster/dialoge.h"
#include "rechner/fenster/fensterhilfe.h"
#include "rechner/fenster/rolleneditor.h"
#include "rechner/fenster/tform1.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <algorithm>

namespace {

// The list holds CR LF line breaks, the edit field LF alone.
QString alsFeldtext(const QString& liste) {
    return QString(liste).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString alsListe(const QString& feldtext) {
    return QString(feldtext).replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// Keeps the cursor where it was, so that a field turning letters to upper case can be typed
// into anywhere.
void setzeText(QLineEdit* feld, const QString& text) {
    if (feld->text() == text)
        return;
    const int cursor = feld->cursorPosition();
    feld->setText(text);
    feld->setCursorPosition(std::min<int>(cursor, text.size()));
}

} // namespace

TForm2::TForm2(TForm1& form1, Dialoge& dialoge)
    : QWidget(&form1, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_form1(form1),
      m_modell(form1.modell().w, form1.modell(), dialoge) {
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Registrierung"));
    setFixedSize(703, 378);
    // A sans-serif with the narrow metrics the places of the controls were laid out for.
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPixelSize(11);
    setFont(schrift);
    BitBtn1 = new QPushButton(style()->standardIcon(QStyle::SP_DialogSaveButton),
                              QStringLiteral("Speichern und Registrierung verlassen"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn1->setGeometry(440, 8, 249, 25);
    BitBtn1->setAutoDefault(false);
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName(QStringLiteral("PageControl1"));
    PageControl1->setGeometry(0, height() - 321, width(), 321);
    const struct {
        const char* name;
        QString titel;
        void (TForm2::*bauen)(QWidget*);
    } seiten[] = {
        {"TabSheet1", QStringLiteral("Login"), &TForm2::loginBauen},
        {"TabSheet2", QStringLiteral("Nutzerverwaltung"), &TForm2::nutzerBauen},
        {"TabSheet4", QStringLiteral("Rollenverwaltung/Autopfad"), &TForm2::rollenBauen},
        {"TabSheet5", QStringLiteral("Programmeinstellungen"), &TForm2::einstellungenBauen},
    };
    for (const auto& seite : seiten) {
        auto* blatt = new QWidget(PageControl1);
        blatt->setObjectName(QString::fromLatin1(seite.name));
        (this->*seite.bauen)(blatt);
        PageControl1->addTab(blatt, seite.titel);
    }
    Panel1->raise();
    verbinden();
    aktualisieren();
}

TForm2::~TForm2() {
    delete PageControl1;
}

void TForm2::zeigen() {
    ModelessZeigen(this);
}

void TForm2::ausfuehren(const std::function<void()>& operation) {
    try {
        operation();
        aktualisieren();
        m_form1.aktualisieren();
    } catch (const Fehler& fehler) {
        aktualisieren();
        m_form1.aktualisieren();
        Fehlerbox(this, fehler.text());
    }
}

void TForm2::verbinden() {
    Registrierung& m = m_modell;
    connect(BitBtn1, &QPushButton::clicked, this, [this] { verlassen(); });
    connect(PageControl1, &QTabWidget::currentChanged, this, [this, &m](int index) {
        if (!m_zeigtModell)
            m.PageControl1 = static_cast<Registrierung::Seite>(index);
    });
    connect(Edit3, &QLineEdit::textEdited, this,
            [this, &m](const QString& text) { ausfuehren([&] { m.Edit3Getippt(text); }); });
    const std::pair<QPushButton*, void (Registrierung::*)()> knoepfe[] = {
        {BitBtn23, &Registrierung::BitBtn23Click}, {BitBtn24, &Registrierung::BitBtn24Click},
        {BitBtn6, &Registrierung::BitBtn6Click},   {BitBtn29, &Registrierung::BitBtn29Click},
        {BitBtn4, &Registrierung::BitBtn4Click},   {BitBtn5, &Registrierung::BitBtn5Click},
        {BitBtn2, &Registrierung::BitBtn2Click},   {BitBtn3, &Registrierung::BitBtn3Click},
    };
    for (const auto& [knopf, operation] : knoepfe) {
        const auto aufruf = operation; // clang 14 cannot capture a structured binding
        connect(knopf, &QPushButton::clicked, this,
                [this, &m, aufruf] { ausfuehren([&] { (m.*aufruf)(); }); });
    }
    nutzerVerbinden();
    einstellungenVerbinden();
}

void TForm2::nutzerVerbinden() {
    Registrierung& m = m_modell;
    connect(Edit2, &QLineEdit::textEdited, this, [&m](const QString& text) { m.Edit2 = text; });
    connect(Edit1, &QLineEdit::textEdited, this,
            [this, &m](const QString& text) { ausfuehren([&] { m.Edit1Getippt(text); }); });
    // OK is the window's default button for the PIN and the name field.
    for (QLineEdit* feld : {Edit2, Edit1})
        connect(feld, &QLineEdit::returnPressed, this, [this] {
            if (BitBtn2->isEnabled())
                BitBtn2->click();
        });
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this, &m] {
        if (!m_zeigtModell)
            ausfuehren([&] { m.Memo1Getippt(alsListe(Memo1->toPlainText())); });
    });
}

void TForm2::einstellungenVerbinden() {
    Registrierung& m = m_modell;
    // A click on the radio button already selected runs nothing.
    connect(RadioButton1, &QRadioButton::clicked, this, [this, &m] {
        ausfuehren([&] {
            if (!m.RadioButton1)
                m.RadioButton1Click();
        });
    });
    connect(RadioButton2, &QRadioButton::clicked, this, [this, &m] {
        ausfuehren([&] {
            if (!m.RadioButton2)
                m.RadioButton2Click();
        });
    });
    connect(CheckBox1, &QCheckBox::clicked, this, [this, &m](bool angehakt) {
        ausfuehren([&] {
            m.CheckBox1 = angehakt;
            m.CheckBox1Click();
        });
    });
    connect(TrackBar1, &QSlider::valueChanged, this, [this, &m](int position) {
        ausfuehren([&] {
            m.TrackBar1 = position;
            m.TrackBar1Change();
        });
    });
    connect(Edit4, &QLineEdit::textEdited, this, [&m](const QString& text) { m.Edit4 = text; });
}

// Leaving writes both files, hands the roll copy back and closes; a failed settings write
// keeps the window open and unlocked.
void TForm2::verlassen() {
    ausfuehren([this] { m_modell.BitBtn1Click(); });
    if (!m_modell.Sichtbar) {
        hide();
        m_form1.Edit1->setFocus();
    }
}

void TForm2::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (!ereignis->spontaneous())
        ausfuehren([this] { m_modell.FormShow(); });
}

void TForm2::closeEvent(QCloseEvent* ereignis) {
    ausfuehren([this] { m_modell.FormClose(); });
    m_form1.Edit1->setFocus();
    QWidget::closeEvent(ereignis);
}

// The second press of a double click comes as its own event type; it is a press all the same.
bool TForm2::eventFilter(QObject* objekt, QEvent* ereignis) {
    const QEvent::Type art = ereignis->type();
    if (objekt == Panel1 && (art == QEvent::MouseButtonPress || art == QEvent::MouseButtonDblClick))
        ausfuehren([this] { m_modell.Panel1MouseDown(); });
    return QWidget::eventFilter(objekt, ereignis);
}

void TForm2::aktualisieren() {
    felderAktualisieren();
    sperreAktualisieren();
    if (!m_modell.Fokus.isEmpty()) {
        if (auto* ziel = findChild<QWidget*>(m_modell.Fokus))
            ziel->setFocus();
        m_modell.Fokus.clear();
    }
}

void TForm2::felderAktualisieren() {
    const Registrierung& m = m_modell;
    m_zeigtModell = true;
    PageControl1->setCurrentIndex(static_cast<int>(m.PageControl1));
    setzeText(Edit3, m.Edit3);
    setzeText(Edit2, m.Edit2);
    setzeText(Edit1, m.Edit1);
    // Typing is limited to 40 characters; a longer name from the settings file is shown whole.
    Edit4->setMaxLength(std::max<int>(Registrierung::FirmennameLaenge, m.Edit4.size()));
    setzeText(Edit4, m.Edit4);
    if (alsListe(Memo1->toPlainText()) != m.Memo1)
        Memo1->setPlainText(alsFeldtext(m.Memo1));
    Label6->setText(m.Label6);
    Panel1->setGeometry(328, m.Panel1Top, 41, m.Panel1Hoehe);
    Panel2->setText(m.Panel2);
    Label9->setText(m.Label9);
    const QSignalBlocker sperre(TrackBar1);
    TrackBar1->setValue(m.TrackBar1);
    RadioButton1->setChecked(m.RadioButton1);
    RadioButton2->setChecked(m.RadioButton2);
    CheckBox1->setChecked(m.CheckBox1);
    m_zeigtModell = false;
}

void TForm2::sperreAktualisieren() {
    const bool frei = !m_modell.Gesperrt;
    for (QWidget* steuerelement : std::initializer_list<QWidget*>{
             BitBtn2, BitBtn3, BitBtn4, BitBtn5, BitBtn6, BitBtn23, BitBtn24, BitBtn29, TrackBar1,
             RadioButton1, RadioButton2, CheckBox1, Edit4, RichEdit1})
        steuerelement->setEnabled(frei);
    for (QWidget* steuerelement :
         std::initializer_list<QWidget*>{Edit1, Edit2, Memo1, Panel1, Panel2})
        steuerelement->setVisible(frei);
}
