#include "libraryaccessiblefactory_p.h"

#include "activitieswidget.h"
#include "activitieswidgetaccessible_p.h"
#include "attachmentimagewidget.h"
#include "attachmentimagewidgetaccessible_p.h"

#include <QAccessible>

LibraryAccessibleFactory::LibraryAccessibleFactory()
{
    QAccessible::installFactory(&LibraryAccessibleFactory::create);
}

LibraryAccessibleFactory::~LibraryAccessibleFactory()
{
    QAccessible::removeFactory(&LibraryAccessibleFactory::create);
}

// Asked for every class of every object's ancestry, most derived first: only
// the exact class names answer.
QAccessibleInterface *LibraryAccessibleFactory::create(const QString &className, QObject *object)
{
    if (className == QLatin1String("ActivitiesWidget"))
        return new ActivitiesWidgetAccessible(static_cast<ActivitiesWidget *>(object));
    if (className == QLatin1String("AttachmentImageWidget"))
        return new AttachmentImageWidgetAccessible(static_cast<AttachmentImageWidget *>(object));
    return nullptr;
}
