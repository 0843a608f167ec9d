#ifndef AVATARWIDGET_H
#define AVATARWIDGET_H

#include "contactswidgets_global.h"

#include <QContact>
#include <QGraphicsWidget>
#include <QPixmap>

#include <memory>

class AvatarWidgetPrivate;

// A contact's picture, or the initials of its display label on a coloured
// square when it has no readable picture. The picture is decoded off the
// user-interface thread: the initials are shown until it arrives. Emits
// clicked() on a tap.
class CONTACTSWIDGETS_EXPORT AvatarWidget : public QGraphicsWidget
{
    Q_OBJECT
public:
    explicit AvatarWidget(QGraphicsItem *parent = nullptr);
    ~AvatarWidget() override;

    void setContact(const QtContacts::QContact &contact);
    QtContacts::QContact contact() const;

    // The contact's picture decoded at the widget's current size; null while
    // the initials are shown. Asks for the picture when it was not asked for
    // at this size yet, so it may arrive later.
    QPixmap avatarPixmap() const;
    // Whether a picture was asked for and has neither arrived nor been
    // refused yet.
    bool isPictureArriving() const;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

signals:
    void clicked();

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;
    void polishEvent() override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void ungrabMouseEvent(QEvent *event) override;

private:
    const std::unique_ptr<AvatarWidgetPrivate> m_d;
};

#endif // AVATARWIDGET_H
