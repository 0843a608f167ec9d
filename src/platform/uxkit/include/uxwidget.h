#ifndef UXWIDGET_H
#define UXWIDGET_H

#include "uxkit_global.h"

#include <QGraphicsWidget>

// Base of every toolkit widget.
class UXKIT_EXPORT UxWidget : public QGraphicsWidget
{
    Q_OBJECT

public:
    explicit UxWidget(QGraphicsItem *parent = nullptr);
    ~UxWidget() override;

    void updateGeometry() override;

    // Whether the widget has a size of its own: one given by a layout or by
    // a resize. A widget that nobody sized has only the size Qt picks for it
    // meanwhile (its minimum, or its preferred size when it is shown), which
    // content that wraps should not be laid out for.
    bool hasOwnSize() const;

protected:
    void changeEvent(QEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    bool m_shown = true;
    bool m_hiding = false;
    bool m_sizingItself = false;
};

#endif // UXWIDGET_H
