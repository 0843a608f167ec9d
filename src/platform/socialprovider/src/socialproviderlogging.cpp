#include "socialproviderlogging_p.h"

Q_LOGGING_CATEGORY(lcSocialProvider, "socialprovider", QtWarningMsg)
