#include "uxlogging_p.h"

Q_LOGGING_CATEGORY(lcUxLayout, "uxkit.layout", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUxTheme, "uxkit.theme", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUxLocale, "uxkit.locale", QtWarningMsg)
Q_LOGGING_CATEGORY(lcUxWidgets, "uxkit.widgets", QtWarningMsg)
