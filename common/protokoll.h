#pragma once

// The log categories of both programs. They stay quiet in normal runs: a warning is written only
// where a failure's cause gives way to the generic text a box shows, so that a user's report can
// be diagnosed.

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(webProtokoll)   // "common.web": fetches and downloads
Q_DECLARE_LOGGING_CATEGORY(dateiProtokoll) // "common.dateien": reads, writes and installs
