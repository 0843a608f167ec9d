#ifndef CONTACTCARD_P_H
#define CONTACTCARD_P_H

#include <QContact>
#include <QGraphicsWidget>
#include <QList>
#include <QPointer>

class AvatarWidget;
class ContactCardCloseButton;
class QGraphicsTextItem;
class QGraphicsView;

// A page over a view showing who the contact is and where to reach them.
// Follows the view's size and scrolling and closes (and deletes itself) on a
// tap, on its close button or anywhere else.
class ContactCard : public QGraphicsWidget
{
    Q_OBJECT
public:
    ContactCard(const QtContacts::QContact &contact, QGraphicsView *view);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

protected:
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void ungrabMouseEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGraphicsTextItem *addText(const QString &text);
    void coverView();
    void arrange();

    QPointer<QGraphicsView> m_view;
    QWidget *m_viewport;
    AvatarWidget *m_avatar;
    QGraphicsTextItem *m_name;
    QList<QGraphicsTextItem *> m_accounts;
    ContactCardCloseButton *m_closeButton;
    bool m_pressed = false;
};

#endif // CONTACTCARD_P_H
