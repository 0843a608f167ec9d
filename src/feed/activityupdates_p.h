#ifndef ACTIVITYUPDATES_P_H
#define ACTIVITYUPDATES_P_H

#include "logging.h"

#include <socialprovidermanager.h>

// The provider's live updates, for the feed and the comments page.
namespace ActivityUpdates {

// Connects the slot to the provider's activityUpdate signal, or disconnects
// it, and keeps *listening in step; asked for the state it is in, it only
// says so under the caller's name.
template <typename Receiver, typename Slot>
void listen(Receiver *receiver, Slot slot, bool listen, bool *listening, const char *caller)
{
    if (listen == *listening) {
        qCDebug(lcDavovadezed) << caller << "No need to change state";
        return;
    }
    SocialProviderManager *manager = SocialProviderManager::instance();
    if (listen)
        QObject::connect(manager, &SocialProviderManager::activityUpdate, receiver, slot);
    else
        QObject::disconnect(manager, &SocialProviderManager::activityUpdate, receiver, slot);
    *listening = listen;
}

} // namespace ActivityUpdates

#endif // ACTIVITYUPDATES_P_H
