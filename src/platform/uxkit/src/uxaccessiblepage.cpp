#include "uxaccessiblepage_p.h"

#include "uxapplicationpage.h"

UxAccessiblePage::UxAccessiblePage(UxApplicationPage *page)
    : UxAccessibleWidget(page, QAccessible::Pane)
{
}

QString UxAccessiblePage::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? static_cast<UxApplicationPage *>(object())->title()
                                  : UxAccessibleWidget::text(t);
}
