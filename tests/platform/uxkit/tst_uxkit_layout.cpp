#include "uxflowlayoutpolicy.h"
#include "uxgridlayoutpolicy.h"
#include "uxlabel.h"
#include "uxlayout.h"
#include "uxlinearlayoutpolicy.h"
#include "uxwidget.h"

#include <QGraphicsLinearLayout>
#include <QGraphicsScene>
#include <QPointer>
#include <QtTest>

namespace {

// A widget that asks for exactly the given size.
UxWidget *fixedWidget(qreal width, qreal height)
{
    auto *widget = new UxWidget;
    widget->setMinimumSize(width, height);
    widget->setPreferredSize(width, height);
    widget->setMaximumSize(width, height);
    return widget;
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Counts its own destruction, so that a test can see a nested layout go.
class TrackedLayout : public UxLayout
{
public:
    explicit TrackedLayout(int *destroyed) : m_destroyed(destroyed) {}
    ~TrackedLayout() override { ++*m_destroyed; }

private:
    int *m_destroyed;
};

} // namespace

class TestUxLayout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void linearInsertionOrder();
    void linearColumnGeometry();
    void joiningWidgetGetsTheColumnWidthAtOnce();
    void linearRowSharesWidth();
    void policyRemovalKeepsItem();
    void policyRemovalKeepsOwnerHiddenWidgetsHidden();
    void layoutRemovalReleasesWidget();
    void nestedLayoutRemovalReleasesItsItems();
    void nestedLayoutHiddenWhileOutOfPolicy();
    void destroyedWidgetsLeaveTheLayout();
    void widgetsHiddenByTheirOwnerTakeNoSpace();
    void layoutTakesOnePolicy();
    void movingItemBetweenLayouts();
    void gridPlacement();
    void gridSpans();
    void flowWrapsAndLimitsRows();
    void flowRowAlignmentAndExpansion();
    void columnHeightFollowsWidth();
    void refusesForeignItems();
    void itemsReleasedWithTheLayout();

private:
    void settle();

    QGraphicsScene *m_scene = nullptr;
    UxWidget *m_host = nullptr;
    UxLayout *m_layout = nullptr;
};

void TestUxLayout::init()
{
    m_scene = new QGraphicsScene;
    m_host = new UxWidget;
    m_scene->addItem(m_host);
    m_layout = new UxLayout(m_host);
    m_host->resize(300, 600);
}

void TestUxLayout::cleanup()
{
    delete m_scene;
    m_scene = nullptr;
    processDeferredDeletes();
}

void TestUxLayout::settle()
{
    for (int i = 0; i < 4; ++i)
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    m_layout->activate();
}

void TestUxLayout::linearInsertionOrder()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    QCOMPARE(m_layout->policy(), policy);

    UxWidget *a = fixedWidget(10, 10);
    UxWidget *b = fixedWidget(10, 10);
    UxWidget *c = fixedWidget(10, 10);
    UxWidget *d = fixedWidget(10, 10);
    policy->addItem(a);
    policy->addItem(b);
    policy->insertItem(1, c);
    policy->insertItem(0, d, Qt::AlignRight);
    policy->insertItem(99, fixedWidget(10, 10));

    QCOMPARE(policy->count(), 5);
    QCOMPARE(policy->itemAt(0), d);
    QCOMPARE(policy->itemAt(1), a);
    QCOMPARE(policy->itemAt(2), c);
    QCOMPARE(policy->itemAt(3), b);
    QCOMPARE(policy->indexOf(b), 3);
    QCOMPARE(policy->alignment(d), Qt::AlignRight);
    QCOMPARE(m_layout->count(), 5);
    QCOMPARE(a->parentItem(), m_host);

    // Inserting an item the policy holds moves it.
    policy->insertItem(0, b);
    QCOMPARE(policy->count(), 5);
    QCOMPARE(policy->itemAt(0), b);
    QCOMPARE(policy->itemAt(1), d);
}

void TestUxLayout::linearColumnGeometry()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    policy->setSpacing(5);
    policy->setContentsMargins(3, 7, 11, 0);
    UxWidget *top = new UxWidget;
    top->setPreferredHeight(20);
    UxWidget *aligned = fixedWidget(50, 30);
    UxWidget *bottom = new UxWidget;
    bottom->setPreferredHeight(40);
    policy->addItem(top);
    policy->addItem(aligned, Qt::AlignHCenter);
    policy->addItem(bottom);
    settle();

    QCOMPARE(top->geometry(), QRectF(3, 7, 286, 20));
    QCOMPARE(aligned->geometry(), QRectF(3 + (286 - 50) / 2.0, 32, 50, 30));
    QCOMPARE(bottom->geometry(), QRectF(3, 67, 286, 40));

    const QSizeF hint = m_layout->effectiveSizeHint(Qt::PreferredSize, QSizeF(300, -1));
    QCOMPARE(hint.height(), 7 + 20 + 5 + 30 + 5 + 40 + 0.0);
}

