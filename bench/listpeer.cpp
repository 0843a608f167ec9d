#include "listpeer.h"

#include "richtextdelegate.h"

#include <messagetext_p.h>
#include <socialdatastore.h>
#include <socialnetworkperson.h>
#include <socialprovidermanager.h>

#include <QListView>
#include <QScrollBar>

namespace {

const QSize s_screen(480, 854);

QString keyOf(const SocialActivity &activity)
{
    return activity.parentAccount() + QLatin1Char('/') + activity.id();
}

} // namespace

ListPeer::ListPeer(int maxSize) : m_maxSize(maxSize), m_view(new QListView)
{
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->resize(s_screen);
    m_view->setItemDelegate(new RichTextDelegate(
        s_screen.width() - m_view->verticalScrollBar()->sizeHint().width(), m_view.get()));
    m_view->setModel(this);
    // Laid out as a shown view is, but never painted: the feed it is set
    // against is on a scene without a view.
    m_view->setAttribute(Qt::WA_DontShowOnScreen);
    m_view->setUpdatesEnabled(false);
    m_view->show();
}

ListPeer::~ListPeer()
{
    m_view->setModel(nullptr);
}

int ListPeer::rowOf(const QString &key) const
{
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).key == key)
            return i;
    }
    return -1;
}

QString ListPeer::footerOf(const SocialActivity &activity)
{
    return QStringLiteral("%1   %2")
        .arg(activity.variantProperty(SocialActivity::CommentCount).toUInt())
        .arg(activity.variantProperty(SocialActivity::LikeCount).toUInt());
}

void ListPeer::push(const SocialActivity &activity, const QList<QString> &changed)
{
    const QString key = keyOf(activity);
    const int shown = rowOf(key);
    if (shown >= 0) {
        if (changed.contains(SocialActivity::CommentCount) ||
            changed.contains(SocialActivity::LikeCount)) {
            m_rows[shown].footer = footerOf(activity);
            emit dataChanged(index(shown), index(shown), {RichTextDelegate::FooterRole});
        }
        return;
    }

    const SocialNetworkPerson owner = SocialProviderManager::instance()->store()->person(
        activity.parentAccount(), activity.property(SocialActivity::OwnerPersonId));
    const QString name = owner.property(SocialNetworkPerson::FirstName) + QLatin1Char(' ') +
                         owner.property(SocialNetworkPerson::LastName);
    Row row{
        key, activity.variantProperty(SocialActivity::StartTime).toDateTime(),
        QStringLiteral("<b>%1</b><br>%2")
            .arg(name.toHtmlEscaped(), MessageText::toHtml(activity.description().toHtmlEscaped())),
        footerOf(activity), owner.property(SocialNetworkPerson::Picture)};

    int at = 0;
    while (at < m_rows.size() && row.start < m_rows.at(at).start)
        ++at;
    beginInsertRows(QModelIndex(), at, at);
    m_rows.insert(at, row);
    endInsertRows();
    if (m_rows.size() > m_maxSize) {
        beginRemoveRows(QModelIndex(), m_rows.size() - 1, m_rows.size() - 1);
        m_rows.removeLast();
        endRemoveRows();
    }
}

int ListPeer::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

QVariant ListPeer::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size())
        return QVariant();
    const Row &row = m_rows.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return row.html;
    case Qt::DecorationRole: {
        auto avatar = m_avatars.find(row.picture);
        if (avatar == m_avatars.end())
            avatar = m_avatars.insert(row.picture, QPixmap(row.picture));
        return *avatar;
    }
    case RichTextDelegate::FooterRole:
        return row.footer;
    case RichTextDelegate::SizeKeyRole:
        return row.key;
    default:
        return QVariant();
    }
}
