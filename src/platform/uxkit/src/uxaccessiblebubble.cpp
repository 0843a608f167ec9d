#include "uxaccessiblebubble_p.h"

#include "uxbubbleitem.h"
#include "uxtextblock_p.h"

#include <QStringList>

UxAccessibleBubble::UxAccessibleBubble(UxBubbleItem *bubble)
    : UxAccessiblePressable(bubble, QAccessible::ListItem)
{
}

UxBubbleItem *UxAccessibleBubble::bubble() const
{
    return static_cast<UxBubbleItem *>(object());
}

QString UxAccessibleBubble::description() const
{
    UxTextBlock message;
    message.setText(bubble()->message(), UxTextBlock::RichFormat);
    QStringList lines;
    for (const QString &line : {message.plainText(), bubble()->timeStamp(),
                                bubble()->commentsString(), bubble()->thumbsUpString()}) {
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

QString UxAccessibleBubble::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return bubble()->senderName();
    case QAccessible::Description:
        return description();
    default:
        return UxAccessiblePressable::text(t);
    }
}

void UxAccessibleBubble::press()
{
    // Only where a finger could tap it.
    if (bubble()->isVisible() && bubble()->isEnabled())
        emit bubble()->bubbleClicked();
}
