#ifndef UXPROGRESSINDICATOR_H
#define UXPROGRESSINDICATOR_H

#include "uxwidget.h"

#include <QTimer>

// Shows progress as a ring (the default view type, "spinner") or as a bar
// (view type "bar"). With an unknown duration the indicator spins: an arc
// turns while the indicator is visible in a scene; otherwise it shows
// value() within the range. No timer runs while it is hidden or still.
class UXKIT_EXPORT UxProgressIndicator : public UxWidget
{
    Q_OBJECT
    Q_PROPERTY(bool unknownDuration READ unknownDuration WRITE setUnknownDuration)
    Q_PROPERTY(int value READ value WRITE setValue)

public:
    explicit UxProgressIndicator(QGraphicsItem *parent = nullptr,
                                 const QString &viewType = QString());

    QString viewType() const;

    bool unknownDuration() const;
    void setUnknownDuration(bool unknownDuration);
    // Whether the arc is turning right now.
    bool isSpinning() const;

    int minimum() const;
    int maximum() const;
    void setRange(int minimum, int maximum);
    int value() const;
    void setValue(int value);

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

public slots:
    // Back to the start: the value to the minimum, the arc to its first position.
    void reset();

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    bool isBar() const;
    void updateAnimation();
    void step();
    void paintRing(QPainter *painter, const QRectF &area) const;
    void paintBar(QPainter *painter, const QRectF &area) const;

    QString m_viewType;
    QTimer m_timer;
    bool m_unknownDuration = false;
    int m_phase = 0;
    int m_minimum = 0;
    int m_maximum = 100;
    int m_value = 0;
};

#endif // UXPROGRESSINDICATOR_H
