#include "providerfixtures.h"

#include "socialprovidermanager.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <sys/stat.h>

using namespace ProviderFixtures;

namespace {

const char s_base[] = R"("services": [{"id": "fb"}],
                         "accounts": [{"id": "a", "service": "fb", "profileId": "me"}])";

QByteArray document(const QString &sections)
{
    return QStringLiteral("{%1, %2}").arg(QLatin1String(s_base), sections).toUtf8();
}

QByteArray withActivity(const QString &fields)
{
    return document(
        QStringLiteral(R"("activities": [{"id": "p", "account": "a", %1}])").arg(fields));
}

// Swallows warnings while damaged data sets are thrown at the store.
int s_warnings = 0;
void countWarnings(QtMsgType type, const QMessageLogContext &, const QString &)
{
    if (type == QtWarningMsg)
        ++s_warnings;
}

struct Snapshot
{
    QList<SocialService> services = providerData()->services();
    QList<SocialServiceAccount> accounts = providerData()->accounts();
    QList<SocialNetworkPerson> persons = providerData()->persons();
    QList<SocialActivity> activities = providerData()->activities();

    bool operator==(const Snapshot &other) const
    {
        return services == other.services && accounts == other.accounts &&
               persons == other.persons && activities == other.activities;
    }
};

} // namespace

// Loading data-set files: what a good one gives, and that a bad one is
// refused whole.
class tst_SocialProviderDataSet : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void sampleDataSetLoads();
    void goodFileGivesTypedRecords();
    void relativePathsFollowTheFile();
    void loadReplacesDataAndInitializesOnce();
    void badFileIsRefusedWhole_data();
    void badFileIsRefusedWhole();
    void unreadableFileIsRefused_data();
    void unreadableFileIsRefused();
    void loadJsonTellsWhy();
    void damagedInputNeverCorruptsTheStore();

private:
    QString write(const QString &relativePath, const QByteArray &content);

    QTemporaryDir m_dir;
};

void tst_SocialProviderDataSet::init()
{
    QVERIFY(m_dir.isValid());
    providerData()->reset();
}

QString tst_SocialProviderDataSet::write(const QString &relativePath, const QByteArray &content)
{
    const QString path = m_dir.filePath(relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) < 0)
        return QString();
    return path;
}

void tst_SocialProviderDataSet::sampleDataSetLoads()
{
    QSignalSpy initialized(SocialProviderManager::instance(), &SocialProviderManager::initialized);
    QVERIFY(providerData()->loadFile(QStringLiteral(SOCIALPROVIDER_SAMPLE_DATASET)));
    QCOMPARE(initialized.count(), 1);
    QCOMPARE(providerData()->services().size(), 2);
    QCOMPARE(providerData()->accounts().size(), 2);
    QCOMPARE(providerData()->persons().size(), 5);
    QCOMPARE(providerData()->activities().size(), 7);
    // The liker list holds the account's own profile.
    QCOMPARE(
        providerData()->activity("fb-1", "fb-post-1").variantProperty(SocialActivity::IsLikedByMe),
        QVariant(true));
}

