#include "worstcases.h"

#include "benchdata.h"
#include "benchoptions.h"
#include "hostileinputs.h"
#include "worstpictures.h"

#include <socialactivityattachment.h>
#include <socialdatastore.h>
#include <socialnetworkperson.h>
#include <socialprovidermanager.h>
#include <socialservice.h>
#include <socialserviceaccount.h>

namespace {

using WorstCases::Step;

struct Case
{
    QString name;
    std::function<QList<Step>(BenchData *data, const QString &folder)> steps;
};

const QString s_account = QStringLiteral("fb-1");
const QString s_owner = QStringLiteral("fb-1-friend1");

SocialDataStore *store()
{
    return SocialProviderManager::instance()->store();
}

QString sizeName(int bytes)
{
    return bytes >= 1024 * 1024 ? QStringLiteral("%1 MiB").arg(bytes / (1024 * 1024))
                                : QStringLiteral("%1 KiB").arg(bytes / 1024);
}

QString repeated(int bytes, const std::function<QString()> &unit)
{
    QString text;
    while (text.size() < bytes)
        text += unit();
    text.truncate(bytes);
    return text;
}

// Newer than the warm-up activity, so it shows at the top of the feed.
SocialActivity post(BenchData *data, const QString &account = s_account,
                    const QString &owner = s_owner)
{
    SocialActivity activity =
        data->activity(QStringLiteral("worst"), BenchData::baseTime().addSecs(3600), 0);
    activity.setProperty(SocialGenericData::ParentAccount, account);
    activity.setProperty(SocialActivity::OwnerPersonId, owner);
    return activity;
}

Step push(const SocialActivity &activity)
{
    return [activity] { store()->updateActivities({activity}); };
}

SocialActivity withPhotos(SocialActivity activity, const QStringList &paths, int count)
{
    SocialActivityAttachment album;
    album.title = QStringLiteral("Album");
    for (int i = 0; i < count; ++i) {
        SocialActivityAttachment::Media media;
        media.imagePath = paths.at(i % paths.size());
        media.linkUrl = QStringLiteral("https://example.com/photo/%1").arg(i);
        album.media.append(media);
    }
    activity.setProperty(SocialActivity::Attachment, QVariant::fromValue(album));
    return activity;
}

Case message(const QString &name, int bytes, const std::function<QString(BenchData *)> &unit)
{
    return {QStringLiteral("%1 %2").arg(sizeName(bytes), name),
            [bytes, unit](BenchData *data, const QString &) {
                SocialActivity activity = post(data);
                activity.setProperty(SocialGenericData::Description,
                                     repeated(bytes, [&] { return unit(data); }));
                return QList<Step>{push(activity)};
            }};
}

SocialNetworkPerson person(const QString &account, const QString &id, const QString &picture)
{
    SocialNetworkPerson person;
    person.setProperty(SocialGenericData::ParentAccount, account);
    person.setProperty(SocialGenericData::Id, id);
    person.setProperty(SocialNetworkPerson::FirstName, QStringLiteral("Worst"));
    person.setProperty(SocialNetworkPerson::LastName, QStringLiteral("Case"));
    person.setProperty(SocialNetworkPerson::Picture, picture);
    return person;
}

// A sender whose picture is the file.
Case avatar(const QString &name, const std::function<QString(const QString &)> &picture)
{
    return {name, [picture](BenchData *data, const QString &folder) {
                const QString id = QStringLiteral("fb-1-worst");
                const QList<SocialNetworkPerson> persons = {person(s_account, id, picture(folder))};
                return QList<Step>{[persons] { store()->updatePersons(persons); },
                                   push(post(data, s_account, id))};
            }};
}

// A new account of a service whose icon is the theme image.
Case serviceIcon(const QString &name, const QString &icon)
{
    return {name, [icon](BenchData *data, const QString &) {
                SocialService service;
                service.setProperty(SocialGenericData::Id, QStringLiteral("worstservice"));
                service.setProperty(SocialService::ProviderName, QStringLiteral("worstservice"));
                service.setProperty(SocialService::Icon, icon);
                SocialServiceAccount account;
                account.setProperty(SocialGenericData::Id, QStringLiteral("worst-1"));
                account.setProperty(SocialServiceAccount::SocialServiceId, service.id());
                account.setProperty(SocialServiceAccount::ProfileId, QStringLiteral("me"));
                account.setProperty(SocialServiceAccount::State, SocialServiceAccount::Enabled);
                const QString owner = QStringLiteral("worst-1-friend");
                const QList<SocialNetworkPerson> persons = {
                    person(account.id(), owner, data->photos(1).first())};
                return QList<Step>{[service, account] {
                                       store()->addService(service);
                                       store()->addAccount(account);
                                   },
                                   [persons] { store()->updatePersons(persons); },
                                   push(post(data, account.id(), owner))};
            }};
}

QList<Case> cases(const BenchOptions &options)
{
    QList<Case> all;
    for (int bytes : options.worstMessageBytes()) {
        all.append(message(QStringLiteral("words"), bytes,
                           [](BenchData *data) { return data->message() + QLatin1Char(' '); }));
        all.append(message(QStringLiteral("links"), bytes,
                           [](BenchData *data) { return data->link() + QLatin1Char(' '); }));
        all.append(message(QStringLiteral("no spaces"), bytes, [](BenchData *) {
            return QStringLiteral("abcdefghijklmnopqrstuvwxyz");
        }));
        for (int i = 0; i < HostileInputs::count(); ++i)
            all.append(message(QStringLiteral("hostile %1").arg(HostileInputs::name(i)), bytes,
                               [i, bytes](BenchData *) { return HostileInputs::make(i, bytes); }));
    }
    const int items = options.worstMediaItems();
    all.append(
        {QStringLiteral("%1 media items").arg(items), [items](BenchData *data, const QString &) {
             return QList<Step>{push(withPhotos(post(data), data->photos(8), items))};
         }});
    all.append({QStringLiteral("FIFO as thumbnail"), [](BenchData *data, const QString &folder) {
                    return QList<Step>{
                        push(withPhotos(post(data), {WorstPictures::fifo(folder)}, 1))};
                }});
    all.append(avatar(QStringLiteral("FIFO as avatar"), WorstPictures::fifo));
    all.append(serviceIcon(QStringLiteral("FIFO as service icon"), WorstPictures::fifoIcon()));
    for (int side : {options.worstPictureSide(), options.worstLargeSide()}) {
        const QString square = QStringLiteral("%1x%1").arg(side);
        all.append({QStringLiteral("four %1 thumbnails").arg(square),
                    [side](BenchData *data, const QString &folder) {
                        QStringList paths;
                        for (int i = 0; i < 4; ++i)
                            paths.append(WorstPictures::thumbnail(folder, side, i));
                        return QList<Step>{push(withPhotos(post(data), paths, 4))};
                    }});
        all.append(avatar(QStringLiteral("%1 avatar").arg(square), [side](const QString &folder) {
            return WorstPictures::avatar(folder, side);
        }));
        all.append(
            serviceIcon(QStringLiteral("%1 service icon").arg(square), WorstPictures::icon(side)));
    }
    return all;
}

} // namespace

namespace WorstCases {

QStringList names(const BenchOptions &options)
{
    QStringList names;
    for (const Case &c : cases(options))
        names.append(c.name);
    return names;
}

QList<Step> steps(const BenchOptions &options, const QString &name, BenchData *data,
                  const QString &folder)
{
    for (const Case &c : cases(options)) {
        if (c.name == name)
            return c.steps(data, folder);
    }
    return {};
}

} // namespace WorstCases
