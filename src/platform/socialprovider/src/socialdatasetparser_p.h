#ifndef SOCIALDATASETPARSER_P_H
#define SOCIALDATASETPARSER_P_H

#include "socialactivity.h"
#include "socialnetworkperson.h"
#include "socialprovidertimeline.h"
#include "socialservice.h"
#include "socialserviceaccount.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// Reads a data-set document (docs/dataset.md) into records. Any input is
// safe to hand over: bytes that are not a valid data set are refused with a
// message naming the offending field, and nothing is kept of them.
class SocialDataSetParser
{
public:
    struct Activity
    {
        SocialActivity activity;
        SocialProviderTimeline::TimelineType timeline = SocialProviderTimeline::NoTimeline;
        QStringList likers;
    };

    // Relative paths resolve against baseDir; ages count back from now.
    SocialDataSetParser(const QString &baseDir, const QDateTime &now);

    bool parse(const QByteArray &json);
    QString errorString() const;

    QList<SocialService> services() const;
    QList<SocialServiceAccount> accounts() const;
    QList<SocialNetworkPerson> persons() const;
    QList<Activity> activities() const;

private:
    using Names = QList<QPair<QString, int>>;

    void clear();
    bool checkUniqueKeys(const QByteArray &json);
    bool parseDocument(const QJsonObject &root);
    bool parseService(const QJsonObject &object, const QString &path);
    bool parseAccount(const QJsonObject &object, const QString &path);
    bool parsePerson(const QJsonObject &object, const QString &path);
    bool parseActivity(const QJsonObject &object, const QString &path);
    bool parseStartTime(const QJsonObject &object, const QString &path, QDateTime *time);
    bool parseLikes(const QJsonObject &object, const QString &path, const QString &profileId,
                    SocialActivity *activity, QStringList *likers);
    bool parseAttachment(const QJsonObject &object, const QString &path,
                         SocialActivityAttachment *attachment);
    bool checkParents();

    bool fail(const QString &path, const QString &problem);
    bool forEachObject(const QJsonObject &root, const QString &key,
                       bool (SocialDataSetParser::*handle)(const QJsonObject &, const QString &));
    bool checkFields(const QJsonObject &object, const QString &path, const QStringList &allowed);
    bool require(const QJsonObject &object, const QString &key, const QString &path);
    bool readId(const QJsonObject &object, const QString &key, const QString &path, QString *out);
    bool readString(const QJsonObject &object, const QString &key, const QString &path,
                    QString *out);
    bool readCount(const QJsonObject &object, const QString &key, const QString &path, uint *out);
    bool readBool(const QJsonObject &object, const QString &key, const QString &path, bool *out);
    bool readName(const QJsonObject &object, const QString &key, const QString &path,
                  const Names &names, int *out);
    QString resolvePath(const QString &path) const;

    QString m_baseDir;
    QDateTime m_now;
    QString m_error;
    QList<SocialService> m_services;
    QList<SocialServiceAccount> m_accounts;
    QList<SocialNetworkPerson> m_persons;
    QList<Activity> m_activities;
    QSet<QString> m_serviceIds;
    QHash<QString, QString> m_profileIds; // account id -> profile id
    QSet<QPair<QString, QString>> m_personKeys;
    QSet<QPair<QString, QString>> m_activityKeys;
};

#endif // SOCIALDATASETPARSER_P_H
