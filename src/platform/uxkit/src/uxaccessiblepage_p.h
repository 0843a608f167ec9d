#ifndef UXACCESSIBLEPAGE_P_H
#define UXACCESSIBLEPAGE_P_H

#include "uxaccessiblewidget.h"

class UxApplicationPage;

// A page is named by its title.
class UxAccessiblePage : public UxAccessibleWidget
{
public:
    explicit UxAccessiblePage(UxApplicationPage *page);

    QString text(QAccessible::Text t) const override;
};

#endif // UXACCESSIBLEPAGE_P_H
