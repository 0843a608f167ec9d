#include "benchdata.h"

#include <socialactivityattachment.h>
#include <socialdatastore.h>
#include <socialnetworkperson.h>
#include <socialprovidermanager.h>
#include <socialservice.h>
#include <socialserviceaccount.h>

#include <uxtheme.h>

#include <QColor>
#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>

namespace {

const int s_friends = 50;

const QStringList s_words = {
    QStringLiteral("the"),      QStringLiteral("lake"),     QStringLiteral("was"),
    QStringLiteral("perfect"),  QStringLiteral("today"),    QStringLiteral("coffee"),
    QStringLiteral("meeting"),  QStringLiteral("tonight"),  QStringLiteral("anyone"),
    QStringLiteral("seen"),     QStringLiteral("new"),      QStringLiteral("release"),
    QStringLiteral("and"),      QStringLiteral("weekend"),  QStringLiteral("photos"),
    QStringLiteral("from"),     QStringLiteral("trip"),     QStringLiteral("to"),
    QStringLiteral("Helsinki"), QStringLiteral("great"),    QStringLiteral("thanks"),
    QStringLiteral("for"),      QStringLiteral("all"),      QStringLiteral("birthday"),
    QStringLiteral("wishes"),   QStringLiteral("#friday"),  QStringLiteral("@ann_lee"),
    QStringLiteral("can't"),    QStringLiteral("wait"),     QStringLiteral("so"),
    QStringLiteral("good"),     QStringLiteral("is"),       QStringLiteral("it"),
    QStringLiteral("just"),     QStringLiteral("finished"), QStringLiteral("reading"),
    QStringLiteral("\u2764"),   QStringLiteral("&"),        QStringLiteral("<3"),
    QStringLiteral("\"best\""), QStringLiteral("2.5km"),    QStringLiteral("v1.2.3"),
};

const QStringList s_links = {
    QStringLiteral("http://example.com/coffee?x=1&y=2#top"),
    QStringLiteral("https://www.youtube.com/watch?v=dQw4w9WgXcQ"),
    QStringLiteral("www.bbc.co.uk/news/technology"),
    QStringLiteral("news.example.org/2024/05/14/story.html"),
    QStringLiteral("https://t.co/a1B2c3D4e5"),
    QStringLiteral("maps.google.com/?q=lake"),
};

} // namespace

BenchData::BenchData(const QString &folder)
    : m_random(20240514),
      m_files(folder.isEmpty() ? QDir::temp().filePath(QStringLiteral("davovadezed-bench-XXXXXX"))
                               : QDir(folder).filePath(QStringLiteral("data-XXXXXX"))),
      m_accounts({QStringLiteral("fb-1"), QStringLiteral("tw-1")})
{
}

QDateTime BenchData::baseTime()
{
    return QDateTime(QDate(2024, 5, 14), QTime(8, 0), Qt::UTC);
}

QString BenchData::personId(const QString &accountId, int index) const
{
    return QStringLiteral("%1-friend%2").arg(accountId).arg(index);
}

QString BenchData::makeImage(const QString &name, const QSize &size, const char *format)
{
    // A gradient with a few shapes: photos compress like photos, not like
    // flat colour.
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor::fromHsv(int(m_random.bounded(360)), 160, 230));
    gradient.setColorAt(1, QColor::fromHsv(int(m_random.bounded(360)), 200, 90));
    painter.fillRect(image.rect(), gradient);
    for (int i = 0; i < 12; ++i) {
        painter.setBrush(QColor::fromHsv(int(m_random.bounded(360)), 120, 200));
        painter.drawEllipse(
            QPoint(int(m_random.bounded(size.width())), int(m_random.bounded(size.height()))),
            size.width() / 8, size.height() / 8);
    }
    painter.end();
    const QString path = m_files.filePath(name);
    image.save(path, format);
    return path;
}

