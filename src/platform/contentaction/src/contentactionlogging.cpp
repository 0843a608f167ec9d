#include "contentactionlogging_p.h"

Q_LOGGING_CATEGORY(lcContentAction, "contentaction", QtWarningMsg)
