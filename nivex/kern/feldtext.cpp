#include "nivex/kern/feldtext.h"

#include "common/zeilen.h"

QString ohneErsteAngezeigteZeile(const QString& text,
                                 const std::function<QList<qsizetype>(const QString&)>& zeilen) {
    const qsizetype umbruch = text.indexOf(QStringLiteral("\r\n"));
    const QString ersteZeile = umbruch < 0 ? text : text.left(umbruch);
    const QList<qsizetype> laengen = zeilen(ersteZeile);
    if (laengen.size() > 1 && laengen.first() > 0 && laengen.first() < ersteZeile.size())
        return text.mid(laengen.first());
    return ohneErsteFeldzeile(text);
}
