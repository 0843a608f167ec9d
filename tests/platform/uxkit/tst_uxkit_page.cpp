#include "uxapplication.h"
#include "uxapplicationpage.h"
#include "uxapplicationwindow.h"
#include "uxbutton.h"
#include "uxlayout.h"
#include "uxlinearlayoutpolicy.h"
#include "uxtextedit.h"

#include "uxtestview.h"

#include <QGraphicsSceneWheelEvent>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Records what the toolkit asks of the page and when.
class RecordingPage : public UxApplicationPage
{
public:
    void createContent() override
    {
        ++m_created;
        m_appearedWhenCreated = isAppeared();
        auto *layout = new UxLayout(centralWidget());
        m_list = new UxLinearLayoutPolicy(layout, Qt::Vertical);
    }

    int m_created = 0;
    bool m_appearedWhenCreated = true;
    UxLinearLayoutPolicy *m_list = nullptr;
};

} // namespace

class TestUxPage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void appearFillsTheViewOnTop();
    void deletionPolicies_data();
    void deletionPolicies();
    void createContentRunsOnceBeforeAppearing();
    void titleAndBackButton();
    void contentScrollsWhenTall();
    void dragScrollsInsteadOfTapping();
    void flickGlidesOnUntilTouched();
    void windowDisplaySignals();
    void activeApplicationWindow();
    void windowSizesItsPages();
    void destroyedInAnyState_data();
    void destroyedInAnyState();
    void deletedFromItsOwnSignals_data();
    void deletedFromItsOwnSignals();

private:
    UxTestView *m_view = nullptr;
};

