#pragma once

#include <QIcon>
#include <QPoint>
#include <QString>
#include <array>

class QPushButton;
class QWidget;

// The keypad: 30 buttons `BitBtn1`..`BitBtn30` in purple frames, six columns and five rows
// 72 px apart, "=" over two columns, the three time keys in small frames in column 6.
using Tasten = std::array<QPushButton*, 31>; // index = button number, [0] unused

Tasten tastenfeldBauen(QWidget* koerper, QPoint ursprung);

// The date-stamp key's picture: a clock face, red rim, white dial, blue marks, black hands.
QIcon uhrsymbol();
