#include "uxapplicationpage.h"

#include "uxpageviewport_p.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

const qreal s_minimumTitleBarHeight = 56;
const qreal s_titlePadding = 16;

QFont titleFont(QFont font)
{
    font.setBold(true);
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * 1.2);
    else
        font.setPixelSize(qRound(font.pixelSize() * 1.2));
    return font;
}

} // namespace

UxApplicationPage::UxApplicationPage(QGraphicsItem *parent)
    : UxSceneWindow(parent), m_viewport(new UxPageViewport(this))
{
}

UxWidget *UxApplicationPage::centralWidget() const
{
    return m_viewport->content();
}

QString UxApplicationPage::title() const
{
    return m_title;
}

void UxApplicationPage::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    update(QRectF(0, 0, size().width(), titleBarHeight()));
}

bool UxApplicationPage::isContentCreated() const
{
    return m_contentCreated;
}

bool UxApplicationPage::isBackButtonVisible() const
{
    return m_backButtonVisible;
}

qreal UxApplicationPage::scrollPosition() const
{
    return m_viewport->scrollPosition();
}

qreal UxApplicationPage::maximumScrollPosition() const
{
    return m_viewport->maximumScrollPosition();
}

void UxApplicationPage::setScrollPosition(qreal position)
{
    m_viewport->setScrollPosition(position);
}

void UxApplicationPage::createContent() {}

void UxApplicationPage::aboutToAppear()
{
    m_backButtonVisible = coversAnotherPage();
    update();
    if (m_contentCreated)
        return;
    // Set first: content creation must not run twice, even if it makes the
    // page appear again.
    m_contentCreated = true;
    createContent();
}

bool UxApplicationPage::coversAnotherPage() const
{
    const QGraphicsScene *target = scene();
    if (!target)
        return false;
    for (QGraphicsItem *item : target->items()) {
        auto *page = qobject_cast<UxApplicationPage *>(item->toGraphicsObject());
        if (page && page != this && !page->parentItem() && page->isVisible())
            return true;
    }
    return false;
}

qreal UxApplicationPage::titleBarHeight() const
{
    return qMax(s_minimumTitleBarHeight, QFontMetricsF(titleFont(font())).height() * 2);
}

QRectF UxApplicationPage::backButtonRect() const
{
    const qreal height = titleBarHeight();
    return QRectF(0, 0, height, height);
}

void UxApplicationPage::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    UxSceneWindow::resizeEvent(event);
    const qreal top = titleBarHeight();
    m_viewport->setGeometry(QRectF(0, top, size().width(), qMax<qreal>(0, size().height() - top)));
}

void UxApplicationPage::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const QRectF bar(0, 0, size().width(), titleBarHeight());
    const QPalette colours = palette();
    const QColor barInk = colours.color(QPalette::HighlightedText);
    painter->fillRect(boundingRect(), colours.color(QPalette::Window));
    painter->fillRect(bar, colours.color(QPalette::Highlight));

    QRectF titleArea = bar.adjusted(s_titlePadding, 0, -s_titlePadding, 0);
    if (m_backButtonVisible) {
        const QRectF back = backButtonRect();
        if (m_backPressed)
            painter->fillRect(back, colours.color(QPalette::Highlight).darker(140));
        // A chevron pointing left.
        const qreal arm = back.height() / 6;
        QPainterPath chevron;
        chevron.moveTo(back.center() + QPointF(arm / 2, -arm));
        chevron.lineTo(back.center() + QPointF(-arm / 2, 0));
        chevron.lineTo(back.center() + QPointF(arm / 2, arm));
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(QPen(barInk, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(chevron);
        painter->restore();
        titleArea.setLeft(back.right());
    }

    painter->setFont(titleFont(font()));
    painter->setPen(barInk);
    const QString title =
        QFontMetricsF(painter->font()).elidedText(m_title, Qt::ElideRight, titleArea.width());
    painter->drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter, title);
}

void UxApplicationPage::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    // Accepted wherever it lands, so that nothing below the page sees it.
    m_backPressed = m_backButtonVisible && event->button() == Qt::LeftButton &&
                    backButtonRect().contains(event->pos());
    if (m_backPressed)
        update(backButtonRect());
}

void UxApplicationPage::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (!m_backPressed)
        return;
    m_backPressed = false;
    update(backButtonRect());
    if (backButtonRect().contains(event->pos()))
        dismiss();
}
