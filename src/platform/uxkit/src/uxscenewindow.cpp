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
    const bool wasAppeared = m_appeared;
    m_appeared = false;
    hide();
    if (wasAppeared)
        emit disappeared();
    if (dismissing)
        emit dismissed();

    if (m_policy == DestroyWhenDone || (dismissing && m_policy == DestroyWhenDismissed))
        deleteLater();
}

void UxSceneWindow::followScene(QGraphicsScene *scene)
{
    if (m_scene == scene)
        return;
    if (m_scene)
        disconnect(m_scene, nullptr, this, nullptr);
    m_scene = scene;
    connect(scene, &QGraphicsScene::sceneRectChanged, this, &UxSceneWindow::fitToScene);
}

void UxSceneWindow::fitToScene()
{
    if (!m_scene || parentItem())
        return;
    const QList<QGraphicsView *> views = m_scene->views();
    QRectF area = m_scene->sceneRect();
    if (!views.isEmpty()) {
        const QGraphicsView *view = views.constFirst();
        area = view->mapToScene(view->viewport()->rect()).boundingRect();
    }
    setGeometry(area);
}
