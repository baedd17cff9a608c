// The roll views' rows: the pieces lines are laid out in, stepping and counting rows, and the
// places and boxes of the viewport. Every walk is bounded by the rows it passes, never by the
// length of the roll or of a line.
#include "rechner/rollenfeld/rollenflaeche.h"

#include "rechner/rollenfeld/rollenstuecke.h"

int RollenFlaeche::Stueck::position(qsizetype spalte) const {
    qsizetype position = std::clamp<qsizetype>(spalte - anfang, 0, laenge);
    if (einschubBei >= 0 && position > einschubBei)
        position += einschubLaenge;
    return static_cast<int>(position);
}

qsizetype RollenFlaeche::Stueck::spalte(int position) const {
    if (einschubBei >= 0 && position > einschubBei)
        position = std::max(einschubBei, position - einschubLaenge);
    return anfang + position;
}

qsizetype RollenFlaeche::stueckzahl(qsizetype zeile) const {
    return rollenstuecke::anzahl(zeilentext(zeile));
}

RollenFlaeche::Stueck RollenFlaeche::stueck(qsizetype zeile, qsizetype nummer) {
    const QString text = zeilentext(zeile);
    const qsizetype anzahl = rollenstuecke::anzahl(text);
    Stueck teil;
    teil.nummer = nummer;
    teil.anfang = rollenstuecke::anfang(text, nummer);
    teil.laenge = rollenstuecke::ende(text, nummer) - teil.anfang;
    teil.letztes = nummer + 1 >= anzahl;
    const QStringView stuecktext = QStringView(text).sliced(teil.anfang, teil.laenge);
    const bool mitEinschub = !m_einschub.text.isEmpty() && zeile == m_einschubStelle.zeile &&
                             nummer == rollenstuecke::mit(text, m_einschubStelle.spalte);
    if (!mitEinschub) {
        teil.satz = m_satz.satz(zeile, nummer, stuecktext);
        return teil;
    }
    teil.einschubBei = static_cast<int>(
        std::clamp<qsizetype>(m_einschubStelle.spalte - teil.anfang, 0, teil.laenge));
    teil.einschubLaenge = static_cast<int>(m_einschub.text.size());
    const std::pair<qsizetype, qsizetype> fuer{zeile, nummer};
    if (!m_einschubSatz || m_einschubSatzFuer != fuer || m_einschubSatzText != stuecktext) {
        QList<QTextLayout::FormatRange> formate = m_einschub.formate;
        for (QTextLayout::FormatRange& format : formate)
            format.start += teil.einschubBei;
        m_einschubSatz = m_satz.mitEinschub(stuecktext, teil.einschubBei, m_einschub.text, formate);
        m_einschubSatzFuer = fuer;
        m_einschubSatzText = stuecktext.toString();
    }
    teil.satz = m_einschubSatz;
    return teil;
}

RollenFlaeche::Stueck RollenFlaeche::stueckMit(Stelle stelle) {
    return stueck(stelle.zeile, rollenstuecke::mit(zeilentext(stelle.zeile), stelle.spalte));
}

qsizetype RollenFlaeche::reihen(qsizetype zeile) {
    qsizetype anzahl = 0;
    for (qsizetype nummer = 0; nummer < stueckzahl(zeile); ++nummer)
        anzahl += stueck(zeile, nummer).reihen();
    return anzahl;
}

QStringList RollenFlaeche::reihentexte(qsizetype zeile) {
    const QString text = zeilentext(zeile);
    QStringList texte;
    for (qsizetype nummer = 0; nummer < stueckzahl(zeile); ++nummer) {
        const Stueck teil = stueck(zeile, nummer);
        for (int reihe = 0; reihe < teil.satz->lineCount(); ++reihe) {
            const QTextLine zeile = teil.satz->lineAt(reihe);
            const qsizetype anfang = teil.spalte(zeile.textStart());
            texte.append(
                text.mid(anfang, teil.spalte(zeile.textStart() + zeile.textLength()) - anfang));
        }
    }
    return texte;
}

