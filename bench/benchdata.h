#ifndef BENCHDATA_H
#define BENCHDATA_H

#include <socialactivity.h>

#include <QDateTime>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Realistic provider data for the benchmarks, the same on every run: two
// accounts with fifty friends each who have pictures, status messages of
// everyday length with links now and then, and photo attachments made of
// real image files in a temporary folder.
class BenchData
{
public:
    // The files go in a new folder inside the given one (default: the
    // system's temporary folder).
    explicit BenchData(const QString &folder = QString());

    // Replaces the provider's data with the accounts and persons.
    void setUpProvider();

    // A new activity of a random friend; attachments: none, a shared link
    // or photos, at the usual rates. photoCount forces that many photos.
    SocialActivity activity(const QString &id, const QDateTime &start, int photoCount = -1);
    // A message as people write them: 40 to 280 characters, a link in about
    // a third of them.
    QString message();
    // One of a few web links of everyday forms.
    QString link();
    // Paths of count distinct photo files of 480 by 360 pixels, the same
    // ones on every call.
    QStringList photos(int count);

    static QDateTime baseTime();

private:
    QString personId(const QString &accountId, int index) const;
    QString makeImage(const QString &name, const QSize &size, const char *format);

    QRandomGenerator m_random;
    QTemporaryDir m_files;
    QStringList m_photos;
    QStringList m_accounts;
};

#endif // BENCHDATA_H
