#include "contactsgui.h"
#include "contactcard_p.h"
#include "contactswidgetslogging_p.h"

#include <QApplication>
#include <QDebug>
#include <QGraphicsScene>
#include <QGraphicsView>

using namespace QtContacts;

namespace {

QGraphicsView *sceneView(QWidget *window)
{
    auto *view = qobject_cast<QGraphicsView *>(window);
    return view && view->scene() ? view : nullptr;
}

QGraphicsView *hostView()
{
    if (QGraphicsView *view = sceneView(QApplication::activeWindow())) {
        return view;
    }
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible()) {
            if (QGraphicsView *view = sceneView(window)) {
                return view;
            }
        }
    }
    return nullptr;
}

// One card at a time; a new one replaces what is shown and goes above everything else.
qreal prepareScene(QGraphicsScene *scene)
{
    qreal top = 0;
    const QList<QGraphicsItem *> items = scene->items();
    for (QGraphicsItem *item : items) {
        if (item->parentItem()) {
            continue;
        }
        if (auto *card = qobject_cast<ContactCard *>(item->toGraphicsObject())) {
            card->close();
            continue;
        }
        top = qMax(top, item->zValue());
    }
    return top + 1;
}

} // namespace

bool ContactsGui::openContactCard(const QContact &contact)
{
    if (contact.isEmpty()) {
        qCWarning(lcContactsWidgets) << Q_FUNC_INFO << "Will not open a card for an empty contact";
        return false;
    }
    if (!qobject_cast<QApplication *>(QCoreApplication::instance())) {
        qCWarning(lcContactsWidgets)
            << Q_FUNC_INFO << "A QApplication is needed to show a contact card";
        return false;
    }
    QGraphicsView *view = hostView();
    if (!view) {
        qCWarning(lcContactsWidgets)
            << Q_FUNC_INFO << "No window with a graphics scene to show the contact card on";
        return false;
    }
    QGraphicsScene *scene = view->scene();
    const qreal z = prepareScene(scene);
    auto *card = new ContactCard(contact, view);
    card->setZValue(z);
    scene->addItem(card);
    return true;
}
