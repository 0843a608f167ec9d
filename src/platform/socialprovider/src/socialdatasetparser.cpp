#include "socialdatasetparser_p.h"

#include "socialactivityattachment.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QJsonValue>
#include <QUrl>

#include <cmath>

namespace {

// Keeps relative ages within a century so the arithmetic cannot overflow.
const double s_maxAgeSeconds = 100.0 * 366 * 24 * 3600;
const double s_maxCount = 4294967295.0;

QString field(const QString &path, const QString &key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

QString item(const QString &path, int index)
{
    return QStringLiteral("%1[%2]").arg(path).arg(index);
}

} // namespace

SocialDataSetParser::SocialDataSetParser(const QString &baseDir, const QDateTime &now)
    : m_baseDir(baseDir), m_now(now)
{
}

bool SocialDataSetParser::parse(const QByteArray &json)
{
    clear();
    bool ok = checkUniqueKeys(json);
    if (ok) {
        QJsonParseError parseError;
        const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
        if (parseError.error != QJsonParseError::NoError)
            ok = fail(QString(), QStringLiteral("not valid JSON (%1 at offset %2)")
                                     .arg(parseError.errorString())
                                     .arg(parseError.offset));
        else if (!document.isObject())
            ok = fail(QString(), QStringLiteral("the document is not a JSON object"));
        else
            ok = parseDocument(document.object());
    }
    if (!ok) {
        const QString error = m_error;
        clear();
        m_error = error;
    }
    return ok;
}

QString SocialDataSetParser::errorString() const
{
    return m_error;
}

QList<SocialService> SocialDataSetParser::services() const
{
    return m_services;
}

QList<SocialServiceAccount> SocialDataSetParser::accounts() const
{
    return m_accounts;
}

QList<SocialNetworkPerson> SocialDataSetParser::persons() const
{
    return m_persons;
}

QList<SocialDataSetParser::Activity> SocialDataSetParser::activities() const
{
    return m_activities;
}

void SocialDataSetParser::clear()
{
    m_error.clear();
    m_services.clear();
    m_accounts.clear();
    m_persons.clear();
    m_activities.clear();
    m_serviceIds.clear();
    m_profileIds.clear();
    m_personKeys.clear();
    m_activityKeys.clear();
}

bool SocialDataSetParser::parseDocument(const QJsonObject &root)
{
    // Sections are read in dependency order whatever their order in the file.
    return checkFields(root, QString(), {"services", "accounts", "persons", "activities"}) &&
           forEachObject(root, QStringLiteral("services"), &SocialDataSetParser::parseService) &&
           forEachObject(root, QStringLiteral("accounts"), &SocialDataSetParser::parseAccount) &&
           forEachObject(root, QStringLiteral("persons"), &SocialDataSetParser::parsePerson) &&
           forEachObject(root, QStringLiteral("activities"), &SocialDataSetParser::parseActivity) &&
           checkParents();
}

bool SocialDataSetParser::parseService(const QJsonObject &object, const QString &path)
{
    QString id;
    QString name;
    QString icon;
    QString website;
    if (!checkFields(object, path, {"id", "name", "icon", "website"}) ||
        !readId(object, QStringLiteral("id"), path, &id) ||
        !readString(object, QStringLiteral("name"), path, &name) ||
        !readString(object, QStringLiteral("icon"), path, &icon) ||
        !readString(object, QStringLiteral("website"), path, &website))
        return false;
    if (m_serviceIds.contains(id))
        return fail(field(path, QStringLiteral("id")),
                    QStringLiteral("duplicate service id \"%1\"").arg(id));
    const QUrl url(website, QUrl::StrictMode);
    if (!website.isEmpty() && !url.isValid())
        return fail(field(path, QStringLiteral("website")),
                    QStringLiteral("not a valid URL: %1").arg(url.errorString()));

    SocialService service;
    service.setProperty(SocialService::Id, id);
    if (!name.isEmpty())
        service.setProperty(SocialService::ProviderName, name);
    if (!icon.isEmpty())
        service.setProperty(SocialService::Icon, icon);
    if (!website.isEmpty())
        service.setProperty(SocialService::Website, url);
    m_serviceIds.insert(id);
    m_services.append(service);
    return true;
}

bool SocialDataSetParser::parseAccount(const QJsonObject &object, const QString &path)
{
    static const Names s_states = {{QStringLiteral("disabled"), SocialServiceAccount::Disabled},
                                   {QStringLiteral("enabled"), SocialServiceAccount::Enabled},
                                   {QStringLiteral("failed"), SocialServiceAccount::Failed},
                                   {QStringLiteral("syncing"), SocialServiceAccount::Syncing}};
    QString id;
    QString serviceId;
    QString profileId;
    QString name;
    QString userName;
    int state = SocialServiceAccount::Enabled;
    if (!checkFields(object, path, {"id", "service", "profileId", "name", "userName", "state"}) ||
        !readId(object, QStringLiteral("id"), path, &id) ||
        !readId(object, QStringLiteral("service"), path, &serviceId) ||
        !readId(object, QStringLiteral("profileId"), path, &profileId) ||
        !readString(object, QStringLiteral("name"), path, &name) ||
        !readString(object, QStringLiteral("userName"), path, &userName) ||
        !readName(object, QStringLiteral("state"), path, s_states, &state))
        return false;
    if (m_profileIds.contains(id))
        return fail(field(path, QStringLiteral("id")),
                    QStringLiteral("duplicate account id \"%1\"").arg(id));
    if (!m_serviceIds.contains(serviceId))
        return fail(field(path, QStringLiteral("service")),
                    QStringLiteral("unknown service \"%1\"").arg(serviceId));

    SocialServiceAccount account;
    account.setProperty(SocialServiceAccount::Id, id);
    account.setProperty(SocialServiceAccount::SocialServiceId, serviceId);
    account.setProperty(SocialServiceAccount::ProfileId, profileId);
    if (!name.isEmpty())
        account.setProperty(SocialServiceAccount::AccountName, name);
    if (!userName.isEmpty())
        account.setProperty(SocialServiceAccount::UserName, userName);
    account.setProperty(SocialServiceAccount::State, state);
    m_profileIds.insert(id, profileId);
    m_accounts.append(account);
    return true;
}

bool SocialDataSetParser::parsePerson(const QJsonObject &object, const QString &path)
{
    QString id;
    QString accountId;
    QString firstName;
    QString lastName;
    QString screenName;
    QString picture;
    if (!checkFields(object, path,
                     {"id", "account", "firstName", "lastName", "screenName", "picture"}) ||
        !readId(object, QStringLiteral("id"), path, &id) ||
        !readId(object, QStringLiteral("account"), path, &accountId) ||
        !readString(object, QStringLiteral("firstName"), path, &firstName) ||
        !readString(object, QStringLiteral("lastName"), path, &lastName) ||
        !readString(object, QStringLiteral("screenName"), path, &screenName) ||
        !readString(object, QStringLiteral("picture"), path, &picture))
        return false;
    if (!m_profileIds.contains(accountId))
        return fail(field(path, QStringLiteral("account")),
                    QStringLiteral("unknown account \"%1\"").arg(accountId));
    const QPair<QString, QString> key(accountId, id);
    if (m_personKeys.contains(key))
        return fail(
            field(path, QStringLiteral("id")),
            QStringLiteral("duplicate person id \"%1\" on account \"%2\"").arg(id, accountId));

    SocialNetworkPerson person;
    person.setProperty(SocialNetworkPerson::Id, id);
    person.setProperty(SocialNetworkPerson::ParentAccount, accountId);
    if (!firstName.isEmpty())
        person.setProperty(SocialNetworkPerson::FirstName, firstName);
    if (!lastName.isEmpty())
        person.setProperty(SocialNetworkPerson::LastName, lastName);
    if (!screenName.isEmpty())
        person.setProperty(SocialNetworkPerson::ScreenName, screenName);
    if (!picture.isEmpty())
        person.setProperty(SocialNetworkPerson::Picture, resolvePath(picture));
    m_personKeys.insert(key);
    m_persons.append(person);
    return true;
}

bool SocialDataSetParser::parseActivity(const QJsonObject &object, const QString &path)
{
    static const Names s_types = {{QStringLiteral("post"), SocialActivity::Post},
                                  {QStringLiteral("comment"), SocialActivity::Comment},
                                  {QStringLiteral("photo"), SocialActivity::Photo}};
    static const Names s_timelines = {
        {QStringLiteral("none"), SocialProviderTimeline::NoTimeline},
        {QStringLiteral("home"), SocialProviderTimeline::Home},
        {QStringLiteral("wall"), SocialProviderTimeline::Wall},
        {QStringLiteral("photos"), SocialProviderTimeline::Photos},
        {QStringLiteral("mentions"), SocialProviderTimeline::Mentions}};
    QString id;
    QString accountId;
    int type = 0;
    QString owner;
    QString receiver;
    QString parent;
    QString description;
    int timeline = SocialProviderTimeline::NoTimeline;
    uint commentCount = 0;
    if (!checkFields(object, path,
                     {"id", "account", "type", "owner", "receiver", "parent", "description",
                      "startTime", "ageSeconds", "timeline", "commentCount", "likeCount",
                      "likedByMe", "likers", "attachment"}) ||
        !readId(object, QStringLiteral("id"), path, &id) ||
        !readId(object, QStringLiteral("account"), path, &accountId) ||
        !require(object, QStringLiteral("type"), path) ||
        !readName(object, QStringLiteral("type"), path, s_types, &type) ||
        !readString(object, QStringLiteral("owner"), path, &owner) ||
        !readString(object, QStringLiteral("receiver"), path, &receiver) ||
        !readString(object, QStringLiteral("parent"), path, &parent) ||
        !readString(object, QStringLiteral("description"), path, &description) ||
        !readName(object, QStringLiteral("timeline"), path, s_timelines, &timeline) ||
        !readCount(object, QStringLiteral("commentCount"), path, &commentCount))
        return false;
    if (!m_profileIds.contains(accountId))
        return fail(field(path, QStringLiteral("account")),
                    QStringLiteral("unknown account \"%1\"").arg(accountId));
    const QPair<QString, QString> key(accountId, id);
    if (m_activityKeys.contains(key))
        return fail(
            field(path, QStringLiteral("id")),
            QStringLiteral("duplicate activity id \"%1\" on account \"%2\"").arg(id, accountId));
    if (type == SocialActivity::Comment && parent.isEmpty())
        return fail(field(path, QStringLiteral("parent")),
                    QStringLiteral("a comment needs a parent activity"));
    if (type != SocialActivity::Comment && object.contains(QStringLiteral("parent")))
        return fail(field(path, QStringLiteral("parent")),
                    QStringLiteral("only comments have a parent activity"));

    SocialActivity activity;
    activity.setProperty(SocialActivity::Id, id);
    activity.setProperty(SocialActivity::ParentAccount, accountId);
    activity.setProperty(SocialActivity::ActivityType, type);
    if (!owner.isEmpty())
        activity.setProperty(SocialActivity::OwnerPersonId, owner);
    if (!receiver.isEmpty())
        activity.setProperty(SocialActivity::ReceiverPersonId, receiver);
    if (!parent.isEmpty())
        activity.setProperty(SocialActivity::ParentActivityId, parent);
    if (object.contains(QStringLiteral("description")))
        activity.setProperty(SocialActivity::Description, description);
    QDateTime startTime;
    if (!parseStartTime(object, path, &startTime))
        return false;
    activity.setProperty(SocialActivity::StartTime, startTime);
    activity.setProperty(SocialActivity::CommentCount, commentCount);

    Activity entry;
    if (!parseLikes(object, path, m_profileIds.value(accountId), &activity, &entry.likers))
        return false;
    const QString attachmentKey = QStringLiteral("attachment");
    if (object.contains(attachmentKey)) {
        const QString attachmentPath = field(path, attachmentKey);
        if (!object.value(attachmentKey).isObject())
            return fail(attachmentPath, QStringLiteral("expected an object"));
        SocialActivityAttachment attachment;
        if (!parseAttachment(object.value(attachmentKey).toObject(), attachmentPath, &attachment))
            return false;
        activity.setProperty(SocialActivity::Attachment, QVariant::fromValue(attachment));
    }
    entry.activity = activity;
    entry.timeline = static_cast<SocialProviderTimeline::TimelineType>(timeline);
    m_activityKeys.insert(key);
    m_activities.append(entry);
    return true;
}

bool SocialDataSetParser::parseStartTime(const QJsonObject &object, const QString &path,
                                         QDateTime *time)
{
    const QString startKey = QStringLiteral("startTime");
    const QString ageKey = QStringLiteral("ageSeconds");
    const bool hasStart = object.contains(startKey);
    const bool hasAge = object.contains(ageKey);
    if (hasStart == hasAge)
        return fail(path, QStringLiteral("needs exactly one of \"startTime\" and \"ageSeconds\""));
    if (hasStart) {
        const QJsonValue value = object.value(startKey);
        const QDateTime parsed = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
        if (!value.isString() || !parsed.isValid())
            return fail(field(path, startKey),
                        QStringLiteral("expected an ISO 8601 date and time"));
        *time = parsed.toUTC();
        return true;
    }
    const QJsonValue value = object.value(ageKey);
    const double age = value.toDouble(-1);
    if (!value.isDouble() || !std::isfinite(age) || age < 0 || age > s_maxAgeSeconds)
        return fail(field(path, ageKey),
                    QStringLiteral("expected a number of seconds between 0 and one century"));
    *time = m_now.addMSecs(-std::llround(age * 1000));
    return true;
}

bool SocialDataSetParser::parseLikes(const QJsonObject &object, const QString &path,
                                     const QString &profileId, SocialActivity *activity,
                                     QStringList *likers)
{
    const QString likersKey = QStringLiteral("likers");
    const QString likersPath = field(path, likersKey);
    const QJsonValue likersValue = object.value(likersKey);
    if (!likersValue.isUndefined() && !likersValue.isArray())
        return fail(likersPath, QStringLiteral("expected an array of person ids"));
    const QJsonArray likerArray = likersValue.toArray();
    QSet<QString> seen;
    for (int i = 0; i < likerArray.size(); ++i) {
        const QString liker = likerArray.at(i).toString();
        if (liker.isEmpty())
            return fail(item(likersPath, i), QStringLiteral("expected a person id"));
        if (seen.contains(liker))
            return fail(item(likersPath, i), QStringLiteral("duplicate liker \"%1\"").arg(liker));
        seen.insert(liker);
        likers->append(liker);
    }

    uint likeCount = static_cast<uint>(likers->size());
    bool likedByMe = seen.contains(profileId);
    if (!readCount(object, QStringLiteral("likeCount"), path, &likeCount) ||
        !readBool(object, QStringLiteral("likedByMe"), path, &likedByMe))
        return false;
    if (likeCount < static_cast<uint>(likers->size()))
        return fail(field(path, QStringLiteral("likeCount")),
                    QStringLiteral("smaller than the number of likers"));
    activity->setProperty(SocialActivity::LikeCount, likeCount);
    activity->setProperty(SocialActivity::IsLikedByMe, likedByMe);
    return true;
}

bool SocialDataSetParser::parseAttachment(const QJsonObject &object, const QString &path,
                                          SocialActivityAttachment *attachment)
{
    static const Names s_mediaTypes = {
        {QStringLiteral("image"), SocialActivityAttachment::Media::Image},
        {QStringLiteral("video"), SocialActivityAttachment::Media::Video}};
    if (!checkFields(object, path, {"firstText", "linkUrl", "title", "lastText", "media"}) ||
        !readString(object, QStringLiteral("firstText"), path, &attachment->firstText) ||
        !readString(object, QStringLiteral("linkUrl"), path, &attachment->linkUrl) ||
        !readString(object, QStringLiteral("title"), path, &attachment->title) ||
        !readString(object, QStringLiteral("lastText"), path, &attachment->lastText))
        return false;
    const QString mediaKey = QStringLiteral("media");
    const QString mediaPath = field(path, mediaKey);
    const QJsonValue mediaValue = object.value(mediaKey);
    if (!mediaValue.isUndefined() && !mediaValue.isArray())
        return fail(mediaPath, QStringLiteral("expected an array"));
    const QJsonArray mediaArray = mediaValue.toArray();
    for (int i = 0; i < mediaArray.size(); ++i) {
        const QString itemPath = item(mediaPath, i);
        if (!mediaArray.at(i).isObject())
            return fail(itemPath, QStringLiteral("expected an object"));
        const QJsonObject mediaObject = mediaArray.at(i).toObject();
        SocialActivityAttachment::Media media;
        QString image;
        if (!checkFields(mediaObject, itemPath, {"type", "linkUrl", "image", "fallbackUrl"}) ||
            !readName(mediaObject, QStringLiteral("type"), itemPath, s_mediaTypes, &media.type) ||
            !readString(mediaObject, QStringLiteral("linkUrl"), itemPath, &media.linkUrl) ||
            !readString(mediaObject, QStringLiteral("image"), itemPath, &image) ||
            !readString(mediaObject, QStringLiteral("fallbackUrl"), itemPath, &media.fallbackUrl))
            return false;
        media.imagePath = resolvePath(image);
        attachment->media.append(media);
    }
    return true;
}

bool SocialDataSetParser::checkParents()
{
    // Comments may come before their parents in the file.
    for (int i = 0; i < m_activities.size(); ++i) {
        const SocialActivity &activity = m_activities.at(i).activity;
        const QString parent = activity.property(SocialActivity::ParentActivityId);
        if (parent.isEmpty())
            continue;
        if (parent == activity.id() || !m_activityKeys.contains({activity.parentAccount(), parent}))
            return fail(field(item(QStringLiteral("activities"), i), QStringLiteral("parent")),
                        QStringLiteral("no other activity \"%1\" on account \"%2\"")
                            .arg(parent, activity.parentAccount()));
    }
    return true;
}

bool SocialDataSetParser::fail(const QString &path, const QString &problem)
{
    m_error = path.isEmpty() ? problem : path + QStringLiteral(": ") + problem;
    return false;
}

bool SocialDataSetParser::forEachObject(const QJsonObject &root, const QString &key,
                                        bool (SocialDataSetParser::*handle)(const QJsonObject &,
                                                                            const QString &))
{
    const QJsonValue value = root.value(key);
    if (value.isUndefined())
        return true;
    if (!value.isArray())
        return fail(key, QStringLiteral("expected an array"));
    const QJsonArray array = value.toArray();
    for (int i = 0; i < array.size(); ++i) {
        if (!array.at(i).isObject())
            return fail(item(key, i), QStringLiteral("expected an object"));
        if (!(this->*handle)(array.at(i).toObject(), item(key, i)))
            return false;
    }
    return true;
}

bool SocialDataSetParser::checkFields(const QJsonObject &object, const QString &path,
                                      const QStringList &allowed)
{
    // Catches misspelt fields, which would otherwise be dropped unnoticed.
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!allowed.contains(it.key()))
            return fail(path, QStringLiteral("unknown field \"%1\"").arg(it.key()));
    }
    return true;
}

