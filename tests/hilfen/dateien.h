#pragma once

// Files for GoogleTest's tests: the helpers of dateibasis.h, and a file created with the
// test's bytes or the test failed.

#include "tests/hilfen/ausgabe.h"
#include "tests/hilfen/dateibasis.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

inline void dateiAnlegen(const QString& pfad, const QByteArray& bytes) {
    ASSERT_TRUE(dateiSchreiben(pfad, bytes)) << pfad.toStdString();
}
