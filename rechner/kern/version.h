#pragma once

// The version the build compiles in (the project version of CMake) and what is made of it.

#include <QString>

// The running program's file version, major.minor.release.build.
QString DateiVersion();
// The product name that the title bar, the status bar and the about box show.
inline const QString Produktname = QStringLiteral("Quorvendaltabulix");
// The application title: product name, a blank, the version. Every message box carries it.
QString anwendungstitel();
// The version code the update server publishes: the version's digits without the dots
// ("2.1.4.0" gives "2140").
QString versionscode(const QString& version);
