#include "socialcontactslogging.h"

Q_LOGGING_CATEGORY(lcSocialContacts, "socialcontacts", QtWarningMsg)
