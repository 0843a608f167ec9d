#ifndef UXLAYOUT_H
#define UXLAYOUT_H

#include "uxkit_global.h"

#include <QGraphicsLayout>
#include <QList>
#include <QSet>

class UxAbstractLayoutPolicy;
class UxWidget;

// A layout whose arrangement comes from its policy. The layout owns every
// item its policy holds or held; the policy decides where its items go, and
// items it does not hold (any more) are hidden.
//
// Items are widgets or nested UxLayouts. Taking an item out of the layout
// (removeAt, removeItem) releases it: a widget is hidden at once and deleted
// later, a nested layout is deleted with its items. Deleting the layout
// releases all its items. Taking an item out of a policy only hides it.
class UXKIT_EXPORT UxLayout : public QGraphicsLayout
{
public:
    explicit UxLayout(QGraphicsLayoutItem *parent = nullptr);
    ~UxLayout() override;

    int count() const override;
    QGraphicsLayoutItem *itemAt(int index) const override;
    int indexOf(const QGraphicsLayoutItem *item) const;
    void removeAt(int index) override;
    void removeItem(QGraphicsLayoutItem *item);

    UxAbstractLayoutPolicy *policy() const;

    void setGeometry(const QRectF &rect) override;

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;

private:
    friend class UxAbstractLayoutPolicy;
    friend class UxWidget;

    bool adoptItem(QGraphicsLayoutItem *item);
    void forgetItem(QGraphicsLayoutItem *item, bool restoreVisibility);
    static void releaseItem(QGraphicsLayoutItem *item);
    bool containsLayout(const UxLayout *layout) const;

    bool attachPolicy(UxAbstractLayoutPolicy *policy);
    void detachPolicy();

    void syncVisibility(QGraphicsLayoutItem *item);
    void setItemShown(QGraphicsLayoutItem *item, bool shown);
    void setSuppressed(bool suppressed);
    bool isHiddenByOthers(const QGraphicsLayoutItem *item) const;

    QList<QGraphicsLayoutItem *> m_items;
    UxAbstractLayoutPolicy *m_policy = nullptr;
    QSet<const QGraphicsLayoutItem *> m_hiddenByLayout;
    bool m_suppressed = false;
};

#endif // UXLAYOUT_H
