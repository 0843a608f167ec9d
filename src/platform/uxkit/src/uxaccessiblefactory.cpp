#include "uxaccessiblefactory_p.h"

#include "uxaccessiblebubble_p.h"
#include "uxaccessiblebutton_p.h"
#include "uxaccessiblelabel_p.h"
#include "uxaccessiblepage_p.h"
#include "uxaccessibletextedit_p.h"
#include "uxaccessiblewindow_p.h"
#include "uxapplicationpage.h"
#include "uxapplicationwindow.h"
#include "uxbubbleitem.h"
#include "uxbutton.h"
#include "uximagewidget.h"
#include "uxlabel.h"
#include "uxtextedit.h"

#include <QAccessible>

namespace {

const UxAccessibleFactory s_factory;

} // namespace

UxAccessibleFactory::UxAccessibleFactory()
{
    QAccessible::installFactory(&UxAccessibleFactory::create);
}

UxAccessibleFactory::~UxAccessibleFactory()
{
    QAccessible::removeFactory(&UxAccessibleFactory::create);
}

// Asked for every class of every object's ancestry, most derived first: only
// the exact class names answer.
QAccessibleInterface *UxAccessibleFactory::create(const QString &className, QObject *object)
{
    if (className == QLatin1String("UxButton"))
        return new UxAccessibleButton(static_cast<UxButton *>(object));
    if (className == QLatin1String("UxLabel"))
        return new UxAccessibleLabel(static_cast<UxLabel *>(object));
    if (className == QLatin1String("UxTextEdit"))
        return new UxAccessibleTextEdit(static_cast<UxTextEdit *>(object));
    if (className == QLatin1String("UxBubbleItem"))
        return new UxAccessibleBubble(static_cast<UxBubbleItem *>(object));
    if (className == QLatin1String("UxImageWidget"))
        return new UxAccessibleWidget(static_cast<UxImageWidget *>(object), QAccessible::Graphic);
    if (className == QLatin1String("UxApplicationPage"))
        return new UxAccessiblePage(static_cast<UxApplicationPage *>(object));
    if (className == QLatin1String("UxApplicationWindow"))
        return new UxAccessibleWindow(static_cast<UxApplicationWindow *>(object));
    return nullptr;
}
