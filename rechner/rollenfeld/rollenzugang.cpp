// The roll views' accessible interface: what they are, places and positions, the cursor and
// the selection, the screen geometry and the hand edits.
#include "rechner/rollenfeld/rollenzugang.h"

#include "rechner/rollenfeld/rolleneditor.h"

#include <QFontInfo>
#include <QScrollBar>
#include <limits>

namespace {

QAccessibleInterface* fabrik(const QString&, QObject* objekt) {
    if (auto* ansicht = dynamic_cast<RollenFlaeche*>(objekt))
        return new RollenZugang(ansicht);
    return nullptr;
}

QString farbe(const QColor& farbe) {
    return QStringLiteral("rgb(%1,%2,%3)").arg(farbe.red()).arg(farbe.green()).arg(farbe.blue());
}

} // namespace

RollenZugang::RollenZugang(RollenFlaeche* ansicht)
    : QAccessibleWidget(ansicht, QAccessible::EditableText), m_gemeldet(stand()) {}

// Qt asks the factory installed last first. An interface that Qt made for the view while it was
// being built, before this factory could answer, would stand in the way.
void RollenZugang::einrichten(RollenFlaeche* ansicht) {
    QAccessible::installFactory(fabrik);
    QAccessibleInterface* gemacht = QAccessible::queryAccessibleInterface(ansicht);
    if (gemacht && !dynamic_cast<RollenZugang*>(gemacht))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(gemacht));
}

RollenFlaeche* RollenZugang::ansicht() const {
    return static_cast<RollenFlaeche*>(widget());
}

// Asked each time: a view is a roll copy only once its editor is built.
RollenEditor* RollenZugang::editor() const {
    return dynamic_cast<RollenEditor*>(widget());
}

