#ifndef ACCOUNTSIGNALS_P_H
#define ACCOUNTSIGNALS_P_H

#include <socialprovidermanager.h>

#include <QStringList>

// What follows the user's accounts hears of them the same way.
namespace AccountSignals {

// Accounts added and changed go to onUpdated, unless it is null; accounts
// removed go to onRemoved.
template <typename Receiver>
void follow(Receiver *receiver, void (Receiver::*onUpdated)(const QStringList &),
            void (Receiver::*onRemoved)(const QStringList &))
{
    SocialProviderManager *manager = SocialProviderManager::instance();
    if (onUpdated) {
        QObject::connect(manager, &SocialProviderManager::accountsAdded, receiver, onUpdated);
        QObject::connect(manager, &SocialProviderManager::accountsChanged, receiver, onUpdated);
    }
    QObject::connect(manager, &SocialProviderManager::accountsRemoved, receiver, onRemoved);
}

} // namespace AccountSignals

#endif // ACCOUNTSIGNALS_P_H