void BenchData::setUpProvider()
{
    QDir(m_files.path()).mkpath(QStringLiteral("icons"));
    UxTheme::addImageSearchPath(m_files.filePath(QStringLiteral("icons")));
    SocialDataStore *store = SocialProviderManager::instance()->store();
    store->reset();
    const QStringList services = {QStringLiteral("facebook"), QStringLiteral("twittergw")};
    for (int i = 0; i < m_accounts.size(); ++i) {
        SocialService service;
        service.setProperty(SocialGenericData::Id, services.at(i));
        service.setProperty(SocialService::ProviderName, services.at(i));
        // The library's own Facebook icon, and a drawn one in the theme for
        // the other.
        QString icon = QStringLiteral(":/fb.png");
        if (i > 0) {
            icon = QStringLiteral("service-%1").arg(i);
            makeImage(QStringLiteral("icons/%1.png").arg(icon), QSize(48, 48), "PNG");
        }
        service.setProperty(SocialService::Icon, icon);
        store->addService(service);

        SocialServiceAccount account;
        account.setProperty(SocialGenericData::Id, m_accounts.at(i));
        account.setProperty(SocialServiceAccount::SocialServiceId, services.at(i));
        account.setProperty(SocialServiceAccount::ProfileId, QStringLiteral("me"));
        account.setProperty(SocialServiceAccount::State, SocialServiceAccount::Enabled);
        store->addAccount(account);

        QList<SocialNetworkPerson> persons;
        for (int f = 0; f < s_friends; ++f) {
            SocialNetworkPerson person;
            person.setProperty(SocialGenericData::ParentAccount, m_accounts.at(i));
            person.setProperty(SocialGenericData::Id, personId(m_accounts.at(i), f));
            person.setProperty(SocialNetworkPerson::FirstName, s_words.at(f % s_words.size()));
            person.setProperty(SocialNetworkPerson::LastName, QStringLiteral("Friend%1").arg(f));
            person.setProperty(SocialNetworkPerson::Picture,
                               makeImage(QStringLiteral("avatar-%1-%2.png").arg(i).arg(f),
                                         QSize(128, 128), "PNG"));
            persons.append(person);
        }
        store->updatePersons(persons);
    }
    store->setInitialized(true);
}

QStringList BenchData::photos(int count)
{
    while (m_photos.size() < count)
        m_photos.append(
            makeImage(QStringLiteral("photo-%1.jpg").arg(m_photos.size()), QSize(480, 360), "JPG"));
    return m_photos.mid(0, count);
}

QString BenchData::message()
{
    const int length = 40 + int(m_random.bounded(241));
    const bool withLink = m_random.bounded(3) == 0;
    const int linkAt = withLink ? int(m_random.bounded(length)) : -1;
    QString text;
    while (text.size() < length) {
        if (!text.isEmpty())
            text += QLatin1Char(' ');
        if (linkAt >= 0 && text.size() >= linkAt && !text.contains(QLatin1String("://")) &&
            !text.contains(QLatin1String("www.")))
            text += link();
        else
            text += s_words.at(int(m_random.bounded(s_words.size())));
    }
    return text;
}

QString BenchData::link()
{
    return s_links.at(int(m_random.bounded(s_links.size())));
}

SocialActivity BenchData::activity(const QString &id, const QDateTime &start, int photoCount)
{
    // The account follows from the id, so that an id always names the same
    // activity.
    const QString account = m_accounts.at(int(qHash(id) % uint(m_accounts.size())));
    SocialActivity activity;
    activity.setProperty(SocialGenericData::Id, id);
    activity.setProperty(SocialGenericData::ParentAccount, account);
    activity.setProperty(SocialGenericData::Description, message());
    activity.setProperty(SocialActivity::ActivityType, SocialActivity::Post);
    activity.setProperty(SocialActivity::OwnerPersonId,
                         personId(account, int(m_random.bounded(s_friends))));
    activity.setProperty(SocialActivity::StartTime, start);
    activity.setProperty(SocialActivity::CommentCount, m_random.bounded(12u));
    activity.setProperty(SocialActivity::LikeCount, m_random.bounded(40u));
    activity.setProperty(SocialActivity::IsLikedByMe, m_random.bounded(4) == 0);

    if (photoCount < 0) {
        // One in ten shares a link, one in ten brings photos.
        const quint32 draw = m_random.bounded(10);
        photoCount = draw == 0 ? 1 + int(m_random.bounded(4)) : 0;
        if (draw == 1) {
            SocialActivityAttachment shared;
            shared.linkUrl = link();
            shared.title = QStringLiteral("An article worth reading");
            activity.setProperty(SocialActivity::Attachment, QVariant::fromValue(shared));
        }
    }
    if (photoCount > 0) {
        SocialActivityAttachment album;
        album.title = QStringLiteral("Photos from the trip");
        // A small pool of files, as a feed shows the same albums again.
        const QStringList pool = photos(qMax(8, photoCount));
        for (int i = 0; i < photoCount; ++i) {
            SocialActivityAttachment::Media media;
            media.imagePath = pool.at(int(m_random.bounded(pool.size())));
            media.linkUrl = QStringLiteral("https://www.facebook.com/photo/%1").arg(i);
            album.media.append(media);
        }
        activity.setProperty(SocialActivity::Attachment, QVariant::fromValue(album));
    }
    return activity;
}
