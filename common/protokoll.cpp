#include "common/protokoll.h"

Q_LOGGING_CATEGORY(webProtokoll, "common.web")
Q_LOGGING_CATEGORY(dateiProtokoll, "common.dateien")
