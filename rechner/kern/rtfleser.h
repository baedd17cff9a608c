#pragma once

// Reads RTF from this program or from a word processor as roll lines: each paragraph is one
// line, formatting is dropped. The document is read piece by piece as its source gives it.

#include "rechner/kern/zeilenstrom.h"

// Groups nested deeper than this make a document unreadable; word processors stay far below.
constexpr int RtfHoechsteTiefe = 1000;

// The paragraphs of an RTF document (which starts with "{\rtf") into `zeilen`: "\par", "\sect"
// and "\cell" end a paragraph, "\line" starts a new line, text after the last paragraph is a
// line only when not empty. False when the document is truncated, nested deeper than
// RtfHoechsteTiefe, or its lines pass the collection's limit (then `zeilen.voll()`).
bool rtfZeilen(Bytequelle& quelle, Zeilensammlung& zeilen);
