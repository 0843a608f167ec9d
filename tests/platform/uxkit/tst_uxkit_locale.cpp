#include "uxlocale.h"

#include <QDateTime>
#include <QLocale>
#include <QtTest>

// The catalogs are compiled at build time: UXTEST_ADDED_CATALOGS holds
// uxtest_pl and uxtest_en; UXTEST_ENVIRONMENT_CATALOGS holds uxtest_de_AT,
// uxother_pl and a uxtest_pl of its own that the added folder hides.
class TestUxLocale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void formatsNumbers();
    void formatsDateTimes();
    void catalogLookupOrder_data();
    void catalogLookupOrder();
    void searchFolders();
    void defaultLocaleTranslatesWithPlurals();
    void engineeringEnglishFallback();
    void setDefaultReplacesTranslators();
    void defaultCopyKeepsCatalogs();
    void missingCatalogIsReported();
    void catalogList();
};

void TestUxLocale::initTestCase()
{
    qputenv("UXKIT_TRANSLATION_PATH",
            QByteArray(UXTEST_ENVIRONMENT_CATALOGS) + ":/nonexistent/uxkit/catalogs");
    UxLocale::addTranslationPath(QStringLiteral(UXTEST_ADDED_CATALOGS));
}

void TestUxLocale::cleanup()
{
    UxLocale::setDefault(UxLocale(QStringLiteral("en_US")));
}

void TestUxLocale::formatsNumbers()
{
    const UxLocale english(QStringLiteral("en_US"));
    QCOMPARE(english.name(), QStringLiteral("en_US"));
    QCOMPARE(english.formatNumber(qlonglong(1234567)), QStringLiteral("1,234,567"));

    const UxLocale german(QStringLiteral("de_DE"));
    QCOMPARE(german.formatNumber(qlonglong(1234567)), QStringLiteral("1.234.567"));
}

void TestUxLocale::formatsDateTimes()
{
    const QDateTime moment(QDate(2011, 3, 4), QTime(17, 5, 9));
    const QLocale qtFinnish(QStringLiteral("fi_FI"));
    const UxLocale finnish(QStringLiteral("fi_FI"));

    QCOMPARE(finnish.formatDateTime(moment, UxLocale::DateNone, UxLocale::TimeShort),
             qtFinnish.toString(moment.time(), QLocale::ShortFormat));
    QCOMPARE(finnish.formatDateTime(moment, UxLocale::DateShort, UxLocale::TimeNone),
             qtFinnish.toString(moment.date(), QLocale::ShortFormat));
    QCOMPARE(finnish.formatDateTime(moment, UxLocale::DateNone, UxLocale::TimeNone), QString());

    QCOMPARE(finnish.formatDateTime(moment, UxLocale::DateShort, UxLocale::TimeShort),
             qtFinnish.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                 qtFinnish.toString(moment.time(), QLocale::ShortFormat));
}

void TestUxLocale::catalogLookupOrder_data()
{
    QTest::addColumn<QString>("catalog");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("expected");
    const QString added = QStringLiteral(UXTEST_ADDED_CATALOGS "/");
    const QString environment = QStringLiteral(UXTEST_ENVIRONMENT_CATALOGS "/");
    QTest::addRow("full name") << "uxtest"
                               << "de_AT" << environment + "uxtest_de_AT.qm";
    QTest::addRow("language, added folder first") << "uxtest"
                                                  << "pl_PL" << added + "uxtest_pl.qm";
    QTest::addRow("engineering English") << "uxtest"
                                         << "fi_FI" << added + "uxtest_en.qm";
    QTest::addRow("other catalog") << "uxother"
                                   << "pl_PL" << environment + "uxother_pl.qm";
    QTest::addRow("no English fallback") << "uxother"
                                         << "fi_FI" << QString();
    QTest::addRow("unknown catalog") << "uxmissing"
                                     << "pl_PL" << QString();
}

void TestUxLocale::catalogLookupOrder()
{
    QFETCH(QString, catalog);
    QFETCH(QString, locale);
    QFETCH(QString, expected);
    QCOMPARE(UxLocale::catalogFile(catalog, locale), expected);
}

void TestUxLocale::searchFolders()
{
    const QStringList paths = UxLocale::translationPaths();
    QCOMPARE(paths.size(), 4);
    QCOMPARE(paths.at(0), QStringLiteral(UXTEST_ADDED_CATALOGS));
    QCOMPARE(paths.at(1), QStringLiteral(UXTEST_ENVIRONMENT_CATALOGS));
    QCOMPARE(paths.at(2), QStringLiteral("/nonexistent/uxkit/catalogs"));
    QVERIFY(paths.at(3).endsWith(QStringLiteral("translations")));
}