void* RollenZugang::interface_cast(QAccessible::InterfaceType art) {
    if (art == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    if (art == QAccessible::EditableTextInterface && editor())
        return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(art);
}

// The roll copy can be edited while it is enabled, that is once the window is unlocked.
QAccessible::State RollenZugang::state() const {
    QAccessible::State zustand = QAccessibleWidget::state();
    zustand.multiLine = true;
    zustand.selectableText = editor() != nullptr;
    zustand.editable = editor() && widget()->isEnabled();
    zustand.readOnly = !zustand.editable;
    return zustand;
}

QString RollenZugang::text(QAccessible::Text art) const {
    const bool kopie = editor() != nullptr;
    if (art == QAccessible::Name && widget()->accessibleName().isEmpty())
        return kopie ? QStringLiteral("Kopie der Registrierrolle")
                     : QStringLiteral("Registrierrolle");
    if (art == QAccessible::Description && widget()->accessibleDescription().isEmpty())
        return kopie ? QStringLiteral("Arbeitskopie der Registrierrolle in der Verwaltung: nach "
                                      "dem Entsperren von Hand zu bearbeiten; „Speichern und "
                                      "Registrierung verlassen“ übernimmt sie als Registrierrolle")
                     : QStringLiteral("Jede Rechnung, jeder Stempel und jede An- und Abmeldung "
                                      "als Zeile, die neueste am Ende; nur zum Lesen");
    return QAccessibleWidget::text(art);
}

int RollenZugang::alsPosition(qsizetype position) {
    return static_cast<int>(std::clamp<qsizetype>(position, 0, std::numeric_limits<int>::max()));
}

int RollenZugang::position(Stelle stelle) const {
    const Rolle& r = rolle();
    if (r.anzahl() == 0)
        return 0;
    const qsizetype zeile = std::clamp<qsizetype>(stelle.zeile, 0, r.anzahl() - 1);
    const qsizetype spalte = std::clamp<qsizetype>(stelle.spalte, 0, r.zeile(zeile).size());
    return alsPosition(r.zeilenanfang(zeile) + spalte);
}

RollenZugang::Stelle RollenZugang::stelle(int position) const {
    const Rolle& r = rolle();
    if (r.anzahl() == 0)
        return {};
    const qsizetype ort = std::clamp<qsizetype>(position, 0, r.verbundeneLaenge());
    const qsizetype zeile = r.zeileBei(ort);
    return {zeile, ort - r.zeilenanfang(zeile)};
}

int RollenZugang::characterCount() const {
    return alsPosition(rolle().verbundeneLaenge());
}

RollenZugang::Stand RollenZugang::stand() const {
    if (const RollenEditor* kopie = editor())
        return {kopie->cursor(), kopie->anker()};
    return {};
}

int RollenZugang::cursorPosition() const {
    if (const RollenEditor* kopie = editor())
        return position(kopie->cursor());
    return characterCount();
}

void RollenZugang::setCursorPosition(int position) {
    if (RollenEditor* kopie = editor())
        kopie->cursorSetzen(stelle(position));
}

int RollenZugang::selectionCount() const {
    const Stand jetzt = stand();
    return jetzt.cursor == jetzt.anker ? 0 : 1;
}

void RollenZugang::selection(int nummer, int* von, int* bis) const {
    *von = *bis = 0;
    const Stand jetzt = stand();
    if (nummer != 0 || jetzt.cursor == jetzt.anker)
        return;
    const auto [anfang, ende] = std::minmax(jetzt.cursor, jetzt.anker);
    *von = position(anfang);
    *bis = position(ende);
}

// The anchor goes to the first position, the cursor to the second.
void RollenZugang::setSelection(int nummer, int von, int bis) {
    RollenEditor* kopie = editor();
    if (nummer != 0 || !kopie)
        return;
    kopie->cursorSetzen(stelle(von));
    kopie->cursorSetzen(stelle(bis), true);
}

// One selection only: a new one takes the place of the old.
void RollenZugang::addSelection(int von, int bis) {
    setSelection(0, von, bis);
}

void RollenZugang::removeSelection(int nummer) {
    if (RollenEditor* kopie = editor(); kopie && nummer == 0)
        kopie->cursorSetzen(kopie->cursor());
}

QRect RollenZugang::characterRect(int position) const {
    const QRect feld = ansicht()->zeichenFeld(stelle(position));
    if (feld.isEmpty())
        return {};
    return {ansicht()->viewport()->mapToGlobal(feld.topLeft()), feld.size()};
}

int RollenZugang::offsetAtPoint(const QPoint& punkt) const {
    QWidget* flaeche = ansicht()->viewport();
    const QPoint ort = flaeche->mapFromGlobal(punkt);
    if (!flaeche->rect().contains(ort))
        return -1;
    return position(ansicht()->stelleBei(ort));
}

// A line out of sight comes to the top of the view (or the view goes to the end).
void RollenZugang::scrollToSubstring(int von, int) {
    const Stelle anfang = stelle(von);
    if (ansicht()->zeichenFeld(anfang).isEmpty())
        ansicht()->verticalScrollBar()->setValue(static_cast<int>(anfang.zeile));
}

// Every line is shown alike, so one run of attributes covers the whole text.
QString RollenZugang::attributes(int position, int* von, int* bis) const {
    const int ende = characterCount();
    if (position < 0 || position > ende) {
        *von = *bis = -1;
        return {};
    }
    *von = 0;
    *bis = ende;
    const QFontInfo schrift(ansicht()->font());
    const QPalette& farben = ansicht()->viewport()->palette();
    QString familie = schrift.family();
    for (const QChar zeichen : {u'\\', u':', u',', u'=', u';', u'"'})
        familie.replace(zeichen, QStringLiteral("\\") + zeichen);
    return QStringList{QStringLiteral("font-family:\"%1\"").arg(familie),
                       QStringLiteral("font-size:%1pt").arg(qRound(schrift.pointSizeF())),
                       QStringLiteral("font-weight:%1").arg(schrift.bold() ? 700 : 400),
                       QStringLiteral("text-align:right"),
                       QStringLiteral("color:") + farbe(farben.color(QPalette::Text)),
                       QStringLiteral("background-color:") + farbe(farben.color(QPalette::Base))}
               .join(u';') +
           u';';
}

void RollenZugang::deleteText(int von, int bis) {
    replaceText(von, bis, {});
}

void RollenZugang::insertText(int position, const QString& text) {
    replaceText(position, position, text);
}

void RollenZugang::replaceText(int von, int bis, const QString& text) {
    RollenEditor* kopie = editor();
    if (!kopie || !kopie->isEnabled())
        return;
    setSelection(0, von, bis);
    kopie->eingeben(text);
}