void tst_SocialProviderDataSet::goodFileGivesTypedRecords()
{
    const QByteArray json = document(R"(
        "activities": [
            {"id": "p1", "account": "a", "type": "photo", "owner": "ann", "receiver": "me",
             "description": "Sunset", "startTime": "2024-04-30T21:45:00+02:00",
             "timeline": "photos", "commentCount": 4, "likers": ["bob", "me"],
             "attachment": {"firstText": "f", "linkUrl": "https://x.example", "title": "t",
                            "lastText": "l",
                            "media": [{"type": "video", "linkUrl": "https://v.example",
                                       "image": "/abs/v.jpg", "fallbackUrl": "https://f"}]}},
            {"id": "c1", "account": "a", "type": "comment", "parent": "p1", "ageSeconds": 90,
             "likeCount": 5, "likedByMe": false}
        ])");
    const QDateTime before = QDateTime::currentDateTimeUtc();
    QVERIFY(providerData()->loadJson(json));
    const QDateTime after = QDateTime::currentDateTimeUtc();

    const SocialServiceAccount account = providerData()->account("a");
    QCOMPARE(account.property(SocialServiceAccount::SocialServiceId), QString("fb"));
    QCOMPARE(account.variantProperty(SocialServiceAccount::State).toInt(),
             int(SocialServiceAccount::Enabled));

    const SocialActivity photo = providerData()->activity("a", "p1");
    QCOMPARE(photo.variantProperty(SocialActivity::ActivityType).toInt(),
             int(SocialActivity::Photo));
    QCOMPARE(photo.property(SocialActivity::OwnerPersonId), QString("ann"));
    QCOMPARE(photo.property(SocialActivity::ReceiverPersonId), QString("me"));
    QCOMPARE(photo.description(), QString("Sunset"));
    QCOMPARE(photo.variantProperty(SocialActivity::StartTime).toDateTime(),
             QDateTime(QDate(2024, 4, 30), QTime(19, 45), Qt::UTC));
    QCOMPARE(photo.variantProperty(SocialActivity::CommentCount).toUInt(), 4u);
    QCOMPARE(photo.variantProperty(SocialActivity::LikeCount).toUInt(), 2u);
    QCOMPARE(photo.variantProperty(SocialActivity::IsLikedByMe), QVariant(true));
    QCOMPARE(providerData()->likers("a", "p1"), QStringList({"bob", "me"}));
    QCOMPARE(providerData()->timelineOf("a", "p1"), SocialProviderTimeline::Photos);

    const SocialActivityAttachment attachment = photo.attachment();
    QCOMPARE(attachment.firstText, QString("f"));
    QCOMPARE(attachment.linkUrl, QString("https://x.example"));
    QCOMPARE(attachment.title, QString("t"));
    QCOMPARE(attachment.lastText, QString("l"));
    QCOMPARE(attachment.media.size(), 1);
    QCOMPARE(attachment.media.first().type, int(SocialActivityAttachment::Media::Video));
    QCOMPARE(attachment.media.first().linkUrl, QString("https://v.example"));
    QCOMPARE(attachment.media.first().imagePath, QString("/abs/v.jpg"));
    QCOMPARE(attachment.media.first().fallbackUrl, QString("https://f"));

    const SocialActivity comment = providerData()->activity("a", "c1");
    QCOMPARE(comment.property(SocialActivity::ParentActivityId), QString("p1"));
    QCOMPARE(comment.variantProperty(SocialActivity::LikeCount).toUInt(), 5u);
    QCOMPARE(comment.variantProperty(SocialActivity::IsLikedByMe), QVariant(false));
    QVERIFY(!comment.hasProperty(SocialActivity::Attachment));
    const QDateTime start = comment.variantProperty(SocialActivity::StartTime).toDateTime();
    QVERIFY(before.addSecs(-90) <= start && start <= after.addSecs(-90));
    QCOMPARE(providerData()->timelineOf("a", "c1"), SocialProviderTimeline::NoTimeline);
}

void tst_SocialProviderDataSet::relativePathsFollowTheFile()
{
    const QString path = write("sets/demo.json", document(R"(
        "persons": [{"id": "ann", "account": "a", "picture": "pictures/ann.png"},
                    {"id": "bob", "account": "a", "picture": "/usr/share/bob.png"}],
        "activities": [{"id": "p", "account": "a", "type": "post", "ageSeconds": 1,
                        "attachment": {"media": [{"image": "../photos/p.jpg"}]}}])"));
    QVERIFY(!path.isEmpty());
    QVERIFY(providerData()->loadFile(path));

    const QString base = QFileInfo(path).absolutePath();
    QCOMPARE(providerData()->person("a", "ann").property(SocialNetworkPerson::Picture),
             base + "/pictures/ann.png");
    QCOMPARE(providerData()->person("a", "bob").property(SocialNetworkPerson::Picture),
             QString("/usr/share/bob.png"));
    QCOMPARE(providerData()->activity("a", "p").attachment().media.first().imagePath,
             QDir::cleanPath(base + "/../photos/p.jpg"));

    // Loaded from text, paths follow the folder given.
    QVERIFY(providerData()->loadJson(document(R"("persons": [{"id": "ann", "account": "a",
                                                       "picture": "ann.png"}])"),
                                     "/srv/data"));
    QCOMPARE(providerData()->person("a", "ann").property(SocialNetworkPerson::Picture),
             QString("/srv/data/ann.png"));
}

