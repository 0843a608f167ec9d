#ifndef TESTMAIN_H
#define TESTMAIN_H

#include <uxapplication.h>

#include <QTest>

namespace TestMain {

// What the library expects around it: the toolkit's application object and
// the library's catalog, read in engineering English whatever the machine's
// locale; the person store is up before the first test asks for a sender.
void setUp();

} // namespace TestMain

#define DAVOVADEZED_TEST_MAIN(TestClass)                                                           \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        UxApplication app(argc, argv);                                                             \
        TestMain::setUp();                                                                         \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }

#endif // TESTMAIN_H
