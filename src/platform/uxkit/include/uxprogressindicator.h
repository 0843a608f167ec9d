#ifndef UXPROGRESSINDICATOR_H
#define UXPROGRESSINDICATOR_H

#include "uxwidget.h"

#include <QTimer>

// Shows progress as a ring, whatever the view type. With an unknown duration
// the indicator spins: an arc turns while the indicator is visible in a
// scene; otherwise only the ring shows. No timer runs while it is hidden or
// still.
class UXKIT_EXPORT UxProgressIndicator : public UxWidget
{
    Q_OBJECT
    Q_PROPERTY(bool unknownDuration READ unknownDuration WRITE setUnknownDuration)

public:
    explicit UxProgressIndicator(QGraphicsItem *parent = nullptr,
                                 const QString &viewType = QString());

    bool unknownDuration() const;
    void setUnknownDuration(bool unknownDuration);
    // Whether the arc is turning right now.
    bool isSpinning() const;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

public slots:
    // Back to the start: the arc to its first position.
    void reset();

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    void updateAnimation();
    void step();

    QTimer m_timer;
    bool m_unknownDuration = false;
    int m_phase = 0;
};

#endif // UXPROGRESSINDICATOR_H