void tst_SocialProviderDataSet::loadReplacesDataAndInitializesOnce()
{
    SocialProviderManager *manager = SocialProviderManager::instance();
    providerData()->addAccount(account("old", "svc", "me"));
    providerData()->insertActivity(counted(
        activity("old", "gone", QDateTime::currentDateTimeUtc(), SocialActivity::Post, "me")));
    QSignalSpy initialized(manager, &SocialProviderManager::initialized);

    QVERIFY(providerData()->loadJson(document(QStringLiteral(R"("persons": [])"))));
    QCOMPARE(initialized.count(), 1);
    QVERIFY(manager->isInitialized());
    QVERIFY(providerData()->activities().isEmpty());
    QVERIFY(manager->account("old").isEmpty());
    QCOMPARE(manager->accounts().size(), 1);

    QVERIFY(providerData()->loadJson(document(QStringLiteral(R"("persons": [])"))));
    QCOMPARE(initialized.count(), 1);
}

void tst_SocialProviderDataSet::badFileIsRefusedWhole_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("problem");
    const QString activity = R"("type": "post", "ageSeconds": 5)";

    QTest::newRow("not json") << QByteArray(R"({"services": [)") << "not valid JSON";
    QTest::newRow("empty") << QByteArray() << "not valid JSON";
    QTest::newRow("not an object") << QByteArray("[]") << "the document is not a JSON object";
    QTest::newRow("section not array")
        << QByteArray(R"({"services": {}})") << "services: expected an array";
    QTest::newRow("entry not object")
        << QByteArray(R"({"services": [3]})") << "services\\[0\\]: expected an object";
    QTest::newRow("unknown section")
        << QByteArray(R"({"service": []})") << "unknown field \"service\"";
    QTest::newRow("wrong type") << QByteArray(R"({"services": [{"id": "s", "name": 3}]})")
                                << "services\\[0\\]\\.name: expected a string";
    QTest::newRow("missing id") << QByteArray(R"({"services": [{"name": "x"}]})")
                                << "services\\[0\\]\\.id: missing";
    QTest::newRow("empty id") << QByteArray(R"({"services": [{"id": ""}]})")
                              << "services\\[0\\]\\.id: must not be empty";
    QTest::newRow("bad website")
        << QByteArray(R"({"services": [{"id": "s", "website": "http://exa mple.com"}]})")
        << "services\\[0\\]\\.website: not a valid URL";
    QTest::newRow("duplicate service") << QByteArray(R"({"services": [{"id": "s"}, {"id": "s"}]})")
                                       << "services\\[1\\]\\.id: duplicate service id \"s\"";
    QTest::newRow("duplicate account") << QByteArray(R"({"services": [{"id": "s"}],
                          "accounts": [{"id": "a", "service": "s", "profileId": "p"},
                                       {"id": "a", "service": "s", "profileId": "q"}]})")
                                       << "accounts\\[1\\]\\.id: duplicate account id \"a\"";
    QTest::newRow("unknown service")
        << QByteArray(R"({"accounts": [{"id": "a", "service": "x", "profileId": "me"}]})")
        << "accounts\\[0\\]\\.service: unknown service \"x\"";
    QTest::newRow("account without profile")
        << QByteArray(R"({"services": [{"id": "s"}], "accounts": [{"id": "a", "service": "s"}]})")
        << "accounts\\[0\\]\\.profileId: missing";
    QTest::newRow("unknown state")
        << QByteArray(
               R"({"services": [{"id": "s"}],
                   "accounts": [{"id": "a", "service": "s", "profileId": "p", "state": 1}]})")
        << "accounts\\[0\\]\\.state: expected one of \"disabled\", \"enabled\"";
    QTest::newRow("person of unknown account")
        << document(R"("persons": [{"id": "ann", "account": "b"}])")
        << "persons\\[0\\]\\.account: unknown account \"b\"";
    QTest::newRow("duplicate person")
        << document(R"("persons": [{"id": "ann", "account": "a"}, {"id": "ann", "account": "a"}])")
        << "persons\\[1\\]\\.id: duplicate person id \"ann\" on account \"a\"";
    QTest::newRow("activity of unknown account")
        << document(R"("activities": [{"id": "p", "account": "b", "type": "post",
                                        "ageSeconds": 5}])")
        << "activities\\[0\\]\\.account: unknown account \"b\"";
    QTest::newRow("duplicate activity")
        << document(R"("activities": [{"id": "p", "account": "a", "type": "post", "ageSeconds": 5},
                                       {"id": "p", "account": "a", "type": "post", "ageSeconds": 5}])")
        << "activities\\[1\\]\\.id: duplicate activity id \"p\"";
    QTest::newRow("misspelt field") << withActivity(activity + R"(, "ageSecs": 5)")
                                    << "activities\\[0\\]: unknown field \"ageSecs\"";
    QTest::newRow("missing type") << withActivity(R"("ageSeconds": 5)")
                                  << "activities\\[0\\]\\.type: missing";
    QTest::newRow("unknown type") << withActivity(R"("type": "status", "ageSeconds": 5)")
                                  << "activities\\[0\\]\\.type: expected one of";
    QTest::newRow("no time") << withActivity(R"("type": "post")")
                             << "activities\\[0\\]: needs exactly one of";
    QTest::newRow("two times") << withActivity(activity +
                                               R"(, "startTime": "2024-01-01T00:00:00Z")")
                               << "activities\\[0\\]: needs exactly one of";
    QTest::newRow("bad start time") << withActivity(R"("type": "post", "startTime": "yesterday")")
                                    << "activities\\[0\\]\\.startTime: expected an ISO 8601";
    QTest::newRow("negative age") << withActivity(R"("type": "post", "ageSeconds": -1)")
                                  << "activities\\[0\\]\\.ageSeconds: expected a number";
    QTest::newRow("huge age") << withActivity(R"("type": "post", "ageSeconds": 1e300)")
                              << "activities\\[0\\]\\.ageSeconds: expected a number";
    QTest::newRow("fractional count") << withActivity(activity + R"(, "likeCount": 1.5)")
                                      << "activities\\[0\\]\\.likeCount: expected a whole number";
    QTest::newRow("count as text") << withActivity(activity + R"(, "commentCount": "3")")
                                   << "activities\\[0\\]\\.commentCount: expected a whole number";
    QTest::newRow("liked as text") << withActivity(activity + R"(, "likedByMe": "yes")")
                                   << "activities\\[0\\]\\.likedByMe: expected true or false";
    QTest::newRow("wrong timeline") << withActivity(activity + R"(, "timeline": "feed")")
                                    << "activities\\[0\\]\\.timeline: expected one of";
    QTest::newRow("comment without parent")
        << withActivity(R"("type": "comment", "ageSeconds": 5)")
        << "activities\\[0\\]\\.parent: a comment needs a parent activity";
    QTest::newRow("parent on post") << withActivity(activity + R"(, "parent": "x")")
                                    << "activities\\[0\\]\\.parent: only comments";
    QTest::newRow("missing parent")
        << withActivity(R"("type": "comment", "parent": "zz", "ageSeconds": 5)")
        << "activities\\[0\\]\\.parent: no other activity \"zz\" on account \"a\"";
    QTest::newRow("comment on itself")
        << withActivity(R"("type": "comment", "parent": "p", "ageSeconds": 5)")
        << "activities\\[0\\]\\.parent: no other activity \"p\"";
    QTest::newRow("likers not array") << withActivity(activity + R"(, "likers": "me")")
                                      << "activities\\[0\\]\\.likers: expected an array";
    QTest::newRow("blank liker") << withActivity(activity + R"(, "likers": ["me", ""])")
                                 << "activities\\[0\\]\\.likers\\[1\\]: expected a person id";
    QTest::newRow("duplicate liker") << withActivity(activity + R"(, "likers": ["me", "me"])")
                                     << "activities\\[0\\]\\.likers\\[1\\]: duplicate liker";
    QTest::newRow("fewer likes than likers")
        << withActivity(activity + R"(, "likers": ["me", "x"], "likeCount": 1)")
        << "activities\\[0\\]\\.likeCount: smaller than the number of likers";
    QTest::newRow("attachment not object") << withActivity(activity + R"(, "attachment": [])")
                                           << "activities\\[0\\]\\.attachment: expected an object";
    QTest::newRow("bad media type")
        << withActivity(activity + R"(, "attachment": {"media": [{"type": "gif"}]})")
        << "activities\\[0\\]\\.attachment\\.media\\[0\\]\\.type: expected one of";
    QTest::newRow("media not object")
        << withActivity(activity + R"(, "attachment": {"media": ["x.jpg"]})")
        << "activities\\[0\\]\\.attachment\\.media\\[0\\]: expected an object";
    QTest::newRow("section given twice")
        << document(R"("activities": [{"id": "p", "account": "a", "type": "post",
                                        "ageSeconds": 5}], "activities": [])")
        << "duplicate field \"activities\"$";
    QTest::newRow("field given twice deep down")
        << withActivity(activity + R"(, "attachment": {"media": [{"image": "a.jpg"},
                                  {"type": "image", "image": "b.jpg", "image": "c.jpg"}]})")
        << "activities\\[0\\]\\.attachment\\.media\\[1\\]: duplicate field \"image\"$";
    QTest::newRow("field given twice, once escaped")
        << withActivity(activity + R"(, "description": "x", "descr\u0069ption": "y")")
        << "activities\\[0\\]: duplicate field \"description\"$";
    QTest::newRow("equal keys in different objects, then twice in one")
        << document(R"("persons": [{"id": "ann", "account": "a"}, {"id": "bo", "account": "a",
                                    "firstName": "B", "lastName": "O", "firstName": "C"}])")
        << "persons\\[1\\]: duplicate field \"firstName\"$";
    QTest::newRow("key text inside a value")
        << document(R"("persons": [{"id": "\"id\": [{", "account": "a", "id": "x"}])")
        << "persons\\[0\\]: duplicate field \"id\"$";
}

