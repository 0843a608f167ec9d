#include "avatarwidget.h"
#include "avatarimage_p.h"
#include "avatarwidget_p.h"

#include <QContactAvatar>
#include <QContactDisplayLabel>
#include <QFont>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>

using namespace QtContacts;

static const QSizeF s_preferredSize(64, 64);
static const qreal s_cornerRatio = 0.15;
static const qreal s_letterRatio = 0.4;

namespace {

// Only pictures on this device can be shown; remote ones are the address book's to fetch.
QString localPath(const QUrl &url)
{
    if (url.isLocalFile()) {
        return url.toLocalFile();
    }
    if (url.scheme().isEmpty() && url.path().startsWith(QLatin1Char('/'))) {
        return url.path();
    }
    return {};
}

} // namespace

AvatarWidgetPrivate::AvatarWidgetPrivate(AvatarWidget *owner) : m_owner(owner) {}

void AvatarWidgetPrivate::setContact(const QContact &contact)
{
    m_contact = contact;
    m_label = contact.detail<QContactDisplayLabel>().label();
    m_initials = AvatarImage::initials(m_label);
    m_colour = AvatarImage::colourFor(m_label);
    m_picturePaths.clear();
    const QList<QContactAvatar> avatars = contact.details<QContactAvatar>();
    for (const QContactAvatar &avatar : avatars) {
        const QString path = localPath(avatar.imageUrl());
        if (!path.isEmpty()) {
            m_picturePaths.append(path);
        }
    }
    m_picture = QPixmap();
    m_pictureSize = QSize();
    ++m_request;
    m_arriving = false;
}

QPixmap AvatarWidgetPrivate::picture(const QSize &size)
{
    if (size.isEmpty()) {
        return {};
    }
    if (size != m_pictureSize) {
        m_pictureSize = size;
        m_picture = QPixmap();
        ++m_request;
        requestPicture(0);
    }
    return m_picture;
}

void AvatarWidgetPrivate::requestPicture(int index)
{
    m_arriving = false;
    if (index >= m_picturePaths.size()) {
        return;
    }
    const quint64 request = m_request;
    m_picture = AvatarImage::picture(m_picturePaths.at(index), m_pictureSize, m_owner,
                                     [this, request, index](const QPixmap &picture) {
                                         if (request != m_request) {
                                             return;
                                         }
                                         if (picture.isNull()) {
                                             requestPicture(index + 1);
                                         } else {
                                             m_picture = picture;
                                             m_arriving = false;
                                         }
                                         if (!m_picture.isNull()) {
                                             m_owner->update();
                                         }
                                     });
    m_arriving = m_picture.isNull();
}

bool AvatarWidget::isPictureArriving() const
{
    return m_d->m_arriving;
}

AvatarWidget::AvatarWidget(QGraphicsItem *parent)
    : QGraphicsWidget(parent), m_d(std::make_unique<AvatarWidgetPrivate>(this))
{
    setAcceptedMouseButtons(Qt::LeftButton);
}

AvatarWidget::~AvatarWidget() = default;

void AvatarWidget::setContact(const QContact &contact)
{
    m_d->setContact(contact);
    update();
}

QContact AvatarWidget::contact() const
{
    return m_d->m_contact;
}

QPixmap AvatarWidget::avatarPixmap() const
{
    return m_d->picture(size().toSize());
}

void AvatarWidget::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF frame = rect();
    if (frame.isEmpty()) {
        return;
    }
    const qreal side = qMin(frame.width(), frame.height());
    const qreal corner = side * s_cornerRatio;
    QPainterPath square;
    square.addRoundedRect(frame, corner, corner);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    const QPixmap picture = m_d->picture(frame.size().toSize());
    if (!picture.isNull()) {
        painter->setClipPath(square);
        painter->drawPixmap(frame, picture, QRectF(picture.rect()));
    } else {
        painter->fillPath(square, m_d->m_colour);
        if (!m_d->m_initials.isEmpty()) {
            QFont font = painter->font();
            font.setPixelSize(qMax(1, int(side * s_letterRatio)));
            font.setBold(true);
            painter->setFont(font);
            painter->setPen(Qt::white);
            painter->drawText(frame, Qt::AlignCenter, m_d->m_initials);
        }
    }
    painter->restore();
}

QSizeF AvatarWidget::sizeHint(Qt::SizeHint which, const QSizeF &constraint) const
{
    if (which == Qt::PreferredSize) {
        return s_preferredSize;
    }
    return QGraphicsWidget::sizeHint(which, constraint);
}

void AvatarWidget::polishEvent()
{
    // Not placed by a layout nor resized by the caller: take the preferred size.
    if (size().isEmpty()) {
        resize(effectiveSizeHint(Qt::PreferredSize));
    }
    QGraphicsWidget::polishEvent();
}

void AvatarWidget::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    m_d->m_pressed = true;
    event->accept();
}

void AvatarWidget::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    const bool tapped = m_d->m_pressed && rect().contains(event->pos());
    m_d->m_pressed = false;
    if (tapped) {
        emit clicked();
    }
}

void AvatarWidget::ungrabMouseEvent(QEvent *event)
{
    // Someone else took the touch over (a pan, a popup): no tap.
    m_d->m_pressed = false;
    QGraphicsWidget::ungrabMouseEvent(event);
}
