#ifndef UXBUBBLEITEM_H
#define UXBUBBLEITEM_H

#include "uxwidget.h"

#include <QList>
#include <QPainterPath>
#include <QPointer>
#include <QScopedPointer>
#include <QVector>

#include <memory>

class UxTextBlock;

// A speech bubble: the avatar on the left, and in a rounded frame the
// sender's name, the message (rich text), an optional central widget and a
// footer line with the time stamp, the comments and thumbs-up strings and
// small information widgets on the right. The message is rich text; every
// other text is plain and shows the characters it holds.
//
// Widgets handed to the bubble become its children and die with it.
// Replacing, clearing or removing one detaches it (from the bubble and the
// scene) without deleting it: it is the caller's again.
//
// A tap (press and release inside the bubble) emits bubbleClicked(), or
// linkActivated() when it lands on a link of the message.
class UXKIT_EXPORT UxBubbleItem : public UxWidget
{
    Q_OBJECT
    Q_PROPERTY(QString senderName READ senderName WRITE setSenderName)
    Q_PROPERTY(QString message READ message WRITE setMessage)
    Q_PROPERTY(QString timeStamp READ timeStamp WRITE setTimeStamp)
    Q_PROPERTY(QString commentsString READ commentsString WRITE setCommentsString)
    Q_PROPERTY(QString thumbsUpString READ thumbsUpString WRITE setThumbsUpString)

public:
    explicit UxBubbleItem(QGraphicsItem *parent = nullptr);
    ~UxBubbleItem() override;

    QString senderName() const;
    void setSenderName(const QString &senderName);
    QString message() const;
    void setMessage(const QString &message);
    QString timeStamp() const;
    void setTimeStamp(const QString &timeStamp);
    QString commentsString() const;
    void setCommentsString(const QString &commentsString);
    QString thumbsUpString() const;
    void setThumbsUpString(const QString &thumbsUpString);

    QGraphicsWidget *avatar() const;
    void setAvatar(QGraphicsWidget *avatar);
    QGraphicsWidget *centralWidget() const;
    void setCentralWidget(QGraphicsWidget *centralWidget);

    // The place kept for an avatar while there is none (empty: none kept),
    // so that an avatar of this size arriving later neither narrows the
    // text nor moves anything.
    QSizeF avatarPlaceholderSize() const;
    void setAvatarPlaceholderSize(const QSizeF &size);

    // How many times the messages of all bubbles have been laid out anew
    // (new text, font or width) since the process started.
    static quint64 messageLayoutCount();

    void addInformationWidget(QGraphicsWidget *widget);
    void removeInformationWidget(QGraphicsWidget *widget);
    QList<QGraphicsWidget *> informationWidgets() const;

    // The href of the message link at a point in item coordinates, or an
    // empty string.
    QString anchorAt(const QPointF &pos) const;

    // The room the bubble leaves on its left and right, for rows beside it
    // to line up with it.
    static qreal sideMargin();

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;
    void updateGeometry() override;

signals:
    void bubbleClicked();
    void linkActivated(const QString &link);

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void ungrabMouseEvent(QEvent *event) override;

private:
    struct Geometry;
    Geometry geometryFor(qreal width) const;
    // Without measureMessage, a message not measured at the width yet counts
    // as one line instead of being laid out there.
    Geometry computeGeometry(qreal width, bool measureMessage = true) const;
    QVector<QSizeF> childHints() const;
    void contentChanged();
    void scheduleRelayout();
    void relayoutChildren();
    void adopt(QGraphicsWidget *widget);
    void release(QGraphicsWidget *widget);
    QSizeF avatarSpace() const;
    QFont footerFont() const;
    // The line heights of the name, message and footer fonts, measured once
    // per font: a font's metrics take a font engine lookup each time.
    struct LineHeights
    {
        qreal name = 0;
        qreal message = 0;
        qreal footer = 0;
    };
    const LineHeights &lineHeights() const;
    // Where a line of the bubble's text starts: the left, or the right under
    // right-to-left.
    Qt::Alignment leadingAlignment() const;
    void paintFooter(QPainter *painter, const QRectF &area) const;
    QPainterPath framePath(const Geometry &geometry) const;

    QString m_senderName;
    QScopedPointer<UxTextBlock> m_message;
    QString m_timeStamp;
    QString m_commentsString;
    QString m_thumbsUpString;
    QPointer<QGraphicsWidget> m_avatar;
    QPointer<QGraphicsWidget> m_centralWidget;
    QSizeF m_avatarPlaceholderSize;
    QList<QPointer<QGraphicsWidget>> m_informationWidgets;
    QString m_pressedAnchor;
    // The geometry at the width last asked for: a layout pass asks for the
    // same width several times per bubble, and painting asks again.
    mutable std::unique_ptr<Geometry> m_geometry;
    mutable qreal m_geometryWidth = -1;
    mutable QVector<QSizeF> m_geometryHints;
    mutable QPainterPath m_framePath;
    mutable QRectF m_framePathFrame;
    mutable QRectF m_framePathAvatar;
    mutable std::unique_ptr<LineHeights> m_lineHeights;
    bool m_pressed = false;
    bool m_relayoutPosted = false;
    bool m_childLeft = false;
};

#endif // UXBUBBLEITEM_H
