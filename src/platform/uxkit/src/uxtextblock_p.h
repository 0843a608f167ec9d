#ifndef UXTEXTBLOCK_P_H
#define UXTEXTBLOCK_P_H

#include <QColor>
#include <QFont>
#include <QString>
#include <QTextDocument>

class QPainter;

// A piece of text that wraps to a width, paints itself and finds the link
// under a point. Shared by the label and the bubble.
class UxTextBlock
{
public:
    enum Format { AutoFormat, RichFormat };

    UxTextBlock();

    void setText(const QString &text, Format format = AutoFormat);
    QString text() const;
    bool isEmpty() const;

    void setFont(const QFont &font);
    void setAlignment(Qt::Alignment alignment);

    // Size without wrapping, or wrapped to the width when it is >= 0.
    QSizeF size(qreal width = -1) const;
    void paint(QPainter *painter, const QPointF &topLeft, qreal width, const QColor &color) const;
    // The href of the link at the point (relative to the text's top left).
    QString anchorAt(const QPointF &pos, qreal width) const;

private:
    void layoutTo(qreal width) const;

    mutable QTextDocument m_document;
    QString m_text;
};

#endif // UXTEXTBLOCK_P_H
