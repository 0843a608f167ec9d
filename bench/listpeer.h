#ifndef LISTPEER_H
#define LISTPEER_H

#include <socialactivity.h>

#include <QAbstractListModel>
#include <QDateTime>
#include <QHash>
#include <QPixmap>
#include <QVector>

#include <memory>

class QListView;

// What an application would write without the library: a QListView over a
// model of the same activities, newest first and cut to a bound, each row
// the message through the library's conversion in a rich-text delegate.
class ListPeer : public QAbstractListModel
{
public:
    explicit ListPeer(int maxSize);
    ~ListPeer() override;

    // Shows a new activity at its place by start time, or updates the
    // named properties of a shown one, as the feed does.
    void push(const SocialActivity &activity, const QList<QString> &changed);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    struct Row
    {
        QString key;
        QDateTime start;
        QString html;
        QString footer;
        QString picture;
    };

    int rowOf(const QString &key) const;
    static QString footerOf(const SocialActivity &activity);

    const int m_maxSize;
    QVector<Row> m_rows;
    mutable QHash<QString, QPixmap> m_avatars;
    std::unique_ptr<QListView> m_view;
};

#endif // LISTPEER_H