void TestUxPage::init()
{
    m_view = new UxTestView;
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestUxPage::cleanup()
{
    delete m_view;
    m_view = nullptr;
    processDeferredDeletes();
}

void TestUxPage::appearFillsTheViewOnTop()
{
    auto *other = new UxWidget;
    other->setZValue(7);
    m_view->scene()->addItem(other);

    auto *window = new UxSceneWindow;
    QSignalSpy appeared(window, &UxSceneWindow::appeared);
    window->appear(m_view->scene());
    QCOMPARE(appeared.count(), 1);
    QVERIFY(window->isAppeared());
    QCOMPARE(window->scene(), m_view->scene());
    QVERIFY(window->zValue() > other->zValue());
    QCOMPARE(window->geometry(), QRectF(0, 0, 480, 854));

    // Appearing again raises it without a second signal.
    other->setZValue(window->zValue() + 5);
    window->appear(m_view->scene());
    QVERIFY(window->zValue() > other->zValue());
    QCOMPARE(appeared.count(), 1);

    m_view->resize(400, 700);
    QTRY_COMPARE(window->size(), QSizeF(400, 700));
}

void TestUxPage::deletionPolicies_data()
{
    QTest::addColumn<int>("policy");
    QTest::addColumn<bool>("dismiss");
    QTest::addColumn<bool>("deleted");
    QTest::addRow("keep, disappear") << int(UxSceneWindow::KeepWhenDone) << false << false;
    QTest::addRow("keep, dismiss") << int(UxSceneWindow::KeepWhenDone) << true << false;
    QTest::addRow("when done, disappear") << int(UxSceneWindow::DestroyWhenDone) << false << true;
    QTest::addRow("when done, dismiss") << int(UxSceneWindow::DestroyWhenDone) << true << true;
    QTest::addRow("when dismissed, disappear")
        << int(UxSceneWindow::DestroyWhenDismissed) << false << false;
    QTest::addRow("when dismissed, dismiss")
        << int(UxSceneWindow::DestroyWhenDismissed) << true << true;
}

void TestUxPage::deletionPolicies()
{
    QFETCH(int, policy);
    QFETCH(bool, dismiss);
    QFETCH(bool, deleted);

    QPointer<UxApplicationPage> page = new UxApplicationPage;
    QSignalSpy disappeared(page.data(), &UxSceneWindow::disappeared);
    QSignalSpy dismissed(page.data(), &UxSceneWindow::dismissed);
    page->appear(m_view->scene(), UxSceneWindow::DeletionPolicy(policy));
    QCOMPARE(page->deletionPolicy(), UxSceneWindow::DeletionPolicy(policy));

    if (dismiss)
        page->dismiss();
    else
        page->disappear();
    QVERIFY(page);
    QVERIFY(!page->isVisible());
    QVERIFY(!page->isAppeared());
    QCOMPARE(disappeared.count(), 1);
    QCOMPARE(dismissed.count(), dismiss ? 1 : 0);

    // A second disappear has nothing left to do.
    page->disappear();
    QCOMPARE(disappeared.count(), 1);

    processDeferredDeletes();
    QCOMPARE(page.isNull(), deleted);
}

void TestUxPage::createContentRunsOnceBeforeAppearing()
{
    auto *page = new RecordingPage;
    QVERIFY(!page->isContentCreated());
    QSignalSpy appeared(page, &UxSceneWindow::appeared);
    page->appear(m_view->scene());
    QCOMPARE(page->m_created, 1);
    QVERIFY(page->isContentCreated());
    QVERIFY(!page->m_appearedWhenCreated);
    QCOMPARE(appeared.count(), 1);

    page->disappear();
    page->appear(m_view->scene());
    QCOMPARE(page->m_created, 1);
    QCOMPARE(appeared.count(), 2);
}

void TestUxPage::titleAndBackButton()
{
    auto *first = new UxApplicationPage;
    first->setTitle(QStringLiteral("Feed"));
    QCOMPARE(first->title(), QStringLiteral("Feed"));
    first->appear(m_view->scene());
    QVERIFY(!first->isBackButtonVisible());

    QPointer<UxApplicationPage> second = new UxApplicationPage;
    second->appear(m_view->scene(), UxSceneWindow::DestroyWhenDone);
    QVERIFY(second->isBackButtonVisible());
    QSignalSpy dismissed(second.data(), &UxSceneWindow::dismissed);

    // Taps on the page's title bar do not reach the page below.
    m_view->tap(second, QPointF(300, 10));
    QCOMPARE(dismissed.count(), 0);
    m_view->tap(second, QPointF(10, 10));
    QCOMPARE(dismissed.count(), 1);
    processDeferredDeletes();
    QVERIFY(!second);
    QVERIFY(first->isVisible());
}

void TestUxPage::contentScrollsWhenTall()
{
    auto *page = new RecordingPage;
    page->appear(m_view->scene());
    const QSizeF area = page->centralWidget()->size();
    QCOMPARE(area.width(), 480.0);
    QCOMPARE(page->maximumScrollPosition(), 0.0);

    auto *tall = new UxWidget;
    tall->setPreferredHeight(3000);
    page->m_list->addItem(tall);
    QTRY_COMPARE(page->centralWidget()->size().height(), 3000.0);
    const qreal maximum = page->maximumScrollPosition();
    QVERIFY(maximum > 2000);

    page->setScrollPosition(100);
    QCOMPARE(page->scrollPosition(), 100.0);
    QCOMPARE(page->centralWidget()->mapToScene(QPointF(0, 0)).y(),
             page->mapToScene(QPointF(0, 0)).y() + 854 - area.height() - 100);
    page->setScrollPosition(maximum + 500);
    QCOMPARE(page->scrollPosition(), maximum);
    page->setScrollPosition(-5);
    QCOMPARE(page->scrollPosition(), 0.0);

    // A wheel turn towards the user scrolls down.
    QGraphicsSceneWheelEvent wheel(QEvent::GraphicsSceneWheel);
    wheel.setScenePos(QPointF(240, 400));
    wheel.setDelta(-120);
    wheel.setOrientation(Qt::Vertical);
    QCoreApplication::sendEvent(m_view->scene(), &wheel);
    QVERIFY(page->scrollPosition() > 0);

    // Shrinking content brings the position back in range.
    tall->setPreferredHeight(100);
    QTRY_COMPARE(page->maximumScrollPosition(), 0.0);
    QCOMPARE(page->scrollPosition(), 0.0);
}

void TestUxPage::dragScrollsInsteadOfTapping()
{
    auto *page = new RecordingPage;
    page->appear(m_view->scene());
    auto *button = new UxButton(QStringLiteral("tap me"));
    auto *tall = new UxWidget;
    tall->setPreferredHeight(3000);
    page->m_list->addItem(button);
    page->m_list->addItem(tall);
    QTRY_VERIFY(page->maximumScrollPosition() > 0);
    QSignalSpy clicks(button, &UxButton::clicked);

    m_view->tap(button, QPointF(20, 10));
    QCOMPARE(clicks.count(), 1);

    // Points on the page stay put while the content moves under them.
    const QPointF onButton = button->mapToItem(page, QPointF(20, 10));
    m_view->press(page, onButton);
    m_view->move(page, onButton + QPointF(0, -60));
    m_view->move(page, onButton + QPointF(0, -100));
    QCOMPARE(page->scrollPosition(), 100.0);
    m_view->release(page, onButton + QPointF(0, -100));
    QCOMPARE(clicks.count(), 1);
    QVERIFY(!button->isDown());

    // Dragging from empty content scrolls too.
    const QPointF onEmpty(200, 500);
    m_view->press(page, onEmpty);
    m_view->move(page, onEmpty + QPointF(0, 40));
    QCOMPARE(page->scrollPosition(), 60.0);
    m_view->release(page, onEmpty + QPointF(0, 40));
    QCOMPARE(clicks.count(), 1);
}

void TestUxPage::flickGlidesOnUntilTouched()
{
    auto *page = new RecordingPage;
    page->appear(m_view->scene());
    auto *button = new UxButton(QStringLiteral("tap me"));
    auto *tall = new UxWidget;
    tall->setPreferredHeight(6000);
    page->m_list->addItem(button);
    page->m_list->addItem(tall);
    QTRY_VERIFY(page->maximumScrollPosition() > 0);
    QSignalSpy clicks(button, &UxButton::clicked);

    // Up at 2.5 pixels a millisecond, let go while moving.
    QPointF finger = button->mapToItem(page, QPointF(20, 10)) + QPointF(0, 600);
    m_view->press(page, finger);
    for (int step = 0; step < 6; ++step) {
        QTest::qWait(16);
        finger.ry() -= 40;
        m_view->move(page, finger);
    }
    QCOMPARE(page->scrollPosition(), 240.0);
    m_view->release(page, finger);
    QTRY_VERIFY2(page->scrollPosition() > 340, qPrintable(QString::number(page->scrollPosition())));
    QCOMPARE(clicks.count(), 0);

    // A touch stops the glide where it is, and is no tap on what it stops on.
    m_view->press(page, QPointF(240, 400));
    const qreal stopped = page->scrollPosition();
    QTest::qWait(100);
    QCOMPARE(page->scrollPosition(), stopped);
    m_view->release(page, QPointF(240, 400));
    QTest::qWait(100);
    QCOMPARE(page->scrollPosition(), stopped);
}

void TestUxPage::windowDisplaySignals()
{
    UxApplicationWindow window;
    QSignalSpy entered(&window, &UxApplicationWindow::displayEntered);
    QSignalSpy exited(&window, &UxApplicationWindow::displayExited);
    QVERIFY(!window.isOnDisplay());

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(entered.count(), 1);
    QVERIFY(window.isOnDisplay());

    window.setWindowState(Qt::WindowMinimized);
    QTRY_COMPARE(exited.count(), 1);
    QVERIFY(!window.isOnDisplay());
    window.setWindowState(Qt::WindowNoState);
    QTRY_COMPARE(entered.count(), 2);

    window.hide();
    QCOMPARE(exited.count(), 2);
    QVERIFY(!window.isOnDisplay());
    window.hide();
    QCOMPARE(exited.count(), 2);
}

void TestUxPage::activeApplicationWindow()
{
    QCOMPARE(UxApplication::activeApplicationWindow(), nullptr);
    auto *first = new UxApplicationWindow;
    QCOMPARE(UxApplication::activeApplicationWindow(), nullptr);
    first->show();
    QCOMPARE(UxApplication::activeApplicationWindow(), first);

    auto *second = new UxApplicationWindow;
    second->show();
    QCOMPARE(UxApplication::activeApplicationWindow(), second);
    first->hide();
    first->show();
    QCOMPARE(UxApplication::activeApplicationWindow(), first);

    delete first;
    QCOMPARE(UxApplication::activeApplicationWindow(), second);
    delete second;
    QCOMPARE(UxApplication::activeApplicationWindow(), nullptr);
}

void TestUxPage::windowSizesItsPages()
{
    UxApplicationWindow window;
    QCOMPARE(window.size(), QSize(480, 854));
    auto *page = new RecordingPage;
    window.showPage(page);
    QCOMPARE(page->scene(), window.scene());
    QCOMPARE(page->size(), QSizeF(480, 854));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(360, 640);
    QTRY_COMPARE(page->size(), QSizeF(360, 640));
    QCOMPARE(page->centralWidget()->size().width(), 360.0);
}

void TestUxPage::destroyedInAnyState_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<bool>("byWindow");
    for (const char *state : {"focused editor", "removed focused editor", "pressed button",
                              "dragged content", "hovered editor", "idle"}) {
        QTest::addRow("%s, page deleted", state) << QString::fromLatin1(state) << false;
        QTest::addRow("%s, window deleted", state) << QString::fromLatin1(state) << true;
    }
}