bool SocialDataSetParser::require(const QJsonObject &object, const QString &key,
                                  const QString &path)
{
    return object.contains(key) || fail(field(path, key), QStringLiteral("missing"));
}

bool SocialDataSetParser::readId(const QJsonObject &object, const QString &key, const QString &path,
                                 QString *out)
{
    if (!require(object, key, path) || !readString(object, key, path, out))
        return false;
    return !out->isEmpty() || fail(field(path, key), QStringLiteral("must not be empty"));
}

bool SocialDataSetParser::readString(const QJsonObject &object, const QString &key,
                                     const QString &path, QString *out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return true;
    if (!value.isString())
        return fail(field(path, key), QStringLiteral("expected a string"));
    *out = value.toString();
    return true;
}

bool SocialDataSetParser::readCount(const QJsonObject &object, const QString &key,
                                    const QString &path, uint *out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return true;
    const double number = value.toDouble(-1);
    if (!value.isDouble() || !std::isfinite(number) || number < 0 || number > s_maxCount ||
        std::floor(number) != number)
        return fail(field(path, key), QStringLiteral("expected a whole number of at least 0"));
    *out = static_cast<uint>(number);
    return true;
}

bool SocialDataSetParser::readBool(const QJsonObject &object, const QString &key,
                                   const QString &path, bool *out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return true;
    if (!value.isBool())
        return fail(field(path, key), QStringLiteral("expected true or false"));
    *out = value.toBool();
    return true;
}

bool SocialDataSetParser::readName(const QJsonObject &object, const QString &key,
                                   const QString &path, const Names &names, int *out)
{
    const QJsonValue value = object.value(key);
    if (value.isUndefined())
        return true;
    QStringList known;
    for (const auto &name : names) {
        if (value.isString() && value.toString() == name.first) {
            *out = name.second;
            return true;
        }
        known.append(QLatin1Char('"') + name.first + QLatin1Char('"'));
    }
    return fail(field(path, key), QStringLiteral("expected one of %1").arg(known.join(", ")));
}

QString SocialDataSetParser::resolvePath(const QString &path) const
{
    if (path.isEmpty() || m_baseDir.isEmpty() || QDir::isAbsolutePath(path))
        return path;
    return QDir::cleanPath(QDir(m_baseDir).filePath(path));
}
