#include "activitycount_p.h"

#include <socialactivity.h>

namespace ActivityCount {

qint64 of(const SocialActivity &activity, const QString &property)
{
    bool isNumber = false;
    const qint64 count = activity.variantProperty(property).toLongLong(&isNumber);
    return isNumber && count > 0 ? count : 0;
}

} // namespace ActivityCount
