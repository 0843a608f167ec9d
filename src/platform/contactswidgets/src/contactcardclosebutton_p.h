#ifndef CONTACTCARDCLOSEBUTTON_P_H
#define CONTACTCARDCLOSEBUTTON_P_H

#include <uxbutton.h>

// The cross in the card's top trailing corner that closes it.
class ContactCardCloseButton : public UxButton
{
    Q_OBJECT
public:
    explicit ContactCardCloseButton(QGraphicsItem *parent);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;
};

#endif // CONTACTCARDCLOSEBUTTON_P_H