// A row that names a piece or a row no longer there (after an edit, a new width or the end of
// composing) is the last one there is before it.
RollenFlaeche::Reihe RollenFlaeche::geklemmt(Reihe reihe) {
    if (zeilenzahl() == 0)
        return {};
    reihe.zeile = std::clamp<qsizetype>(reihe.zeile, 0, zeilenzahl() - 1);
    reihe.stueck = std::clamp<qsizetype>(reihe.stueck, 0, stueckzahl(reihe.zeile) - 1);
    reihe.reihe =
        std::clamp<qsizetype>(reihe.reihe, 0, stueck(reihe.zeile, reihe.stueck).reihen() - 1);
    return reihe;
}

std::optional<RollenFlaeche::Reihe> RollenFlaeche::naechstesStueck(Reihe reihe) const {
    if (reihe.stueck + 1 < stueckzahl(reihe.zeile))
        return Reihe{reihe.zeile, reihe.stueck + 1, 0};
    if (reihe.zeile + 1 < zeilenzahl())
        return Reihe{reihe.zeile + 1, 0, 0};
    return std::nullopt;
}

// The last row of the piece before a row's piece.
std::optional<RollenFlaeche::Reihe> RollenFlaeche::vorigesStueck(Reihe reihe) {
    if (reihe.stueck == 0 && reihe.zeile == 0)
        return std::nullopt;
    const qsizetype zeile = reihe.stueck > 0 ? reihe.zeile : reihe.zeile - 1;
    const qsizetype nummer = reihe.stueck > 0 ? reihe.stueck - 1 : stueckzahl(zeile) - 1;
    return Reihe{zeile, nummer, stueck(zeile, nummer).reihen() - 1};
}

RollenFlaeche::Reihe RollenFlaeche::verschoben(Reihe reihe, qsizetype anzahl) {
    reihe = geklemmt(reihe);
    while (anzahl > 0) {
        const qsizetype rest = stueck(reihe.zeile, reihe.stueck).reihen() - 1 - reihe.reihe;
        if (anzahl <= rest)
            return {reihe.zeile, reihe.stueck, reihe.reihe + anzahl};
        const std::optional<Reihe> weiter = naechstesStueck(reihe);
        if (!weiter)
            return {reihe.zeile, reihe.stueck, reihe.reihe + rest};
        anzahl -= rest + 1;
        reihe = *weiter;
    }
    while (anzahl < 0) {
        if (-anzahl <= reihe.reihe)
            return {reihe.zeile, reihe.stueck, reihe.reihe + anzahl};
        const std::optional<Reihe> zurueck = vorigesStueck(reihe);
        if (!zurueck)
            return {};
        anzahl += reihe.reihe + 1;
        reihe = *zurueck;
    }
    return reihe;
}

qsizetype RollenFlaeche::abstand(Reihe von, Reihe bis, qsizetype grenze) {
    if (bis < von)
        return -abstand(bis, von, grenze);
    qsizetype anzahl = 0;
    while (std::pair(von.zeile, von.stueck) < std::pair(bis.zeile, bis.stueck)) {
        anzahl += stueck(von.zeile, von.stueck).reihen() - von.reihe;
        if (anzahl > grenze)
            return grenze;
        const std::optional<Reihe> weiter = naechstesStueck(von);
        if (!weiter)
            return anzahl;
        von = *weiter;
    }
    return std::min(grenze, anzahl + bis.reihe - von.reihe);
}

// The end is found from the last row upwards, over the rows that fill the view.
RollenFlaeche::Reihe RollenFlaeche::endeBerechnen() {
    if (zeilenzahl() == 0)
        return {};
    qsizetype platz = sichtbareReihen();
    const qsizetype letzte = zeilenzahl() - 1;
    const qsizetype nummer = stueckzahl(letzte) - 1;
    std::optional<Reihe> reihe = Reihe{letzte, nummer, stueck(letzte, nummer).reihen() - 1};
    for (; reihe; reihe = vorigesStueck({reihe->zeile, reihe->stueck, 0})) {
        const qsizetype anzahl = reihe->reihe + 1;
        if (anzahl >= platz)
            return {reihe->zeile, reihe->stueck, anzahl - platz};
        platz -= anzahl;
    }
    return {};
}

