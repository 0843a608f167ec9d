#include "uxbubbleitem.h"

#include "uxchildlayout_p.h"
#include "uxpalette_p.h"
#include "uxtextblock_p.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTextOption>

#include <QWidget>
#include <algorithm>

namespace {

const qreal s_margin = 6;
const qreal s_tail = 8;
const qreal s_padding = 10;
const qreal s_radius = 10;
const qreal s_lineGap = 4;
const qreal s_sectionGap = 6;
const qreal s_footerSpacing = 12;
const qreal s_infoSpacing = 4;
const qreal s_defaultWidth = 360;

quint64 s_messageLayouts = 0;

// The avatar keeps the size it asks for, within its own bounds.
QSizeF avatarSizeOf(const QGraphicsWidget *avatar)
{
    return avatar->effectiveSizeHint(Qt::PreferredSize)
        .expandedTo(avatar->effectiveSizeHint(Qt::MinimumSize))
        .boundedTo(avatar->effectiveSizeHint(Qt::MaximumSize));
}

// The same rectangle seen in a mirror down the middle of the width.
QRectF mirrored(const QRectF &rect, qreal width)
{
    return QRectF(width - rect.right(), rect.top(), rect.width(), rect.height());
}

QFont boldFont(QFont font)
{
    font.setBold(true);
    return font;
}

} // namespace

struct UxBubbleItem::Geometry
{
    QRectF avatar;
    QRectF frame;
    QRectF name;
    QRectF message;
    QRectF central; // as shown, after scaling
    qreal centralScale = 1;
    QRectF footer;
    QList<QRectF> information;
    qreal height = 0;
};

