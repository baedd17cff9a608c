#include "rechner/rollenfeld/rollenflaeche.h"

#include "rechner/rollenfeld/rollenmeldung.h"
#include "rechner/rollenfeld/rollenzugang.h"

#include <QApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QWheelEvent>

namespace {

// Both views show the roll in one font: the application's sans-serif, bold, 16 pixels high. The
// family is set, not inherited, so that a window with a font of its own does not change it.
QFont rollenschrift() {
    QFont schrift(QApplication::font().family());
    schrift.setBold(true);
    schrift.setPixelSize(16);
    return schrift;
}

} // namespace

RollenFlaeche::RollenFlaeche(Rolle& rolle, QWidget* eltern)
    : QAbstractScrollArea(eltern), m_rolle(rolle) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAutoFillBackground(true);
    QPalette farben = viewport()->palette();
    farben.setColor(QPalette::Base, Qt::white);
    for (const auto gruppe : {QPalette::Active, QPalette::Inactive})
        farben.setColor(gruppe, QPalette::Text, Qt::black);
    viewport()->setPalette(farben);
    viewport()->setBackgroundRole(QPalette::Base);
    setFont(rollenschrift());
    connect(verticalScrollBar(), &QAbstractSlider::actionTriggered, this,
            [this](int aktion) { leistenSchritt(aktion); });
    verticalScrollBar()->installEventFilter(this);
    m_rolle.beobachten(this);
    satzEinrichten();
    RollenZugang::einrichten(this);
}

RollenFlaeche::~RollenFlaeche() {
    m_rolle.nichtMehrBeobachten(this);
}

QString RollenFlaeche::zeilentext(qsizetype zeile) const {
    return zeile < m_rolle.anzahl() ? m_rolle.zeile(zeile) : QString();
}

int RollenFlaeche::sichtbareReihen() const {
    return std::max(1, viewport()->height() / reihenhoehe());
}

void RollenFlaeche::satzEinrichten() {
    m_satz.einrichten(font(), std::max(1, viewport()->width() - 2 * RandBreite),
                      fontMetrics().lineSpacing());
    m_einschubSatz.reset();
    bereichSetzen();
}

void RollenFlaeche::einschubSetzen(Stelle stelle, Einschub einschub) {
    m_einschub = std::move(einschub);
    m_einschubStelle = stelle;
    m_einschubSatz.reset();
    bereichSetzen();
}

void RollenFlaeche::obenSetzen(Reihe reihe) {
    m_oben = geklemmt(std::min(reihe, m_ende));
    {
        const QScopedValueRollback setzen(m_leisteSetzen, true);
        verticalScrollBar()->setValue(static_cast<int>(m_oben.zeile));
    }
    viewport()->update();
}

void RollenFlaeche::bereichSetzen() {
    const bool amEnde = m_oben >= m_ende;
    m_ende = endeBerechnen();
    QScrollBar* leiste = verticalScrollBar();
    {
        const QScopedValueRollback setzen(m_leisteSetzen, true);
        leiste->setRange(0, static_cast<int>(m_ende.zeile));
        leiste->setPageStep(sichtbareReihen());
        leiste->setSingleStep(1);
    }
    obenSetzen(amEnde ? m_ende : m_oben);
}

void RollenFlaeche::geaendert() {
    bereichSetzen();
    zumEndeEinreihen();
}

void RollenFlaeche::angehaengt(qsizetype erste) {
    geaendert();
    rollenmeldung::angehaengt(this, erste);
}

void RollenFlaeche::wirdErsetzt() {
    rollenmeldung::vorDemErsetzen(this);
}

// A whole new roll lets go of the old lines' layouts at once.
void RollenFlaeche::ersetzt(qsizetype von, qsizetype, qsizetype neueAnzahl) {
    if (von == 0 && neueAnzahl == m_rolle.anzahl())
        m_satz.vergessen();
    geaendert();
}

void RollenFlaeche::zumEndeEinreihen() {
    if (m_scrollAngefordert)
        return;
    m_scrollAngefordert = true;
    QTimer::singleShot(0, this, [this] {
        m_scrollAngefordert = false;
        obenSetzen(m_ende);
    });
}

