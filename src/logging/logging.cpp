#include "logging.h"

Q_LOGGING_CATEGORY(lcDavovadezed, "davovadezed", QtWarningMsg)