void TestUxLayout::joiningWidgetGetsTheColumnWidthAtOnce()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    policy->setContentsMargins(3, 7, 11, 0);
    policy->addItem(new UxWidget);
    settle();

    // Before the next layout pass, so what it shows is measured at that width.
    auto *late = new UxWidget;
    policy->insertItem(0, late);
    QCOMPARE(late->size().width(), 286.0);
    UxWidget *aligned = fixedWidget(50, 30);
    policy->addItem(aligned, Qt::AlignHCenter);
    QCOMPARE(aligned->size().width(), 50.0);

    settle();
    QCOMPARE(late->geometry().width(), 286.0);
}

void TestUxLayout::linearRowSharesWidth()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Horizontal);
    policy->setSpacing(10);
    UxWidget *fixed = fixedWidget(40, 20);
    UxWidget *expanding = new UxWidget;
    expanding->setPreferredSize(60, 20);
    expanding->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    UxWidget *plain = new UxWidget;
    plain->setPreferredSize(50, 20);
    policy->addItem(fixed);
    policy->addItem(expanding);
    policy->addItem(plain);
    settle();

    QCOMPARE(fixed->geometry().left(), 0.0);
    QCOMPARE(fixed->geometry().width(), 40.0);
    QCOMPARE(expanding->geometry().left(), 50.0);
    QCOMPARE(expanding->geometry().width(), 300 - 40 - 50 - 20.0);
    QCOMPARE(plain->geometry().left(), 300 - 50.0);
    QCOMPARE(plain->geometry().width(), 50.0);
}

void TestUxLayout::policyRemovalKeepsItem()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    QPointer<UxWidget> a = fixedWidget(10, 10);
    QPointer<UxWidget> b = fixedWidget(10, 10);
    QPointer<UxWidget> c = fixedWidget(10, 10);
    policy->addItem(a);
    policy->addItem(b);
    policy->addItem(c);

    policy->removeItem(b);
    processDeferredDeletes();
    QVERIFY(b);
    QVERIFY(!b->isVisible());
    QCOMPARE(policy->count(), 2);
    QCOMPARE(policy->indexOf(b), -1);
    QCOMPARE(m_layout->count(), 3);
    QCOMPARE(m_layout->indexOf(b), 1);

    policy->removeAt(0);
    QVERIFY(!a->isVisible());
    QCOMPARE(policy->itemAt(0), c);

    policy->insertItem(0, b);
    QVERIFY(b->isVisible());
    QCOMPARE(policy->itemAt(0), b);
    QCOMPARE(policy->itemAt(1), c);
    QCOMPARE(m_layout->count(), 3);
    settle();
    QCOMPARE(b->geometry().top(), 0.0);
    QCOMPARE(c->geometry().top(), 10.0);
}

void TestUxLayout::policyRemovalKeepsOwnerHiddenWidgetsHidden()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    UxWidget *hiddenByOwner = fixedWidget(10, 10);
    policy->addItem(hiddenByOwner);
    hiddenByOwner->hide();

    policy->removeItem(hiddenByOwner);
    policy->addItem(hiddenByOwner);
    QVERIFY(!hiddenByOwner->isVisible());

    hiddenByOwner->show();
    policy->removeItem(hiddenByOwner);
    QVERIFY(!hiddenByOwner->isVisible());
    policy->addItem(hiddenByOwner);
    QVERIFY(hiddenByOwner->isVisible());
}

void TestUxLayout::layoutRemovalReleasesWidget()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    QPointer<UxLabel> first = new UxLabel(QStringLiteral("first"));
    QPointer<UxLabel> second = new UxLabel(QStringLiteral("second"));
    QPointer<UxLabel> third = new UxLabel(QStringLiteral("third"));
    policy->addItem(first);
    policy->addItem(second);
    policy->addItem(third);

    m_layout->removeItem(second);
    QVERIFY(second);
    QVERIFY(!second->isVisible());
    QCOMPARE(m_layout->count(), 2);
    QCOMPARE(policy->count(), 2);
    QCOMPARE(policy->itemAt(1), third);
    processDeferredDeletes();
    QVERIFY(!second);

    m_layout->removeAt(0);
    QVERIFY(!first->isVisible());
    processDeferredDeletes();
    QVERIFY(!first);
    QCOMPARE(policy->itemAt(0), third);
    QVERIFY(third);
}

