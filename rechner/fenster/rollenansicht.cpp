#include "rechner/fenster/rollenansicht.h"

#include <QPainter>
#include <QScrollBar>
#include <QTimer>

namespace {
constexpr int randBreite = 4;

// Right alignment would let trailing blanks hang past the edge; the roll's lines end in blanks
// on purpose, so they are painted as no-break spaces that keep their width.
QString mitHaltendenBlanks(const QString& zeile) {
    qsizetype ende = zeile.size();
    while (ende > 0 && zeile[ende - 1] == u' ')
        --ende;
    if (ende == zeile.size())
        return zeile;
    return zeile.left(ende) + QString(zeile.size() - ende, QChar(0x00A0));
}
} // namespace

RollenAnsicht::RollenAnsicht(Rolle& rolle, QWidget* eltern)
    : QAbstractScrollArea(eltern), m_rolle(rolle) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFocusPolicy(Qt::ClickFocus);
    viewport()->setAutoFillBackground(true);
    QPalette farben = viewport()->palette();
    farben.setColor(QPalette::Base, Qt::white);
    farben.setColor(QPalette::Text, Qt::black);
    viewport()->setPalette(farben);
    viewport()->setBackgroundRole(QPalette::Base);
    QFont schrift = font();
    schrift.setBold(true);
    schrift.setPixelSize(16);
    setFont(schrift);
    m_rolle.setBeobachter(this);
    bereichSetzen();
}

RollenAnsicht::~RollenAnsicht() {
    m_rolle.setBeobachter(nullptr);
}

int RollenAnsicht::zeilenhoehe() const {
    return fontMetrics().lineSpacing();
}

qsizetype RollenAnsicht::ersteSichtbareZeile() const {
    return verticalScrollBar()->value();
}

qsizetype RollenAnsicht::sichtbareZeilen() const {
    return std::max(1, viewport()->height() / zeilenhoehe());
}

void RollenAnsicht::bereichSetzen() {
    const qsizetype seite = sichtbareZeilen();
    QScrollBar* leiste = verticalScrollBar();
    leiste->setPageStep(static_cast<int>(seite));
    leiste->setSingleStep(1);
    leiste->setRange(0, static_cast<int>(std::max<qsizetype>(0, m_rolle.anzahl() - seite)));
}

void RollenAnsicht::geaendert() {
    bereichSetzen();
    viewport()->update();
    if (m_scrollAngefordert)
        return;
    m_scrollAngefordert = true;
    QTimer::singleShot(0, this, [this] { zumEnde(); });
}

void RollenAnsicht::zumEnde() {
    m_scrollAngefordert = false;
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void RollenAnsicht::paintEvent(QPaintEvent*) {
    QPainter maler(viewport());
    maler.setFont(font());
    const int hoehe = zeilenhoehe();
    const int breite = viewport()->width() - 2 * randBreite;
    const qsizetype erste = ersteSichtbareZeile();
    const qsizetype ende = std::min(m_rolle.anzahl(), erste + sichtbareZeilen() + 1);
    const QFontMetrics masse = fontMetrics();
    for (qsizetype i = erste; i < ende; ++i) {
        const QRect feld(randBreite, static_cast<int>(i - erste) * hoehe, breite, hoehe);
        maler.drawText(
            feld, Qt::AlignRight | Qt::AlignVCenter,
            masse.elidedText(mitHaltendenBlanks(m_rolle.zeile(i)), Qt::ElideLeft, breite));
    }
}

void RollenAnsicht::resizeEvent(QResizeEvent* ereignis) {
    QAbstractScrollArea::resizeEvent(ereignis);
    bereichSetzen();
}
