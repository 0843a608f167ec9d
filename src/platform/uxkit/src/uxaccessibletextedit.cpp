#include "uxaccessibletextedit_p.h"

#include "uxtextedit.h"

#include <QGraphicsProxyWidget>
#include <QWidget>

UxAccessibleTextEdit::UxAccessibleTextEdit(UxTextEdit *edit)
    : UxAccessibleWidget(edit, QAccessible::EditableText)
{
}

UxTextEdit *UxAccessibleTextEdit::edit() const
{
    return static_cast<UxTextEdit *>(object());
}

QWidget *UxAccessibleTextEdit::editor() const
{
    for (QGraphicsItem *item : edit()->childItems()) {
        if (auto *proxy = qobject_cast<QGraphicsProxyWidget *>(item->toGraphicsObject()))
            return proxy->widget();
    }
    return nullptr;
}

QAccessibleTextInterface *UxAccessibleTextEdit::editorText() const
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(editor());
    return iface ? iface->textInterface() : nullptr;
}

QAccessibleEditableTextInterface *UxAccessibleTextEdit::editorEditing() const
{
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(editor());
    return iface ? iface->editableTextInterface() : nullptr;
}

QPoint UxAccessibleTextEdit::editorOffset() const
{
    const QWidget *widget = editor();
    return widget ? rect().topLeft() - widget->mapToGlobal(QPoint()) : QPoint();
}

QList<QGraphicsObject *> UxAccessibleTextEdit::accessibleChildren() const
{
    return {};
}

QAccessible::State UxAccessibleTextEdit::state() const
{
    QAccessible::State state = UxAccessibleWidget::state();
    state.editable = true;
    state.multiLine = edit()->lineMode() == UxTextEditModel::MultiLine;
    if (const QWidget *widget = editor())
        state.focused = state.focused || widget->hasFocus();
    return state;
}

QString UxAccessibleTextEdit::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Name:
        return edit()->prompt();
    case QAccessible::Value:
        return edit()->text();
    default:
        return UxAccessibleWidget::text(t);
    }
}

void UxAccessibleTextEdit::setText(QAccessible::Text t, const QString &text)
{
    if (t == QAccessible::Value)
        edit()->setText(text);
}

void *UxAccessibleTextEdit::interface_cast(QAccessible::InterfaceType type)
{
    switch (type) {
    case QAccessible::TextInterface:
        return static_cast<QAccessibleTextInterface *>(this);
    case QAccessible::EditableTextInterface:
        return static_cast<QAccessibleEditableTextInterface *>(this);
    default:
        return UxAccessibleWidget::interface_cast(type);
    }
}

void UxAccessibleTextEdit::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    if (QAccessibleTextInterface *text = editorText())
        text->selection(selectionIndex, startOffset, endOffset);
}

int UxAccessibleTextEdit::selectionCount() const
{
    QAccessibleTextInterface *text = editorText();
    return text ? text->selectionCount() : 0;
}

void UxAccessibleTextEdit::addSelection(int startOffset, int endOffset)
{
    if (QAccessibleTextInterface *text = editorText())
        text->addSelection(startOffset, endOffset);
}

void UxAccessibleTextEdit::removeSelection(int selectionIndex)
{
    if (QAccessibleTextInterface *text = editorText())
        text->removeSelection(selectionIndex);
}

void UxAccessibleTextEdit::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (QAccessibleTextInterface *text = editorText())
        text->setSelection(selectionIndex, startOffset, endOffset);
}

int UxAccessibleTextEdit::cursorPosition() const
{
    QAccessibleTextInterface *text = editorText();
    return text ? text->cursorPosition() : 0;
}

void UxAccessibleTextEdit::setCursorPosition(int position)
{
    if (QAccessibleTextInterface *text = editorText())
        text->setCursorPosition(position);
}

QString UxAccessibleTextEdit::text(int startOffset, int endOffset) const
{
    QAccessibleTextInterface *text = editorText();
    return text ? text->text(startOffset, endOffset) : QString();
}

int UxAccessibleTextEdit::characterCount() const
{
    QAccessibleTextInterface *text = editorText();
    return text ? text->characterCount() : 0;
}

QRect UxAccessibleTextEdit::characterRect(int offset) const
{
    QAccessibleTextInterface *text = editorText();
    return text ? text->characterRect(offset).translated(editorOffset()) : QRect();
}

int UxAccessibleTextEdit::offsetAtPoint(const QPoint &point) const
{
    QAccessibleTextInterface *text = editorText();
    return text ? text->offsetAtPoint(point - editorOffset()) : -1;
}

void UxAccessibleTextEdit::scrollToSubstring(int startIndex, int endIndex)
{
    if (QAccessibleTextInterface *text = editorText())
        text->scrollToSubstring(startIndex, endIndex);
}

QString UxAccessibleTextEdit::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = offset;
    QAccessibleTextInterface *text = editorText();
    return text ? text->attributes(offset, startOffset, endOffset) : QString();
}

void UxAccessibleTextEdit::deleteText(int startOffset, int endOffset)
{
    if (QAccessibleEditableTextInterface *editing = editorEditing())
        editing->deleteText(startOffset, endOffset);
}

void UxAccessibleTextEdit::insertText(int offset, const QString &text)
{
    if (QAccessibleEditableTextInterface *editing = editorEditing())
        editing->insertText(offset, text);
}

void UxAccessibleTextEdit::replaceText(int startOffset, int endOffset, const QString &text)
{
    if (QAccessibleEditableTextInterface *editing = editorEditing())
        editing->replaceText(startOffset, endOffset, text);
}
