#include "scenereport.h"

#include "sceneitems.h"

#include <activitieswidget.h>
#include <activitybubble.h>
#include <attachmentimagewidget.h>
#include <avatarwidget.h>
#include <commentspage.h>
#include <uxbutton.h>
#include <uximagewidget.h>
#include <uxlabel.h>
#include <uxlayout.h>
#include <uxtextedit.h>

#include <QTextDocumentFragment>

namespace {

QString quoted(QString text)
{
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('"'), QLatin1String("\\\""));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString avatarState(const ActivityBubble *bubble)
{
    const auto *avatar = qobject_cast<const AvatarWidget *>(bubble->avatar());
    if (!avatar)
        return QStringLiteral("none");
    return avatar->avatarPixmap().isNull() ? QStringLiteral("initials") : QStringLiteral("picture");
}

// Which side of the bubble the avatar is on: the right one when the bubble
// is laid out from right to left.
QString avatarSide(const ActivityBubble *bubble)
{
    const QGraphicsWidget *avatar = bubble->avatar();
    if (!avatar)
        return QStringLiteral("none");
    const qreal middle = bubble->mapFromItem(avatar, avatar->rect().center()).x();
    return middle < bubble->rect().center().x() ? QStringLiteral("left") : QStringLiteral("right");
}

QString serviceIcon(const ActivityBubble *bubble)
{
    for (QGraphicsWidget *widget : bubble->informationWidgets()) {
        if (auto *icon = qobject_cast<UxImageWidget *>(widget))
            return icon->image();
    }
    return QString();
}

// The widgets of one row of a page: a widget, or the widgets of a nested
// layout.
QList<QGraphicsWidget *> rowWidgets(QGraphicsLayoutItem *row)
{
    QList<QGraphicsWidget *> widgets;
    if (auto *layout = dynamic_cast<UxLayout *>(row)) {
        for (int i = 0; i < layout->count(); ++i)
            widgets += rowWidgets(layout->itemAt(i));
    } else if (row->graphicsItem() && row->graphicsItem()->isWidget()) {
        widgets.append(static_cast<QGraphicsWidget *>(row->graphicsItem()));
    }
    return widgets;
}

template <typename T> T *findIn(const QList<QGraphicsWidget *> &widgets)
{
    for (QGraphicsWidget *widget : widgets) {
        if (auto *found = qobject_cast<T *>(widget))
            return found;
    }
    return nullptr;
}

} // namespace

QString SceneReport::describeBubble(const ActivityBubble *bubble)
{
    QStringList fields;
    fields << QStringLiteral("sender=") + quoted(bubble->senderName())
           << QStringLiteral("avatar=") + avatarState(bubble)
           << QStringLiteral("avatar-side=") + avatarSide(bubble)
           << QStringLiteral("time=") + quoted(bubble->timeStamp())
           << QStringLiteral("comments=") + quoted(bubble->commentsString())
           << QStringLiteral("likes=") + quoted(bubble->thumbsUpString())
           << QStringLiteral("icon=") + quoted(serviceIcon(bubble))
           << QStringLiteral("thumbnails=") +
                  QString::number(
                      SceneItems::visibleOfType<AttachmentImageWidget>(bubble->centralWidget())
                          .size());
    if (auto *link = qobject_cast<UxLabel *>(bubble->centralWidget())) {
        fields << QStringLiteral("link=") + quoted(link->plainText());
    } else {
        // The caption under the thumbnails.
        const QList<UxLabel *> captions =
            SceneItems::visibleOfType<UxLabel>(bubble->centralWidget());
        if (!captions.isEmpty())
            fields << QStringLiteral("caption=") + quoted(captions.constFirst()->plainText());
    }
    fields << QStringLiteral("message=") +
                  quoted(QTextDocumentFragment::fromHtml(bubble->message()).toPlainText());
    return fields.join(QLatin1Char(' '));
}

QStringList SceneReport::describeFeed(const ActivitiesWidget *feed)
{
    const QList<ActivityBubble *> bubbles = SceneItems::bubblesOf(feed);
    QStringList lines{QStringLiteral("feed: %1 bubbles").arg(feed->count())};
    for (int i = 0; i < bubbles.size(); ++i)
        lines << QStringLiteral("bubble %1: ").arg(i + 1) + describeBubble(bubbles.at(i));
    return lines;
}

QStringList SceneReport::describeCommentsPage(const CommentsPage *page)
{
    const ActivityBubble *activity = nullptr;
    const ActivitiesWidget *comments = nullptr;
    const UxLabel *likes = nullptr;
    const UxButton *likeButton = nullptr;
    const UxLabel *more = nullptr;
    bool postBox = false;
    auto *layout = dynamic_cast<UxLayout *>(page->centralWidget()->layout());
    for (int i = 0; layout && i < layout->count(); ++i) {
        const QList<QGraphicsWidget *> row = rowWidgets(layout->itemAt(i));
        activity = activity ? activity : findIn<ActivityBubble>(row);
        comments = comments ? comments : findIn<ActivitiesWidget>(row);
        auto *button = findIn<UxButton>(row);
        if (button && findIn<UxTextEdit>(row)) {
            postBox = true;
        } else if (button) {
            // The likes row: who likes it, and the like button.
            likes = findIn<UxLabel>(row);
            likeButton = button;
        } else if (row.size() == 1 && findIn<UxLabel>(row)) {
            // The link that fetches all comments.
            more = findIn<UxLabel>(row);
        }
    }

    QStringList fields{QStringLiteral("comments page: title=") + quoted(page->title())};
    fields << QStringLiteral("likes=") + quoted(likes ? likes->plainText() : QString())
           << QStringLiteral("like-button=") + quoted(likeButton ? likeButton->text() : QString())
           << QStringLiteral("comments=") + QString::number(comments ? comments->count() : 0)
           << QStringLiteral("postbox=") + QLatin1String(postBox ? "yes" : "no")
           << QStringLiteral("more=") + quoted(more ? more->plainText() : QString());
    QStringList lines{fields.join(QLatin1Char(' '))};
    if (activity)
        lines << QStringLiteral("activity: ") + describeBubble(activity);
    if (comments) {
        const QList<ActivityBubble *> bubbles = SceneItems::bubblesOf(comments);
        for (int i = 0; i < bubbles.size(); ++i)
            lines << QStringLiteral("comment %1: ").arg(i + 1) + describeBubble(bubbles.at(i));
    }
    return lines;
}