void tst_SocialProviderDataSet::badFileIsRefusedWhole()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, problem);
    QVERIFY(providerData()->loadFile(QStringLiteral(SOCIALPROVIDER_SAMPLE_DATASET)));
    providerData()->setInitialized(false);
    const Snapshot before;
    QSignalSpy initialized(SocialProviderManager::instance(), &SocialProviderManager::initialized);
    const QString path = write("bad.json", json);
    QVERIFY(!path.isEmpty());

    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Refusing data set file \"%1\": %2")
                                                .arg(QRegularExpression::escape(path), problem)));
    QVERIFY(!providerData()->loadFile(path));

    QVERIFY(Snapshot() == before);
    QCOMPARE(initialized.count(), 0);
    QVERIFY(!providerData()->isInitialized());
}

void tst_SocialProviderDataSet::unreadableFileIsRefused_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("problem");
    const QString pipe = m_dir.filePath("pipe.json");
    QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString pipeLink = m_dir.filePath("pipe-link.json");
    const QString deviceLink = m_dir.filePath("device-link.json");
    QVERIFY(QFile::link(pipe, pipeLink) && QFile::link("/dev/zero", deviceLink));
    // Sparse: past the limit without taking the room.
    const QString large = write("large.json", document(R"("persons": [])"));
    QVERIFY(QFile::resize(large, 16 * 1024 * 1024 + 1));
    const QString fits = write("fits.json", document(R"("persons": [])"));
    QVERIFY(QFile::resize(fits, 16 * 1024 * 1024));

    QTest::newRow("missing") << m_dir.filePath("missing.json") << "No such file";
    QTest::newRow("directory") << m_dir.path() << "not a regular file$";
    QTest::newRow("named pipe") << pipe << "not a regular file$";
    QTest::newRow("link to a named pipe") << pipeLink << "not a regular file$";
    QTest::newRow("endless device") << "/dev/zero"
                                    << "not a regular file$";
    QTest::newRow("link to a device") << deviceLink << "not a regular file$";
    QTest::newRow("above the size limit") << large << "larger than 16 MiB$";
    // Read, then refused for what it holds: the padding is not JSON.
    QTest::newRow("at the size limit") << fits << "not valid JSON";
}