UxBubbleItem::UxBubbleItem(QGraphicsItem *parent) : UxWidget(parent), m_message(new UxTextBlock)
{
    m_message->setFont(font());
    m_message->setLayoutCounter(&s_messageLayouts);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

UxBubbleItem::~UxBubbleItem()
{
    UxChildLayout::unlinkAll(this);
}

QString UxBubbleItem::senderName() const
{
    return m_senderName;
}

void UxBubbleItem::setSenderName(const QString &senderName)
{
    if (senderName == m_senderName)
        return;
    m_senderName = senderName;
    contentChanged();
}

QString UxBubbleItem::message() const
{
    return m_message->text();
}

void UxBubbleItem::setMessage(const QString &message)
{
    if (message == m_message->text())
        return;
    m_message->setText(message, UxTextBlock::RichFormat);
    contentChanged();
}

QString UxBubbleItem::timeStamp() const
{
    return m_timeStamp;
}

void UxBubbleItem::setTimeStamp(const QString &timeStamp)
{
    if (timeStamp == m_timeStamp)
        return;
    m_timeStamp = timeStamp;
    contentChanged();
}

QString UxBubbleItem::commentsString() const
{
    return m_commentsString;
}

void UxBubbleItem::setCommentsString(const QString &commentsString)
{
    if (commentsString == m_commentsString)
        return;
    m_commentsString = commentsString;
    contentChanged();
}

QString UxBubbleItem::thumbsUpString() const
{
    return m_thumbsUpString;
}

void UxBubbleItem::setThumbsUpString(const QString &thumbsUpString)
{
    if (thumbsUpString == m_thumbsUpString)
        return;
    m_thumbsUpString = thumbsUpString;
    contentChanged();
}

QGraphicsWidget *UxBubbleItem::avatar() const
{
    return m_avatar;
}

void UxBubbleItem::setAvatar(QGraphicsWidget *avatar)
{
    if (avatar == m_avatar)
        return;
    release(m_avatar);
    m_avatar = avatar;
    adopt(avatar);
    contentChanged();
}

QGraphicsWidget *UxBubbleItem::centralWidget() const
{
    return m_centralWidget;
}

void UxBubbleItem::setCentralWidget(QGraphicsWidget *centralWidget)
{
    if (centralWidget == m_centralWidget)
        return;
    release(m_centralWidget);
    m_centralWidget = centralWidget;
    adopt(centralWidget);
    contentChanged();
}

QSizeF UxBubbleItem::avatarPlaceholderSize() const
{
    return m_avatarPlaceholderSize;
}

void UxBubbleItem::setAvatarPlaceholderSize(const QSizeF &size)
{
    if (size == m_avatarPlaceholderSize)
        return;
    m_avatarPlaceholderSize = size;
    contentChanged();
}

quint64 UxBubbleItem::messageLayoutCount()
{
    return s_messageLayouts;
}

void UxBubbleItem::addInformationWidget(QGraphicsWidget *widget)
{
    if (!widget || informationWidgets().contains(widget))
        return;
    m_informationWidgets.append(widget);
    adopt(widget);
    contentChanged();
}

void UxBubbleItem::removeInformationWidget(QGraphicsWidget *widget)
{
    if (!widget || !m_informationWidgets.removeOne(widget))
        return;
    release(widget);
    contentChanged();
}

QList<QGraphicsWidget *> UxBubbleItem::informationWidgets() const
{
    QList<QGraphicsWidget *> widgets;
    for (const QPointer<QGraphicsWidget> &widget : m_informationWidgets) {
        if (widget)
            widgets.append(widget);
    }
    return widgets;
}

void UxBubbleItem::adopt(QGraphicsWidget *widget)
{
    if (!widget)
        return;
    widget->setParentItem(this);
    // Labels in the frame draw on its base, not on the page behind it.
    widget->setPalette(UxPalette::onBase(palette()));
    UxChildLayout::link(this, widget);
}

void UxBubbleItem::release(QGraphicsWidget *widget)
{
    if (!widget || widget->parentItem() != this)
        return;
    widget->setParentItem(nullptr);
    widget->setPalette(QPalette());
    widget->setScale(1);
    if (QGraphicsScene *scene = widget->scene())
        scene->removeItem(widget);
}

QString UxBubbleItem::anchorAt(const QPointF &pos) const
{
    const Geometry geometry = geometryFor(size().width());
    if (!geometry.message.contains(pos))
        return QString();
    return m_message->anchorAt(pos - geometry.message.topLeft(), geometry.message.width());
}

Qt::Alignment UxBubbleItem::leadingAlignment() const
{
    return Qt::AlignAbsolute |
           (layoutDirection() == Qt::RightToLeft ? Qt::AlignRight : Qt::AlignLeft);
}

qreal UxBubbleItem::sideMargin()
{
    return s_margin;
}

QSizeF UxBubbleItem::avatarSpace() const
{
    return m_avatar ? avatarSizeOf(m_avatar) : m_avatarPlaceholderSize;
}

QFont UxBubbleItem::footerFont() const
{
    QFont footer = font();
    if (footer.pointSizeF() > 0)
        footer.setPointSizeF(footer.pointSizeF() * 0.85);
    else
        footer.setPixelSize(qMax(8, qRound(footer.pixelSize() * 0.85)));
    return footer;
}

const UxBubbleItem::LineHeights &UxBubbleItem::lineHeights() const
{
    if (!m_lineHeights) {
        m_lineHeights.reset(new LineHeights);
        m_lineHeights->name = QFontMetricsF(boldFont(font())).height();
        m_lineHeights->message = QFontMetricsF(font()).height();
        m_lineHeights->footer = QFontMetricsF(footerFont()).height();
    }
    return *m_lineHeights;
}

UxBubbleItem::Geometry UxBubbleItem::geometryFor(qreal width) const
{
    // A child may ask for another size without telling the bubble; the
    // sizes it asks for are kept by Qt, cheap to compare.
    const QVector<QSizeF> hints = childHints();
    if (!m_geometry || !qFuzzyCompare(m_geometryWidth + 1, width + 1) || hints != m_geometryHints) {
        m_geometry.reset(new Geometry(computeGeometry(width)));
        m_geometryWidth = width;
        m_geometryHints = hints;
    }
    return *m_geometry;
}

QVector<QSizeF> UxBubbleItem::childHints() const
{
    QVector<QSizeF> hints;
    for (const QGraphicsWidget *child : {m_avatar.data(), m_centralWidget.data()}) {
        hints.append(child ? child->effectiveSizeHint(Qt::MinimumSize) : QSizeF());
        hints.append(child ? child->effectiveSizeHint(Qt::PreferredSize) : QSizeF());
        hints.append(child ? child->effectiveSizeHint(Qt::MaximumSize) : QSizeF());
    }
    for (const QPointer<QGraphicsWidget> &widget : m_informationWidgets)
        hints.append(widget ? widget->effectiveSizeHint(Qt::PreferredSize) : QSizeF());
    return hints;
}

void UxBubbleItem::updateGeometry()
{
    m_geometry.reset();
    UxWidget::updateGeometry();
}

UxBubbleItem::Geometry UxBubbleItem::computeGeometry(qreal width, bool measureMessage) const
{
    Geometry geometry;
    qreal frameLeft = s_margin;
    const QSizeF avatarSize = avatarSpace();
    if (!avatarSize.isEmpty()) {
        geometry.avatar = QRectF(QPointF(s_margin, s_margin), avatarSize);
        frameLeft += geometry.avatar.width() + s_tail;
    }
    const qreal frameWidth = std::max<qreal>(0, width - frameLeft - s_margin);
    const qreal innerLeft = frameLeft + s_padding;
    const qreal innerWidth = std::max<qreal>(0, frameWidth - 2 * s_padding);

    qreal y = s_margin + s_padding;
    qreal gap = 0;
    auto section = [&](qreal height, qreal width, qreal gapAfter) {
        y += gap;
        const QRectF area(innerLeft, y, width, height);
        y += height;
        gap = gapAfter;
        return area;
    };

    if (!m_senderName.isEmpty())
        geometry.name = section(lineHeights().name, innerWidth, s_lineGap);
    if (!m_message->isEmpty()) {
        const QSizeF known =
            measureMessage ? m_message->size(innerWidth) : m_message->knownSize(innerWidth);
        const qreal height = known.isValid() ? known.height() : lineHeights().message;
        geometry.message = section(height, innerWidth, s_sectionGap);
    }
    if (m_centralWidget) {
        // Content that cannot shrink to the frame is shown scaled down.
        const qreal minimumWidth = m_centralWidget->effectiveSizeHint(Qt::MinimumSize).width();
        geometry.centralScale =
            minimumWidth > innerWidth && minimumWidth > 0 ? innerWidth / minimumWidth : 1;
        const qreal centralWidth = std::max(
            minimumWidth,
            std::min(innerWidth, m_centralWidget->effectiveSizeHint(Qt::MaximumSize).width()));
        const qreal centralHeight =
            m_centralWidget->effectiveSizeHint(Qt::PreferredSize, QSizeF(centralWidth, -1))
                .height();
        geometry.central = section(centralHeight * geometry.centralScale,
                                   centralWidth * geometry.centralScale, s_sectionGap);
    }

    const QList<QGraphicsWidget *> information = informationWidgets();
    const bool hasFooterText =
        !m_timeStamp.isEmpty() || !m_commentsString.isEmpty() || !m_thumbsUpString.isEmpty();
    if (hasFooterText || !information.isEmpty()) {
        qreal footerHeight = hasFooterText ? lineHeights().footer : 0;
        QList<QSizeF> sizes;
        for (QGraphicsWidget *widget : information) {
            sizes.append(widget->effectiveSizeHint(Qt::PreferredSize));
            footerHeight = std::max(footerHeight, sizes.constLast().height());
        }
        geometry.footer = section(footerHeight, innerWidth, 0);
        qreal right = geometry.footer.right();
        for (const QSizeF &size : qAsConst(sizes)) {
            right -= size.width();
            geometry.information.append(
                QRectF(QPointF(right, geometry.footer.center().y() - size.height() / 2), size));
            right -= s_infoSpacing;
        }
    }

    qreal frameBottom = y + s_padding;
    if (!geometry.avatar.isEmpty())
        frameBottom = std::max(frameBottom, geometry.avatar.bottom());
    geometry.frame = QRectF(frameLeft, s_margin, frameWidth, frameBottom - s_margin);
    geometry.height = frameBottom + s_margin;
    if (layoutDirection() == Qt::RightToLeft) {
        // The avatar and the tail on the right, the icons on the left.
        for (QRectF *rect : {&geometry.avatar, &geometry.frame, &geometry.name, &geometry.message,
                             &geometry.central, &geometry.footer})
            *rect = mirrored(*rect, width);
        for (QRectF &rect : geometry.information)
            rect = mirrored(rect, width);
    }
    return geometry;
}

QSizeF UxBubbleItem::sizeHint(Qt::SizeHint which, const QSizeF &constraint) const
{
    switch (which) {
    case Qt::MinimumSize: {
        const QSizeF avatarSize = avatarSpace();
        const qreal avatar = avatarSize.isEmpty() ? 0 : avatarSize.width() + s_tail;
        return QSizeF(2 * s_margin + avatar + 2 * s_padding + 40, 0);
    }
    case Qt::PreferredSize: {
        if (constraint.width() >= 0)
            return QSizeF(constraint.width(), geometryFor(constraint.width()).height);
        // Without a width to fit, the default width and the height at the
        // width it has, the one it keeps until given another. The text is
        // laid out only at a width asked for: until then it counts as one
        // line, as the width the bubble has may be only Qt's pick for now.
        const qreal width = size().width() > 0 ? size().width() : s_defaultWidth;
        return QSizeF(s_defaultWidth, computeGeometry(width, false).height);
    }
    case Qt::MaximumSize:
        return QSizeF(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    default:
        return QSizeF(-1, -1);
    }
}

void UxBubbleItem::contentChanged()
{
    updateGeometry();
    scheduleRelayout();
    update();
}

void UxBubbleItem::scheduleRelayout()
{
    // Content is usually set piece by piece; the children move once, after.
    if (m_relayoutPosted)
        return;
    m_relayoutPosted = true;
    QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

void UxBubbleItem::relayoutChildren()
{
    // Without a width there is nowhere to put them; the first resize will.
    // Nor at a width Qt picked for now: the text would be measured there.
    if (size().width() <= 0 || !hasOwnSize())
        return;
    const Geometry geometry = geometryFor(size().width());
    if (m_avatar)
        m_avatar->setGeometry(geometry.avatar);
    if (m_centralWidget) {
        m_centralWidget->setScale(geometry.centralScale);
        m_centralWidget->setGeometry(
            QRectF(geometry.central.topLeft(), geometry.central.size() / geometry.centralScale));
    }
    const QList<QGraphicsWidget *> information = informationWidgets();
    for (int i = 0; i < information.size() && i < geometry.information.size(); ++i)
        information.at(i)->setGeometry(geometry.information.at(i));
}

bool UxBubbleItem::event(QEvent *event)
{
    if (event->type() == QEvent::LayoutRequest && m_relayoutPosted) {
        m_relayoutPosted = false;
        if (m_childLeft) {
            m_childLeft = false;
            updateGeometry();
            update();
        }
        relayoutChildren();
    }
    return UxWidget::event(event);
}

void UxBubbleItem::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange) {
        m_lineHeights.reset();
        m_message->setFont(font());
        contentChanged();
    } else if (event->type() == QEvent::PaletteChange) {
        for (QGraphicsWidget *child : {m_avatar.data(), m_centralWidget.data()}) {
            if (child)
                child->setPalette(UxPalette::onBase(palette()));
        }
        for (QGraphicsWidget *child : informationWidgets())
            child->setPalette(UxPalette::onBase(palette()));
    } else if (event->type() == QEvent::LayoutDirectionChange) {
        contentChanged();
    }
    UxWidget::changeEvent(event);
}

QVariant UxBubbleItem::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (change == ItemChildRemovedChange) {
        UxChildLayout::unlink(this, value.value<QGraphicsItem *>());
        // The child may be on its way out; look at what is left once it is gone.
        m_childLeft = true;
        scheduleRelayout();
    } else if (change == ItemVisibleHasChanged && value.toBool()) {
        relayoutChildren();
    }
    return UxWidget::itemChange(change, value);
}

