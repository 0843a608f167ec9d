#include <uxapplication.h>
#include <uxlocale.h>
#include <uxtheme.h>
#include <zevavizi.h>

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTest>
#include <cstring>

namespace {

// Run as a child, the test binary calls loadTranslation() before any
// application object exists.
const char s_withoutApplication[] = "--load-translation-without-application";

} // namespace

class tst_LibraryFrame : public QObject
{
    Q_OBJECT
public:
    // Checked in main() before the application and any widget exist.
    static QImage s_earlyIcon;
    static QByteArray s_earlyIconFile;

private slots:
    void iconIsRegisteredAtLoad();
    void themeKnowsTheLibrary();
    void loadTranslationInstallsTheCatalog();
    void loadTranslationWithoutApplicationStops();
};

QImage tst_LibraryFrame::s_earlyIcon;
QByteArray tst_LibraryFrame::s_earlyIconFile;

void tst_LibraryFrame::iconIsRegisteredAtLoad()
{
    QCOMPARE(s_earlyIcon.size(), QSize(117, 117));
    QVERIFY(s_earlyIcon.hasAlphaChannel());

    // PNG header: 8 bits per channel, colour type 6 (RGBA), not interlaced.
    QVERIFY(s_earlyIconFile.startsWith("\x89PNG\r\n\x1a\n"));
    QCOMPARE(s_earlyIconFile.mid(12, 4), QByteArray("IHDR"));
    QCOMPARE(int(s_earlyIconFile.at(24)), 8);
    QCOMPARE(int(s_earlyIconFile.at(25)), 6);
    QCOMPARE(int(s_earlyIconFile.at(28)), 0);

    // White f on blue: the corner is blue, the stem white.
    const QColor corner = s_earlyIcon.pixelColor(10, 100);
    QVERIFY(corner.blue() > corner.red() && corner.blue() > corner.green());
    QCOMPARE(s_earlyIcon.pixelColor(70, 100), QColor(Qt::white));
}

void tst_LibraryFrame::themeKnowsTheLibrary()
{
    QVERIFY(UxTheme::libraries().contains(QStringLiteral("davovadezed")));
}

void tst_LibraryFrame::loadTranslationInstallsTheCatalog()
{
    UxLocale::setDefault(UxLocale(QStringLiteral("en_GB")));
    QVERIFY(!UxLocale::defaultTrCatalogs().contains(QStringLiteral("actv")));
    QCOMPARE(qtTrId("qtn_actv_button_like"), QStringLiteral("qtn_actv_button_like"));

    Zevavizi::loadTranslation();
    QVERIFY(UxLocale::defaultTrCatalogs().contains(QStringLiteral("actv")));
    QCOMPARE(UxLocale::defaultName(), QStringLiteral("en_GB"));
    QCOMPARE(qtTrId("qtn_actv_button_like"), QStringLiteral("Like"));
}

void tst_LibraryFrame::loadTranslationWithoutApplicationStops()
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(s_withoutApplication)});
    QVERIFY(child.waitForFinished());
    QCOMPARE(child.exitStatus(), QProcess::CrashExit);
    const QByteArray errors = child.readAllStandardError();
    QVERIFY2(errors.contains("UxApplication has not been instantiated!"), errors.constData());
}

int main(int argc, char **argv)
{
    if (argc == 2 && std::strcmp(argv[1], s_withoutApplication) == 0) {
        Zevavizi::loadTranslation();
        return 0;
    }

    QFile icon(QStringLiteral(":/fb.png"));
    if (icon.open(QIODevice::ReadOnly))
        tst_LibraryFrame::s_earlyIconFile = icon.readAll();
    tst_LibraryFrame::s_earlyIcon = QImage(QStringLiteral(":/fb.png"));

    UxApplication app(argc, argv);
    tst_LibraryFrame test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_libraryframe.moc"