std::optional<qsizetype> RollenFlaeche::reiheInSicht(Reihe reihe) {
    const qsizetype sicht = sichtbareReihen() + 1;
    const qsizetype davor = abstand(m_oben, reihe, sicht);
    if (davor < 0 || davor * reihenhoehe() >= viewport()->height())
        return std::nullopt;
    return davor;
}

QRect RollenFlaeche::zeilenfeld(qsizetype zeile) {
    if (zeile < m_oben.zeile || zeile >= zeilenzahl())
        return {};
    const Reihe erste = std::max(Reihe{zeile, 0, 0}, m_oben);
    const std::optional<qsizetype> oberkante = reiheInSicht(erste);
    if (!oberkante)
        return {};
    // The line's rows from the first in sight, counted to one past the view's bottom.
    const qsizetype platz = sichtbareReihen() + 1 - *oberkante;
    qsizetype anzahl = 0;
    for (std::optional<Reihe> teil = erste; teil && teil->zeile == zeile && anzahl < platz;
         teil = naechstesStueck(*teil))
        anzahl += stueck(zeile, teil->stueck).reihen() - teil->reihe;
    return {RandBreite, static_cast<int>(*oberkante * reihenhoehe()), m_satz.breite(),
            static_cast<int>(std::min(anzahl, platz) * reihenhoehe())};
}

RollenFlaeche::Reihe RollenFlaeche::reiheBei(QPoint punkt) {
    if (punkt.y() < 0)
        return geklemmt(m_oben);
    return verschoben(m_oben, punkt.y() / reihenhoehe());
}

RollenFlaeche::Reihe RollenFlaeche::reiheVon(qsizetype zeile, const Stueck& stueck, int position) {
    const QTextLine reihe = stueck.satz->lineForTextPosition(position);
    return {zeile, stueck.nummer, reihe.isValid() ? reihe.lineNumber() : 0};
}

RollenFlaeche::Reihe RollenFlaeche::reiheVon(Stelle stelle) {
    const Stueck teil = stueckMit(stelle);
    return reiheVon(stelle.zeile, teil, teil.position(stelle.spalte));
}

RollenFlaeche::Stelle RollenFlaeche::stelleBei(QPoint punkt) {
    const Reihe reihe = reiheBei(punkt);
    const Stueck teil = stueck(reihe.zeile, reihe.stueck);
    const QTextLine zeile = teil.satz->lineAt(static_cast<int>(reihe.reihe));
    return {reihe.zeile, teil.spalte(zeile.xToCursor(punkt.x() - RandBreite))};
}

QRect RollenFlaeche::zeichenFeld(Stelle stelle) {
    if (stelle.zeile < 0 || stelle.zeile >= zeilenzahl())
        return {};
    const qsizetype laenge = zeilenlaenge(stelle.zeile);
    stelle.spalte = std::clamp<qsizetype>(stelle.spalte, 0, laenge);
    const Stueck teil = stueckMit(stelle);
    const int position = teil.position(stelle.spalte);
    const Reihe reihe = reiheVon(stelle.zeile, teil, position);
    const std::optional<qsizetype> oberkante = reiheInSicht(reihe);
    if (!oberkante)
        return {};
    const QTextLine zeile = teil.satz->lineAt(static_cast<int>(reihe.reihe));
    const qreal links = zeile.cursorToX(position);
    const qreal rechts = stelle.spalte < laenge
                             ? zeile.cursorToX(teil.satz->nextCursorPosition(position))
                             : links + 1;
    return QRectF(RandBreite + std::min(links, rechts),
                  static_cast<qreal>(*oberkante * reihenhoehe()),
                  std::max<qreal>(1, std::abs(rechts - links)), reihenhoehe())
        .toAlignedRect();
}
