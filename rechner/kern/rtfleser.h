#pragma once

// Reads RTF from this program or from a word processor as roll lines: each paragraph is one
// line, formatting is dropped.

#include <QByteArrayView>
#include <QStringList>
#include <optional>

// Groups nested deeper than this make a document unreadable; word processors stay far below.
constexpr int RtfHoechsteTiefe = 1000;

// The paragraphs of an RTF document (which starts with "{\rtf"): "\par", "\sect" and "\cell"
// end a paragraph, "\line" starts a new line, text after the last paragraph is a line only
// when not empty. Nothing when the document is truncated, nested deeper than
// RtfHoechsteTiefe or gives more than `hoechstZeilen` lines.
std::optional<QStringList> RtfZeilen(QByteArrayView rtf, qsizetype hoechstZeilen);
