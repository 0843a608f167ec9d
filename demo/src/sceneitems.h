#ifndef SCENEITEMS_H
#define SCENEITEMS_H

#include <QGraphicsItem>
#include <QGraphicsObject>
#include <QList>

class ActivitiesWidget;
class ActivityBubble;
class CommentsPage;
class QGraphicsScene;

// Finds the library's widgets among the items of a scene.
class SceneItems
{
public:
    SceneItems() = delete;

    // The bubbles a feed shows, top to bottom.
    static QList<ActivityBubble *> bubblesOf(const ActivitiesWidget *feed);
    // The comments page on top of the scene, or null.
    static CommentsPage *shownCommentsPage(const QGraphicsScene *scene);

    // The visible items of type T at or below root.
    template <typename T> static QList<T *> visibleOfType(QGraphicsItem *root)
    {
        QList<T *> found;
        if (!root || !root->isVisible())
            return found;
        if (auto *item = qobject_cast<T *>(root->toGraphicsObject()))
            found.append(item);
        for (QGraphicsItem *child : root->childItems())
            found += visibleOfType<T>(child);
        return found;
    }
};

#endif // SCENEITEMS_H