void TestUxLocale::defaultLocaleTranslatesWithPlurals()
{
    UxLocale polish(QStringLiteral("pl_PL"));
    polish.installTrCatalog(QStringLiteral("uxtest"));
    UxLocale::setDefault(polish);
    QCOMPARE(UxLocale::defaultName(), QStringLiteral("pl_PL"));
    QCOMPARE(QLocale().name(), QStringLiteral("pl_PL"));

    QCOMPARE(qtTrId("uxtest_hello"), QStringLiteral("Cześć"));
    QCOMPARE(qtTrId("uxtest_minutes", 1), QStringLiteral("1 minuta"));
    QCOMPARE(qtTrId("uxtest_minutes", 3), QStringLiteral("3 minuty"));
    QCOMPARE(qtTrId("uxtest_minutes", 5), QStringLiteral("5 minut"));
    QCOMPARE(qtTrId("uxtest_minutes", 12), QStringLiteral("12 minut"));
    QCOMPARE(qtTrId("uxtest_minutes", 22), QStringLiteral("22 minuty"));

    // A locale made from the default speaks its language.
    const UxLocale current;
    QCOMPARE(current.name(), QStringLiteral("pl_PL"));
    QCOMPARE(current.formatNumber(qlonglong(1234567)), QStringLiteral("1\u00a0234\u00a0567"));
}

void TestUxLocale::engineeringEnglishFallback()
{
    UxLocale finnish(QStringLiteral("fi_FI"));
    finnish.installTrCatalog(QStringLiteral("uxtest"));
    UxLocale::setDefault(finnish);
    QCOMPARE(qtTrId("uxtest_minutes", 1), QStringLiteral("1 minute"));
    QCOMPARE(qtTrId("uxtest_minutes", 2), QStringLiteral("2 minutes"));
}

void TestUxLocale::setDefaultReplacesTranslators()
{
    UxLocale polish(QStringLiteral("pl_PL"));
    polish.installTrCatalog(QStringLiteral("uxtest"));
    UxLocale::setDefault(polish);
    QCOMPARE(qtTrId("uxtest_hello"), QStringLiteral("Cześć"));

    UxLocale austrian(QStringLiteral("de_AT"));
    austrian.installTrCatalog(QStringLiteral("uxtest"));
    UxLocale::setDefault(austrian);
    QCOMPARE(qtTrId("uxtest_hello"), QStringLiteral("Servus"));
    // An id the locale's catalog lacks reads in engineering English.
    QCOMPARE(qtTrId("uxtest_minutes", 5), QStringLiteral("5 minutes"));

    UxLocale::setDefault(UxLocale(QStringLiteral("pl_PL")));
    QCOMPARE(qtTrId("uxtest_hello"), QStringLiteral("uxtest_hello"));
    QVERIFY(UxLocale::defaultTrCatalogs().isEmpty());

    // Setting the same default again installs it once, not twice.
    UxLocale::setDefault(polish);
    UxLocale::setDefault(polish);
    UxLocale::setDefault(UxLocale(QStringLiteral("pl_PL")));
    QCOMPARE(qtTrId("uxtest_hello"), QStringLiteral("uxtest_hello"));
}

void TestUxLocale::defaultCopyKeepsCatalogs()
{
    UxLocale polish(QStringLiteral("pl_PL"));
    polish.installTrCatalog(QStringLiteral("uxtest"));
    UxLocale::setDefault(polish);
    {
        UxLocale copy;
        QCOMPARE(copy.trCatalogs(), QStringList{QStringLiteral("uxtest")});
        copy.installTrCatalog(QStringLiteral("uxother"));
        UxLocale::setDefault(copy);
    }
    QCOMPARE(UxLocale::defaultTrCatalogs(),
             (QStringList{QStringLiteral("uxtest"), QStringLiteral("uxother")}));
    QCOMPARE(qtTrId("uxtest_hello"), QStringLiteral("Cześć"));
    QCOMPARE(qtTrId("uxother_bye"), QStringLiteral("Pa"));

    // The default is a copy: later changes to the locale do not reach it.
    polish.installTrCatalog(QStringLiteral("uxmissing"));
    QCOMPARE(UxLocale::defaultTrCatalogs().size(), 2);
}

void TestUxLocale::missingCatalogIsReported()
{
    UxLocale polish(QStringLiteral("pl_PL"));
    polish.installTrCatalog(QStringLiteral("uxmissing"));
    polish.installTrCatalog(QStringLiteral("uxtest"));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("No translation catalog .*uxmissing.* for .*pl_PL"));
    UxLocale::setDefault(polish);
    QCOMPARE(qtTrId("uxtest_hello"), QStringLiteral("Cześć"));
}

void TestUxLocale::catalogList()
{
    UxLocale locale(QStringLiteral("pl_PL"));
    QVERIFY(locale.trCatalogs().isEmpty());
    locale.installTrCatalog(QStringLiteral("a"));
    locale.installTrCatalog(QStringLiteral("b"));
    locale.installTrCatalog(QStringLiteral("a"));
    QCOMPARE(locale.trCatalogs(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("empty catalog name"));
    locale.installTrCatalog(QString());
    QCOMPARE(locale.trCatalogs(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

QTEST_MAIN(TestUxLocale)
#include "tst_uxkit_locale.moc"
