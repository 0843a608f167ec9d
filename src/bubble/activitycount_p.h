#ifndef ACTIVITYCOUNT_P_H
#define ACTIVITYCOUNT_P_H

#include <QString>
#include <QtGlobal>

class SocialActivity;

// Like and comment counts come from other people, so they are read with
// care: a negative count would otherwise wrap round to billions.
namespace ActivityCount {

// The count that the activity's property holds; 0 when it is absent, not a
// number or negative.
qint64 of(const SocialActivity &activity, const QString &property);

} // namespace ActivityCount

#endif // ACTIVITYCOUNT_P_H
