// Main window: outside links and status hints.
#include "rechner/fenster/hauptfenster.h"

#include "rechner/fenster/infofenster.h"
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

void Hauptfenster::menueVerbinden() {
    connect(webseiteAktion, &QAction::triggered, this, [this] { webseiteOeffnen(); });
    connect(emailAktion, &QAction::triggered, this, [this] { emailSchreiben(); });
    connect(hilfeAktion, &QAction::triggered, this, [this] { hilfeOeffnen(); });

    for (const Hinweis& hinweis : Hinweise)
        m_tasten[hinweis.nummer]->setMouseTracking(true);
    // Only the keypad body and the window's free area empty the hint; the cover, the bars and
    // the captions on the keypad body leave it as it is.
    for (QWidget* ohneHinweis : QList<QWidget*>{anmeldeDeckel, menuBar(), statusBar()})
        ohneHinweis->setAttribute(Qt::WA_NoMousePropagation);
    for (QLabel* beschriftung : tastenkoerper->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        beschriftung->setAttribute(Qt::WA_NoMousePropagation);
}

void Hauptfenster::hinweisBeiBewegung(QObject* objekt) {
    if (objekt == tastenkoerper) {
        m_modell.statuszeile[0].clear();
    } else {
        const auto* hinweis =
            std::find_if(std::begin(Hinweise), std::end(Hinweise),
                         [&](const Hinweis& h) { return m_tasten[h.nummer] == objekt; });
        if (hinweis == std::end(Hinweise))
            return;
        m_modell.statuszeile[0] = QString::fromUtf16(hinweis->text);
    }
    statusfelder[0]->setText(m_modell.statuszeile[0]);
}

void Hauptfenster::webseiteOeffnen() {
    m_shell.oeffnen(MorvaneWebseite);
}

void Hauptfenster::emailSchreiben() {
    m_shell.oeffnen(QStringLiteral("mailto:") + MorvaneEMail);
}

// The help file is handed to the shell without looking whether it exists.
void Hauptfenster::hilfeOeffnen() {
    aufrufPfad = Programmordner() + QStringLiteral("RechnerHilfe.chm");
    aufrufExtern();
}

void Hauptfenster::aufrufExtern() {
    m_shell.oeffnen(aufrufPfad);
}
