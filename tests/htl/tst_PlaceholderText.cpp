// Message templates with numbered placeholders, and the exception with its message stack.

#include "TestSupport.h"

#include "htl/HTL_Exception.h"
#include "htl/HTL_PlaceholderText.h"

#include <cmath>
#include <limits>

using HTL::PlaceholderText;

class tst_PlaceholderText : public QObject
{
    Q_OBJECT

private slots:
    void templates_data();
    void templates();
    void invalidPlaceholderNumber();
    void numbers_data();
    void numbers();
    void sendGoesThroughHandler();
    void exceptionStacking();
    void exceptionFromPlaceholderText();
    void emptyException();
};

void tst_PlaceholderText::templates_data()
{
    QTest::addColumn<QString>("templ");
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");

    QTest::newRow("escaped percent, missing argument")
        << "Value %1 of %2%%" << QStringList{"5"} << "Value 5 of %2%";
    QTest::newRow("percent before letter") << "100%x done" << QStringList{"a"} << "100%x done";
    QTest::newRow("trailing percent") << "100%" << QStringList{} << "100%";
    QTest::newRow("adjacent") << "%1%2" << QStringList{"a", "b"} << "ab";
    QTest::newRow("reordered") << "%2 then %1" << QStringList{"a", "b"} << "b then a";
    QTest::newRow("repeated") << "%1 and %1" << QStringList{"x"} << "x and x";
    QTest::newRow("placeholder zero") << "%0 stays" << QStringList{"x"} << "%0 stays";
    QTest::newRow("double percent then digit") << "%%1" << QStringList{"x"} << "%1";
    QTest::newRow("multi-digit") << "%10-%1"
                                 << QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}
                                 << "j-a";
    QTest::newRow("leading zero digits") << "<%01>" << QStringList{"z"} << "<z>";
    QTest::newRow("empty template") << "" << QStringList{"x"} << "";
    QTest::newRow("utf8 text") << "Wärme %1 µ" << QStringList{"λ"} << "Wärme λ µ";
    QTest::newRow("argument with placeholder syntax")
        << "%1 %2" << QStringList{"%2", "b"} << "%2 b";
}

void tst_PlaceholderText::templates()
{
    QFETCH(QString, templ);
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    PlaceholderText t(templ.toStdString());
    for (const QString &a : args)
        t.arg(a.toStdString());
    QCOMPARE(QString::fromStdString(t.str()), expected);
}

void tst_PlaceholderText::invalidPlaceholderNumber()
{
    try {
        PlaceholderText t("x %99999999999999999999 y");
        QFAIL("no exception for a placeholder number that does not fit");
    } catch (const HTL::Exception &e) {
        QCOMPARE(QString::fromUtf8(e.what()),
                 QStringLiteral("Could not convert '99999999999999999999' into value."));
        QCOMPARE(e.entries().size(), std::size_t(1));
        QCOMPARE(e.entries().front().m_context, std::string("[string2val]"));
    }
}

void tst_PlaceholderText::numbers_data()
{
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("actual");

    auto s = [](const PlaceholderText &t) { return QString::fromStdString(t.str()); };
    QTest::newRow("int") << "n=42" << s(PlaceholderText("n=%1").arg(42));
    QTest::newRow("negative int width") << "[  -7]" << s(PlaceholderText("[%1]").arg(-7, 4));
    QTest::newRow("unsigned") << "4294967295" << s(PlaceholderText("%1").arg(4294967295u));
    QTest::newRow("size_t") << "18446744073709551615"
                            << s(PlaceholderText("%1").arg(
                                   std::numeric_limits<unsigned long long>::max()));
    QTest::newRow("double default") << "1.5" << s(PlaceholderText("%1").arg(1.5));
    QTest::newRow("double default six digits")
        << "3.14159" << s(PlaceholderText("%1").arg(3.14159265));
    QTest::newRow("double large default") << "1e+50" << s(PlaceholderText("%1").arg(1e50));
    QTest::newRow("nan") << "1.#QNAN"
                         << s(PlaceholderText("%1").arg(std::numeric_limits<double>::quiet_NaN()));
    QTest::newRow("fixed with fill")
        << "00003.14" << s(PlaceholderText("%1").arg(3.14159, 8, 'f', 2, '0'));
    QTest::newRow("scientific") << "1.235e+04"
                                << s(PlaceholderText("%1").arg(12345.678, 0, 'e', 3));
    QTest::newRow("scientific upper")
        << "1.235E+04" << s(PlaceholderText("%1").arg(12345.678, 0, 'E', 3));
    QTest::newRow("general with width") << "   0.5" << s(PlaceholderText("%1").arg(0.5, 6, 'g', 3));
    QTest::newRow("general precision")
        << "0.333" << s(PlaceholderText("%1").arg(1.0 / 3, 0, 'G', 3));
    QTest::newRow("mixed") << "a 2 b 0.25" << s(PlaceholderText("a %1 b %2").arg(2).arg(0.25));
}

