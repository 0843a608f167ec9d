// A feed and a comments page under a long run of random operations: live
// updates of new and shown activities, pushes, clears, account removals,
// fetches answered on a later turn of the event loop, filter changes and
// page replacements. After every step the feed and the page's comments list
// must keep their invariants. The run is seeded; a failure names the seed and
// the step.
//
//   DAVOVADEZED_STRESS_SEED        seed of the run (default 20240514)
//   DAVOVADEZED_STRESS_OPERATIONS  number of operations (default 100000)
#include "stressactivities.h"
#include "stressinvariants.h"
#include "stresslog.h"
#include "testmain.h"

#include <activitieswidget.h>
#include <commentspage.h>
#include <socialdatastore.h>
#include <socialprovidermanager.h>
#include <uxapplication.h>
#include <uxapplicationwindow.h>

#include <QCoreApplication>
#include <QEvent>
#include <QGraphicsScene>
#include <QHash>
#include <QLoggingCategory>
#include <QPointer>
#include <QRandomGenerator>
#include <QScopedPointer>
#include <QTest>

#include <functional>

namespace {

quint32 envNumber(const char *name, quint32 fallback)
{
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).toUInt(&ok);
    return ok ? value : fallback;
}

} // namespace

class tst_Stress : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void randomOperations();
    void cleanupTestCase();

private:
    struct Operation
    {
        const char *name;
        int weight;
        std::function<void()> run;
    };

    QList<Operation> operations();
    void openCommentsPage();
    void turnEventLoop();
    ActivitiesWidget *randomList();
    // The feed and, while its page lives, the comments page's list.
    QList<ActivitiesWidget *> lists() const;

    QRandomGenerator m_random;
    StressActivities *m_activities = nullptr;
    QScopedPointer<UxApplicationWindow> m_window;
    ActivitiesWidget *m_feed = nullptr;
    QPointer<CommentsPage> m_page;
    QPointer<ActivitiesWidget> m_comments;
    QStringList m_removedAccounts;
};

void tst_Stress::initTestCase()
{
    // The library's debug chatter would cost more than the operations.
    QLoggingCategory::setFilterRules(QStringLiteral("davovadezed.debug=false\nuxkit.debug=false"));
    StressLog::install();

    const quint32 seed = envNumber("DAVOVADEZED_STRESS_SEED", 20240514);
    qInfo("seed %u (set DAVOVADEZED_STRESS_SEED to repeat a run)", seed);
    m_random.seed(seed);
    m_activities = new StressActivities(&m_random);
    m_activities->setUpProvider(SocialProviderManager::instance()->store());

    m_window.reset(new UxApplicationWindow);
    m_feed = new ActivitiesWidget(30u);
    m_window->scene()->addItem(m_feed);
    m_feed->listenToActivityUpdates(true);
    connect(m_feed, &ActivitiesWidget::itemCountChanged, this,
            [this](quint32 count) { StressInvariants::checkAnnouncedCount(m_feed, count); });
    openCommentsPage();
}

void tst_Stress::cleanupTestCase()
{
    m_window.reset();
    turnEventLoop();
    delete m_activities;
    StressLog::printSummary();
}

void tst_Stress::openCommentsPage()
{
    if (m_page)
        m_page->disappear();
    auto *page = new CommentsPage;
    page->setActivity(m_activities->commentRoot());
    page->appear(m_window->scene(), UxSceneWindow::DestroyWhenDone);
    m_page = page;
    // The page built its rows as it appeared; pages of the Twitter gateway
    // have no comments list.
    m_comments = nullptr;
    for (QGraphicsItem *item : m_window->scene()->items()) {
        auto *list = qobject_cast<ActivitiesWidget *>(item->toGraphicsObject());
        if (list && item->topLevelItem() == page)
            m_comments = list;
    }
}

void tst_Stress::turnEventLoop()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<ActivitiesWidget *> tst_Stress::lists() const
{
    QList<ActivitiesWidget *> found = {m_feed};
    if (m_comments)
        found.append(m_comments);
    return found;
}

ActivitiesWidget *tst_Stress::randomList()
{
    const QList<ActivitiesWidget *> candidates = lists();
    return candidates.at(int(m_random.bounded(quint32(candidates.size()))));
}

