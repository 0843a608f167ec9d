#ifndef AVATARWIDGET_P_H
#define AVATARWIDGET_P_H

#include <QColor>
#include <QContact>
#include <QPixmap>
#include <QSize>
#include <QStringList>

class AvatarWidget;

class AvatarWidgetPrivate
{
public:
    explicit AvatarWidgetPrivate(AvatarWidget *owner);

    void setContact(const QtContacts::QContact &contact);
    // The picture at size, asked for once per contact and size; null until
    // it arrives, and while the initials are shown.
    QPixmap picture(const QSize &size);

    AvatarWidget *const m_owner;

    QtContacts::QContact m_contact;
    QString m_label;
    QString m_initials;
    QColor m_colour;
    QStringList m_picturePaths;
    QPixmap m_picture;
    QSize m_pictureSize;   // what m_picture was asked for; invalid when stale
    quint64 m_request = 0; // pictures that arrive for an earlier one are dropped
    bool m_arriving = false;
    bool m_pressed = false;

private:
    // Asks for the picture at the index, or the next readable one after it.
    void requestPicture(int index);
};

#endif // AVATARWIDGET_P_H
