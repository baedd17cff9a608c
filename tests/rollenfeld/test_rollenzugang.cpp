// What screen readers get from the two roll views through Qt's accessibility interfaces: what
// the views are, the text, its ranges and boundaries, the cursor and the selection, the
// geometry and the hand edits.
#include "rechner/rollenfeld/rollenzugang.h"
#include "tests/rollenfeld/zugang_hilfen.h"

#include <QLineEdit>
#include <QtTest>
#include <limits>

using zugang::Ansichten;
using zugang::Kasse;
using zugang::textVon;
using Stelle = RollenFlaeche::Stelle;

namespace {

const QList<QAccessible::TextBoundaryType> AlleGrenzen{
    QAccessible::CharBoundary, QAccessible::WordBoundary, QAccessible::SentenceBoundary,
    QAccessible::LineBoundary, QAccessible::ParagraphBoundary};

struct Fund {
    QString text;
    int von;
    int bis;
    bool operator==(const Fund&) const = default;
};

enum class Richtung { Davor, Darauf, Danach };

Fund suchen(const QAccessibleTextInterface& text, Richtung richtung, int position,
            QAccessible::TextBoundaryType art) {
    Fund fund{{}, -1, -1};
    switch (richtung) {
    case Richtung::Davor:
        fund.text = text.textBeforeOffset(position, art, &fund.von, &fund.bis);
        break;
    case Richtung::Darauf:
        fund.text = text.textAtOffset(position, art, &fund.von, &fund.bis);
        break;
    case Richtung::Danach:
        fund.text = text.textAfterOffset(position, art, &fund.von, &fund.bis);
        break;
    }
    return fund;
}

// Qt's own rules on the whole text (a line field's, which keeps line breaks the field was given),
// the answer the views must give without putting it together.
// At the end there is no word or sentence, as there is no character; there Qt's rule would look
// for one for ever.
Fund nachQt(QAccessibleTextInterface& text, Richtung richtung, int position,
            QAccessible::TextBoundaryType art) {
    Fund fund{{}, -1, -1};
    const bool amEnde = position == -1 || position == text.characterCount();
    if (amEnde && richtung == Richtung::Darauf &&
        (art == QAccessible::WordBoundary || art == QAccessible::SentenceBoundary))
        return fund;
    switch (richtung) {
    case Richtung::Davor:
        fund.text =
            text.QAccessibleTextInterface::textBeforeOffset(position, art, &fund.von, &fund.bis);
        break;
    case Richtung::Darauf:
        fund.text =
            text.QAccessibleTextInterface::textAtOffset(position, art, &fund.von, &fund.bis);
        break;
    case Richtung::Danach:
        fund.text =
            text.QAccessibleTextInterface::textAfterOffset(position, art, &fund.von, &fund.bis);
        break;
    }
    return fund;
}

QString beschreibung(const Fund& fund) {
    return QStringLiteral("\"%1\" %2..%3").arg(fund.text).arg(fund.von).arg(fund.bis);
}

} // namespace

