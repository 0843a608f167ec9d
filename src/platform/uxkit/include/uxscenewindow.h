#ifndef UXSCENEWINDOW_H
#define UXSCENEWINDOW_H

#include "uxwidget.h"

#include <QPointer>

class QGraphicsScene;

// A full-screen item that appears on a scene above everything else, sized to
// the scene's view (or to the scene rectangle when no view shows it), and
// later disappears. Its deletion policy decides whether the toolkit deletes
// it afterwards: KeepWhenDone never, DestroyWhenDone once it has
// disappeared (by disappear() or dismiss()), DestroyWhenDismissed only after
// dismiss(). A window that is kept stays in the scene, hidden, so the scene
// still owns it.
class UXKIT_EXPORT UxSceneWindow : public UxWidget
{
    Q_OBJECT

public:
    enum DeletionPolicy { KeepWhenDone = 0, DestroyWhenDone = 1, DestroyWhenDismissed = 2 };
    Q_ENUM(DeletionPolicy)

    explicit UxSceneWindow(QGraphicsItem *parent = nullptr);

    DeletionPolicy deletionPolicy() const;
    bool isAppeared() const;

public slots:
    void appear(QGraphicsScene *scene, UxSceneWindow::DeletionPolicy policy = KeepWhenDone);
    void disappear();
    void dismiss();

signals:
    void appeared();
    void disappeared();
    void dismissed();

protected:
    // Runs just before the window shows, once it is on its scene.
    virtual void aboutToAppear();
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void followScene(QGraphicsScene *scene);
    void fitToScene();
    void finish(bool dismissing);

    QPointer<QGraphicsScene> m_scene;
    QPointer<QWidget> m_viewport;
    DeletionPolicy m_policy = KeepWhenDone;
    bool m_appeared = false;
};

#endif // UXSCENEWINDOW_H
