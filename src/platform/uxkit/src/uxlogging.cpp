#include "uxlogging_p.h"

Q_LOGGING_CATEGORY(lcUxLayout, "uxkit.layout")
Q_LOGGING_CATEGORY(lcUxTheme, "uxkit.theme")
Q_LOGGING_CATEGORY(lcUxLocale, "uxkit.locale")
Q_LOGGING_CATEGORY(lcUxWidgets, "uxkit.widgets")
