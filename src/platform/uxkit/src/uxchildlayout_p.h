#ifndef UXCHILDLAYOUT_P_H
#define UXCHILDLAYOUT_P_H

class QGraphicsItem;
class QGraphicsWidget;

// For widgets that place their children themselves. A linked child posts a
// layout request to its parent whenever its size hint changes. The link has
// to be cut before the child leaves the parent: Qt would otherwise follow it
// to a parent the child no longer has.
namespace UxChildLayout {

void link(QGraphicsWidget *parent, QGraphicsWidget *child);
// Cuts the link of a child that is leaving (from the parent's
// ItemChildRemovedChange); children of other kinds are left alone.
void unlink(const QGraphicsWidget *parent, QGraphicsItem *child);
// Cuts every child's link; for the parent's destructor.
void unlinkAll(const QGraphicsWidget *parent);

} // namespace UxChildLayout

#endif // UXCHILDLAYOUT_P_H
