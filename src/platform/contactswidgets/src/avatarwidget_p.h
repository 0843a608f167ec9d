#ifndef AVATARWIDGET_P_H
#define AVATARWIDGET_P_H

#include <QColor>
#include <QContact>
#include <QPixmap>
#include <QSize>
#include <QStringList>

class AvatarWidgetPrivate
{
public:
    void setContact(const QtContacts::QContact &contact);
    // The picture at size, decoded once per contact and size.
    QPixmap picture(const QSize &size);

    QtContacts::QContact m_contact;
    QString m_label;
    QString m_initials;
    QColor m_colour;
    QStringList m_picturePaths;
    QPixmap m_picture;
    QSize m_pictureSize; // what m_picture was decoded for; invalid when stale
    bool m_pressed = false;
};

#endif // AVATARWIDGET_P_H