class TestRollenZugang : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Both views are text to a screen reader, under names that say which roll they are; only
    // the roll copy can be edited, and only while it is enabled.
    void wasDieAnsichtenSind() {
        Ansichten a(Kasse);
        QAccessibleInterface* rolle = zugang::von(&a.rolle);
        QAccessibleInterface* kopie = zugang::von(&a.editor);
        for (QAccessibleInterface* ansicht : {rolle, kopie}) {
            QCOMPARE(ansicht->role(), QAccessible::EditableText);
            QVERIFY(ansicht->textInterface());
            QVERIFY(ansicht->state().multiLine);
            QVERIFY(ansicht->text(QAccessible::Name).contains(QStringLiteral("Registrierrolle")));
            QVERIFY(!ansicht->text(QAccessible::Description).isEmpty());
            QCOMPARE(ansicht->childCount(), 0);
        }
        QVERIFY(rolle->text(QAccessible::Name) != kopie->text(QAccessible::Name));
        QVERIFY(!rolle->editableTextInterface());
        QVERIFY(kopie->editableTextInterface());
        QVERIFY(rolle->state().readOnly);
        QVERIFY(!rolle->state().editable);
        QVERIFY(kopie->state().editable);
        a.editor.setEnabled(false);
        QVERIFY(!kopie->state().editable);
        QVERIFY(kopie->state().readOnly);
        QVERIFY(kopie->state().disabled);
    }

    // The text is the lines joined by one line break; every range is the same piece of it.
    void textUndBereiche_data() {
        QTest::addColumn<QStringList>("zeilen");
        QTest::newRow("leer") << QStringList{};
        QTest::newRow("eine leere Zeile") << QStringList{QString()};
        QTest::newRow("Kasse") << Kasse;
        QTest::newRow("Leerzeilen am Ende") << QStringList{QStringLiteral("a"), QString(), {}};
    }
    void textUndBereiche() {
        QFETCH(QStringList, zeilen);
        Ansichten a(zeilen);
        const QString ganz = zeilen.join(QLatin1Char('\n'));
        for (QWidget* ansicht : std::initializer_list<QWidget*>{&a.rolle, &a.editor}) {
            QAccessibleTextInterface* text = textVon(ansicht);
            QCOMPARE(text->characterCount(), ganz.size());
            for (int von = 0; von <= ganz.size(); ++von)
                for (int bis = von; bis <= ganz.size(); ++bis)
                    QCOMPARE(text->text(von, bis), ganz.mid(von, bis - von));
            QCOMPARE(text->text(-4, 3), ganz.left(3));
            QCOMPARE(text->text(2, 10'000), ganz.mid(2));
        }
    }

    // Characters, words, sentences, lines and paragraphs at, before and after every position
    // are what Qt's own rules find in the whole text, though only the lines around are read.
    void grenzenWieImGanzenText_data() {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QList<QAccessible::TextBoundaryType>>("grenzen");
        QTest::newRow("Wörter in jeder Zeile")
            << QStringList{QStringLiteral("12,00 €  "), QStringLiteral("= 17,00 €  "),
                           QStringLiteral("Administrator - Alles gelöscht!  "),
                           QStringLiteral("Ein Satz. Noch einer?  Ja"), QStringLiteral("x²")}
            << AlleGrenzen;
        QTest::newRow("Leerzeilen")
            << Kasse
            << QList<QAccessible::TextBoundaryType>{
                   QAccessible::CharBoundary, QAccessible::SentenceBoundary,
                   QAccessible::LineBoundary, QAccessible::ParagraphBoundary};
        QTest::newRow("Ersatzpaare")
            << QStringList{QStringLiteral("a\U0001F600b"), QString()} << AlleGrenzen;
    }
    void grenzenWieImGanzenText() {
        QFETCH(QStringList, zeilen);
        QFETCH(QList<QAccessible::TextBoundaryType>, grenzen);
        Ansichten a(zeilen);
        const QString ganz = zeilen.join(QLatin1Char('\n'));
        QAccessibleTextInterface* text = textVon(&a.rolle);
        QLineEdit feld(ganz);
        QCOMPARE(feld.text(), ganz);
        for (const QAccessible::TextBoundaryType art : grenzen)
            for (const Richtung richtung : {Richtung::Davor, Richtung::Darauf, Richtung::Danach})
                for (int position = -1; position <= ganz.size(); ++position) {
                    const Fund erwartet = nachQt(*textVon(&feld), richtung, position, art);
                    const Fund gefunden = suchen(*text, richtung, position, art);
                    QVERIFY2(gefunden == erwartet,
                             qPrintable(QStringLiteral("Grenze %1, Richtung %2, Stelle %3: %4 "
                                                       "statt %5")
                                            .arg(art)
                                            .arg(static_cast<int>(richtung))
                                            .arg(position)
                                            .arg(beschreibung(gefunden), beschreibung(erwartet))));
                }
        int von = 0;
        int bis = 0;
        QCOMPARE(text->textAtOffset(3, QAccessible::NoBoundary, &von, &bis), ganz);
        QCOMPARE(bis, ganz.size());
    }

    // The roll copy's cursor and selection are positions in the text, and a screen reader
    // can set them; the main view's cursor stands at the end and it has no selection.
    void cursorUndAuswahl() {
        Ansichten a(Kasse);
        QAccessibleTextInterface* kopie = textVon(&a.editor);
        const int dritteZeile = static_cast<int>(Kasse[0].size() + 2);
        a.editor.cursorSetzen({2, 3});
        QCOMPARE(kopie->cursorPosition(), dritteZeile + 3);
        kopie->setCursorPosition(dritteZeile + 1);
        QCOMPARE(a.editor.cursor(), (Stelle{2, 1}));
        kopie->setSelection(0, 2, dritteZeile + 4);
        QCOMPARE(a.editor.anker(), (Stelle{0, 2}));
        QCOMPARE(a.editor.cursor(), (Stelle{2, 4}));
        QCOMPARE(kopie->selectionCount(), 1);
        int von = -1;
        int bis = -1;
        kopie->selection(0, &von, &bis);
        QCOMPARE(von, 2);
        QCOMPARE(bis, dritteZeile + 4);
        QCOMPARE(kopie->text(von, bis), a.editor.auswahl());
        kopie->removeSelection(0);
        QCOMPARE(kopie->selectionCount(), 0);
        QCOMPARE(kopie->cursorPosition(), dritteZeile + 4);

        QAccessibleTextInterface* rolle = textVon(&a.rolle);
        QCOMPARE(rolle->cursorPosition(), rolle->characterCount());
        rolle->setSelection(0, 0, 4);
        QCOMPARE(rolle->selectionCount(), 0);
    }

    // Every character in sight has its box on the screen, and the point in the middle of the
    // box leads back to it (a row cut by the view's edge reaches past it); a character out of
    // sight has none until it is scrolled to.
    void zeichenAufDemBildschirm() {
        QStringList zeilen;
        for (int i = 0; i < 300; ++i)
            zeilen << QStringLiteral("+ %1,00 €  ").arg(i);
        Ansichten a(zeilen);
        QAccessibleTextInterface* text = textVon(&a.editor);
        const QRect flaeche(a.editor.viewport()->mapToGlobal(QPoint()),
                            a.editor.viewport()->size());
        a.editor.cursorSetzen({0, 0});
        int gesehen = 0;
        for (int position = 0; position < 120; ++position) {
            const QRect feld = text->characterRect(position);
            if (feld.isEmpty())
                continue;
            QVERIFY(flaeche.intersects(feld));
            if (!flaeche.contains(feld.center()))
                continue;
            ++gesehen;
            QCOMPARE(text->offsetAtPoint(feld.center()), position);
        }
        QVERIFY(gesehen > 60);
        QCOMPARE(text->offsetAtPoint(flaeche.topLeft() - QPoint(5, 5)), -1);
        const int spaet = text->characterCount() - 3;
        QVERIFY(text->characterRect(spaet).isEmpty());
        text->scrollToSubstring(spaet, spaet + 1);
        QVERIFY(flaeche.contains(text->characterRect(spaet)));
    }

    // A roll of more characters than Qt's interfaces count (its lines share one text, so it
    // takes megabytes): the text ends where they stop counting, the line there is read up to
    // that end, and an append past it tells nothing it could not read.
    void mehrZeichenAlsQtZaehlt() {
        const qsizetype laenge = qsizetype{1} << 22;
        Rolle rolle;
        rolle.bereichErsetzen(0, 0, QList<QString>(520, QString(laenge, u'7')));
        RollenAnsicht ansicht(rolle, nullptr);
        QAccessibleTextInterface* text = textVon(&ansicht);
        const int ende = std::numeric_limits<int>::max();
        QCOMPARE(text->characterCount(), ende);
        int von = -1;
        int bis = -1;
        QCOMPARE(text->textAtOffset(ende - 1, QAccessible::LineBoundary, &von, &bis).size(),
                 ende % (laenge + 1));
        QCOMPARE(bis, ende);
        const zugang::Mithoeren ohr;
        rolle.anhaengen(QStringLiteral("= 17,00 €  \r"));
        QVERIFY(zugang::typen().isEmpty());
    }

    // A screen reader edits the copy as typing does, and only while it is enabled.
    void bearbeitenDurchDenLeser() {
        Ansichten a({QStringLiteral("ab"), QStringLiteral("cd")});
        QAccessibleEditableTextInterface* kopie = zugang::von(&a.editor)->editableTextInterface();
        a.editor.setEnabled(false);
        kopie->insertText(1, QStringLiteral("x"));
        QCOMPARE(a.kopie.zeilen(), (QStringList{QStringLiteral("ab"), QStringLiteral("cd")}));
        a.editor.setEnabled(true);
        kopie->insertText(1, QStringLiteral("x\r\ny"));
        QCOMPARE(a.kopie.zeilen(),
                 (QStringList{QStringLiteral("ax"), QStringLiteral("yb"), QStringLiteral("cd")}));
        kopie->deleteText(2, 4);
        QCOMPARE(a.kopie.zeilen(), (QStringList{QStringLiteral("axb"), QStringLiteral("cd")}));
        kopie->replaceText(0, 5, QStringLiteral("neu"));
        QCOMPARE(a.kopie.zeilen(), QStringList{QStringLiteral("neud")});
        QCOMPARE(textVon(&a.editor)->cursorPosition(), 3);
    }
};

QTEST_MAIN(TestRollenZugang)
#include "test_rollenzugang.moc"
