#ifndef UXAPPLICATIONPAGE_H
#define UXAPPLICATIONPAGE_H

#include "uxscenewindow.h"

class UxPageViewport;

// A full-screen page: a title bar and, below it, the central widget that
// holds the page's content. The central widget is as wide as the page and
// scrolls vertically when its content is taller than the page.
//
// The toolkit calls createContent() once, just before the page first
// appears. A page that appears above another page shows a back button in its
// title bar, which dismisses it.
class UXKIT_EXPORT UxApplicationPage : public UxSceneWindow
{
    Q_OBJECT
    Q_PROPERTY(QString title READ title WRITE setTitle)

public:
    explicit UxApplicationPage(QGraphicsItem *parent = nullptr);

    UxWidget *centralWidget() const;

    QString title() const;
    void setTitle(const QString &title);

    bool isContentCreated() const;
    bool isBackButtonVisible() const;

    // Vertical scrolling of the central widget, from 0 (top) to the maximum.
    qreal scrollPosition() const;
    qreal maximumScrollPosition() const;
    void setScrollPosition(qreal position);

    // Builds the page's content; the toolkit calls it once, just before the
    // page first appears.
    virtual void createContent();

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

protected:
    void aboutToAppear() override;
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;

private:
    qreal titleBarHeight() const;
    QRectF backButtonRect() const;
    bool coversAnotherPage() const;

    UxPageViewport *m_viewport;
    QString m_title;
    bool m_contentCreated = false;
    bool m_backButtonVisible = false;
    bool m_backPressed = false;
};

#endif // UXAPPLICATIONPAGE_H
