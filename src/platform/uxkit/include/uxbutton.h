#ifndef UXBUTTON_H
#define UXBUTTON_H

#include "uxwidget.h"

// A push button with a plain text, shown as the characters it holds. A tap (press and release on
// the button) emits clicked(); a disabled button ignores taps.
class UXKIT_EXPORT UxButton : public UxWidget
{
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit UxButton(const QString &text = QString(), QGraphicsItem *parent = nullptr);

    QString text() const;
    void setText(const QString &text);

    bool isDown() const;

    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option,
               QWidget *widget = nullptr) override;

public slots:
    void click();

signals:
    void clicked();

protected:
    QSizeF sizeHint(Qt::SizeHint which, const QSizeF &constraint = QSizeF()) const override;
    void mousePressEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent *event) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent *event) override;
    void ungrabMouseEvent(QEvent *event) override;

private:
    void setDown(bool down);

    QString m_text;
    bool m_down = false;
};

#endif // UXBUTTON_H
