#ifndef UXACCESSIBLEWINDOW_P_H
#define UXACCESSIBLEWINDOW_P_H

#include <QAccessibleWidget>
#include <QList>

class QGraphicsObject;
class UxApplicationWindow;

// The application window offers the accessible items at the top of its
// scene as its children, instead of its viewport and scroll bars.
class UxAccessibleWindow : public QAccessibleWidget
{
public:
    explicit UxAccessibleWindow(UxApplicationWindow *window);

    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;

private:
    QList<QGraphicsObject *> accessibleChildren() const;
};

#endif // UXACCESSIBLEWINDOW_P_H
