#include "uxbutton.h"
#include "uximagewidget.h"
#include "uxlabel.h"
#include "uxlibrary.h"
#include "uxprogressindicator.h"
#include "uxtextedit.h"
#include "uxtheme.h"

#include "uxtestview.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The first point of the item, scanning a grid, whose link is the href.
QPointF findAnchor(const UxLabel *label, const QString &href)
{
    const QRectF area = label->boundingRect();
    for (qreal y = area.top() + 1; y < area.bottom(); y += 2) {
        for (qreal x = area.left() + 1; x < area.right(); x += 2) {
            if (label->anchorAt(QPointF(x, y)) == href)
                return QPointF(x, y);
        }
    }
    return QPointF(-1, -1);
}

QString link()
{
    return QStringLiteral("<a href=\"http://example.com/x\">x</a>");
}

QImage render(QGraphicsWidget *widget)
{
    QImage image(widget->size().toSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    widget->paint(&painter, nullptr, nullptr);
    return image;
}

} // namespace

class TestUxWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void labelTextFormat_data();
    void labelTextFormat();
    void labelWrapsToTheWidth();
    void labelLinkTap();
    void buttonTap();
    void buttonSizeFollowsText();
    void textEditMaxLength_data();
    void textEditMaxLength();
    void textEditTyping();
    void textEditSignalsAndPrompt();
    void progressIndicatorSpinsOnlyWhenShown();
    void imageFromTheme();
    void imageUnresolvedShowsNothing();
    void imagePaintsKeepingAspect();
    void libraryRegistration();

private:
    UxTestView *m_view = nullptr;
    QTemporaryDir m_themeDir;
};

