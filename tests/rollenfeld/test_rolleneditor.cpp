// The roll copy's editor works on the roll's lines: every edit must leave the roll exactly as
// the same edit leaves the roll's text, and the keys, the mouse and the clipboard must do what
// they do in a text field.
#include "rechner/kern/rollendatei.h"
#include "rechner/rollenfeld/rolleneditor.h"
#include "tests/rollenfeld/rollen_hilfen.h"

#include <QAccessibleEditableTextInterface>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QRandomGenerator>
#include <QtTest>

namespace {

// The roll's lines, edited as one text, lines joined by LF (the view shows the empty roll as one
// empty line; an edit that empties the text leaves the empty roll), with the undo history of a
// text field: a step per edit that changes the text; typing that goes on where the typing before
// it ended, with nothing selected, joins that step, and so does a character deleted where the
// deleting before it was; a line break is never joined. Appended lines follow every state.
struct Textmodell {
    enum Art { Einzeln, Tippen, Loeschen };
    struct Schritt {
        QStringList vorher;
        QStringList nachher;
        qsizetype cursorVorher;
        qsizetype ende;
        Art art;
        qsizetype von;
        QString alt;
    };
    QStringList zeilen;
    qsizetype cursor = 0;
    QList<Schritt> verlauf;
    qsizetype erledigt = 0;

