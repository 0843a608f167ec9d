#include "hostileimages.h"
#include "logcatcher.h"

#include <imageguard.h>
#include <uximagewidget.h>
#include <uxtheme.h>

#include <QDir>
#include <QImage>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

// Image ids come from service records that other people write.
class TestUxTheme : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void idsStayInTheThemeFolder_data();
    void idsStayInTheThemeFolder();
    void imagesAreReadWithinBudgets_data();
    void imagesAreReadWithinBudgets();
    void imageWidgetsWaitForTheDecode();
    void floodOfUnknownIdsIsRememberedSoFar();

private:
    QString writePicture(const QString &path, const QSize &size);

    QTemporaryDir m_dir;
    QString m_theme;
};

QString TestUxTheme::writePicture(const QString &path, const QSize &size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::red);
    return image.save(path, "PNG") ? path : QString();
}

void TestUxTheme::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_theme = m_dir.filePath(QStringLiteral("theme"));
    QVERIFY(QDir().mkpath(m_theme + QStringLiteral("/sub")));
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("outside"))));
    QVERIFY(!writePicture(m_theme + QStringLiteral("/icon-in.png"), QSize(30, 30)).isEmpty());
    QVERIFY(!writePicture(m_theme + QStringLiteral("/sub/icon-sub.png"), QSize(30, 30)).isEmpty());
    const QString outside =
        writePicture(m_dir.filePath(QStringLiteral("outside/icon-out.png")), QSize(30, 30));
    QVERIFY(!outside.isEmpty());
    QVERIFY(QFile::link(outside, m_theme + QStringLiteral("/icon-escape.png")));
    QVERIFY(
        !writePicture(m_theme + QStringLiteral("/icon-large.png"), QSize(3000, 1500)).isEmpty());
    UxTheme::addImageSearchPath(m_theme);
}

void TestUxTheme::idsStayInTheThemeFolder_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("warning"); // empty: the id resolves inside the theme
    const QString outside = m_dir.filePath(QStringLiteral("outside/icon-out.png"));
    QTest::newRow("name") << "icon-in"
                          << "";
    QTest::newRow("absolute path") << outside << "Will not look outside the theme for image id";
    QTest::newRow("parent folder") << "../outside/icon-out"
                                   << "Will not look outside the theme for image id";
    QTest::newRow("sub folder") << "sub/icon-sub"
                                << "Will not look outside the theme for image id";
    QTest::newRow("backslash") << "sub\\icon-sub"
                               << "Will not look outside the theme for image id";
    QTest::newRow("two dots") << ".."
                              << "Will not look outside the theme for image id";
    QTest::newRow("link leading outside") << "icon-escape"
                                          << "No theme image for id";
}

void TestUxTheme::idsStayInTheThemeFolder()
{
    QFETCH(QString, id);
    QFETCH(QString, warning);
    if (!warning.isEmpty()) {
        QTest::ignoreMessage(
            QtWarningMsg,
            qPrintable(warning + QStringLiteral(" \"%1\"").arg(QString(id).replace('\\', "\\\\"))));
    }

    const QPixmap pixmap = UxTheme::pixmap(id, QSize(24, 24));

    QCOMPARE(UxTheme::imagePath(id).isEmpty(), !warning.isEmpty());
    QCOMPARE(pixmap.isNull(), !warning.isEmpty());
    if (warning.isEmpty())
        QCOMPARE(UxTheme::imagePath(id), m_theme + '/' + id + ".png");
}

void TestUxTheme::imagesAreReadWithinBudgets_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // empty: shown at 24 by 24
    QTest::newRow("large picture") << ""
                                   << "";
    HostileImages::addRows(ImageGuard::s_maxFileBytes,
                           {"pipe", "link to a pipe", "20000 by 20000", "above the byte budget"});
}

