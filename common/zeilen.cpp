#include "common/zeilen.h"

QStringList zeilenAus(QStringView text) {
    QStringList zeilen;
    zeilenDurchgehen(text, [&zeilen](QStringView zeile) { zeilen.append(zeile.toString()); });
    return zeilen;
}

QList<QByteArray> einstellungszeilen(QByteArrayView bytes, qsizetype anzahl) {
    QList<QByteArray> zeilen(anzahl);
    qsizetype anfang = 0;
    for (QByteArray& zeile : zeilen) {
        if (anfang >= bytes.size())
            break;
        qsizetype ende = bytes.indexOf('\n', anfang);
        if (ende < 0)
            ende = bytes.size();
        zeile = bytes.sliced(anfang, ende - anfang).toByteArray();
        zeile.replace('\r', QByteArrayView());
        anfang = ende + 1;
    }
    return zeilen;
}

QString ohneErsteFeldzeile(QStringView text) {
    const qsizetype umbruch = text.indexOf(QStringLiteral("\r\n"));
    return umbruch < 0 ? QString() : text.sliced(umbruch + 2).toString();
}

QString mitCrLf(QStringView text) {
    QString ergebnis;
    ergebnis.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n') {
            ergebnis.append(c);
            continue;
        }
        ergebnis.append(QStringLiteral("\r\n"));
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
    }
    return ergebnis;
}

QString alsAnzeige(QStringView text) {
    return text.toString().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}
