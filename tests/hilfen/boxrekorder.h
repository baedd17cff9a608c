#pragma once

// Message boxes in window tests: while a recorder lives, every box goes to it instead of the
// screen, so no test waits for a click or polls for a modal box. The test takes the boxes it
// expects with abholen(); a box it never took fails the test.

#include "common/fenster/boxen.h"

#include <QList>
#include <QtTest>

class Boxrekorder {
public:
    Boxrekorder() : m_umleitung([this](const Box& box) { m_boxen.append(box); }) {}
    ~Boxrekorder() {
        if (!m_boxen.isEmpty() && !QTest::currentTestFailed())
            QTest::qFail(qPrintable(QStringLiteral("Unerwartete Box: ") + m_boxen.first().text),
                         __FILE__, __LINE__);
    }
    Boxrekorder(const Boxrekorder&) = delete;
    Boxrekorder& operator=(const Boxrekorder&) = delete;

    // The boxes shown since the last call, in their order.
    QList<Box> abholen() { return std::exchange(m_boxen, {}); }

private:
    QList<Box> m_boxen;
    Boxumleitung m_umleitung;
};

// A box named by the title the program block sets, as the tests expect it.
inline Box fehlerbox(const QString& text) {
    return {Box::Art::Fehler, QCoreApplication::applicationName(), text};
}
inline Box meldungsbox(const QString& text) {
    return {Box::Art::Meldung, QCoreApplication::applicationName(), text};
}

// QCOMPARE shows a box that differs.
inline char* toString(const Box& box) {
    const char* art = box.art == Box::Art::Fehler ? "Fehlerbox" : "Meldungsbox";
    return qstrdup(qPrintable(
        QStringLiteral("%1 \"%2\": \"%3\"").arg(QString::fromLatin1(art), box.titel, box.text)));
}