void TestUxTheme::imagesAreReadWithinBudgets()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QString id = QStringLiteral("icon-large");
    QString warning;
    if (!kind.isEmpty()) {
        id = QStringLiteral("icon-") +
             QString::fromLatin1(QTest::currentDataTag()).replace(' ', '-');
        const QString path = m_theme + '/' + id + ".png";
        QVERIFY(HostileImages::make(kind, path, ImageGuard::s_maxFileBytes));
        warning = "Theme image could not be read: \"" + path + "\" " + reason;
    }
    const LogCatcher log;

    const QPixmap pixmap = UxTheme::pixmap(id, QSize(24, 24));
    QCOMPARE(pixmap.size(), kind.isEmpty() ? QSize(24, 12) : QSize(0, 0));
    // Reported once, not by every bubble that shows the icon.
    QVERIFY(UxTheme::pixmap(id, QSize(24, 24)).isNull() == !kind.isEmpty());
    QCOMPARE(log.count(QStringLiteral("Theme image could not be read")), kind.isEmpty() ? 0 : 1);
    if (!kind.isEmpty())
        QCOMPARE(log.count(warning), 1);
}

void TestUxTheme::imageWidgetsWaitForTheDecode()
{
    const LogCatcher log;
    // Asked for by widgets, the image is decoded off the user-interface
    // thread; widgets deleted or shown something else meanwhile are left alone.
    auto *deleted = new UxImageWidget;
    deleted->setImage(QStringLiteral("icon-large"), QSize(20, 20));
    QVERIFY(deleted->pixmap().isNull());
    delete deleted;
    UxImageWidget changed;
    changed.setImage(QStringLiteral("icon-large"), QSize(20, 20));
    QPixmap given(3, 3);
    changed.setPixmap(given);
    UxImageWidget waiting;
    waiting.setImage(QStringLiteral("icon-large"), QSize(20, 20));
    QVERIFY(waiting.pixmap().isNull());
    QCOMPARE(waiting.effectiveSizeHint(Qt::PreferredSize), QSizeF(20, 20));
    QTRY_COMPARE(waiting.pixmap().size(), QSize(20, 10));
    QCOMPARE(changed.pixmap().size(), QSize(3, 3));

    // Decoded once: the next widget has it at once, as the theme does.
    UxImageWidget next;
    next.setImage(QStringLiteral("icon-large"), QSize(20, 20));
    QCOMPARE(next.pixmap().cacheKey(), waiting.pixmap().cacheKey());
    QCOMPARE(UxTheme::pixmap(QStringLiteral("icon-large"), QSize(20, 20)).cacheKey(),
             waiting.pixmap().cacheKey());

    // An unreadable file is reported once for all the widgets waiting for it.
    const QString path = m_theme + QStringLiteral("/icon-deferred-pipe.png");
    QVERIFY(HostileImages::make(QStringLiteral("pipe"), path, ImageGuard::s_maxFileBytes));
    UxImageWidget first;
    first.setImage(QStringLiteral("icon-deferred-pipe"), QSize(20, 20));
    UxImageWidget second;
    second.setImage(QStringLiteral("icon-deferred-pipe"), QSize(20, 20));
    const QString warning = "Theme image could not be read: \"" + path + "\" it is a named pipe";
    QTRY_COMPARE(log.count(warning), 1);
    QVERIFY(first.pixmap().isNull() && second.pixmap().isNull());
    QCOMPARE(log.count(QStringLiteral("Theme image could not be read")), 1);
}

void TestUxTheme::floodOfUnknownIdsIsRememberedSoFar()
{
    const LogCatcher log;
    for (int i = 0; i < 300; ++i)
        UxTheme::pixmap(QStringLiteral("flood-%1").arg(i), QSize(24, 24));
    // The latest ids are still known; the earliest were let go, so the
    // remembered ids cannot grow with what the provider sends.
    UxTheme::pixmap(QStringLiteral("flood-299"), QSize(24, 24));
    UxTheme::pixmap(QStringLiteral("flood-0"), QSize(24, 24));
    QCOMPARE(log.count(QStringLiteral("No theme image for id \"flood-299\"")), 1);
    QCOMPARE(log.count(QStringLiteral("No theme image for id \"flood-0\"")), 2);
}

QTEST_MAIN(TestUxTheme)
#include "tst_uxkit_theme.moc"