void UxBubbleItem::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    UxWidget::resizeEvent(event);
    relayoutChildren();
}

void UxBubbleItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *, QWidget *)
{
    const Geometry geometry = geometryFor(size().width());
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);

    // A cosmetic pen takes Qt's fast path for thin lines.
    const QPalette colours = palette();
    QPen border(colours.color(QPalette::Mid), 1);
    border.setCosmetic(true);
    painter->setPen(border);
    painter->setBrush(m_pressed ? UxPalette::pressedBase(colours) : colours.color(QPalette::Base));
    painter->drawPath(framePath(geometry));
    if (!m_avatar && !geometry.avatar.isEmpty()) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(colours.color(QPalette::Midlight));
        painter->drawRoundedRect(geometry.avatar, 4, 4);
    }

    if (!geometry.name.isEmpty()) {
        painter->setFont(boldFont(font()));
        painter->setPen(colours.color(QPalette::Text));
        const QString name = QFontMetricsF(painter->font())
                                 .elidedText(m_senderName, Qt::ElideRight, geometry.name.width());
        painter->drawText(geometry.name, leadingAlignment() | Qt::AlignVCenter, name);
    }
    if (!geometry.message.isEmpty())
        m_message->paint(painter, geometry.message.topLeft(), geometry.message.width(),
                         colours.color(QPalette::Text), colours.color(QPalette::Link));
    if (!geometry.footer.isEmpty())
        paintFooter(painter, geometry.footer);
    painter->restore();
}

