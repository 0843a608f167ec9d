#include "contactswidgetslogging_p.h"

Q_LOGGING_CATEGORY(lcContactsWidgets, "contactswidgets", QtWarningMsg)