void TestUxLayout::nestedLayoutRemovalReleasesItsItems()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    int destroyed = 0;
    auto *row = new TrackedLayout(&destroyed);
    auto *grid = new UxGridLayoutPolicy(row);
    QPointer<UxLabel> left = new UxLabel;
    QPointer<UxLabel> right = new UxLabel;
    grid->addItem(left, 0, 0);
    grid->addItem(right, 0, 1);
    int innerDestroyed = 0;
    auto *inner = new TrackedLayout(&innerDestroyed);
    QPointer<UxLabel> deep = new UxLabel;
    (new UxLinearLayoutPolicy(inner, Qt::Vertical))->addItem(deep);
    grid->addItem(inner, 1, 0);
    policy->addItem(row);
    QCOMPARE(left->parentItem(), m_host);
    QCOMPARE(deep->parentItem(), m_host);

    m_layout->removeItem(row);
    QCOMPARE(destroyed, 1);
    QCOMPARE(innerDestroyed, 1);
    QCOMPARE(m_layout->count(), 0);
    QCOMPARE(policy->count(), 0);
    QVERIFY(!left->isVisible());
    QVERIFY(!deep->isVisible());
    processDeferredDeletes();
    QVERIFY(!left);
    QVERIFY(!right);
    QVERIFY(!deep);
}

void TestUxLayout::nestedLayoutHiddenWhileOutOfPolicy()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    UxWidget *bubble = fixedWidget(10, 40);
    policy->addItem(bubble);

    // A progress row: hidden by taking it out of the list, shown again by
    // putting it back on top.
    auto *row = new UxLayout;
    auto *grid = new UxGridLayoutPolicy(row);
    auto *label = new UxLabel;
    UxWidget *spinner = fixedWidget(20, 20);
    grid->addItem(label, 0, 0);
    grid->addItem(spinner, 0, 1, 1, 1, Qt::AlignCenter);
    policy->insertItem(0, row, Qt::AlignCenter);
    settle();
    QVERIFY(label->isVisible());
    QCOMPARE(bubble->geometry().top(), 20.0);

    spinner->hide();
    policy->removeItem(row);
    QVERIFY(!label->isVisible());
    QCOMPARE(m_layout->count(), 2);
    settle();
    QCOMPARE(bubble->geometry().top(), 0.0);

    policy->insertItem(0, row, Qt::AlignCenter);
    QVERIFY(label->isVisible());
    QVERIFY(!spinner->isVisible());
    spinner->show();
    settle();
    QCOMPARE(bubble->geometry().top(), 20.0);
    QCOMPARE(policy->indexOf(row), 0);
}

void TestUxLayout::destroyedWidgetsLeaveTheLayout()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    UxWidget *toolkitWidget = fixedWidget(10, 10);
    auto *plainWidget = new QGraphicsWidget;
    plainWidget->setPreferredSize(10, 10);
    UxWidget *kept = fixedWidget(10, 10);
    policy->addItem(toolkitWidget);
    policy->addItem(plainWidget);
    policy->addItem(kept);

    // Taken out of the policy and deleted by its user, as a list does with
    // items it drops.
    policy->removeItem(toolkitWidget);
    delete toolkitWidget;
    QCOMPARE(m_layout->count(), 2);

    delete plainWidget;
    QCOMPARE(m_layout->count(), 1);
    QCOMPARE(policy->count(), 1);
    QCOMPARE(policy->itemAt(0), kept);
    processDeferredDeletes();
    settle();
    QCOMPARE(kept->geometry().top(), 0.0);
}

void TestUxLayout::widgetsHiddenByTheirOwnerTakeNoSpace()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    UxWidget *first = fixedWidget(10, 25);
    UxWidget *second = fixedWidget(10, 25);
    policy->addItem(first);
    policy->addItem(second);
    first->hide();
    settle();
    QCOMPARE(second->geometry().top(), 0.0);
    first->show();
    settle();
    QCOMPARE(second->geometry().top(), 25.0);
}