void TestUxWidgets::initTestCase()
{
    QVERIFY(m_themeDir.isValid());
    QImage icon(10, 10, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    QVERIFY(icon.save(m_themeDir.filePath(QStringLiteral("icon-test.png"))));
    QImage wide(2000, 20, QImage::Format_ARGB32);
    wide.fill(Qt::blue);
    QVERIFY(wide.save(m_themeDir.filePath(QStringLiteral("wide.png"))));
    UxTheme::addImageSearchPath(m_themeDir.path());
}

void TestUxWidgets::init()
{
    m_view = new UxTestView;
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestUxWidgets::cleanup()
{
    delete m_view;
    m_view = nullptr;
}

void TestUxWidgets::labelTextFormat_data()
{
    QTest::addColumn<QString>("text");
    // -1: the format is never set.
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("shown");

    const QString bold = QStringLiteral("<b>bold</b>");
    const QString big = QStringLiteral("<font size=7 color=red>BIG</font>");
    const QString image =
        QStringLiteral("<img src=\"%1\">").arg(m_themeDir.filePath(QStringLiteral("wide.png")));
    QTest::newRow("bold, unset") << bold << -1 << bold;
    QTest::newRow("font, unset") << big << -1 << big;
    QTest::newRow("link, unset") << link() << -1 << link();
    QTest::newRow("link, rich") << link() << int(Qt::RichText) << QStringLiteral("x");
    QTest::newRow("image, unset") << image << -1 << image;
    QTest::newRow("bold, auto is not guessed") << bold << int(Qt::AutoText) << bold;
    QTest::newRow("ampersand, plain") << QStringLiteral("Tom &amp; Jerry") << int(Qt::PlainText)
                                      << QStringLiteral("Tom &amp; Jerry");
    QTest::newRow("bold, rich") << bold << int(Qt::RichText) << QStringLiteral("bold");
    QTest::newRow("font, rich") << big << int(Qt::RichText) << QStringLiteral("BIG");
    QTest::newRow("ampersand, rich")
        << QStringLiteral("Tom &amp; Jerry") << int(Qt::RichText) << QStringLiteral("Tom & Jerry");
    // The image is not read: it would make the label 2000 wide.
    QTest::newRow("image, rich") << image << int(Qt::RichText)
                                 << QString(QChar::ObjectReplacementCharacter);
    QTest::newRow("empty, rich") << QString() << int(Qt::RichText) << QString();
}

void TestUxWidgets::labelTextFormat()
{
    QFETCH(QString, text);
    QFETCH(int, format);
    QFETCH(QString, shown);

    // The format may come after the text: the text is shown anew.
    UxLabel label(text);
    if (format >= 0)
        label.setTextFormat(Qt::TextFormat(format));
    const bool rich = format == Qt::RichText;
    QCOMPARE(label.textFormat(), rich ? Qt::RichText : Qt::PlainText);
    QCOMPARE(label.text(), text);
    QCOMPARE(label.plainText(), shown);

    const qreal width = label.effectiveSizeHint(Qt::PreferredSize).width();
    const qreal literalWidth = QFontMetricsF(label.font()).horizontalAdvance(text);
    if (text.isEmpty())
        QCOMPARE(label.effectiveSizeHint(Qt::PreferredSize), QSizeF(0, 0));
    else if (shown == text)
        QVERIFY2(width >= literalWidth - 1, qPrintable(QString::number(width)));
    else
        QVERIFY2(width < literalWidth * 0.8, qPrintable(QString::number(width)));
    // Only rich text has links.
    label.resize(label.effectiveSizeHint(Qt::PreferredSize));
    QCOMPARE(findAnchor(&label, QStringLiteral("http://example.com/x")).x() >= 0,
             rich && text == link());

    // Back to plain: the markup shows again.
    label.setTextFormat(Qt::PlainText);
    QCOMPARE(label.plainText(), text);
}

void TestUxWidgets::labelWrapsToTheWidth()
{
    UxLabel label(QStringLiteral("a few words that will wrap"));
    const QSizeF single = label.effectiveSizeHint(Qt::PreferredSize);
    const QSizeF narrow =
        label.effectiveSizeHint(Qt::PreferredSize, QSizeF(single.width() / 3, -1));
    QCOMPARE(narrow.width(), single.width() / 3);
    QVERIFY(narrow.height() >= 2 * single.height());
}

void TestUxWidgets::labelLinkTap()
{
    // A button below the label gets the taps that miss the link.
    auto *below = new UxButton(QStringLiteral("below"));
    below->setGeometry(0, 0, 400, 40);
    m_view->scene()->addItem(below);
    auto *label = new UxLabel;
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<A HREF=\"http://example.com/x\">example</A> "
                                  "and some text after the link"));
    label->setGeometry(0, 0, 400, 100);
    m_view->scene()->addItem(label);
    QSignalSpy links(label, &UxLabel::linkActivated);
    QSignalSpy clicks(below, &UxButton::clicked);

    const QPointF onLink = findAnchor(label, QStringLiteral("http://example.com/x"));
    QVERIFY(onLink.x() >= 0);
    m_view->tap(label, onLink);
    QCOMPARE(links.count(), 1);
    QCOMPARE(links.at(0).at(0).toString(), QStringLiteral("http://example.com/x"));
    QCOMPARE(clicks.count(), 0);

    const QPointF offLink(395, 20);
    QVERIFY(label->anchorAt(offLink).isEmpty());
    m_view->tap(label, offLink);
    QCOMPARE(links.count(), 1);
    QCOMPARE(clicks.count(), 1);

    // Pressed on the link, released away from it: no link.
    m_view->press(label, onLink);
    m_view->release(label, offLink);
    QCOMPARE(links.count(), 1);
}

void TestUxWidgets::buttonTap()
{
    auto *button = new UxButton(QStringLiteral("Post"));
    button->setGeometry(10, 10, 120, 44);
    m_view->scene()->addItem(button);
    QSignalSpy clicks(button, &UxButton::clicked);

    m_view->tap(button, QPointF(60, 22));
    QCOMPARE(clicks.count(), 1);

    m_view->press(button, QPointF(60, 22));
    QVERIFY(button->isDown());
    m_view->move(button, QPointF(300, 22));
    QVERIFY(!button->isDown());
    m_view->release(button, QPointF(300, 22));
    QCOMPARE(clicks.count(), 1);

    button->setEnabled(false);
    m_view->tap(button, QPointF(60, 22));
    button->click();
    QCOMPARE(clicks.count(), 1);

    button->setEnabled(true);
    button->click();
    QCOMPARE(clicks.count(), 2);
}

