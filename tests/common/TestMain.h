#pragma once

#include <QtTest>

/*! The tests of one folder share one executable (see tests/CMakeLists.txt). A test file ends with
    M2_TEST_MAIN(Class), M2_TEST_GUILESS_MAIN(Class) or M2_TEST_APPLESS_MAIN(Class) where a
    stand-alone Qt Test would write QTEST_MAIN and its kin: Qt's own macro is expanded inside an
    unnamed namespace, so the test gets exactly the application object and start-up that Qt gives
    it, and its entry point is registered under the file's name (tst_Path for tst_Path.cpp)
    instead of becoming the program's main(). */

namespace TestMain {

using EntryPoint = int (*)(int argc, char *argv[]);

/*! Registers the entry point of the test in sourceFile under the file's base name. */
class Registration
{
public:
    Registration(const char *sourceFile, EntryPoint entryPoint);
};

} // namespace TestMain

// The namespace named after the test keeps the entry points of the files of a folder apart when
// they are compiled as one unit (unity build).
#define M2_TEST_REGISTERED(qtMainMacro, TestObject)                                                \
    namespace {                                                                                    \
    namespace TestObject##_entry                                                                   \
    {                                                                                              \
        qtMainMacro(TestObject) const TestMain::Registration m2TestRegistration(__FILE__, &main);  \
    }                                                                                              \
    }

#define M2_TEST_MAIN(TestObject) M2_TEST_REGISTERED(QTEST_MAIN, TestObject)
#define M2_TEST_GUILESS_MAIN(TestObject) M2_TEST_REGISTERED(QTEST_GUILESS_MAIN, TestObject)
#define M2_TEST_APPLESS_MAIN(TestObject) M2_TEST_REGISTERED(QTEST_APPLESS_MAIN, TestObject)