void TestUxLayout::layoutTakesOnePolicy()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    QTest::ignoreMessage(QtWarningMsg, "UxLayout: the layout has a policy already");
    auto *refused = new UxLinearLayoutPolicy(m_layout, Qt::Horizontal);
    QCOMPARE(m_layout->policy(), policy);
    QCOMPARE(refused->layout(), nullptr);
    QPointer<UxWidget> stray = fixedWidget(10, 10);
    refused->addItem(stray);
    QCOMPARE(refused->count(), 0);
    QCOMPARE(m_layout->count(), 0);
    delete refused;
    QCOMPARE(m_layout->policy(), policy);
    delete stray;

    // Without its policy the layout keeps its items, hidden, until it releases them.
    QPointer<UxWidget> row = fixedWidget(10, 10);
    policy->addItem(row);
    QVERIFY(row->isVisible());
    delete policy;
    QCOMPARE(m_layout->policy(), nullptr);
    QCOMPARE(m_layout->count(), 1);
    processDeferredDeletes();
    QVERIFY(row);
    QVERIFY(!row->isVisible());
    QCOMPARE(m_layout->effectiveSizeHint(Qt::PreferredSize), QSizeF(0, 0));
}

void TestUxLayout::movingItemBetweenLayouts()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    auto *nested = new UxLayout(m_layout);
    auto *nestedPolicy = new UxLinearLayoutPolicy(nested, Qt::Horizontal);
    QPointer<UxWidget> widget = fixedWidget(10, 10);
    policy->addItem(widget);
    policy->addItem(nested);

    nestedPolicy->addItem(widget);
    processDeferredDeletes();
    QVERIFY(widget);
    QVERIFY(widget->isVisible());
    QCOMPARE(policy->count(), 1);
    QCOMPARE(m_layout->count(), 1);
    QCOMPARE(nested->indexOf(widget), 0);
}

void TestUxLayout::gridPlacement()
{
    auto *grid = new UxGridLayoutPolicy(m_layout);
    grid->setSpacing(10);
    UxWidget *topLeft = fixedWidget(40, 20);
    UxWidget *topRight = new UxWidget;
    topRight->setPreferredSize(60, 30);
    UxWidget *centred = fixedWidget(20, 10);
    UxLabel *rightAligned = new UxLabel;
    grid->addItem(topLeft, 0, 0);
    grid->addItem(topRight, 0, 1);
    grid->addItem(centred, 1, 0, 1, 1, Qt::AlignCenter);
    grid->addItem(rightAligned, 1, 1, 1, 1, Qt::AlignRight);
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->columnCount(), 2);
    QCOMPARE(grid->cellOf(rightAligned), QRect(1, 1, 1, 1));
    settle();

    // 300 wide: columns of 40 and 60 plus the spacing share 190 equally.
    const qreal firstColumn = 40 + 95;
    QCOMPARE(topLeft->geometry(), QRectF(0, 0, 40, 20));
    QCOMPARE(topRight->geometry(), QRectF(firstColumn + 10, 0, 60 + 95, 30));
    QCOMPARE(centred->geometry().center(), QPointF(firstColumn / 2, 30 + 10 + 5));
    QCOMPARE(rightAligned->geometry().right(), 300.0);

    const QSizeF hint = m_layout->effectiveSizeHint(Qt::PreferredSize);
    QCOMPARE(hint, QSizeF(40 + 10 + 60, 30 + 10 + 10));
}

void TestUxLayout::gridSpans()
{
    auto *grid = new UxGridLayoutPolicy(m_layout);
    UxWidget *a = fixedWidget(50, 10);
    UxWidget *b = fixedWidget(50, 10);
    UxWidget *wide = new UxWidget;
    wide->setPreferredSize(20, 15);
    grid->addItem(a, 0, 0);
    grid->addItem(b, 0, 1);
    grid->addItem(wide, 1, 0, 1, 2);
    UxWidget *appended = new UxWidget;
    grid->addItem(appended);
    QCOMPARE(grid->cellOf(appended), QRect(2, 0, 1, 1));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("invalid cell"));
    grid->addItem(new UxWidget(m_host), 0, 0, 0, 1);
    QCOMPARE(grid->count(), 4);

    m_host->resize(100, 600);
    settle();
    QCOMPARE(wide->geometry(), QRectF(0, 10, 100, 15));
}

