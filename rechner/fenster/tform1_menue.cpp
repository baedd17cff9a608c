// Main window: print, about box, outside links and status hints.
#include "rechner/fenster/tform1.h"

#include "rechner/fenster/fensterhilfe.h"
#include "rechner/fenster/tform4.h"
#include "rechner/fenster/tform5.h"
#include "rechner/kern/programmstart.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

namespace {

struct Hinweis {
    int nummer;
    const char16_t* text;
};

// The keys that explain themselves in status panel 0 while the pointer moves over them.
constexpr Hinweis Hinweise[] = {
    {18, u"Alles löschen"},
    {26, u"Letzten Wert löschen"},
    {25, u"Neues Datum setzen"},
    {19, u"Speicher löschen"},
    {22, u"Speicherrückruf"},
    {21, u"Wert zum Speicher addieren"},
    {23, u"Wert vom Speicher subtrahieren"},
    {13, u"Wert umwandeln - pos. -neg.- pos."},
    {24, u"Umrechnung Minuten in Stunden"},
    {29, u"Umrechnung Stunden in Minuten"},
    {30, u"Umrechnung Minuten in Dezimalzahl"},
};

} // namespace

void TForm1::menueVerbinden() {
    connect(Drucken2, &QAction::triggered, this,
            [this] { ausfuehren([this] { Drucken2Click(); }); });
    connect(Info2, &QAction::triggered, this, [this] { Info2Click(); });
    connect(MorvaneWebseite1, &QAction::triggered, this, [this] { MorvaneWebseite1Click(); });
    connect(FragenEMailFragenanMorvane1, &QAction::triggered, this,
            [this] { FragenEMailFragenanMorvane1Click(); });
    connect(Hilfe1, &QAction::triggered, this, [this] { Hilfe1Click(); });

    for (const Hinweis& hinweis : Hinweise)
        m_tasten[hinweis.nummer]->setMouseTracking(true);
    // Only the keypad body and the window's free area empty the hint; the cover, the bars and
    // the captions on the keypad body leave it as it is.
    for (QWidget* ohneHinweis : QList<QWidget*>{Panel3, menuBar(), statusBar()})
        ohneHinweis->setAttribute(Qt::WA_NoMousePropagation);
    for (QLabel* beschriftung : Panel1->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        beschriftung->setAttribute(Qt::WA_NoMousePropagation);
}

void TForm1::hinweisBeiBewegung(QObject* objekt) {
    if (objekt == Panel1) {
        m_modell.statuszeile[0].clear(); // Panel1MouseMove
    } else {
        const auto* hinweis =
            std::find_if(std::begin(Hinweise), std::end(Hinweise),
                         [&](const Hinweis& h) { return m_tasten[h.nummer] == objekt; });
        if (hinweis == std::end(Hinweise))
            return;
        m_modell.statuszeile[0] = QString::fromUtf16(hinweis->text);
    }
    StatusPanel[0]->setText(m_modell.statuszeile[0]);
}

void TForm1::Drucken2Click() {
    if (!Form5)
        return;
    Form5->QuickRep8.fuellen(m_modell);
    Form5->Vorschau(this);
}

// Shows the about box beside the main window; when it is open already it comes to the front.
void TForm1::Info2Click() {
    if (!Form4)
        return;
    ModelessZeigen(Form4);
}

void TForm1::MorvaneWebseite1Click() {
    shell->oeffnen(MorvaneWebseite);
}

void TForm1::FragenEMailFragenanMorvane1Click() {
    shell->oeffnen(QStringLiteral("mailto:") + MorvaneEMail);
}

void TForm1::Internet1Click() {
    shell->oeffnen(MorvaneWebseite);
}

void TForm1::eMail1Click() {
    shell->oeffnen(QStringLiteral("mailto:") + MorvaneEMail);
}

// The help file is handed to the shell without looking whether it exists.
void TForm1::Hilfe1Click() {
    AufrufPfad = Programmordner() + QStringLiteral("RechnerHilfe.chm");
    AufrufExtern();
}

void TForm1::AufrufExtern() {
    shell->oeffnen(AufrufPfad);
}
