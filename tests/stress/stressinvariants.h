#ifndef STRESSINVARIANTS_H
#define STRESSINVARIANTS_H

#include <socialactivity.h>

#include <QString>

class ActivitiesWidget;
class QRandomGenerator;

// What must hold for a feed after every operation, checked through its
// public interface.
namespace StressInvariants {

// The first broken invariant of the list, or an empty string: every bubble
// shows an activity, no two share an (account, id) key, the count keeps the
// bound, nothing answers past the end, and the time-stamp range bounds the
// start time of every bubble.
QString check(const ActivitiesWidget *list);

// Remembers a fault when itemCountChanged announces another count than the
// list reports.
void checkAnnouncedCount(const ActivitiesWidget *list, quint32 announced);
QString takeAnnouncementFault();

// The activity of a random bubble of the list, or an empty one.
SocialActivity randomShown(const ActivitiesWidget *list, QRandomGenerator *random);

} // namespace StressInvariants

#endif // STRESSINVARIANTS_H
