#include "uxtextblock_p.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextOption>

#include <algorithm>

namespace {

// The colour comes from the palette given to paint().
const char s_linkStyle[] = "a { text-decoration: none; }";
const int s_rememberedSizes = 4;
// Enough of a run to tell whether it fills any line it will be given.
const int s_measuredRunLength = 4096;

// The longest stretch of text without a line-break opportunity, as much of
// it as is worth measuring.
QString longestUnbrokenRun(const QString &text)
{
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    int longestStart = 0;
    int longestLength = 0;
    int start = 0;
    while (start < text.size()) {
        const int end = breaks.toNextBoundary();
        if (end < 0)
            break;
        if (end - start > longestLength) {
            longestStart = start;
            longestLength = end - start;
        }
        start = end;
    }
    int length = std::min(longestLength, s_measuredRunLength);
    if (length < longestLength && text.at(longestStart + length - 1).isHighSurrogate())
        --length;
    return text.mid(longestStart, length);
}

} // namespace

UxTextBlock::UxTextBlock()
{
    m_document.setDocumentMargin(0);
    m_document.setDefaultStyleSheet(QString::fromLatin1(s_linkStyle));
    m_document.setUndoRedoEnabled(false);
    setAlignment(Qt::AlignLeft);
}

void UxTextBlock::setText(const QString &text, Format format)
{
    forgetSizes();
    m_text = text;
    m_format = format;
    if (format == RichFormat)
        m_document.setHtml(text);
    else
        m_document.setPlainText(text);
}

QString UxTextBlock::text() const
{
    return m_text;
}

UxTextBlock::Format UxTextBlock::format() const
{
    return m_format;
}

QString UxTextBlock::plainText() const
{
    return m_document.toPlainText();
}

bool UxTextBlock::isEmpty() const
{
    return m_text.isEmpty();
}

void UxTextBlock::setFont(const QFont &font)
{
    forgetSizes();
    m_document.setDefaultFont(font);
}

void UxTextBlock::setLayoutCounter(quint64 *counter)
{
    m_layoutCounter = counter;
}

void UxTextBlock::setAlignment(Qt::Alignment alignment)
{
    forgetSizes();
    QTextOption option = m_document.defaultTextOption();
    option.setAlignment(alignment & Qt::AlignHorizontal_Mask);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    m_document.setDefaultTextOption(option);
}

void UxTextBlock::layoutTo(qreal width) const
{
    if (m_longestRunAdvance < 0)
        m_longestRunAdvance = QFontMetricsF(m_document.defaultFont())
                                  .horizontalAdvance(longestUnbrokenRun(m_document.toRawText()));
    // For every line of a run without break opportunities Qt looks for one
    // through the rest of the run, which takes the square of its length; a
    // run longer than a line breaks at the same places when breaking
    // anywhere, at once. Ordinary text keeps breaking between words.
    const QTextOption::WrapMode mode = width >= 0 && m_longestRunAdvance > width
                                           ? QTextOption::WrapAnywhere
                                           : QTextOption::WrapAtWordBoundaryOrAnywhere;
    QTextOption option = m_document.defaultTextOption();
    bool changed = !m_laidOut;
    if (option.wrapMode() != mode) {
        option.setWrapMode(mode);
        m_document.setDefaultTextOption(option);
        changed = true;
    }
    if (!qFuzzyCompare(m_document.textWidth() + 1, width + 1)) {
        m_document.setTextWidth(width);
        changed = true;
    }
    m_laidOut = true;
    if (changed && m_layoutCounter)
        ++*m_layoutCounter;
}

void UxTextBlock::forgetSizes()
{
    m_sizes.clear();
    m_longestRunAdvance = -1;
    m_laidOut = false;
}

QSizeF UxTextBlock::size(qreal width) const
{
    if (m_text.isEmpty())
        return QSizeF(0, 0);
    width = std::max<qreal>(width, -1);
    const QSizeF known = knownSize(width);
    if (known.isValid())
        return known;

    layoutTo(width);
    // idealWidth() leaves out trailing blanks that size() counts.
    const QSizeF size(width < 0 ? m_document.idealWidth() : width, m_document.size().height());
    if (m_sizes.size() == s_rememberedSizes)
        m_sizes.removeFirst();
    m_sizes.append(qMakePair(width, size));
    return size;
}

QSizeF UxTextBlock::knownSize(qreal width) const
{
    if (m_text.isEmpty())
        return QSizeF(0, 0);
    width = std::max<qreal>(width, -1);
    for (const auto &known : qAsConst(m_sizes)) {
        if (qFuzzyCompare(known.first + 2, width + 2))
            return known.second;
    }
    return QSizeF();
}

void UxTextBlock::paint(QPainter *painter, const QPointF &topLeft, qreal width, const QColor &color,
                        const QColor &link) const
{
    if (m_text.isEmpty())
        return;
    layoutTo(width);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, color);
    context.palette.setColor(QPalette::Link, link);
    painter->save();
    painter->translate(topLeft);
    m_document.documentLayout()->draw(painter, context);
    painter->restore();
}

QString UxTextBlock::anchorAt(const QPointF &pos, qreal width) const
{
    if (m_text.isEmpty())
        return QString();
    layoutTo(width);
    return m_document.documentLayout()->anchorAt(pos);
}
