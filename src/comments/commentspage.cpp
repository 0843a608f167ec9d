#include "commentspage.h"

#include "commentspage_p.h"
#include "logging.h"

#include <uxwidget.h>

#include <QGraphicsItem>

namespace {

// Drops the rows a previous activity left on the page.
void clearContent(UxWidget *content)
{
    content->setLayout(nullptr);
    const QList<QGraphicsItem *> items = content->childItems();
    for (QGraphicsItem *item : items) {
        item->hide();
        if (QGraphicsObject *object = item->toGraphicsObject())
            object->deleteLater();
        else
            delete item;
    }
}

} // namespace

CommentsPage::CommentsPage(UxWidget *parent) : UxApplicationPage(parent), d(nullptr)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
}

CommentsPage::~CommentsPage()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    delete d;
    d = nullptr;
}

void CommentsPage::setActivity(const SocialActivity &activity)
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO << activity.id();
    delete d;
    d = nullptr;
    // Shown already: the new activity gets rows of its own at once.
    const bool shown = isContentCreated();
    if (shown)
        clearContent(centralWidget());
    d = CommentsPagePrivate::createCommentsPagePrivate(this, activity);
    d->setActivity(activity);
    if (shown)
        d->createContent();
}

void CommentsPage::createContent()
{
    qCDebug(lcDavovadezed) << Q_FUNC_INFO;
    if (!d) {
        qCWarning(lcDavovadezed) << Q_FUNC_INFO << "No activity to show; call setActivity() first";
        return;
    }
    d->createContent();
}
