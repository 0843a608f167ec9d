#ifndef UXTEXTEDIT_H
#define UXTEXTEDIT_H

#include "uxtexteditmodel.h"
#include "uxwidget.h"

class QGraphicsProxyWidget;
class QLineEdit;
class QPlainTextEdit;

// An editable text field, one line or several. The prompt is shown greyed
// while the text is empty. The maximum length follows QLineEdit: text set or
// typed is cut to it, 0 allows no text and a negative length (the default)
// means no limit.
class UXKIT_EXPORT UxTextEdit : public UxWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
    Q_PROPERTY(QString prompt READ prompt WRITE setPrompt)
    Q_PROPERTY(int maxLength READ maxLength WRITE setMaxLength)

public:
    explicit UxTextEdit(UxTextEditModel::LineMode mode = UxTextEditModel::SingleLine,
                        const QString &text = QString(), QGraphicsItem *parent = nullptr);

    UxTextEditModel::LineMode lineMode() const;

    QString text() const;
    void setText(const QString &text);

    QString prompt() const;
    void setPrompt(const QString &prompt);

    int maxLength() const;
    void setMaxLength(int maxLength);

signals:
    void textChanged();
    void returnPressed();

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;
    void resizeEvent(QGraphicsSceneResizeEvent *event) override;

private:
    void enforceMaxLength();

    UxTextEditModel::LineMode m_mode;
    QGraphicsProxyWidget *m_proxy;
    QLineEdit *m_lineEdit = nullptr;
    QPlainTextEdit *m_textEdit = nullptr;
    int m_maxLength = -1;
};

#endif // UXTEXTEDIT_H
