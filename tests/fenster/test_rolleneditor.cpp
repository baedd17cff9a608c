// The editable roll view writes back only the lines an edit touches; after any edit the roll
// must hold exactly the view's blocks.
#include "rechner/fenster/rolleneditor.h"

#include <QRandomGenerator>
#include <QTextBlock>
#include <QtTest>

namespace {

QStringList bloecke(const QPlainTextEdit& ansicht) {
    QStringList zeilen;
    if (ansicht.document()->isEmpty())
        return zeilen;
    for (QTextBlock block = ansicht.document()->begin(); block.isValid(); block = block.next())
        zeilen.append(block.text());
    return zeilen;
}

} // namespace

class TestRollenEditor : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Random inserts, line breaks, deletions across lines and undos, each compared at once.
    void zufaelligeEdits() {
        Rolle rolle;
        rolle.ersetzen({QStringLiteral("12,00 €  "), QString(), QStringLiteral("= 17,00 €  ")});
        RollenEditor ansicht(rolle, nullptr);
        ansicht.show();
        QRandomGenerator zufall(4711);
        for (int schritt = 0; schritt < 400; ++schritt) {
            QTextCursor cursor(ansicht.document());
            const int laenge = ansicht.document()->characterCount() - 1;
            cursor.setPosition(zufall.bounded(laenge + 1));
            switch (zufall.bounded(5)) {
            case 0:
                cursor.insertText(QStringLiteral("ab"));
                break;
            case 1:
                cursor.insertBlock();
                break;
            case 2:
                cursor.insertText(QStringLiteral("x\ny\n"));
                break;
            case 3:
                cursor.setPosition(zufall.bounded(laenge + 1), QTextCursor::KeepAnchor);
                cursor.removeSelectedText();
                break;
            default:
                ansicht.document()->undo();
                break;
            }
            QCOMPARE(rolle.zeilen(), bloecke(ansicht));
        }
    }

    // A roll replaced while the view is out of sight is shown when the view comes back.
    void ersetzteRolleErscheintBeimZeigen() {
        Rolle rolle;
        RollenEditor ansicht(rolle, nullptr);
        rolle.ersetzen({QStringLiteral("a"), QStringLiteral("b")});
        rolle.anhaengen(QStringLiteral("c\r"));
        ansicht.show();
        QCOMPARE(bloecke(ansicht),
                 (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
        rolle.anhaengen(QStringLiteral("d\r\r"));
        QCOMPARE(bloecke(ansicht),
                 (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"),
                              QStringLiteral("d"), QString()}));
    }
};

QTEST_MAIN(TestRollenEditor)
#include "test_rolleneditor.moc"