    explicit Textmodell(const QStringList& anfang) : zeilen(anfang) {}
    QString text() const { return zeilen.join(QLatin1Char('\n')); }
    qsizetype position(Stelle stelle) const {
        qsizetype position = 0;
        for (qsizetype i = 0; i < stelle.zeile; ++i)
            position += zeilen[i].size() + 1;
        return position + stelle.spalte;
    }
    void anhaengen(const QStringList& neu) {
        zeilen += neu;
        for (Schritt& schritt : verlauf) {
            schritt.vorher += neu;
            schritt.nachher += neu;
        }
    }
    void ersetzen(qsizetype von, qsizetype bis, QString neu, Art art = Einzeln) {
        neu.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
        if (von == bis && neu.isEmpty())
            return;
        const QStringList vorher = zeilen;
        QString neuerText = text();
        const QString alt = neuerText.mid(von, bis - von);
        neuerText.replace(von, bis - von, neu);
        zeilen = neuerText.isEmpty() ? QStringList{} : neuerText.split(QLatin1Char('\n'));
        const qsizetype ende = von + neu.size();
        verlauf.resize(erledigt);
        if (!verbinden(art, von, alt, ende)) {
            verlauf.append({vorher, zeilen, cursor, ende, art, von, alt});
            ++erledigt;
        }
        cursor = ende;
    }
    bool verbinden(Art art, qsizetype von, const QString& alt, qsizetype ende) {
        if (erledigt == 0 || art == Einzeln || verlauf[erledigt - 1].art != art)
            return false;
        Schritt& letzter = verlauf[erledigt - 1];
        if (art == Tippen && (!alt.isEmpty() || letzter.ende != von))
            return false;
        const bool umbruch = alt.contains(u'\n') || letzter.alt.contains(u'\n');
        if (art == Loeschen && (umbruch || (von != letzter.von && von + alt.size() != letzter.von)))
            return false;
        if (art == Loeschen)
            letzter.alt = von == letzter.von ? letzter.alt + alt : alt + letzter.alt;
        letzter.von = std::min(letzter.von, von);
        letzter.nachher = zeilen;
        letzter.ende = ende;
        return true;
    }
    void rueckgaengig() {
        if (erledigt == 0)
            return;
        --erledigt;
        zeilen = verlauf[erledigt].vorher;
        cursor = verlauf[erledigt].cursorVorher;
    }
    void wiederholen() {
        if (erledigt == verlauf.size())
            return;
        zeilen = verlauf[erledigt].nachher;
        cursor = verlauf[erledigt].ende;
        ++erledigt;
    }
};

Stelle zufallsstelle(QRandomGenerator& zufall, const Rolle& rolle) {
    const qsizetype zeile = zufall.bounded(std::max<qsizetype>(1, rolle.anzahl()));
    const qsizetype laenge = rolle.anzahl() ? rolle.zeile(zeile).size() : 0;
    return {zeile, zufall.bounded(laenge + 1)};
}

using rollen::Editor;

// One edit of a kind, at the cursor, in the editor by keys and in the model alike.
void bearbeiten(Editor& e, Textmodell& modell, QRandomGenerator& zufall, int art) {
    qsizetype von = modell.cursor;
    const qsizetype textende = modell.text().size();
    switch (art) {
    case 0:
        rollen::tasten(&e.ansicht, QStringLiteral("ab"));
        modell.ersetzen(von, von, QStringLiteral("ab"), Textmodell::Tippen);
        break;
    case 1:
        rollen::tasten(&e.ansicht, QStringLiteral("Enter"));
        modell.ersetzen(von, von, QStringLiteral("\n"));
        break;
    case 2:
        QGuiApplication::clipboard()->setText(QStringLiteral("x\r\ny\n"));
        rollen::tasten(&e.ansicht, QStringLiteral("C-V"));
        modell.ersetzen(von, von, QStringLiteral("x\r\ny\n"));
        break;
    case 3: {
        const Stelle ende = zufallsstelle(zufall, e.rolle);
        e.ansicht.cursorSetzen(ende, true);
        modell.cursor = modell.position(ende);
        const qsizetype bis = std::max(von, modell.cursor);
        von = std::min(von, modell.cursor);
        rollen::tasten(&e.ansicht, QStringLiteral("Q"));
        modell.ersetzen(von, bis, QStringLiteral("Q"), Textmodell::Tippen);
        break;
    }
    case 4:
        rollen::tasten(&e.ansicht, QStringLiteral("Delete"));
        modell.ersetzen(von, std::min(von + 1, textende), {}, Textmodell::Loeschen);
        break;
    case 5:
        rollen::tasten(&e.ansicht, QStringLiteral("Backspace"));
        modell.ersetzen(std::max<qsizetype>(0, von - 1), von, {}, Textmodell::Loeschen);
        break;
    case 6:
        rollen::tasten(&e.ansicht, QStringLiteral("\u00A0€"));
        modell.ersetzen(von, von, QStringLiteral("\u00A0€"), Textmodell::Tippen);
        break;
    case 7:
        rollen::tasten(&e.ansicht, QStringLiteral("C-Z"));
        modell.rueckgaengig();
        break;
    case 8:
        rollen::tasten(&e.ansicht, QStringLiteral("C-S-Z"));
        modell.wiederholen();
        break;
    case 9:
        rollen::tasten(&e.ansicht, QStringLiteral("C-Y"));
        modell.wiederholen();
        break;
    case 10:
        rollen::tasten(&e.ansicht, QStringLiteral("C-A Delete"));
        modell.cursor = textende;
        modell.ersetzen(0, textende, {});
        break;
    default: {
        const QString stueck =
            QStringList{"+ 1,00 €  \r", "= 2,00 €  \r\r", "\r"}[zufall.bounded(3)];
        e.rolle.anhaengen(stueck);
        modell.anhaengen(stueck.chopped(1).split(u'\r'));
        break;
    }
    }
}

} // namespace

class TestRollenEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Random typing, line breaks, pastes, deletions, replaced selections, the copy emptied,
    // lines appended from outside, undo and redo, each compared at once with the same edit on
    // the roll's text.
    void zufaelligeEdits() {
        Editor e({QStringLiteral("12,00 €  "), QString(), QStringLiteral("= 17,00 €  ")});
        Textmodell modell(e.rolle.zeilen());
        QRandomGenerator zufall(4711);
        for (int schritt = 0; schritt < 500; ++schritt) {
            // Half the steps go on where the last one left the cursor, and each step's action
            // runs one to three times, so that typing and deleting run on and join in the
            // history, and undo and redo go several steps.
            if (zufall.bounded(2))
                e.ansicht.cursorSetzen(zufallsstelle(zufall, e.rolle));
            const int art = zufall.bounded(12);
            for (int mal = 1 + zufall.bounded(3); mal > 0; --mal) {
                e.ansicht.cursorSetzen(e.ansicht.cursor());
                modell.cursor = modell.position(e.ansicht.cursor());
                bearbeiten(e, modell, zufall, art);
                QCOMPARE(e.rolle.zeilen(), modell.zeilen);
                QCOMPARE(modell.position(e.ansicht.cursor()), modell.cursor);
            }
            if (schritt % 100 == 0)
                e.ansicht.viewport()->repaint();
        }
        QVERIFY(modell.verlauf.size() > 100);
    }

    void tasten_data() {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<Stelle>("start");
        QTest::addColumn<QString>("tasten");
        QTest::addColumn<QStringList>("erwartet");
        QTest::addColumn<Stelle>("cursor");
        const QStringList abcd{QStringLiteral("abcd")};
        const QStringList abCd{QStringLiteral("ab"), QStringLiteral("cd")};
        QTest::newRow("Enter teilt")
            << abcd << Stelle{0, 2} << "Enter" << QStringList{"ab", "cd"} << Stelle{1, 0};
        QTest::newRow("Umschalt+Enter teilt")
            << abcd << Stelle{0, 2} << "S-Enter" << QStringList{"ab", "cd"} << Stelle{1, 0};
        QTest::newRow("Rückschritt verbindet")
            << abCd << Stelle{1, 0} << "Backspace" << abcd << Stelle{0, 2};
        QTest::newRow("Entf verbindet") << abCd << Stelle{0, 2} << "Delete" << abcd << Stelle{0, 2};
        QTest::newRow("letztes Zeichen weg: leere Rolle")
            << QStringList{"a"} << Stelle{0, 1} << "Backspace" << QStringList{} << Stelle{};
        QTest::newRow("in die leere Rolle")
            << QStringList{} << Stelle{} << "x" << QStringList{"x"} << Stelle{0, 1};
        QTest::newRow("Enter in der leeren Rolle")
            << QStringList{} << Stelle{} << "Enter" << QStringList{"", ""} << Stelle{1, 0};
        QTest::newRow("Auswahl überschreiben")
            << abcd << Stelle{0, 4} << "S-Left S-Left X" << QStringList{"abX"} << Stelle{0, 3};
        QTest::newRow("bis Rollenende gelöscht")
            << QStringList{"ab", "cd", "ef"} << Stelle{0, 1} << "S-C-End Delete" << QStringList{"a"}
            << Stelle{0, 1};
        QTest::newRow("alles ausgewählt und gelöscht")
            << abCd << Stelle{1, 1} << "C-A Delete" << QStringList{} << Stelle{};
        QTest::newRow("Pos1 und Ende") << QStringList{"abc"} << Stelle{0, 1} << "End x Home y"
                                       << QStringList{"yabcx"} << Stelle{0, 1};
        QTest::newRow("Rollenanfang und -ende") << abCd << Stelle{0, 1} << "C-End x C-Home y"
                                                << QStringList{"yab", "cdx"} << Stelle{0, 1};
        QTest::newRow("links über den Zeilenanfang")
            << abCd << Stelle{1, 0} << "Left x" << QStringList{"abx", "cd"} << Stelle{0, 3};
        QTest::newRow("rechts über das Zeilenende")
            << abCd << Stelle{0, 2} << "Right x" << QStringList{"ab", "xcd"} << Stelle{1, 1};
        QTest::newRow("links auf einer Auswahl") << abcd << Stelle{0, 3} << "S-Left S-Left Left x"
                                                 << QStringList{"axbcd"} << Stelle{0, 2};
        QTest::newRow("ab in der letzten Reihe")
            << abCd << Stelle{1, 0} << "Down x" << QStringList{"ab", "cdx"} << Stelle{1, 3};
        QTest::newRow("auf in der ersten Reihe")
            << abCd << Stelle{0, 2} << "Up x" << QStringList{"xab", "cd"} << Stelle{0, 1};
        QTest::newRow("Tab") << QStringList{"ab"} << Stelle{0, 1} << "Tab" << QStringList{"a\tb"}
                             << Stelle{0, 2};
        QTest::newRow("Strg+Buchstabe tippt nicht")
            << QStringList{"ab"} << Stelle{0, 1} << "C-Q" << QStringList{"ab"} << Stelle{0, 1};
        const QStringList kasse{QStringLiteral("Kasse-Nord 12,00 €")};
        QTest::newRow("Strg+rechts zum nächsten Wort")
            << kasse << Stelle{0, 0} << "C-Right C-Right C-Right x"
            << QStringList{"Kasse-Nord x12,00 €"} << Stelle{0, 12};
        QTest::newRow("Strg+links zum Wortanfang")
            << kasse << Stelle{0, 14} << "C-Left x" << QStringList{"Kasse-Nord x12,00 €"}
            << Stelle{0, 12};
        QTest::newRow("Strg+rechts über das Zeilenende")
            << abCd << Stelle{0, 1} << "C-Right C-Right x" << QStringList{"ab", "xcd"}
            << Stelle{1, 1};
        QTest::newRow("Strg+Rückschritt löscht das Wort")
            << kasse << Stelle{0, 16} << "C-Backspace" << QStringList{"Kasse-Nord  €"}
            << Stelle{0, 11};
        QTest::newRow("Strg+Entf löscht bis zum nächsten Wort")
            << kasse << Stelle{0, 6} << "C-Delete" << QStringList{"Kasse-12,00 €"} << Stelle{0, 6};
        QTest::newRow("Strg+Rückschritt am Zeilenanfang verbindet")
            << abCd << Stelle{1, 0} << "C-Backspace" << abcd << Stelle{0, 2};
        QTest::newRow("Strg+Entf auf einer Auswahl")
            << abcd << Stelle{0, 1} << "S-Right C-Delete" << QStringList{"acd"} << Stelle{0, 1};
        // Undo and redo: typing is one step, Enter and each deletion a step of their own.
        QTest::newRow("Tippen rückgängig") << QStringList{} << Stelle{} << "ab Enter cd C-Z"
                                           << QStringList{"ab", ""} << Stelle{1, 0};
        QTest::newRow("alles rückgängig")
            << QStringList{} << Stelle{} << "ab Enter cd C-Z C-Z C-Z" << QStringList{} << Stelle{};
        QTest::newRow("wiederholen mit beiden Tasten")
            << QStringList{} << Stelle{} << "ab Enter cd C-Z C-Z C-Z C-S-Z C-Y"
            << QStringList{"ab", ""} << Stelle{1, 0};
        QTest::newRow("Rückschritte ein Schritt")
            << QStringList{"abc"} << Stelle{0, 3} << "Backspace Backspace C-Z" << QStringList{"abc"}
            << Stelle{0, 3};
        QTest::newRow("Entf ein Schritt")
            << abcd << Stelle{0, 1} << "Delete Delete Backspace C-Z" << abcd << Stelle{0, 1};
        QTest::newRow("Zeilenumbruch ein Schritt für sich")
            << abCd << Stelle{1, 2} << "Backspace Backspace Backspace C-Z" << QStringList{"ab", ""}
            << Stelle{1, 0};
        QTest::newRow("überschriebene Auswahl zurück")
            << abcd << Stelle{0, 4} << "S-Left S-Left X Y C-Z" << abcd << Stelle{0, 2};
        QTest::newRow("nichts rückgängig zu machen")
            << abcd << Stelle{0, 1} << "C-Z C-Y" << abcd << Stelle{0, 1};
        QTest::newRow("neue Eingabe verwirft das Wiederholen")
            << QStringList{"ab"} << Stelle{0, 2} << "x C-Z y C-S-Z" << QStringList{"aby"}
            << Stelle{0, 3};
        QTest::newRow("Einfügen rückgängig")
            << QStringList{"ab"} << Stelle{0, 1} << "C-V C-Z" << QStringList{"ab"} << Stelle{0, 1};
    }
    void tasten() {
        QFETCH(QStringList, zeilen);
        QFETCH(Stelle, start);
        QFETCH(QString, tasten);
        QFETCH(QStringList, erwartet);
        QFETCH(Stelle, cursor);
        Editor e(zeilen);
        QGuiApplication::clipboard()->setText(QStringLiteral("1\n2\n"));
        e.ansicht.cursorSetzen(start);
        rollen::tasten(&e.ansicht, tasten);
        QCOMPARE(e.rolle.zeilen(), erwartet);
        QCOMPARE(e.ansicht.cursor().zeile, cursor.zeile);
        QCOMPARE(e.ansicht.cursor().spalte, cursor.spalte);
    }

    // A page down moves the cursor a view's rows on and keeps it in sight.
    void seitenweise() {
        QStringList zeilen;
        for (int i = 0; i < 100; ++i)
            zeilen << QStringLiteral("z%1").arg(i);
        Editor e(zeilen);
        const qsizetype seite = e.ansicht.sichtbareReihen();
        rollen::tasten(&e.ansicht, QStringLiteral("PgDown"));
        QCOMPARE(e.ansicht.cursor().zeile, seite);
        QVERIFY(!e.ansicht.zeilenfeld(seite).isEmpty());
        rollen::tasten(&e.ansicht, QStringLiteral("S-PgDown"));
        QCOMPARE(e.ansicht.cursor().zeile, 2 * seite);
        QCOMPARE(e.ansicht.anker().zeile, seite);
        rollen::tasten(&e.ansicht, QStringLiteral("PgUp PgUp"));
        QCOMPARE(e.ansicht.cursor().zeile, 0);
        QVERIFY(!e.ansicht.zeilenfeld(0).isEmpty());
    }

    // Up, down, Home and End go by the rows of a wrapped line, not by roll lines.
    void reihenEinerUmbrochenenZeile() {
        Editor e({QString(200, u'x'), QStringLiteral("y")});
        const QStringList reihen = e.ansicht.reihentexte(0);
        QVERIFY(reihen.size() >= 3);
        e.ansicht.cursorSetzen({0, 0});
        rollen::tasten(&e.ansicht, QStringLiteral("Down"));
        QCOMPARE(e.ansicht.cursor().zeile, 0);
        QVERIFY(qAbs(e.ansicht.cursor().spalte - reihen[0].size()) <= 1);
        rollen::tasten(&e.ansicht, QStringLiteral("Home S-End"));
        QCOMPARE(e.ansicht.auswahl().size(), reihen[1].size());
    }

    void maus() {
        Editor e({QStringLiteral("abc"), QStringLiteral("defg")});
        QWidget* flaeche = e.ansicht.viewport();
        const int rechts = flaeche->width() - 2;
        const QRect zweite = e.ansicht.zeilenfeld(1);
        QTest::mouseClick(flaeche, Qt::LeftButton, {}, QPoint(rechts, zweite.center().y()));
        QCOMPARE(e.ansicht.cursor(), (Stelle{1, 4}));
        const QRect erste = e.ansicht.zeilenfeld(0);
        QTest::mouseClick(flaeche, Qt::LeftButton, Qt::ShiftModifier,
                          QPoint(2, erste.center().y()));
        QCOMPARE(e.ansicht.auswahl(), QStringLiteral("abc\ndefg"));
        QTest::mouseDClick(flaeche, Qt::LeftButton, {}, QPoint(rechts, zweite.center().y()));
        QCOMPARE(e.ansicht.auswahl(), QStringLiteral("defg"));
    }

    // Copy gives the lines joined by line breaks; pasted text splits by the roll's rule and
    // keeps its no-break spaces; cut takes the selection away.
    void zwischenablage() {
        Editor e({QStringLiteral("ab"), QStringLiteral("cd")});
        e.ansicht.cursorSetzen({0, 1});
        e.ansicht.cursorSetzen({1, 1}, true);
        rollen::tasten(&e.ansicht, QStringLiteral("C-C"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("b\nc"));
        QGuiApplication::clipboard()->setText(QStringLiteral("1\u00A0000,00 €\r\n\rx"));
        e.ansicht.cursorSetzen({1, 2});
        rollen::tasten(&e.ansicht, QStringLiteral("C-V"));
        QCOMPARE(e.rolle.zeilen(),
                 (QStringList{QStringLiteral("ab"), QStringLiteral("cd1\u00A0000,00 €"), QString(),
                              QStringLiteral("x")}));
        rollen::tasten(&e.ansicht, QStringLiteral("S-Home C-X"));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("x"));
        QCOMPARE(e.rolle.zeilen().last(), QString());
    }

    // Hand text, however it comes, enters as a roll line holds it, so that the roll file gives
    // back what the copy shows: composed, every character outside Windows-1252 one "?".
    void nurWasEineRollenzeileHaelt_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("erwartet");
        const QString ansi = QStringLiteral("12,00\u00A0€ ‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ¡¿ÄÖÜßÿ");
        QTest::newRow("Windows-1252") << ansi << QStringList{ansi};
        QTest::newRow("außerhalb")
            << QStringLiteral("你好 😀 \u0301a\xD83D") << QStringList{"?? ? ?a?"};
        QTest::newRow("zusammengesetzt") << QStringLiteral("e\u0301\u212B") << QStringList{"éÅ"};
        QTest::newRow("mehrere Zeilen")
            << QStringLiteral("a€\r\nb😀\rc\u0308\n") << QStringList{"a€", "b?", "c?", ""};
    }
    void nurWasEineRollenzeileHaelt() {
        QFETCH(QString, text);
        QFETCH(QStringList, erwartet);
        const bool einzeilig = !text.contains(u'\r') && !text.contains(u'\n');
        QGuiApplication::clipboard()->setText(text);
        QInputMethodEvent festlegen;
        festlegen.setCommitString(text);
        for (int weg = einzeilig ? 0 : 1; weg < 4; ++weg) {
            Editor e({});
            if (weg == 0)
                QTest::sendKeyEvent(QTest::Click, &e.ansicht, Qt::Key_unknown, text, {});
            else if (weg == 1)
                rollen::tasten(&e.ansicht, QStringLiteral("C-V"));
            else if (weg == 2)
                QApplication::sendEvent(&e.ansicht, &festlegen);
            else
                QAccessible::queryAccessibleInterface(&e.ansicht)
                    ->editableTextInterface()
                    ->insertText(0, text);
            QCOMPARE(e.rolle.zeilen(), erwartet);
            rollen::tasten(&e.ansicht, QStringLiteral("C-Z"));
            QCOMPARE(e.rolle.zeilen(), QStringList{});
            rollen::tasten(&e.ansicht, QStringLiteral("C-Y"));
            QCOMPARE(e.rolle.zeilen(), erwartet);
        }
        QCOMPARE(zeilenAusDatei(rtfAusZeilen(erwartet)), erwartet);
    }

    // Appends from the model leave the cursor where it is; a new roll puts it at the start, and
    // either way the view shows the end once the change is done.
    void aenderungenVonAussen() {
        Editor e({QStringLiteral("a"), QStringLiteral("b")});
        e.ansicht.cursorSetzen({0, 1});
        for (int i = 0; i < 50; ++i)
            e.rolle.anhaengen(QStringLiteral("+ 1,00 €  \r"));
        QCOMPARE(e.ansicht.cursor(), (Stelle{0, 1}));
        QTRY_VERIFY(!e.ansicht.zeilenfeld(e.rolle.anzahl() - 1).isEmpty());
        e.rolle.ersetzen({QStringLiteral("neu"), QStringLiteral("rolle")});
        QCOMPARE(e.ansicht.cursor(), (Stelle{}));
        rollen::tasten(&e.ansicht, QStringLiteral("x"));
        QCOMPARE(e.rolle.zeile(0), QStringLiteral("xneu"));
    }

    // Undo gives back the text before an edit that emptied or filled the copy, redo the text
    // after it, each with a line appended since ("|" in the keys) as a line of its own after it.
    void rueckgaengigUmAngehaengtes_data() {
        QTest::addColumn<QStringList>("zeilen");
        QTest::addColumn<QString>("folge");
        QTest::newRow("geleert") << QStringList{"abc"} << "C-A Delete |";
        QTest::newRow("Leerzeile am Ende geleert") << QStringList{"5,00 €  ", ""} << "C-A Delete |";
        QTest::newRow("in die leere Rolle getippt") << QStringList{} << "abc |";
        QTest::newRow("nach dem Anhang weitergetippt") << QStringList{} << "ab | c";
        QTest::newRow("Enter in der leeren Rolle") << QStringList{} << "Enter |";
        QTest::newRow("geleert, Angehängtes gelöscht")
            << QStringList{"a"} << "End Backspace | Delete";
    }
    void rueckgaengigUmAngehaengtes() {
        QFETCH(QStringList, zeilen);
        QFETCH(QString, folge);
        Editor e(zeilen);
        rollen::tasten(&e.ansicht, folge.section(u'|', 0, 0));
        e.rolle.anhaengen(QStringLiteral("L\r"));
        rollen::tasten(&e.ansicht, folge.section(u'|', 1));
        const QStringList bearbeitet = e.rolle.zeilen();
        rollen::tasten(&e.ansicht, QStringLiteral("C-Z C-Z C-Z"));
        QCOMPARE(e.rolle.zeilen(), zeilen + QStringList{"L"});
        rollen::tasten(&e.ansicht, QStringLiteral("C-Y C-Y C-Y"));
        QCOMPARE(e.rolle.zeilen(), bearbeitet);
    }

    // Undoing a hand edit keeps the lines the calculator appended after it; filling the copy
    // anew (showing the window, a roll opened, a new roll, clearing) leaves nothing to undo.
    void rueckgaengigUndAenderungenVonAussen() {
        Editor e({QStringLiteral("a"), QStringLiteral("b")});
        e.ansicht.cursorSetzen({0, 1});
        rollen::tasten(&e.ansicht, QStringLiteral("xy Enter"));
        e.rolle.anhaengen(QStringLiteral("+ 1,00 €  \r= 1,00 €  \r\r"));
        rollen::tasten(&e.ansicht, QStringLiteral("C-Z C-Z"));
        QCOMPARE(e.rolle.zeilen(), (QStringList{"a", "b", "+ 1,00 €  ", "= 1,00 €  ", ""}));
        QCOMPARE(e.ansicht.cursor(), (Stelle{0, 1}));
        rollen::tasten(&e.ansicht, QStringLiteral("C-Y C-Y"));
        QCOMPARE(e.rolle.zeilen(), (QStringList{"axy", "", "b", "+ 1,00 €  ", "= 1,00 €  ", ""}));
        for (const auto& neuFuellen : std::initializer_list<std::function<void(Rolle&)>>{
                 [](Rolle& r) { r.ersetzen({QStringLiteral("neu")}); },
                 [](Rolle& r) { r.leeren(); },
                 [](Rolle& r) {
                     Rolle haupt;
                     haupt.ersetzen({QStringLiteral("haupt")});
                     r.uebernehmen(haupt);
                 }}) {
            rollen::tasten(&e.ansicht, QStringLiteral("z"));
            neuFuellen(e.rolle);
            const QStringList gefuellt = e.rolle.zeilen();
            rollen::tasten(&e.ansicht, QStringLiteral("C-Z"));
            QCOMPARE(e.rolle.zeilen(), gefuellt);
        }
    }
};

QTEST_MAIN(TestRollenEditor)
#include "test_rolleneditor.moc"