// Pages go in any state: the user may go back or quit with a finger on a
// button or the focus in the comment box.
void TestUxPage::destroyedInAnyState()
{
    QFETCH(QString, state);
    QFETCH(bool, byWindow);

    QPointer<RecordingPage> page = new RecordingPage;
    page->appear(m_view->scene());
    // The post area of the comments page: a column nested in the page's.
    auto *postArea = new UxLayout;
    auto *postList = new UxLinearLayoutPolicy(postArea, Qt::Vertical);
    QPointer<UxTextEdit> editor = new UxTextEdit;
    QPointer<UxButton> button = new UxButton(QStringLiteral("Post"));
    postList->addItem(editor);
    postList->addItem(button);
    page->m_list->addItem(postArea);
    auto *tall = new UxWidget;
    tall->setPreferredHeight(3000);
    page->m_list->addItem(tall);
    QTRY_VERIFY(page->maximumScrollPosition() > 0);

    QGraphicsScene *scene = m_view->scene();
    if (state.endsWith(QLatin1String("focused editor"))) {
        editor->setFocus();
        QVERIFY(editor->hasFocus());
        if (state.startsWith(QLatin1String("removed"))) {
            // Taken out of the list, its deletion still pending.
            postArea->removeItem(editor);
            QVERIFY(editor);
            QVERIFY(!editor->isVisible());
        }
    } else if (state == QLatin1String("pressed button")) {
        m_view->press(button, QPointF(10, 10));
        QVERIFY(button->isDown());
        QCOMPARE(scene->mouseGrabberItem(), button.data());
    } else if (state == QLatin1String("dragged content")) {
        const QPointF onButton = button->mapToItem(page, QPointF(10, 10));
        m_view->press(page, onButton);
        m_view->move(page, onButton - QPointF(0, 60));
        m_view->move(page, onButton - QPointF(0, 100));
        QCOMPARE(page->scrollPosition(), 100.0);
        QVERIFY(page->isAncestorOf(scene->mouseGrabberItem()));
    } else if (state == QLatin1String("hovered editor")) {
        QTest::mouseMove(m_view->viewport(),
                         m_view->mapFromScene(editor->mapToScene(editor->boundingRect().center())));
        QTRY_VERIFY(editor->isUnderMouse());
    }

    if (byWindow) {
        delete m_view;
        m_view = nullptr;
    } else {
        delete page;
        QVERIFY(!scene->focusItem());
        QVERIFY(!scene->mouseGrabberItem());
        // The scene works on without the page.
        auto *next = new RecordingPage;
        next->appear(scene);
        auto *nextButton = new UxButton(QStringLiteral("Next"));
        next->m_list->addItem(nextButton);
        QTRY_VERIFY(nextButton->size().width() > 0);
        QSignalSpy clicks(nextButton, &UxButton::clicked);
        m_view->tap(nextButton, QPointF(10, 10));
        QCOMPARE(clicks.count(), 1);
    }
    processDeferredDeletes();
    QVERIFY(!page);
    QVERIFY(!editor);
    QVERIFY(!button);
}