void TestUxLayout::flowWrapsAndLimitsRows()
{
    auto *flow = new UxFlowLayoutPolicy(m_layout);
    flow->setSpacing(10);
    m_host->resize(200, 600);
    UxWidget *a = fixedWidget(80, 20);
    UxWidget *b = fixedWidget(80, 30);
    UxWidget *c = fixedWidget(80, 20);
    flow->addItem(a);
    flow->addItem(b);
    flow->addItem(c);
    settle();

    QCOMPARE(a->geometry(), QRectF(0, 5, 80, 20));
    QCOMPARE(b->geometry(), QRectF(90, 0, 80, 30));
    QCOMPARE(c->geometry(), QRectF(0, 40, 80, 20));
    QCOMPARE(m_layout->effectiveSizeHint(Qt::PreferredSize, QSizeF(200, -1)).height(), 60.0);

    flow->setRowLimit(1);
    QCOMPARE(flow->rowLimit(), 1);
    settle();
    QVERIFY(!c->isVisible());
    QVERIFY(a->isVisible());
    QCOMPARE(m_layout->effectiveSizeHint(Qt::PreferredSize, QSizeF(200, -1)).height(), 30.0);

    flow->setRowLimit(-1);
    settle();
    QVERIFY(c->isVisible());

    // One row when nothing limits the width.
    QCOMPARE(m_layout->effectiveSizeHint(Qt::PreferredSize).width(), 260.0);
}

void TestUxLayout::flowRowAlignmentAndExpansion()
{
    auto *flow = new UxFlowLayoutPolicy(m_layout);
    UxLabel *label = new UxLabel(QStringLiteral("likes"));
    UxWidget *button = fixedWidget(60, 20);
    flow->addItem(label);
    flow->addItem(button);
    flow->setAlignment(button, Qt::AlignRight);
    settle();
    QCOMPARE(button->geometry().right(), 300.0);
    QVERIFY(label->geometry().width() < 240);

    label->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    settle();
    QCOMPARE(label->geometry().width(), 240.0);
    QCOMPARE(button->geometry().left(), 240.0);
}

void TestUxLayout::columnHeightFollowsWidth()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    auto *label = new UxLabel(QStringLiteral("many words that wrap into several lines when the "
                                             "column is narrow enough to force wrapping"));
    UxWidget *below = fixedWidget(10, 10);
    policy->addItem(label);
    policy->addItem(below);

    const qreal wide = m_layout->effectiveSizeHint(Qt::PreferredSize, QSizeF(2000, -1)).height();
    const qreal narrow = m_layout->effectiveSizeHint(Qt::PreferredSize, QSizeF(80, -1)).height();
    QVERIFY2(narrow > wide, qPrintable(QStringLiteral("%1 <= %2").arg(narrow).arg(wide)));

    m_host->resize(80, 600);
    settle();
    QCOMPARE(below->geometry().top(), narrow - 10);
}

void TestUxLayout::refusesForeignItems()
{
    auto *policy = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    auto *foreign = new QGraphicsLinearLayout;
    QTest::ignoreMessage(QtWarningMsg, "UxLayout: holds widgets and nested UxLayouts only");
    policy->addItem(foreign);
    QCOMPARE(policy->count(), 0);
    delete foreign;

    auto *nested = new UxLayout;
    auto *nestedPolicy = new UxLinearLayoutPolicy(nested, Qt::Vertical);
    policy->addItem(nested);
    QTest::ignoreMessage(QtWarningMsg, "UxLayout: refusing to nest a layout inside itself");
    nestedPolicy->addItem(m_layout);
    QCOMPARE(nestedPolicy->count(), 0);

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not an item of this layout"));
    m_layout->removeItem(new UxWidget(m_host));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no item at index 5"));
    policy->removeAt(5);
    QCOMPARE(policy->count(), 1);
}

void TestUxLayout::itemsReleasedWithTheLayout()
{
    auto *layout = new UxLayout;
    auto *policy = new UxLinearLayoutPolicy(layout, Qt::Vertical);
    QPointer<UxLabel> parentless = new UxLabel;
    policy->addItem(parentless);
    QVERIFY(!parentless->parentItem());
    delete layout;
    processDeferredDeletes();
    QVERIFY(!parentless);

    // A layout replaced on its widget takes its rows along.
    auto *list = new UxLinearLayoutPolicy(m_layout, Qt::Vertical);
    QPointer<UxLabel> row = new UxLabel;
    auto *nested = new UxLayout;
    QPointer<UxLabel> nestedRow = new UxLabel;
    (new UxLinearLayoutPolicy(nested, Qt::Vertical))->addItem(nestedRow);
    list->addItem(row);
    list->addItem(nested);
    QPointer<UxWidget> notAnItem = new UxWidget(m_host);
    new UxLayout(m_host);
    QVERIFY(!row->isVisible());
    QVERIFY(!nestedRow->isVisible());
    processDeferredDeletes();
    QVERIFY(!row);
    QVERIFY(!nestedRow);
    QVERIFY(notAnItem);
}

QTEST_MAIN(TestUxLayout)
#include "tst_uxkit_layout.moc"
