#ifndef BUBBLETESTSUPPORT_H
#define BUBBLETESTSUPPORT_H

#include "providerfixtures.h"

#include <socialactivity.h>
#include <socialactivityattachment.h>
#include <uxapplication.h>

#include <QDateTime>
#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTest>
#include <QUrl>

// Runs a test class inside a toolkit application, as the library expects.
#define BUBBLE_TEST_MAIN(TestClass)                                                                \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        UxApplication app(argc, argv);                                                             \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

namespace BubbleFixtures {

// The provider state every bubble test starts from: account "a1" of service
// "facebook" (icon "icon-facebook"), account "a2" of "twittergw" (icon
// "icon-twitter"), and the person "p1" of "a1", Ann Smith.
inline void setUpProvider()
{
    using namespace ProviderFixtures;
    SocialDataStore *data = providerData();
    data->reset();
    data->addService(service(QStringLiteral("facebook"), QStringLiteral("icon-facebook")));
    data->addService(service(QStringLiteral("twittergw"), QStringLiteral("icon-twitter")));
    data->addAccount(
        account(QStringLiteral("a1"), QStringLiteral("facebook"), QStringLiteral("me1")));
    data->addAccount(
        account(QStringLiteral("a2"), QStringLiteral("twittergw"), QStringLiteral("me2")));
    QVariantMap names;
    names.insert(SocialNetworkPerson::FirstName, QStringLiteral("Ann"));
    names.insert(SocialNetworkPerson::LastName, QStringLiteral("Smith"));
    data->updatePersons({person(QStringLiteral("a1"), QStringLiteral("p1"), names)});
    data->setInitialized(true);
}

// A whole activity as the feed hands it to a new bubble.
inline SocialActivity activity(const QString &id, const QString &description,
                               qint64 ageSeconds = 300, const QString &accountId = "a1",
                               const QString &ownerId = "p1")
{
    SocialActivity record;
    record.setProperty(SocialGenericData::Id, id);
    record.setProperty(SocialGenericData::ParentAccount, accountId);
    record.setProperty(SocialGenericData::Description, description);
    record.setProperty(SocialActivity::OwnerPersonId, ownerId);
    record.setProperty(SocialActivity::StartTime,
                       QDateTime::currentDateTime().addSecs(-ageSeconds));
    return record;
}

// Only what a live update of one property carries.
inline SocialActivity update(const QString &id, const QString &property, const QVariant &value,
                             const QString &accountId = "a1")
{
    SocialActivity record;
    record.setProperty(SocialGenericData::Id, id);
    record.setProperty(SocialGenericData::ParentAccount, accountId);
    record.setProperty(property, value);
    return record;
}

inline SocialActivityAttachment::Media media(const QString &imagePath,
                                             const QString &linkUrl = QString(),
                                             const QString &fallbackUrl = QString(),
                                             int type = SocialActivityAttachment::Media::Image)
{
    SocialActivityAttachment::Media item;
    item.type = type;
    item.imagePath = imagePath;
    item.linkUrl = linkUrl;
    item.fallbackUrl = fallbackUrl;
    return item;
}

inline SocialActivity withAttachment(SocialActivity record,
                                     const SocialActivityAttachment &attachment)
{
    record.setProperty(SocialActivity::Attachment, QVariant::fromValue(attachment));
    return record;
}

} // namespace BubbleFixtures

// Catches what the platform would open, for every scheme a test may meet,
// so that nothing reaches a real handler.
class OpenedUrls : public QObject
{
    Q_OBJECT
public:
    OpenedUrls()
    {
        for (const QString &scheme : schemes())
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~OpenedUrls() override
    {
        for (const QString &scheme : schemes())
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls.append(url); }

private:
    static QStringList schemes()
    {
        return {QStringLiteral("http"),       QStringLiteral("https"), QStringLiteral("file"),
                QStringLiteral("javascript"), QStringLiteral("ftp"),   QStringLiteral("myapp"),
                QStringLiteral("data"),       QStringLiteral("mailto")};
    }
};

#endif // BUBBLETESTSUPPORT_H