void TestUxPage::deletedFromItsOwnSignals_data()
{
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("signal");
    QTest::addRow("disappear, on disappeared") << "disappear"
                                               << "disappeared";
    QTest::addRow("dismiss, on disappeared") << "dismiss"
                                             << "disappeared";
    QTest::addRow("dismiss, on dismissed") << "dismiss"
                                           << "dismissed";
    QTest::addRow("back button, on dismissed") << "back button"
                                               << "dismissed";
}

void TestUxPage::deletedFromItsOwnSignals()
{
    QFETCH(QString, ending);
    QFETCH(QString, signal);

    (new RecordingPage)->appear(m_view->scene());
    QPointer<RecordingPage> page = new RecordingPage;
    page->appear(m_view->scene(), UxSceneWindow::DestroyWhenDone);
    QVERIFY(page->isBackButtonVisible());
    int heard = 0;
    const auto deletePage = [&] {
        ++heard;
        delete page.data();
    };
    if (signal == QLatin1String("disappeared"))
        connect(page.data(), &UxSceneWindow::disappeared, this, deletePage);
    else
        connect(page.data(), &UxSceneWindow::dismissed, this, deletePage);

    if (ending == QLatin1String("disappear"))
        page->disappear();
    else if (ending == QLatin1String("dismiss"))
        page->dismiss();
    else
        m_view->tap(page, QPointF(10, 10));
    QVERIFY(!page);
    QCOMPARE(heard, 1);
    processDeferredDeletes();
}

int main(int argc, char **argv)
{
    if (UxApplication::instance()) {
        qCritical("UxApplication::instance() is set before the application exists");
        return 1;
    }
    int status = 0;
    {
        UxApplication application(argc, argv);
        if (UxApplication::instance() != &application) {
            qCritical("UxApplication::instance() is not the application");
            return 1;
        }
        TestUxPage test;
        QTEST_SET_MAIN_SOURCE_PATH
        status = QTest::qExec(&test, argc, argv);
    }
    if (UxApplication::instance()) {
        qCritical("UxApplication::instance() outlives the application");
        return 1;
    }
    return status;
}

#include "tst_uxkit_page.moc"
