#ifndef UXTEXTBLOCK_P_H
#define UXTEXTBLOCK_P_H

#include "uxtextdocument_p.h"

#include <QColor>
#include <QFont>
#include <QPair>
#include <QString>
#include <QVector>

class QPainter;

// A piece of text that wraps to a width, paints itself and finds the link
// under a point. Shared by the label and the bubble.
class UxTextBlock
{
public:
    enum Format { PlainFormat, RichFormat };

    UxTextBlock();

    // Plain text shows its characters as they are; rich text is markup.
    void setText(const QString &text, Format format);
    QString text() const;
    Format format() const;
    // The characters as shown, without markup.
    QString plainText() const;
    bool isEmpty() const;

    void setFont(const QFont &font);
    // Each time the text is laid out anew (a new text, font or width), the
    // counter goes up by one; null counts nothing.
    void setLayoutCounter(quint64 *counter);
    void setAlignment(Qt::Alignment alignment);

    // Size without wrapping, or wrapped to the width when it is >= 0.
    QSizeF size(qreal width = -1) const;
    // The size at the width if it is measured there already, without laying
    // the text out; invalid otherwise.
    QSizeF knownSize(qreal width) const;
    void paint(QPainter *painter, const QPointF &topLeft, qreal width, const QColor &color,
               const QColor &link) const;
    // The href of the link at the point (relative to the text's top left).
    QString anchorAt(const QPointF &pos, qreal width) const;

private:
    void layoutTo(qreal width) const;
    void forgetSizes();

    mutable UxTextDocument m_document;
    QString m_text;
    Format m_format = PlainFormat;
    // Sizes already measured, by width (-1 for unwrapped): layouts ask for
    // a few widths over and over, and each new width lays the text out anew.
    mutable QVector<QPair<qreal, QSizeF>> m_sizes;
    // How wide the longest run without break opportunities is in the
    // default font (-1 until measured): wider than the line, the text
    // breaks anywhere.
    mutable qreal m_longestRunAdvance = -1;
    quint64 *m_layoutCounter = nullptr;
    // Whether the document holds a layout of the current text and font.
    mutable bool m_laidOut = false;
};

#endif // UXTEXTBLOCK_P_H
