// One frame of a handset-sized view onto a feed of a hundred posts with
// avatars, thumbnails and rich text, against the same posts in a list view
// with a rich-text delegate.
#include "benchdata.h"
#include "benchmarks.h"
#include "benchoptions.h"
#include "benchtable.h"
#include "feedscene.h"
#include "richtextdelegate.h"
#include "samples.h"

#include <activitieswidget.h>
#include <activitybubble.h>
#include <socialdatastore.h>
#include <socialprovidermanager.h>
#include <uxapplicationwindow.h>

#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QListView>
#include <QPainter>
#include <QStandardItemModel>

namespace {

const QSize s_screen(480, 854);
const int s_posts = 100;

// Median time of painting the widget into an offscreen raster image.
double medianFrameMs(QWidget *widget, int frames, bool *blank)
{
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    QVector<double> times;
    for (int i = 0; i < frames; ++i) {
        image.fill(Qt::white);
        QElapsedTimer timer;
        timer.start();
        QPainter painter(&image);
        widget->render(&painter);
        painter.end();
        times.append(timer.nsecsElapsed() / 1e6);
    }
    // A frame that drew nothing would make any comparison meaningless.
    *blank = image.pixelColor(image.width() / 2, image.height() / 4) == Qt::white &&
             image.pixelColor(image.width() / 4, image.height() / 2) == Qt::white;
    return Samples::median(times);
}

QPixmap thumbnail(const QString &path)
{
    // Decoded as small as it is drawn, as the bubble does.
    QImageReader reader(path);
    reader.setScaledSize(reader.size().scaled(QSize(192, 108), Qt::KeepAspectRatio));
    return QPixmap::fromImage(reader.read());
}

// The list view's model: one item per post, in the feed's order, made of
// what the bubbles show.
void fillModel(QStandardItemModel *model, const ActivitiesWidget *feed,
               const QList<ActivityBubble *> &bubbles)
{
    SocialDataStore *store = SocialProviderManager::instance()->store();
    for (quint32 i = 0; i < feed->count(); ++i) {
        const SocialActivity activity = feed->activityAt(i);
        const ActivityBubble *bubble = nullptr;
        for (const ActivityBubble *candidate : bubbles) {
            if (candidate->activity().id() == activity.id())
                bubble = candidate;
        }
        auto *item = new QStandardItem;
        item->setData(QStringLiteral("<b>%1</b><br>%2")
                          .arg(bubble->senderName().toHtmlEscaped(), bubble->message()),
                      Qt::DisplayRole);
        const SocialNetworkPerson owner = store->person(
            activity.parentAccount(), activity.property(SocialActivity::OwnerPersonId));
        item->setData(QPixmap(owner.property(SocialNetworkPerson::Picture)), Qt::DecorationRole);
        QVariantList thumbnails;
        for (const SocialActivityAttachment::Media &media : activity.attachment().media)
            thumbnails.append(thumbnail(media.imagePath));
        item->setData(thumbnails, RichTextDelegate::ThumbnailsRole);
        item->setData(
            QStringLiteral("%1   %2   %3")
                .arg(bubble->timeStamp(), bubble->commentsString(), bubble->thumbsUpString()),
            RichTextDelegate::FooterRole);
        model->appendRow(item);
    }
}

} // namespace

namespace Benchmarks {

void paint(const BenchOptions &options, BenchData *data, BenchTable *table)
{
    const QString name = QStringLiteral("2. Paint");
    data->setUpProvider();
    QList<SocialActivity> activities;
    for (int i = 0; i < s_posts; ++i)
        activities.append(data->activity(QStringLiteral("p%1").arg(i),
                                         BenchData::baseTime().addSecs(60 * i), 1 + i % 4));

    UxApplicationWindow window;
    window.resize(s_screen);
    auto *feed = new ActivitiesWidget(100u);
    window.scene()->addItem(feed);
    feed->pushActivities(activities);
    window.show();
    const bool contacts = FeedScene::waitForContacts(window.scene());
    FeedScene::fitWidth(feed, s_screen.width());
    bool oursBlank = false;
    const double ours = medianFrameMs(window.viewport(), options.paintFrames(), &oursBlank);

    QStandardItemModel model;
    fillModel(&model, feed, FeedScene::bubbles(window.scene()));
    QListView list;
    list.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list.setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    list.resize(s_screen);
    list.show();
    FeedScene::settle();
    list.setItemDelegate(new RichTextDelegate(list.viewport()->width(), &list));
    list.setModel(&model);
    FeedScene::settle();
    bool listBlank = false;
    const double theirs = medianFrameMs(list.viewport(), options.paintFrames(), &listBlank);

    const QString frames = QStringLiteral("median of %1 frames").arg(options.paintFrames());
    table->add(name, QStringLiteral("feed, 480×854 view, %1").arg(frames),
               QStringLiteral("%1 ms").arg(ours, 0, 'f', 2), QStringLiteral("< 8 ms"),
               ours < 8 ? BenchTable::Met : BenchTable::Missed);
    table->add(name, QStringLiteral("QListView + rich-text delegate, %1").arg(frames),
               QStringLiteral("%1 ms").arg(theirs, 0, 'f', 2));
    const double ratio = theirs > 0 ? ours / theirs : 0;
    table->add(
        name, QStringLiteral("feed / list view"),
        {QStringLiteral("paint.vs_listview"), ratio, QString(), 2, QStringLiteral("≤"), 1.2});
    if (!contacts || oursBlank || listBlank)
        table->addNote(
            QStringLiteral("Paint: %1%2%3")
                .arg(contacts ? QString() : QStringLiteral("some avatars never arrived; "),
                     oursBlank ? QStringLiteral("the feed frame was blank; ") : QString(),
                     listBlank ? QStringLiteral("the list frame was blank") : QString()));
}

} // namespace Benchmarks