// The outline, tail included, as one path: built again only when the frame
// or the avatar moved, since uniting paths costs more than drawing them.
QPainterPath UxBubbleItem::framePath(const Geometry &geometry) const
{
    if (geometry.frame == m_framePathFrame && geometry.avatar == m_framePathAvatar &&
        !m_framePath.isEmpty())
        return m_framePath;
    QPainterPath frame;
    frame.addRoundedRect(geometry.frame.adjusted(0.5, 0.5, -0.5, -0.5), s_radius, s_radius);
    if (!geometry.avatar.isEmpty()) {
        // The tail points at the avatar, on whichever side it is.
        const qreal tip = geometry.avatar.top() + geometry.avatar.height() / 3;
        const bool right = geometry.avatar.left() >= geometry.frame.right();
        const qreal edge = right ? geometry.frame.right() - 1 : geometry.frame.left() + 1;
        const qreal point = right ? edge + s_tail : edge - s_tail;
        QPainterPath tail;
        tail.moveTo(edge, tip - s_tail / 2);
        tail.lineTo(point, tip);
        tail.lineTo(edge, tip + s_tail / 2);
        tail.closeSubpath();
        frame = frame.united(tail);
    }
    m_framePath = frame;
    m_framePathFrame = geometry.frame;
    m_framePathAvatar = geometry.avatar;
    return frame;
}

