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
    connect(m_webseiteAktion, &QAction::triggered, this, [this] { webseiteOeffnen(); });
    connect(m_emailAktion, &QAction::triggered, this, [this] { emailSchreiben(); });
    connect(m_hilfeAktion, &QAction::triggered, this, [this] { hilfeOeffnen(); });

    for (const Hinweis& hinweis : Hinweise)
        m_tasten[hinweis.nummer]->setMouseTracking(true);
    // Only the keypad body and the window's free area empty the hint; the cover, the bars and
    // the captions on the keypad body leave it as it is.
    for (QWidget* ohneHinweis : QList<QWidget*>{m_anmeldeDeckel, menuBar(), statusBar()})
        ohneHinweis->setAttribute(Qt::WA_NoMousePropagation);
    for (QLabel* beschriftung : m_tastenkoerper->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
        beschriftung->setAttribute(Qt::WA_NoMousePropagation);
}

void Hauptfenster::hinweisBeiBewegung(QObject* objekt) {
    if (objekt == m_tastenkoerper)
        return hinweisZeigen({});
    const auto* hinweis =
        std::find_if(std::begin(Hinweise), std::end(Hinweise),
                     [&](const Hinweis& h) { return m_tasten[h.nummer] == objekt; });
    if (hinweis != std::end(Hinweise))
        hinweisZeigen(QString::fromUtf16(hinweis->text));
}

// Only the hint's panel is refreshed: a move of the mouse is no event of the calculator.
void Hauptfenster::hinweisZeigen(const QString& text) {
    m_modell.hinweisZeigen(text);
    m_statusfelder[0]->setText(m_modell.hinweis());
}

void Hauptfenster::webseiteOeffnen() {
    m_shell.oeffnen(MorvaneWebseite);
}

void Hauptfenster::emailSchreiben() {
    m_shell.oeffnen(QStringLiteral("mailto:") + MorvaneEMail);
}

// The help file is handed to the shell without looking whether it exists.
void Hauptfenster::hilfeOeffnen() {
    aufrufExtern(Programmordner() + QStringLiteral("RechnerHilfe.chm"));
}

void Hauptfenster::aufrufExtern(const QString& pfad) {
    m_shell.oeffnen(pfad);
}