void TestUxWidgets::buttonSizeFollowsText()
{
    UxButton button(QStringLiteral("Like"));
    const QSizeF shortText = button.effectiveSizeHint(Qt::PreferredSize);
    button.setText(QStringLiteral("A rather long caption"));
    QCOMPARE(button.text(), QStringLiteral("A rather long caption"));
    const QSizeF withText = button.effectiveSizeHint(Qt::PreferredSize);
    const QFontMetricsF metrics(button.font());
    QCOMPARE(withText.width() - shortText.width(),
             metrics.horizontalAdvance(button.text()) -
                 metrics.horizontalAdvance(QStringLiteral("Like")));
    QCOMPARE(withText.height(), shortText.height());

    button.setPreferredWidth(withText.width() + withText.height());
    QCOMPARE(button.effectiveSizeHint(Qt::PreferredSize).width(),
             withText.width() + withText.height());
}

void TestUxWidgets::textEditMaxLength_data()
{
    QTest::addColumn<int>("mode");
    QTest::addRow("single line") << int(UxTextEditModel::SingleLine);
    QTest::addRow("multi line") << int(UxTextEditModel::MultiLine);
}

void TestUxWidgets::textEditMaxLength()
{
    QFETCH(int, mode);
    UxTextEdit edit(UxTextEditModel::LineMode(mode), QStringLiteral("initial text"));
    QCOMPARE(edit.lineMode(), UxTextEditModel::LineMode(mode));
    QCOMPARE(edit.text(), QStringLiteral("initial text"));
    QCOMPARE(edit.maxLength(), -1);

    edit.setMaxLength(7);
    QCOMPARE(edit.maxLength(), 7);
    QCOMPARE(edit.text(), QStringLiteral("initial"));
    edit.setText(QStringLiteral("@screenname and more"));
    QCOMPARE(edit.text(), QStringLiteral("@screen"));

    edit.setMaxLength(0);
    QCOMPARE(edit.text(), QString());

    edit.setMaxLength(-3);
    const QString longText(500, QLatin1Char('x'));
    edit.setText(longText);
    QCOMPARE(edit.text(), longText);
}

void TestUxWidgets::textEditTyping()
{
    auto *edit = new UxTextEdit(UxTextEditModel::SingleLine, QStringLiteral("@ab "));
    edit->setGeometry(0, 0, 400, 44);
    edit->setMaxLength(6);
    m_view->scene()->addItem(edit);
    QApplication::setActiveWindow(m_view);
    QVERIFY(QTest::qWaitForWindowActive(m_view));
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());

    QSignalSpy returns(edit, &UxTextEdit::returnPressed);
    QTest::keyClick(m_view, Qt::Key_End);
    QTest::keyClicks(m_view, QStringLiteral("hello"));
    QCOMPARE(edit->text(), QStringLiteral("@ab he"));
    QTest::keyClick(m_view, Qt::Key_Return);
    QCOMPARE(returns.count(), 1);
}

void TestUxWidgets::textEditSignalsAndPrompt()
{
    UxTextEdit edit;
    QSignalSpy changes(&edit, &UxTextEdit::textChanged);
    edit.setPrompt(QStringLiteral("Write a comment"));
    QCOMPARE(edit.prompt(), QStringLiteral("Write a comment"));
    QCOMPARE(edit.text(), QString());
    edit.setText(QStringLiteral("hi"));
    QCOMPARE(changes.count(), 1);
    edit.setText(QString());
    QCOMPARE(changes.count(), 2);

    UxTextEdit multi(UxTextEditModel::MultiLine);
    QSignalSpy multiChanges(&multi, &UxTextEdit::textChanged);
    multi.setPrompt(QStringLiteral("Reply"));
    QCOMPARE(multi.prompt(), QStringLiteral("Reply"));
    multi.setText(QStringLiteral("one\ntwo"));
    QCOMPARE(multi.text(), QStringLiteral("one\ntwo"));
    QCOMPARE(multiChanges.count(), 1);
}

