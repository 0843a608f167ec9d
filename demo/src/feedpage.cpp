#include "feedpage.h"

#include <activitieswidget.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>
#include <uxlocale.h>

namespace {

// Enough for a good scroll, few enough to stay quick on a handset.
const unsigned int s_maxBubbles = 50;

// The demo's own texts, beside the library's catalogs in the default locale.
void installDemoCatalog()
{
    UxLocale locale(nullptr);
    locale.installTrCatalog(QStringLiteral("davovadezed-demo"));
    UxLocale::setDefault(locale);
}

} // namespace

FeedPage::FeedPage(QGraphicsItem *parent)
    : UxApplicationPage(parent), m_feed(new ActivitiesWidget(s_maxBubbles))
{
    installDemoCatalog();
    setTitle(tr("Activities"));
    auto *layout = new UxLayout(centralWidget());
    auto *policy = new UxLinearLayoutPolicy(layout, Qt::Vertical);
    policy->setContentsMargins(0, 4, 0, 4);
    policy->addItem(m_feed);

    // Posts and photos only: comments show on each post's own page.
    m_feed->setActivityTypeFilter(SocialActivity::Post);
}

ActivitiesWidget *FeedPage::feed() const
{
    return m_feed;
}
