#ifndef UXACCESSIBLETEXTEDIT_P_H
#define UXACCESSIBLETEXTEDIT_P_H

#include "uxaccessiblewidget.h"

class QWidget;
class UxTextEdit;

// An editor: its prompt is its name and its text its value. Text, cursor and
// selection are those of the editing widget inside it, with its rectangles
// moved to where the editor is on the screen.
class UxAccessibleTextEdit : public UxAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface
{
public:
    explicit UxAccessibleTextEdit(UxTextEdit *edit);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text t, const QString &text) override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString &text) override;
    void replaceText(int startOffset, int endOffset, const QString &text) override;

protected:
    QList<QGraphicsObject *> accessibleChildren() const override;

private:
    UxTextEdit *edit() const;
    QWidget *editor() const;
    QAccessibleTextInterface *editorText() const;
    QAccessibleEditableTextInterface *editorEditing() const;
    // From the editing widget's own coordinates on the screen to ours.
    QPoint editorOffset() const;
};

#endif // UXACCESSIBLETEXTEDIT_P_H