void TestUxWidgets::progressIndicatorSpinsOnlyWhenShown()
{
    UxWidget *parent = new UxWidget;
    auto *spinner = new UxProgressIndicator(parent);
    QVERIFY(!spinner->unknownDuration());

    spinner->setUnknownDuration(true);
    QVERIFY(spinner->unknownDuration());
    QVERIFY2(!spinner->isSpinning(), "spinning outside a scene");

    m_view->scene()->addItem(parent);
    QVERIFY(spinner->isSpinning());

    spinner->hide();
    QVERIFY(!spinner->isSpinning());
    spinner->show();
    QVERIFY(spinner->isSpinning());

    parent->hide();
    QVERIFY(!spinner->isSpinning());
    parent->show();
    QVERIFY(spinner->isSpinning());

    spinner->setUnknownDuration(false);
    QVERIFY(!spinner->isSpinning());
    spinner->setUnknownDuration(true);
    m_view->scene()->removeItem(parent);
    QVERIFY(!spinner->isSpinning());
    delete parent;
}

void TestUxWidgets::imageFromTheme()
{
    UxImageWidget icon;
    icon.setImage(QStringLiteral("icon-test"), QSize(24, 24));
    QCOMPARE(icon.image(), QStringLiteral("icon-test"));
    QTRY_COMPARE(icon.pixmap().size(), QSize(24, 24));
    QCOMPARE(icon.effectiveSizeHint(Qt::PreferredSize), QSizeF(24, 24));

    const QString path = m_themeDir.filePath(QStringLiteral("icon-test.png"));
    QCOMPARE(UxTheme::imagePath(QStringLiteral("icon-test")), path);
    icon.setImage(QStringLiteral("icon-test"), QSize(12, 12));
    QTRY_COMPARE(icon.pixmap().size(), QSize(12, 12));

    // Resources are used as given, whatever their format.
    icon.setImage(QStringLiteral(":/uxtest/icon.xpm"), QSize(8, 8));
    QTRY_COMPARE(icon.pixmap().size(), QSize(8, 4));
    QCOMPARE(icon.pixmap().toImage().pixelColor(1, 1), QColor(Qt::green));

    QPixmap given(5, 7);
    given.fill(Qt::blue);
    icon.setPixmap(given);
    QVERIFY(icon.image().isEmpty());
    QCOMPARE(icon.pixmap().size(), QSize(5, 7));
    QCOMPARE(icon.effectiveSizeHint(Qt::PreferredSize), QSizeF(5, 7));
}

void TestUxWidgets::imageUnresolvedShowsNothing()
{
    auto *icon = new UxImageWidget;
    icon->setImage(QString(), QSize(24, 24));
    QVERIFY(icon->pixmap().isNull());

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No theme image for id .*icon-missing"));
    icon->setImage(QStringLiteral("icon-missing"), QSize(24, 24));
    QVERIFY(icon->pixmap().isNull());
    QCOMPARE(icon->image(), QStringLiteral("icon-missing"));
    // Reported once only.
    UxImageWidget another;
    another.setImage(QStringLiteral("icon-missing"), QSize(24, 24));

    icon->setGeometry(0, 0, 24, 24);
    m_view->scene()->addItem(icon);
    const QImage image = render(icon);
    QCOMPARE(image.pixelColor(12, 12).alpha(), 0);
}

void TestUxWidgets::imagePaintsKeepingAspect()
{
    UxImageWidget icon;
    icon.setImage(QStringLiteral("icon-test"), QSize(10, 10));
    icon.resize(40, 20);
    QTRY_VERIFY(!icon.pixmap().isNull());
    const QImage image = render(&icon);
    QCOMPARE(image.pixelColor(20, 10), QColor(Qt::red));
    QCOMPARE(image.pixelColor(5, 10).alpha(), 0);
    QCOMPARE(image.pixelColor(35, 10).alpha(), 0);
}

void TestUxWidgets::libraryRegistration()
{
    const QString name = QStringLiteral("uxtestlibrary");
    QVERIFY(!UxTheme::libraries().contains(name));
    {
        UxLibrary library(name);
        QCOMPARE(library.name(), name);
        QVERIFY(UxTheme::libraries().contains(name));
        {
            UxLibrary again(name);
            QCOMPARE(UxTheme::libraries().count(name), 1);
        }
        QVERIFY(UxTheme::libraries().contains(name));
    }
    QVERIFY(!UxTheme::libraries().contains(name));
}

QTEST_MAIN(TestUxWidgets)
#include "tst_uxkit_widgets.moc"
