#ifndef CONTACTCARDCLOSEBUTTON_P_H
#define CONTACTCARDCLOSEBUTTON_P_H

#include <QGraphicsWidget>

// The cross in the card's top trailing corner that closes it.
class ContactCardCloseButton : public QGraphicsWidget
{
    Q_OBJECT
public:
    explicit ContactCardCloseButton(QGraphicsItem *parent);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

signals:
    void clicked();

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void ungrabMouseEvent(QEvent *event) override;

private:
    bool m_pressed = false;
};

#endif // CONTACTCARDCLOSEBUTTON_P_H
