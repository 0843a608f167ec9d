#ifndef FLICKSCROLLER_H
#define FLICKSCROLLER_H

#include <QElapsedTimer>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QVariantAnimation>
#include <QVector>
#include <QWidget>

class QGraphicsView;
class UxApplicationPage;

// Kinetic scrolling for the pages of a window. The toolkit's pages already
// follow a dragging finger; this keeps the content gliding after a quick
// flick, slowing down as it goes, until it stops or the next touch.
class FlickScroller : public QObject
{
    Q_OBJECT
public:
    explicit FlickScroller(QGraphicsView *view);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    UxApplicationPage *pageAt(const QPoint &viewPos) const;
    void press(const QPoint &viewPos);
    void move(const QPoint &viewPos);
    void release();

    QGraphicsView *m_view;
    // The view tears its viewport down while this filter is still installed;
    // comparing against a guarded pointer never touches the dying view.
    QPointer<QWidget> m_viewport;
    QPointer<UxApplicationPage> m_page;
    QVariantAnimation m_glide;
    QElapsedTimer m_clock;
    // Recent finger positions: (milliseconds, y).
    QVector<QPair<qint64, qreal>> m_track;
    qreal m_pressScrollPosition = 0;
};

#endif // FLICKSCROLLER_H
