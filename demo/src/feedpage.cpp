#include "feedpage.h"

#include <activitieswidget.h>
#include <uxlayout.h>
#include <uxlinearlayoutpolicy.h>

namespace {

// Enough for a good scroll, few enough to stay quick on a handset.
const unsigned int s_maxBubbles = 50;

} // namespace

FeedPage::FeedPage(QGraphicsItem *parent)
    : UxApplicationPage(parent), m_feed(new ActivitiesWidget(s_maxBubbles))
{
    setTitle(QStringLiteral("Activities"));
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
