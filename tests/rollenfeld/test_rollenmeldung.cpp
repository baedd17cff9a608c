// What screen readers are told of the roll views' changes: every event played back gives the
// text the view has, an append or an edit tells its piece only, cursor moves their new place,
// a new roll the old text's length and the new text, and nothing is put together while no
// screen reader listens.
#include "bench/speicher.h"
#include "tests/rollenfeld/rollen_hilfen.h"
#include "tests/rollenfeld/zugang_hilfen.h"

#include <QClipboard>
#include <QRandomGenerator>
#include <QtTest>

using zugang::Ansichten;
using zugang::ganzerText;
using zugang::gemeldet;
using zugang::Kasse;
using zugang::textVon;

class TestRollenMeldung : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { gemeldet().clear(); }

    // Disabling and enabling the copy tells that its editable state changed.
    void bearbeitbarGemeldet() {
        Ansichten a(Kasse);
        const zugang::Mithoeren ohr;
        a.editor.setEnabled(false);
        a.editor.setEnabled(true);
        a.rolle.setEnabled(false);
        int gemeldeteWechsel = 0;
        for (const zugang::Gemeldet& g : gemeldet()) {
            if (g.typ == QAccessible::StateChanged && g.zustand.editable) {
                QCOMPARE(g.objekt, &a.editor);
                ++gemeldeteWechsel;
            }
        }
        QCOMPARE(gemeldeteWechsel, 2);
    }

    // An append tells the new lines alone, after the break that now ends the line before
    // them; on the empty roll without one.
    void anhaengenNenntNurDasNeue() {
        Ansichten a;
        const zugang::Mithoeren ohr;
        a.haupt.anhaengen(QStringLiteral("12,00 €  \r"));
        a.haupt.anhaengen(QStringLiteral("= 17,00 €  \r\r"));
        QCOMPARE(zugang::typen(),
                 (QList<QAccessible::Event>{QAccessible::TextInserted, QAccessible::TextInserted}));
        const zugang::Gemeldet erstes = gemeldet()[0];
        const zugang::Gemeldet zweites = gemeldet()[1];
        QCOMPARE(erstes.objekt, &a.rolle);
        QVERIFY(erstes.mitText);
        QCOMPARE(erstes.position, 0);
        QCOMPARE(erstes.eingefuegt, QStringLiteral("12,00 €  "));
        QCOMPARE(zweites.position, QStringLiteral("12,00 €  ").size());
        QCOMPARE(zweites.eingefuegt, QStringLiteral("\n= 17,00 €  \n"));
        QCOMPARE(zweites.cursor, textVon(&a.rolle)->characterCount());
    }

    // A new roll is told as a newly set text: the old text removed and the new inserted in one
    // event, then the cursor and the selection.
    void neueRolleWieNeuGesetzt() {
        Ansichten a(Kasse);
        const zugang::Mithoeren ohr;
        a.editor.cursorSetzen({2, 1});
        a.editor.cursorSetzen({2, 4}, true);
        gemeldet().clear();
        a.haupt.ersetzen({QStringLiteral("a"), QStringLiteral("b")});
        a.kopie.uebernehmen(a.haupt);
        QCOMPARE(zugang::typen(), (QList<QAccessible::Event>{
                                      QAccessible::TextUpdated, QAccessible::TextCaretMoved,
                                      QAccessible::TextUpdated, QAccessible::TextSelectionChanged,
                                      QAccessible::TextCaretMoved}));
        QCOMPARE(gemeldet()[0].objekt, &a.rolle);
        QCOMPARE(gemeldet()[1].cursor, 3);
        QCOMPARE(gemeldet()[2].objekt, &a.editor);
        QCOMPARE(gemeldet()[3].auswahlVon, gemeldet()[3].auswahlBis);
        QCOMPARE(gemeldet()[4].cursor, 0);
    }

    // Moving the cursor tells where it went; selecting tells the selection as well.
    void cursorBewegungen() {
        Ansichten a(Kasse);
        a.editor.cursorSetzen({0, 0});
        const zugang::Mithoeren ohr;
        rollen::tasten(&a.editor, QStringLiteral("Right Right"));
        QCOMPARE(zugang::typen(), (QList<QAccessible::Event>{QAccessible::TextCaretMoved,
                                                             QAccessible::TextCaretMoved}));
        QCOMPARE(gemeldet().last().cursor, 2);
        gemeldet().clear();
        rollen::tasten(&a.editor, QStringLiteral("S-End"));
        QCOMPARE(zugang::typen(), (QList<QAccessible::Event>{QAccessible::TextSelectionChanged,
                                                             QAccessible::TextCaretMoved}));
        QCOMPARE(gemeldet()[0].auswahlVon, 2);
        QCOMPARE(gemeldet()[0].auswahlBis, Kasse[0].size());
        gemeldet().clear();
        rollen::tasten(&a.editor, QStringLiteral("Home Home"));
        QCOMPARE(zugang::typen(), (QList<QAccessible::Event>{QAccessible::TextSelectionChanged,
                                                             QAccessible::TextCaretMoved}));
        QCOMPARE(gemeldet()[1].cursor, 0);
    }

    // Random typing, line breaks, deletions, pastes, replaced selections, a screen reader's
    // edits, the copy emptied, undo, redo, appends and new rolls: played back on a copy of the
    // text, the events give the text the view has after every step, and each tells no more than
    // the step took away and put in.
    void ereignisseErgebenDenText() {
        Ansichten a(Kasse);
        const zugang::Mithoeren ohr;
        QAccessibleTextInterface* text = textVon(&a.editor);
        QString spiegel = ganzerText(&a.editor);
        QRandomGenerator zufall(815);
        for (int schritt = 0; schritt < 400; ++schritt) {
            const auto stelle = [&] {
                return text->characterCount() == 0
                           ? 0
                           : static_cast<int>(zufall.bounded(text->characterCount() + 1));
            };
            text->setCursorPosition(stelle());
            gemeldet().clear();
            int ersetzt = 1;     // the most a step takes away
            int eingefuegt = 11; // and puts in
            switch (zufall.bounded(12)) {
            case 0:
                rollen::tasten(&a.editor, QStringLiteral("x"));
                break;
            case 1:
                rollen::tasten(&a.editor, QStringLiteral("Enter"));
                break;
            case 2:
                rollen::tasten(&a.editor, QStringLiteral("Backspace"));
                break;
            case 3:
                rollen::tasten(&a.editor, QStringLiteral("Delete"));
                break;
            case 4:
                QGuiApplication::clipboard()->setText(QStringLiteral("p\r\nq\n"));
                rollen::tasten(&a.editor, QStringLiteral("C-V"));
                break;
            case 5: {
                const int bis = stelle();
                ersetzt = std::abs(bis - text->cursorPosition());
                text->setSelection(0, text->cursorPosition(), bis);
                rollen::tasten(&a.editor, QStringLiteral("Q"));
                break;
            }
            case 6: {
                const int von = stelle();
                const int bis = std::max(von, stelle());
                ersetzt = bis - von;
                zugang::von(&a.editor)->editableTextInterface()->replaceText(von, bis,
                                                                             QStringLiteral("r"));
                break;
            }
            case 7:
                ersetzt = text->characterCount();
                rollen::tasten(&a.editor, QStringLiteral("C-A Delete"));
                break;
            case 8:
            case 9:
                ersetzt = eingefuegt = std::numeric_limits<int>::max();
                rollen::tasten(&a.editor, QString::fromLatin1(zufall.bounded(2) ? "C-Z" : "C-Y"));
                break;
            case 10: // a new roll
                ersetzt = eingefuegt = std::numeric_limits<int>::max();
                if (zufall.bounded(3) == 0)
                    a.kopie.uebernehmen(a.haupt);
                else
                    a.kopie.ersetzen(zufall.bounded(2) ? Kasse : QStringList{});
                break;
            default:
                a.kopie.anhaengen(QStringLiteral("+ 1,00 €  \r"));
                break;
            }
            for (const zugang::Gemeldet& g : gemeldet()) {
                QVERIFY(g.mitText);
                if (g.typ == QAccessible::TextCaretMoved)
                    QCOMPARE(g.cursor, g.cursorDerSchnittstelle);
                if (g.typ != QAccessible::TextInserted && g.typ != QAccessible::TextRemoved &&
                    g.typ != QAccessible::TextUpdated)
                    continue;
                // A new roll tells the old text by its length, in blanks.
                QVERIFY(g.position + g.entfernt.size() <= spiegel.size());
                if (!g.entfernt.trimmed().isEmpty())
                    QCOMPARE(spiegel.mid(g.position, g.entfernt.size()), g.entfernt);
                QVERIFY(g.entfernt.size() <= ersetzt);
                QVERIFY(g.eingefuegt.size() <= eingefuegt);
                spiegel.replace(g.position, g.entfernt.size(), g.eingefuegt);
            }
            QCOMPARE(spiegel, ganzerText(&a.editor));
            QCOMPARE(spiegel, a.kopie.zeilen().join(QLatin1Char('\n')));
        }
    }

    // A million lines whose text would take 400 MB: its length, its last line, the box of its
    // last character and an append are served from the lines, a new roll that no screen reader
    // listens to puts nothing together, and the memory the process takes meanwhile stays far
    // below what the text would take.
    void grosseRolleOhneGanzenText() {
        const QString zeile = QString(199, u'7') + QLatin1Char(' ');
        const qsizetype anzahl = 1'000'000;
        Rolle haupt;
        haupt.ersetzen(QList<QString>(anzahl, zeile));
        RollenAnsicht ansicht(haupt, nullptr);
        ansicht.resize(289, 489);
        ansicht.show();
        QApplication::processEvents();
        speicher::spitzeZuruecksetzen();
        const double vorher = speicher::spitzeMB();

        QAccessibleTextInterface* text = textVon(&ansicht);
        const int ende = text->characterCount();
        QCOMPARE(ende, anzahl * (zeile.size() + 1) - 1);
        int von = -1;
        int bis = -1;
        QCOMPARE(text->textAtOffset(ende - 1, QAccessible::LineBoundary, &von, &bis), zeile);
        QCOMPARE(von, ende - zeile.size());
        QCOMPARE(text->text(ende - 5, ende), QStringLiteral("7777 "));
        QTRY_VERIFY(!text->characterRect(ende - 1).isEmpty());
        {
            const zugang::Mithoeren ohr;
            haupt.anhaengen(QStringLiteral("= 17,00 €  \r"));
            QCOMPARE(gemeldet().size(), 1);
            QCOMPARE(gemeldet()[0].position, ende);
            QCOMPARE(gemeldet()[0].eingefuegt, QStringLiteral("\n= 17,00 €  "));
        }
        Rolle kopie;
        RollenEditor editor(kopie, nullptr);
        kopie.uebernehmen(haupt);
        QCOMPARE(textVon(&editor)->characterCount(), text->characterCount());
        QVERIFY2(speicher::spitzeMB() - vorher < 128,
                 qPrintable(QString::number(speicher::spitzeMB() - vorher)));
    }
};

QTEST_MAIN(TestRollenMeldung)
#include "test_rollenmeldung.moc"
