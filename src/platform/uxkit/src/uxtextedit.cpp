#include "uxtextedit.h"

#include <QFontMetricsF>
#include <QGraphicsProxyWidget>
#include <QGraphicsSceneResizeEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QWidget>

namespace {

const qreal s_minimumHeight = 40;
const int s_multiLineRows = 3;
const char s_editorStyle[] = "border: 1px solid palette(mid); border-radius: 6px; padding: 4px 6px;"
                             "background: palette(base); color: palette(text);";

} // namespace

UxTextEdit::UxTextEdit(UxTextEditModel::LineMode mode, const QString &text, QGraphicsItem *parent)
    : UxWidget(parent), m_mode(mode), m_proxy(new QGraphicsProxyWidget(this))
{
    if (mode == UxTextEditModel::SingleLine) {
        m_lineEdit = new QLineEdit;
        m_lineEdit->setMaxLength(m_maxLength);
        m_lineEdit->setStyleSheet(QString::fromLatin1(s_editorStyle));
        connect(m_lineEdit, &QLineEdit::textChanged, this, &UxTextEdit::textChanged);
        connect(m_lineEdit, &QLineEdit::returnPressed, this, &UxTextEdit::returnPressed);
        m_proxy->setWidget(m_lineEdit);
    } else {
        m_textEdit = new QPlainTextEdit;
        m_textEdit->setStyleSheet(QString::fromLatin1(s_editorStyle));
        connect(m_textEdit, &QPlainTextEdit::textChanged, this, [this] {
            enforceMaxLength();
            emit textChanged();
        });
        m_proxy->setWidget(m_textEdit);
    }
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_proxy);
    setText(text);
}

UxTextEditModel::LineMode UxTextEdit::lineMode() const
{
    return m_mode;
}

QString UxTextEdit::text() const
{
    return m_lineEdit ? m_lineEdit->text() : m_textEdit->toPlainText();
}

void UxTextEdit::setText(const QString &text)
{
    if (m_lineEdit)
        m_lineEdit->setText(text);
    else
        m_textEdit->setPlainText(text);
}

QString UxTextEdit::prompt() const
{
    return m_lineEdit ? m_lineEdit->placeholderText() : m_textEdit->placeholderText();
}

void UxTextEdit::setPrompt(const QString &prompt)
{
    if (m_lineEdit)
        m_lineEdit->setPlaceholderText(prompt);
    else
        m_textEdit->setPlaceholderText(prompt);
}

int UxTextEdit::maxLength() const
{
    return m_maxLength;
}

void UxTextEdit::setMaxLength(int maxLength)
{
    m_maxLength = maxLength;
    if (m_lineEdit)
        m_lineEdit->setMaxLength(maxLength);
    else
        enforceMaxLength();
}

void UxTextEdit::enforceMaxLength()
{
    if (!m_textEdit || m_maxLength < 0)
        return;
    const QString current = m_textEdit->toPlainText();
    if (current.size() <= m_maxLength)
        return;
    const int position = qMin(m_textEdit->textCursor().position(), m_maxLength);
    {
        const QSignalBlocker blocker(m_textEdit);
        m_textEdit->setPlainText(current.left(m_maxLength));
    }
    QTextCursor cursor = m_textEdit->textCursor();
    cursor.setPosition(position);
    m_textEdit->setTextCursor(cursor);
}

QSizeF UxTextEdit::sizeHint(Qt::SizeHint which, const QSizeF &constraint) const
{
    const QFontMetricsF metrics(font());
    const qreal height = m_lineEdit ? qMax(s_minimumHeight, metrics.height() + 16)
                                    : metrics.lineSpacing() * s_multiLineRows + 16;
    switch (which) {
    case Qt::MinimumSize:
        return QSizeF(m_proxy->effectiveSizeHint(Qt::MinimumSize).width(), height);
    case Qt::PreferredSize:
        return QSizeF(constraint.width() >= 0
                          ? constraint.width()
                          : m_proxy->effectiveSizeHint(Qt::PreferredSize).width(),
                      height);
    case Qt::MaximumSize:
        return QSizeF(QWIDGETSIZE_MAX, height);
    default:
        return QSizeF(-1, -1);
    }
}

void UxTextEdit::resizeEvent(QGraphicsSceneResizeEvent *event)
{
    UxWidget::resizeEvent(event);
    m_proxy->setGeometry(QRectF(QPointF(0, 0), event->newSize()));
}