void tst_SocialProviderDataSet::unreadableFileIsRefused()
{
    QFETCH(QString, path);
    QFETCH(QString, problem);
    providerData()->addAccount(account("keep", "svc", "me"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^Refusing data set file \"%1\": %2")
                                                .arg(QRegularExpression::escape(path), problem)));
    QVERIFY(!providerData()->loadFile(path));

    QCOMPARE(providerData()->accounts().size(), 1);
    QVERIFY(!providerData()->isInitialized());
}

void tst_SocialProviderDataSet::loadJsonTellsWhy()
{
    QString error;
    QTest::ignoreMessage(QtWarningMsg,
                         "Refusing data set: persons[0].account: unknown account \"zz\"");
    QVERIFY(!providerData()->loadJson(document(R"("persons": [{"id": "ann", "account": "zz"}])"),
                                      QString(), &error));
    QCOMPARE(error, QString("persons[0].account: unknown account \"zz\""));

    QVERIFY(providerData()->loadJson(document(R"("persons": [])"), QString(), &error));
}

void tst_SocialProviderDataSet::damagedInputNeverCorruptsTheStore()
{
    QFile sampleFile(QStringLiteral(SOCIALPROVIDER_SAMPLE_DATASET));
    QVERIFY(sampleFile.open(QIODevice::ReadOnly));
    const QByteArray sample = sampleFile.readAll();
    QVERIFY(providerData()->loadJson(sample));
    Snapshot loaded;

    QList<QByteArray> damaged;
    for (int length = 0; length < sample.size(); length += 7)
        damaged.append(sample.left(length));
    quint32 seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int i = 0; i < 400; ++i) {
        QByteArray copy = sample;
        for (int flips = 0; flips < 3; ++flips)
            copy[int(next() % quint32(copy.size()))] = char(next() >> 16);
        damaged.append(copy);
    }

    int refused = 0;
    bool intact = true;
    s_warnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler(countWarnings);
    for (const QByteArray &json : damaged) {
        if (providerData()->loadJson(json)) {
            // Damage inside a text can still be a valid data set.
            intact = providerData()->loadJson(sample);
            loaded = Snapshot();
        } else {
            ++refused;
            intact = Snapshot() == loaded;
        }
        if (!intact)
            break;
    }
    qInstallMessageHandler(previous);

    QVERIFY(intact);
    QVERIFY(refused > damaged.size() / 2);
    QCOMPARE(s_warnings, refused);
}

QTEST_GUILESS_MAIN(tst_SocialProviderDataSet)
#include "tst_socialprovider_dataset.moc"
