#include "uxapplicationwindow.h"

#include "uxapplicationpage.h"
#include "uxwindowregistry_p.h"

#include <QEvent>
#include <QGraphicsScene>

namespace {

const QSize s_handsetSize(480, 854);

} // namespace

UxApplicationWindow::UxApplicationWindow(QWidget *parent) : QGraphicsView(parent)
{
    setScene(new QGraphicsScene(this));
    setFrameStyle(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
    // Behind the pages, the palette's window colour, whatever the palette.
    viewport()->setBackgroundRole(QPalette::Window);
    resize(s_handsetSize);
    scene()->setSceneRect(QRectF(QPointF(0, 0), s_handsetSize));
}

UxApplicationWindow::~UxApplicationWindow()
{
    UxWindowRegistry::windowDestroyed(this);
}

bool UxApplicationWindow::isOnDisplay() const
{
    return m_onDisplay;
}

void UxApplicationWindow::showPage(UxApplicationPage *page)
{
    if (page)
        page->appear(scene());
}

void UxApplicationWindow::showEvent(QShowEvent *event)
{
    QGraphicsView::showEvent(event);
    UxWindowRegistry::windowShown(this);
    updateDisplayState();
}

void UxApplicationWindow::hideEvent(QHideEvent *event)
{
    QGraphicsView::hideEvent(event);
    updateDisplayState();
}

void UxApplicationWindow::changeEvent(QEvent *event)
{
    QGraphicsView::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        updateDisplayState();
}

void UxApplicationWindow::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    scene()->setSceneRect(QRectF(QPointF(0, 0), viewport()->size()));
}

void UxApplicationWindow::updateDisplayState()
{
    const bool onDisplay = isVisible() && !isMinimized();
    if (onDisplay == m_onDisplay)
        return;
    m_onDisplay = onDisplay;
    if (onDisplay)
        emit displayEntered();
    else
        emit displayExited();
}