// Dragging the slider or clicking it to an end lands on a line.
void RollenFlaeche::scrollContentsBy(int, int) {
    if (m_leisteSetzen)
        return;
    const qsizetype zeile = verticalScrollBar()->value();
    obenSetzen(zeile >= m_ende.zeile ? m_ende : Reihe{zeile, 0, 0});
}

// The arrows and the page steps move by rows; the scroll bar then shows the line reached.
void RollenFlaeche::leistenSchritt(int aktion) {
    const qsizetype seite = std::max(1, sichtbareReihen() - 1);
    switch (aktion) {
    case QAbstractSlider::SliderSingleStepAdd:
        return scrollenUm(1);
    case QAbstractSlider::SliderSingleStepSub:
        return scrollenUm(-1);
    case QAbstractSlider::SliderPageStepAdd:
        return scrollenUm(seite);
    case QAbstractSlider::SliderPageStepSub:
        return scrollenUm(-seite);
    default:
        return;
    }
}

void RollenFlaeche::wheelEvent(QWheelEvent* ereignis) {
    m_radRest += ereignis->angleDelta().y();
    const int schritte = m_radRest / QWheelEvent::DefaultDeltasPerStep;
    m_radRest -= schritte * QWheelEvent::DefaultDeltasPerStep;
    if (schritte != 0)
        scrollenUm(-static_cast<qsizetype>(schritte) * QApplication::wheelScrollLines());
    ereignis->accept();
}

// The wheel over the scroll bar moves by rows too.
bool RollenFlaeche::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt == verticalScrollBar() && ereignis->type() == QEvent::Wheel) {
        wheelEvent(static_cast<QWheelEvent*>(ereignis));
        return true;
    }
    return QAbstractScrollArea::eventFilter(objekt, ereignis);
}

void RollenFlaeche::reiheMalen(QPainter& maler, qsizetype, const Stueck& stueck, int reihe,
                               QPointF ort) {
    stueck.satz->lineAt(reihe).draw(&maler, ort);
}

// Row by row from the top, only the rows in the region to paint: no draw covers more than one
// row, whatever the length of its line.
void RollenFlaeche::paintEvent(QPaintEvent* ereignis) {
    if (zeilenzahl() == 0)
        return;
    QPainter maler(viewport());
    maler.setPen(viewport()->palette().color(QPalette::Text));
    const QRect bereich = ereignis->rect();
    const int hoehe = reihenhoehe();
    int oberkante = 0;
    for (std::optional<Reihe> reihe = geklemmt(m_oben); reihe && oberkante <= bereich.bottom();
         reihe = naechstesStueck(*reihe)) {
        const Stueck teil = stueck(reihe->zeile, reihe->stueck);
        for (int nummer = static_cast<int>(reihe->reihe);
             nummer < teil.reihen() && oberkante <= bereich.bottom(); ++nummer) {
            const QTextLine zeile = teil.satz->lineAt(nummer);
            if (oberkante + hoehe > bereich.top())
                reiheMalen(maler, reihe->zeile, teil, nummer,
                           QPointF(RandBreite, oberkante - zeile.y()));
            oberkante += hoehe;
        }
    }
}

void RollenFlaeche::resizeEvent(QResizeEvent* ereignis) {
    QAbstractScrollArea::resizeEvent(ereignis);
    satzEinrichten();
}

// Shown again by the program (a tab selected, a window opened), a view shows the end; a window
// restored by the user keeps its place.
void RollenFlaeche::showEvent(QShowEvent* ereignis) {
    QAbstractScrollArea::showEvent(ereignis);
    if (!ereignis->spontaneous())
        zumEndeEinreihen();
}

// The wrap follows the font and the style, which may change the view's width.
void RollenFlaeche::changeEvent(QEvent* ereignis) {
    QAbstractScrollArea::changeEvent(ereignis);
    if (ereignis->type() == QEvent::FontChange || ereignis->type() == QEvent::StyleChange)
        satzEinrichten();
    if (ereignis->type() == QEvent::EnabledChange)
        rollenmeldung::zustandGeaendert(this);
}
