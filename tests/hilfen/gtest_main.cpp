// GoogleTest's entry with an application object, which the test server's process and the
// program folder need; the shared test server ends before the application object.
#include "tests/hilfen/testserver.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QCoreApplication anwendung(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int ergebnis = RUN_ALL_TESTS();
    Testserver::gemeinsamBeenden();
    return ergebnis;
}
