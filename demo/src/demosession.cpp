#include "demosession.h"

#include "feedpage.h"
#include "sceneitems.h"
#include "scenereport.h"
#include "scenesettler.h"

#include <activitieswidget.h>
#include <activitybubble.h>
#include <activitytimer.h>
#include <commentspage.h>
#include <socialdatastore.h>
#include <socialprovidermanager.h>
#include <uxtheme.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPixmap>

namespace {

// Generous: a loaded machine running the tests in parallel is slow.
const int s_settleTimeout = 30000;
const unsigned int s_fetchLimit = 40;
const int s_liveInterval = 4000;
// Room above a bubble scrolled into view.
const qreal s_scrollMargin = 8;

void sendMouse(QWidget *viewport, QEvent::Type type, const QPoint &pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, viewport->mapToGlobal(pos), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &event);
}

// Lets layouts, polishing and repaints that were posted catch up.
void flushEvents()
{
    for (int round = 0; round < 3; ++round)
        QCoreApplication::processEvents();
}

} // namespace

DemoSession::DemoSession() : m_page(new FeedPage)
{
    m_window.setWindowTitle(QStringLiteral("davovadezed demo"));
    m_window.showPage(m_page);
}

bool DemoSession::loadData(const QString &file)
{
    SocialDataStore *store = SocialProviderManager::instance()->store();
    if (!store->loadFile(file))
        return false;
    // A loaded data set is silent; a network provider announces the persons
    // it synchronised, and the library learns names from that.
    store->updatePersons(store->persons());
    UxTheme::addImageSearchPath(QFileInfo(file).absoluteDir().filePath(QStringLiteral("icons")));
    return true;
}

bool DemoSession::showFeed()
{
    m_window.show();
    ActivityTimer::instance()->setApplicationWindow(&m_window);

    SceneSettler settler(m_window.scene());
    ActivitiesWidget *feed = m_page->feed();
    feed->listenToActivityUpdates(true);
    feed->refreshFeeds(s_fetchLimit);
    const bool settled = settler.wait([] { return true; }, s_settleTimeout);
    flushEvents();
    return settled;
}

bool DemoSession::openComments(int n, QString *error)
{
    const QList<ActivityBubble *> bubbles = SceneItems::bubblesOf(m_page->feed());
    if (n > bubbles.size()) {
        *error =
            QStringLiteral("there is no bubble %1: the feed shows %2").arg(n).arg(bubbles.size());
        return false;
    }
    ActivityBubble *bubble = bubbles.at(n - 1);
    m_page->setScrollPosition(bubble->mapToItem(m_page->centralWidget(), QPointF()).y() -
                              s_scrollMargin);
    flushEvents();

    // Tap the bubble's top right corner, where it shows no link.
    const QPointF corner = bubble->boundingRect().topRight() + QPointF(-2, 2);
    const QPoint pos = m_window.mapFromScene(bubble->mapToScene(corner));
    if (m_window.itemAt(pos) != bubble) {
        *error = QStringLiteral("bubble %1 cannot be tapped: something covers it").arg(n);
        return false;
    }
    SceneSettler settler(m_window.scene());
    sendMouse(m_window.viewport(), QEvent::MouseButtonPress, pos, Qt::LeftButton);
    sendMouse(m_window.viewport(), QEvent::MouseButtonRelease, pos, Qt::NoButton);
    const bool opened =
        settler.wait([this] { return SceneItems::shownCommentsPage(m_window.scene()) != nullptr; },
                     s_settleTimeout);
    flushEvents();
    if (!opened)
        *error = QStringLiteral("tapping bubble %1 opened no comments page in time").arg(n);
    return opened;
}

bool DemoSession::writeScreenshot(const QString &file, QString *error)
{
    flushEvents();
    const QPixmap shot = m_window.grab();
    if (!shot.save(file, "PNG")) {
        *error = QStringLiteral("cannot write %1").arg(file);
        return false;
    }
    return true;
}

QStringList DemoSession::report() const
{
    QStringList lines = SceneReport::describeFeed(m_page->feed());
    if (const CommentsPage *page = SceneItems::shownCommentsPage(m_window.scene()))
        lines += SceneReport::describeCommentsPage(page);
    return lines;
}

void DemoSession::startLive()
{
    m_live.start(s_liveInterval);
}
