#include "uxscenewindow.h"

#include "uxlogging_p.h"

#include <QGraphicsScene>
#include <QGraphicsView>

#include <algorithm>

UxSceneWindow::UxSceneWindow(QGraphicsItem *parent) : UxWidget(parent) {}

UxSceneWindow::DeletionPolicy UxSceneWindow::deletionPolicy() const
{
    return m_policy;
}

bool UxSceneWindow::isAppeared() const
{
    return m_appeared;
}

void UxSceneWindow::appear(QGraphicsScene *scene, UxSceneWindow::DeletionPolicy policy)
{
    if (!scene) {
        qCWarning(lcUxWidgets) << "UxSceneWindow::appear: no scene to appear on";
        return;
    }
    m_policy = policy;

    qreal top = 0;
    for (QGraphicsItem *item : scene->items()) {
        if (!item->parentItem() && item != this)
            top = std::max(top, item->zValue() + 1);
    }
    if (this->scene() != scene) {
        if (parentItem())
            setParentItem(nullptr);
        if (this->scene())
            this->scene()->removeItem(this);
        hide();
        scene->addItem(this);
    }
    setZValue(top);
    followScene(scene);
    aboutToAppear();
    fitToScene();
    show();

    if (!m_appeared) {
        m_appeared = true;
        emit appeared();
    }
}

void UxSceneWindow::disappear()
{
    if (!m_appeared)
        return;
    finish(false);
}

void UxSceneWindow::dismiss()
{
    finish(true);
}

void UxSceneWindow::aboutToAppear() {}

void UxSceneWindow::finish(bool dismissing)
{
    // Whoever hears of it may delete the window.
    const QPointer<UxSceneWindow> alive(this);
    const bool wasAppeared = m_appeared;
    m_appeared = false;
    hide();
    if (wasAppeared && alive)
        emit disappeared();
    if (dismissing && alive)
        emit dismissed();
    if (!alive)
        return;

    if (m_policy == DestroyWhenDone || (dismissing && m_policy == DestroyWhenDismissed))
        deleteLater();
}

bool UxSceneWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_viewport && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
        fitToScene();
    return UxWidget::eventFilter(watched, event);
}

void UxSceneWindow::followScene(QGraphicsScene *scene)
{
    if (m_scene != scene) {
        if (m_scene)
            disconnect(m_scene, nullptr, this, nullptr);
        m_scene = scene;
        connect(scene, &QGraphicsScene::sceneRectChanged, this, &UxSceneWindow::fitToScene);
    }
    // The window fills the first view of its scene and follows its size.
    const QList<QGraphicsView *> views = scene->views();
    QWidget *viewport = views.isEmpty() ? nullptr : views.constFirst()->viewport();
    if (viewport == m_viewport)
        return;
    if (m_viewport)
        m_viewport->removeEventFilter(this);
    m_viewport = viewport;
    if (m_viewport)
        m_viewport->installEventFilter(this);
}

void UxSceneWindow::fitToScene()
{
    if (!m_scene || parentItem())
        return;
    // A hidden view has no settled size yet; its owner keeps the scene
    // rectangle up to date meanwhile.
    const QList<QGraphicsView *> views = m_scene->views();
    QRectF area = m_scene->sceneRect();
    if (!views.isEmpty() && views.constFirst()->isVisible()) {
        const QGraphicsView *view = views.constFirst();
        area = view->mapToScene(view->viewport()->rect()).boundingRect();
    }
    setGeometry(area);
}