void UxBubbleItem::paintFooter(QPainter *painter, const QRectF &area) const
{
    const QFont footer = footerFont();
    const QFontMetricsF metrics(footer);
    const QColor ink = UxPalette::quietText(palette());
    painter->setFont(footer);
    painter->setPen(ink);
    // Pieces in reading order: from the left, or from the right to left.
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    qreal x = rtl ? area.right() : area.left();
    auto place = [&](qreal width, qreal gapAfter) {
        const qreal left = rtl ? x - width : x;
        x += rtl ? -(width + gapAfter) : width + gapAfter;
        return left;
    };
    auto drawText = [&](const QString &text) {
        // Each piece is one run in its own direction, so a time stamp of
        // several words reads as written and "+3" keeps its sign in front,
        // whatever the bubble's direction.
        const qreal width = metrics.horizontalAdvance(text) + 1;
        QTextOption option(Qt::AlignAbsolute | Qt::AlignLeft | Qt::AlignVCenter);
        option.setTextDirection(text.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
        painter->drawText(
            QRectF(place(width, s_footerSpacing - 1), area.top(), width, area.height()), text,
            option);
    };

    if (!m_timeStamp.isEmpty())
        drawText(m_timeStamp);
    if (!m_commentsString.isEmpty()) {
        // A small speech balloon before the count.
        const qreal side = metrics.height() * 0.6;
        const QRectF balloon(place(side * 1.2, 4), area.center().y() - side / 2, side * 1.2,
                             side * 0.8);
        QPainterPath glyph;
        glyph.addRoundedRect(balloon, 2, 2);
        glyph.moveTo(balloon.left() + side * 0.3, balloon.bottom());
        glyph.lineTo(balloon.left() + side * 0.25, balloon.bottom() + side * 0.3);
        glyph.lineTo(balloon.left() + side * 0.6, balloon.bottom());
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(ink, 1.2));
        painter->drawPath(glyph);
        painter->setPen(ink);
        drawText(m_commentsString);
    }
    if (!m_thumbsUpString.isEmpty())
        drawText(m_thumbsUpString);
}

void UxBubbleItem::mousePressEvent(QGraphicsSceneMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    m_pressed = true;
    m_pressedAnchor = anchorAt(event->pos());
    update();
}

void UxBubbleItem::mouseReleaseEvent(QGraphicsSceneMouseEvent *event)
{
    if (!m_pressed)
        return;
    m_pressed = false;
    update();
    const QString pressedAnchor = m_pressedAnchor;
    m_pressedAnchor.clear();
    if (!boundingRect().contains(event->pos()))
        return;
    // Emit last: a receiver may well take the bubble away.
    if (!pressedAnchor.isEmpty() && anchorAt(event->pos()) == pressedAnchor)
        emit linkActivated(pressedAnchor);
    else
        emit bubbleClicked();
}

void UxBubbleItem::ungrabMouseEvent(QEvent *)
{
    if (!m_pressed)
        return;
    m_pressed = false;
    m_pressedAnchor.clear();
    update();
}
