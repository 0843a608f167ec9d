#ifndef STRESSACTIVITIES_H
#define STRESSACTIVITIES_H

#include <socialactivity.h>
#include <socialprovidertimeline.h>
#include <socialserviceaccount.h>

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class ActivitiesWidget;
class QRandomGenerator;
class SocialDataStore;

// Random but plausible provider data for the stress test: accounts, the
// activities of live updates and pushes, partial updates of shown ones, and
// filter settings. Ids come from small pools so that updates often meet
// activities already shown, and start times from a coarse grid so that equal
// times are common.
class StressActivities
{
public:
    explicit StressActivities(QRandomGenerator *random);

    // Services, accounts and persons, and the first comments page activity.
    void setUpProvider(SocialDataStore *store);
    void restoreAccount(SocialDataStore *store, const QString &accountId);

    QList<SocialActivity> newActivities(int count);
    // An activity as an application might push it: now and then without id,
    // without start time or on an account the provider does not know.
    SocialActivity oddActivity();
    // A partial update of a shown activity; names gets the changed properties.
    SocialActivity changed(const SocialActivity &shown, QList<QString> *names);
    SocialProviderTimeline::TimelineType timeline();
    // Some known account ids, or exactly count of them when count >= 0.
    QStringList someAccounts(int count = -1);

    SocialActivity commentRoot() const;
    void pickCommentRoot();
    // The comments page's activity with a larger comment count.
    SocialActivity moreComments();

    void changeFilters(ActivitiesWidget *feed);

private:
    SocialActivity randomActivity();
    QDateTime randomTime();
    QString randomDescription();
    QVariant randomAttachment();
    QString pick(const QStringList &values);

    QRandomGenerator *m_random;
    QTemporaryDir m_images;
    QStringList m_imagePaths;
    QList<SocialServiceAccount> m_accounts;
    SocialActivity m_commentRoot;
    SocialDataStore *m_store = nullptr;
};

#endif // STRESSACTIVITIES_H