QList<tst_Stress::Operation> tst_Stress::operations()
{
    SocialDataStore *store = SocialProviderManager::instance()->store();
    return {
        {"live update of new activities", 25,
         [=] {
             store->updateActivities(m_activities->newActivities(1 + m_random.bounded(2)), {},
                                     m_activities->timeline());
         }},
        {"live update of a shown activity", 20,
         [=] {
             const SocialActivity shown = StressInvariants::randomShown(randomList(), &m_random);
             if (shown.isEmpty())
                 return;
             QList<QString> names;
             store->updateActivities({m_activities->changed(shown, &names)}, names);
         }},
        {"push", 8,
         [=] {
             ActivitiesWidget *list = randomList();
             const SocialActivity shown = StressInvariants::randomShown(list, &m_random);
             if (!shown.isEmpty() && m_random.bounded(2)) {
                 QList<QString> names;
                 list->push(m_activities->changed(shown, &names), names);
             } else {
                 list->push(m_activities->oddActivity(), {});
             }
         }},
        {"push a list", 3,
         [=] {
             randomList()->pushActivities(m_activities->newActivities(1 + m_random.bounded(3)));
         }},
        {"clear", 1, [=] { randomList()->clear(); }},
        {"clean by accounts", 2,
         [=] { randomList()->cleanActivitiesByAccounts(m_activities->someAccounts()); }},
        {"remove an account", 1,
         [=] {
             const QString id = m_activities->someAccounts(1).value(0);
             if (id.isEmpty() || m_removedAccounts.contains(id))
                 return;
             store->removeAccount(id);
             m_removedAccounts.append(id);
             // The feed does not follow account removals itself; its
             // application does.
             m_feed->cleanActivitiesByAccounts({id});
         }},
        {"refresh", 3, [=] { randomList()->refreshFeeds(m_random.bounded(11)); }},
        {"store silently", 5,
         [=] {
             for (const SocialActivity &activity : m_activities->newActivities(3))
                 store->insertActivity(activity, m_activities->timeline());
         }},
        {"event loop turn", 4,
         [=] {
             turnEventLoop();
             // Removed accounts come back a while later.
             if (!m_removedAccounts.isEmpty())
                 m_activities->restoreAccount(store, m_removedAccounts.takeFirst());
         }},
        {"comment count of the page's activity", 2,
         [=] {
             store->updateActivities({m_activities->moreComments()},
                                     {SocialActivity::CommentCount});
         }},
        {"change the feed's filters", 2, [=] { m_activities->changeFilters(m_feed); }},
        {"stop or resume listening", 1,
         [=] { m_feed->listenToActivityUpdates(m_random.bounded(4) != 0); }},
        {"replace the comments page", 1,
         [=] {
             m_activities->pickCommentRoot();
             openCommentsPage();
         }},
    };
}

void tst_Stress::randomOperations()
{
    const quint32 count = envNumber("DAVOVADEZED_STRESS_OPERATIONS", 100000);
    const QList<Operation> ops = operations();
    int totalWeight = 0;
    for (const Operation &op : ops)
        totalWeight += op.weight;
    QHash<const char *, int> performed;

    for (quint32 step = 0; step < count; ++step) {
        int pick = int(m_random.bounded(totalWeight));
        const Operation *op = &ops.first();
        for (const Operation &candidate : ops) {
            op = &candidate;
            if (pick < candidate.weight)
                break;
            pick -= candidate.weight;
        }
        op->run();
        ++performed[op->name];
        if (!m_page && m_random.bounded(8) == 0)
            openCommentsPage();

        for (ActivitiesWidget *list : lists()) {
            const QString fault = StressInvariants::check(list);
            if (!fault.isEmpty())
                QFAIL(qPrintable(QStringLiteral("step %1 (%2): %3")
                                     .arg(step)
                                     .arg(QLatin1String(op->name), fault)));
        }
        const QString announced = StressInvariants::takeAnnouncementFault();
        if (!announced.isEmpty())
            QFAIL(qPrintable(QStringLiteral("step %1 (%2): %3")
                                 .arg(step)
                                 .arg(QLatin1String(op->name), announced)));
        const QString logged = StressLog::takeCritical();
        if (!logged.isEmpty())
            QFAIL(qPrintable(QStringLiteral("step %1 (%2): critical message: %3")
                                 .arg(step)
                                 .arg(QLatin1String(op->name), logged)));
    }
    // Every kind of operation ran; a run that skipped one proves less.
    if (count >= 1000) {
        for (const Operation &op : ops)
            QVERIFY2(performed.value(op.name) > 0, op.name);
    }
}

DAVOVADEZED_TEST_MAIN(tst_Stress)

#include "tst_stress.moc"
