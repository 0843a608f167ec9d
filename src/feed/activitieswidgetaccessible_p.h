#ifndef ACTIVITIESWIDGETACCESSIBLE_P_H
#define ACTIVITIESWIDGETACCESSIBLE_P_H

#include <uxaccessiblewidget.h>

class ActivitiesWidget;

// The feed reads as a list of its bubbles, top to bottom; the progress row
// is not one of them.
class ActivitiesWidgetAccessible : public UxAccessibleWidget
{
public:
    explicit ActivitiesWidgetAccessible(ActivitiesWidget *feed);

protected:
    QList<QGraphicsObject *> accessibleChildren() const override;
};

#endif // ACTIVITIESWIDGETACCESSIBLE_P_H