void tst_PlaceholderText::numbers()
{
    QFETCH(QString, expected);
    QFETCH(QString, actual);
    QCOMPARE(actual, expected);
}

void tst_PlaceholderText::sendGoesThroughHandler()
{
    TestSupport::MessageCapture capture;
    PlaceholderText("Layer %1 of %2").arg(3).arg(7).send(HTL::MSG_WARNING, "[Test]", 1);
    QCOMPARE(capture.messages().size(), 1);
    QCOMPARE(capture.messages()[0].m_text, std::string("Layer 3 of 7"));
    QCOMPARE(capture.messages()[0].m_type, int(HTL::MSG_WARNING));
    QCOMPARE(capture.messages()[0].m_context, std::string("[Test]"));
    QCOMPARE(capture.messages()[0].m_verbosity, 1);
}

void tst_PlaceholderText::exceptionStacking()
{
    try {
        try {
            try {
                throw HTL::Exception("inner", "[A::f]");
            } catch (const HTL::Exception &e) {
                throw HTL::Exception(e, "middle", "[B::g]");
            }
        } catch (const HTL::Exception &e) {
            throw HTL::Exception(e, PlaceholderText("outer %1").arg(3), "[C::h]");
        }
    } catch (const std::exception &e) {
        QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("outer 3"));
        const HTL::Exception *ex = dynamic_cast<const HTL::Exception *>(&e);
        QVERIFY(ex);
        QCOMPARE(ex->entries().size(), std::size_t(3));
        QCOMPARE(ex->entries()[0].m_message, std::string("inner"));
        QCOMPARE(ex->entries()[0].m_context, std::string("[A::f]"));
        QCOMPARE(ex->entries()[1].m_message, std::string("middle"));
        QCOMPARE(ex->entries()[1].m_context, std::string("[B::g]"));
        QCOMPARE(ex->entries()[2].m_context, std::string("[C::h]"));

        TestSupport::MessageCapture capture;
        capture.expectError("inner");
        capture.expectError("middle");
        capture.expectError("outer 3");
        ex->writeMsgStackToError();
        QCOMPARE(capture.missingExpectedErrors(), 0);
        QCOMPARE(capture.texts(HTL::MSG_ERROR), QStringList({"inner", "middle", "outer 3"}));
        return;
    }
    QFAIL("nothing caught");
}

void tst_PlaceholderText::exceptionFromPlaceholderText()
{
    const HTL::Exception e(PlaceholderText("Invalid path: '%1'").arg(""), "[Path::filename]");
    QCOMPARE(QString::fromUtf8(e.what()), QStringLiteral("Invalid path: ''"));
}

void tst_PlaceholderText::emptyException()
{
    const HTL::Exception e;
    QCOMPARE(QString::fromUtf8(e.what()), QString());
    QVERIFY(e.entries().empty());
    const HTL::Exception e2(e, "only", "[X]");
    QCOMPARE(e2.entries().size(), std::size_t(1));
    QCOMPARE(QString::fromUtf8(e2.what()), QStringLiteral("only"));
}

M2_TEST_GUILESS_MAIN(tst_PlaceholderText)
#include "tst_PlaceholderText.moc"
