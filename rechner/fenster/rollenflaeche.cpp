#include "rechner/fenster/rollenflaeche.h"

#include "rechner/fenster/rollenmeldung.h"
#include "rechner/fenster/rollenzugang.h"

#include <QApplication>
#include <QPainter>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>
#include <QWheelEvent>

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
    QFont schrift = font();
    schrift.setBold(true);
    schrift.setPixelSize(16);
    setFont(schrift);
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

std::shared_ptr<const QTextLayout> RollenFlaeche::satz(qsizetype zeile) {
    return m_satz.satz(zeile, zeilentext(zeile));
}

int RollenFlaeche::reihen(qsizetype zeile) {
    return std::max(1, satz(zeile)->lineCount());
}

QStringList RollenFlaeche::reihentexte(qsizetype zeile) {
    const std::shared_ptr<const QTextLayout> gesetzt = satz(zeile);
    QStringList texte;
    for (int reihe = 0; reihe < gesetzt->lineCount(); ++reihe) {
        const QTextLine teil = gesetzt->lineAt(reihe);
        texte.append(zeilentext(zeile).mid(teil.textStart(), teil.textLength()));
    }
    return texte;
}

int RollenFlaeche::sichtbareReihen() const {
    return std::max(1, viewport()->height() / reihenhoehe());
}

void RollenFlaeche::satzEinrichten() {
    m_satz.einrichten(font(), std::max(1, viewport()->width() - 2 * randBreite),
                      fontMetrics().lineSpacing());
    bereichSetzen();
}

RollenFlaeche::Reihe RollenFlaeche::verschoben(Reihe reihe, qsizetype anzahl) {
    while (anzahl > 0) {
        const qsizetype rest = reihen(reihe.zeile) - 1 - reihe.reihe;
        if (anzahl <= rest)
            return {reihe.zeile, reihe.reihe + anzahl};
        if (reihe.zeile + 1 >= zeilenzahl())
            return {reihe.zeile, reihe.reihe + rest};
        anzahl -= rest + 1;
        reihe = {reihe.zeile + 1, 0};
    }
    while (anzahl < 0) {
        if (-anzahl <= reihe.reihe)
            return {reihe.zeile, reihe.reihe + anzahl};
        if (reihe.zeile == 0)
            return {0, 0};
        anzahl += reihe.reihe + 1;
        reihe = {reihe.zeile - 1, reihen(reihe.zeile - 1) - 1};
    }
    return reihe;
}

qsizetype RollenFlaeche::abstand(Reihe von, Reihe bis, qsizetype grenze) {
    if (bis < von)
        return -abstand(bis, von, grenze);
    qsizetype zeilen = 0;
    for (; von.zeile < bis.zeile; von = {von.zeile + 1, 0}) {
        zeilen += reihen(von.zeile) - von.reihe;
        if (zeilen > grenze)
            return grenze;
    }
    return std::min(grenze, zeilen + bis.reihe - von.reihe);
}

QRect RollenFlaeche::zeilenfeld(qsizetype zeile) {
    if (zeile < m_oben.zeile || zeile >= zeilenzahl())
        return {};
    const qsizetype grenze = sichtbareReihen() + 1;
    const qsizetype oberkante = abstand(m_oben, {zeile, 0}, grenze) * reihenhoehe();
    if (oberkante >= viewport()->height())
        return {};
    return {randBreite, static_cast<int>(oberkante), m_satz.breite(),
            reihen(zeile) * reihenhoehe()};
}

RollenFlaeche::Reihe RollenFlaeche::reiheBei(QPoint punkt) {
    if (punkt.y() < 0)
        return m_oben;
    return verschoben(m_oben, punkt.y() / reihenhoehe());
}

RollenFlaeche::Reihe RollenFlaeche::reiheVon(Stelle stelle) {
    const QTextLine reihe =
        satz(stelle.zeile)->lineForTextPosition(static_cast<int>(stelle.spalte));
    return {stelle.zeile, reihe.isValid() ? reihe.lineNumber() : 0};
}

