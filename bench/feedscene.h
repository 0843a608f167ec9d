#ifndef FEEDSCENE_H
#define FEEDSCENE_H

#include <QList>

class ActivitiesWidget;
class ActivityBubble;
class QGraphicsScene;

// Helpers for benchmarks that watch a feed on a scene.
namespace FeedScene {

// Gives the scene the handset's rect, as the application window does for
// its scene. Without one, Qt measures every item after each change to see
// whether the scene has grown: a cost that no shown feed pays.
void setHandsetRect(QGraphicsScene *scene);
// Lets the event loop run: posted layouts, contact answers, deferred deletes.
void settle();
// The bubbles on the scene.
QList<ActivityBubble *> bubbles(const QGraphicsScene *scene);
// Settles until every bubble on the scene shows its sender's contact, for
// at most a few seconds; false if some never got one.
bool waitForContacts(const QGraphicsScene *scene);
// Sizes the feed to its full height at the given width, as a scrolling page
// would.
void fitWidth(ActivitiesWidget *feed, qreal width);

} // namespace FeedScene

#endif // FEEDSCENE_H
