#include "socialactivity.h"
#include "socialactivityattachment.h"
#include "socialnetworkperson.h"
#include "socialserviceaccount.h"

#include <QDateTime>
#include <QMetaType>
#include <QtTest>

// Runs without ever touching the manager: records must work on their own.
class tst_SocialProviderRecords : public QObject
{
    Q_OBJECT

private slots:
    void metaTypesKnownWithoutManager_data();
    void metaTypesKnownWithoutManager();
    void keysAreTheirOwnNames();
    void propertiesAsTextAndAsStored();
    void invalidValueRemovesProperty();
    void attachmentTravelsInVariant();
    void recordsCompareByValue();
};

void tst_SocialProviderRecords::metaTypesKnownWithoutManager_data()
{
    QTest::addColumn<QByteArray>("name");
    for (const char *name : {"SocialActivity", "QList<SocialActivity>", "SocialNetworkPerson",
                             "QList<SocialNetworkPerson>", "SocialServiceAccount", "SocialService",
                             "SocialProviderTimeline::TimelineType", "SocialActivityAttachment",
                             "SocialActivityAttachment::Media", "SocialProviderError",
                             "SocialDataRequest*", "QList<QString>"})
        QTest::newRow(name) << QByteArray(name);
}

void tst_SocialProviderRecords::metaTypesKnownWithoutManager()
{
    QFETCH(QByteArray, name);
    QVERIFY2(QMetaType::type(name) != QMetaType::UnknownType, name.constData());
}

void tst_SocialProviderRecords::keysAreTheirOwnNames()
{
    // Data sets, logs and other processes spell the keys out; the constants
    // must stay what they say.
    const QList<QPair<QString, QString>> keys = {
        {SocialGenericData::Id, "Id"},
        {SocialGenericData::ParentAccount, "ParentAccount"},
        {SocialActivity::ActivityType, "ActivityType"},
        {SocialActivity::OwnerPersonId, "OwnerPersonId"},
        {SocialActivity::ReceiverPersonId, "ReceiverPersonId"},
        {SocialActivity::ParentActivityId, "ParentActivityId"},
        {SocialActivity::StartTime, "StartTime"},
        {SocialActivity::CommentCount, "CommentCount"},
        {SocialActivity::LikeCount, "LikeCount"},
        {SocialActivity::IsLikedByMe, "IsLikedByMe"},
        {SocialActivity::Attachment, "Attachment"},
        {SocialNetworkPerson::Picture, "Picture"},
        {SocialServiceAccount::ProfileId, "ProfileId"},
        {SocialServiceAccount::State, "State"}};
    for (const auto &key : keys)
        QCOMPARE(key.first, key.second);
}

void tst_SocialProviderRecords::propertiesAsTextAndAsStored()
{
    const QDateTime start(QDate(2024, 5, 1), QTime(12, 30), Qt::UTC);
    SocialActivity activity({{SocialActivity::Id, "a1"},
                             {SocialActivity::LikeCount, 3u},
                             {SocialActivity::IsLikedByMe, true},
                             {SocialActivity::StartTime, start}});

    QCOMPARE(activity.id(), QString("a1"));
    QCOMPARE(activity.property(SocialActivity::LikeCount), QString("3"));
    QCOMPARE(activity.property(SocialActivity::IsLikedByMe), QString("true"));
    QCOMPARE(activity.variantProperty(SocialActivity::StartTime).toDateTime(), start);
    QCOMPARE(activity.variantProperty(SocialActivity::LikeCount).userType(), int(QMetaType::UInt));

    QVERIFY(!activity.hasProperty(SocialActivity::Description));
    QVERIFY(activity.property(SocialActivity::Description).isEmpty());
    QVERIFY(!activity.variantProperty(SocialActivity::Description).isValid());

    activity.removeProperty(SocialActivity::LikeCount);
    QVERIFY(!activity.hasProperty(SocialActivity::LikeCount));
    QCOMPARE(activity.properties().size(), 3);
}

void tst_SocialProviderRecords::invalidValueRemovesProperty()
{
    // An invalid value is how a merge says "no longer set".
    SocialNetworkPerson person(
        {{SocialNetworkPerson::FirstName, "Ann"}, {SocialNetworkPerson::LastName, QVariant()}});
    QVERIFY(!person.hasProperty(SocialNetworkPerson::LastName));

    person.setProperty(SocialNetworkPerson::FirstName, QVariant());
    QVERIFY(!person.hasProperty(SocialNetworkPerson::FirstName));
    QVERIFY(person.isEmpty());
}

void tst_SocialProviderRecords::attachmentTravelsInVariant()
{
    SocialActivityAttachment attachment;
    attachment.title = "Holiday";
    SocialActivityAttachment::Media media;
    media.imagePath = "/photos/beach.jpg";
    media.fallbackUrl = "https://example.com/beach";
    attachment.media.append(media);

    const QVariant variant = QVariant::fromValue(attachment);
    QCOMPARE(QByteArray(variant.typeName()), QByteArray("SocialActivityAttachment"));

    SocialActivity activity;
    activity.setProperty(SocialActivity::Attachment, variant);
    QCOMPARE(activity.attachment(), attachment);
    QVERIFY(!activity.attachment().isEmpty());

    activity.setProperty(SocialActivity::Attachment, "not an attachment");
    QVERIFY(activity.attachment().isEmpty());
    activity.removeProperty(SocialActivity::Attachment);
    QVERIFY(activity.attachment().isEmpty());
}

void tst_SocialProviderRecords::recordsCompareByValue()
{
    SocialActivityAttachment attachment;
    attachment.linkUrl = "https://example.com";
    SocialActivity first({{SocialActivity::Id, "a1"},
                          {SocialActivity::Attachment, QVariant::fromValue(attachment)}});
    SocialActivity second({{SocialActivity::Id, "a1"},
                           {SocialActivity::Attachment, QVariant::fromValue(attachment)}});
    QCOMPARE(first, second);

    attachment.linkUrl = "https://example.org";
    second.setProperty(SocialActivity::Attachment, QVariant::fromValue(attachment));
    QVERIFY(first != second);
}

QTEST_GUILESS_MAIN(tst_SocialProviderRecords)
#include "tst_socialprovider_records.moc"