RollenFlaeche::Stelle RollenFlaeche::stelleBei(QPoint punkt) {
    const Reihe reihe = reiheBei(punkt);
    const QTextLine zeile = satz(reihe.zeile)->lineAt(static_cast<int>(reihe.reihe));
    return {reihe.zeile, zeile.xToCursor(punkt.x() - randBreite)};
}

QRect RollenFlaeche::zeichenFeld(Stelle stelle) {
    const QRect feld = zeilenfeld(stelle.zeile);
    if (feld.isEmpty())
        return {};
    const std::shared_ptr<const QTextLayout> gesetzt = satz(stelle.zeile);
    const int spalte =
        static_cast<int>(std::clamp<qsizetype>(stelle.spalte, 0, zeilenlaenge(stelle.zeile)));
    const QTextLine reihe = gesetzt->lineForTextPosition(spalte);
    if (!reihe.isValid())
        return {feld.x(), feld.y(), 1, reihenhoehe()};
    const qreal links = reihe.cursorToX(spalte);
    const qreal rechts = spalte < zeilenlaenge(stelle.zeile)
                             ? reihe.cursorToX(gesetzt->nextCursorPosition(spalte))
                             : links + 1;
    return QRectF(feld.x() + std::min(links, rechts), feld.y() + reihe.y(),
                  std::max<qreal>(1, std::abs(rechts - links)), reihenhoehe())
        .toAlignedRect();
}

// The end is found from the last line upwards, over the rows that fill the view.
RollenFlaeche::Reihe RollenFlaeche::endeBerechnen() {
    qsizetype platz = sichtbareReihen();
    for (qsizetype zeile = zeilenzahl() - 1; zeile >= 0; --zeile) {
        const qsizetype anzahl = reihen(zeile);
        if (anzahl >= platz)
            return {zeile, anzahl - platz};
        platz -= anzahl;
    }
    return {};
}

void RollenFlaeche::obenSetzen(Reihe reihe) {
    reihe = std::min(reihe, m_ende);
    if (reihe.zeile < zeilenzahl())
        reihe.reihe = std::min<qsizetype>(reihe.reihe, reihen(reihe.zeile) - 1);
    m_oben = reihe;
    m_leisteSetzen = true;
    verticalScrollBar()->setValue(static_cast<int>(m_oben.zeile));
    m_leisteSetzen = false;
    viewport()->update();
}

void RollenFlaeche::bereichSetzen() {
    const bool amEnde = m_oben >= m_ende;
    m_ende = endeBerechnen();
    QScrollBar* leiste = verticalScrollBar();
    m_leisteSetzen = true;
    leiste->setRange(0, static_cast<int>(m_ende.zeile));
    leiste->setPageStep(sichtbareReihen());
    leiste->setSingleStep(1);
    m_leisteSetzen = false;
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
    obenSetzen(zeile >= m_ende.zeile ? m_ende : Reihe{zeile, 0});
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

void RollenFlaeche::zeileMalen(QPainter& maler, qsizetype, const QTextLayout& satz, QPointF ort) {
    satz.draw(&maler, ort);
}

void RollenFlaeche::paintEvent(QPaintEvent*) {
    QPainter maler(viewport());
    maler.setPen(viewport()->palette().color(QPalette::Text));
    const int hoehe = viewport()->height();
    qsizetype oberkante = -m_oben.reihe * reihenhoehe();
    for (qsizetype zeile = m_oben.zeile; zeile < zeilenzahl() && oberkante < hoehe; ++zeile) {
        const std::shared_ptr<const QTextLayout> gesetzt = satz(zeile);
        zeileMalen(maler, zeile, *gesetzt, QPointF(randBreite, static_cast<qreal>(oberkante)));
        oberkante += std::max(1, gesetzt->lineCount()) * reihenhoehe();
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
