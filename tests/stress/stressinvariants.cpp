#include "stressinvariants.h"

#include <activitieswidget.h>

#include <QDateTime>
#include <QPair>
#include <QRandomGenerator>
#include <QSet>

namespace {

QString s_announcementFault;

QString keyText(const SocialActivity &activity)
{
    return QStringLiteral("(%1, %2)").arg(activity.parentAccount(), activity.id());
}

} // namespace

namespace StressInvariants {

QString check(const ActivitiesWidget *list)
{
    const quint32 count = list->count();
    if (list->maxSize() != 0 && count > list->maxSize())
        return QStringLiteral("%1 bubbles in a list bounded at %2").arg(count).arg(list->maxSize());
    if (!list->activityAt(count).isEmpty())
        return QStringLiteral("an activity past the end, at %1").arg(count);

    const QDateTime &mostRecent = list->mostRecentActivityTimestamp();
    const QDateTime &oldest = list->oldestActivityTimestamp();
    QSet<QPair<QString, QString>> keys;
    for (quint32 i = 0; i < count; ++i) {
        const SocialActivity activity = list->activityAt(i);
        if (activity.id().isEmpty())
            return QStringLiteral("bubble %1 shows no activity").arg(i);
        const QPair<QString, QString> key(activity.parentAccount(), activity.id());
        if (keys.contains(key))
            return QStringLiteral("two bubbles for %1").arg(keyText(activity));
        keys.insert(key);

        const QDateTime start = activity.variantProperty(SocialActivity::StartTime).toDateTime();
        if (start.isValid() &&
            !(oldest.isValid() && mostRecent.isValid() && oldest <= start && start <= mostRecent))
            return QStringLiteral("bubble %1 %2 starts at %3, outside the range %4 .. %5")
                .arg(i)
                .arg(keyText(activity), start.toString(Qt::ISODate), oldest.toString(Qt::ISODate),
                     mostRecent.toString(Qt::ISODate));
    }
    return QString();
}

void checkAnnouncedCount(const ActivitiesWidget *list, quint32 announced)
{
    if (announced != list->count() && s_announcementFault.isEmpty())
        s_announcementFault = QStringLiteral("itemCountChanged(%1) while the list holds %2")
                                  .arg(announced)
                                  .arg(list->count());
}

QString takeAnnouncementFault()
{
    QString fault;
    fault.swap(s_announcementFault);
    return fault;
}

SocialActivity randomShown(const ActivitiesWidget *list, QRandomGenerator *random)
{
    const quint32 count = list->count();
    return count == 0 ? SocialActivity() : list->activityAt(random->bounded(count));
}

} // namespace StressInvariants
