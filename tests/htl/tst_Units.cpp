// The unit list, unit handles and values with units.

#include "TestSupport.h"

#include "htl/HTL_Exception.h"
#include "htl/HTL_Parameter.h"
#include "htl/HTL_Unit.h"
#include "htl/HTL_UnitList.h"
#include "htl/HTL_ptr_list.h"

#include <sstream>

namespace {

// Runs f, expects an HTL::Exception and returns it (fails the test when none comes).
template <typename F>
HTL::Exception expectException(F f, bool *thrown)
{
    *thrown = false;
    try {
        f();
    } catch (const HTL::Exception &ex) {
        *thrown = true;
        return ex;
    }
    return HTL::Exception();
}

double convert(const char *from, const char *to, double value)
{
    HTL::UnitList::instance().convert(HTL::Unit(from).id(), HTL::Unit(to).id(), value);
    return value;
}

} // namespace

// Checks the exception of an expression: its last message and context.
#define M2_EXPECT_HTL_EXCEPTION(expr, text, context)                                               \
    do {                                                                                           \
        bool m2_thrown = false;                                                                    \
        const HTL::Exception m2_ex = expectException([&]() { expr; }, &m2_thrown);                 \
        QVERIFY2(m2_thrown, "no HTL::Exception from " #expr);                                      \
        QCOMPARE(QString::fromStdString(m2_ex.what()), QString::fromUtf8(text));                   \
        QCOMPARE(QString::fromStdString(m2_ex.entries().back().m_context),                         \
                 QString::fromUtf8(context));                                                      \
    } while (false)

class tst_Units : public QObject
{
    Q_OBJECT

private slots:
    void builtInTableSize();
    void builtInIdentifiers();
    void familiesAreConsistent();
    void conversions_data();
    void conversions();
    void roundTripsThroughEveryFamily();
    void specialErrors();
    void relateErrors();
    void mixedOperationsAndZeroFactors();
    void aliases();
    void unitErrors();
    void retrieveOutOfRange();
    void duplicateUnits();
    void readDetails();
    void parameterRead();
    void parameterErrors();
    void ptrListRejectsDuplicatePointer();
};

void tst_Units::builtInTableSize()
{
    // Count lines and units of the compiled-in text itself: 80 families, 264 units.
    std::istringstream in(HTL::UnitList::builtInTable());
    std::string line;
    int lines = 0;
    int words = 0;
    while (std::getline(in, line)) {
        std::istringstream ls(line);
        std::string w;
        int n = 0;
        while (ls >> w)
            ++n;
        if (n == 0)
            continue;
        QVERIFY2((n - 1) % 3 == 0, line.c_str()); // base name plus triples
        ++lines;
        words += 1 + (n - 1) / 3;
    }
    QCOMPARE(lines, 80);
    QCOMPARE(words, 264);
    QCOMPARE(HTL::UnitList::instance().size(), std::size_t(264));
    QCOMPARE(HTL::UnitList::instance().builtInCount(), std::size_t(264));
}

void tst_Units::builtInIdentifiers()
{
    const HTL::UnitList &list = HTL::UnitList::instance();
    QCOMPARE(HTL::Unit("undefined").id(), 0u);
    QCOMPARE(HTL::Unit("m").id(), 1u);
    QCOMPARE(HTL::Unit("mm").id(), 2u);
    QCOMPARE(HTL::Unit("cm").id(), 3u);
    QCOMPARE(HTL::Unit("dm").id(), 4u);
    QCOMPARE(HTL::Unit("m2").id(), 5u);
    // The 17th line starts with kg/m3; lines 1..16 hold 1+4+4+5+8+5+4+4+1+2+1+4+1+9+5+9 = 67
    // units.
    QCOMPARE(HTL::Unit("kg/m3").id(), 67u);
    QCOMPARE(HTL::Unit("kg/dm3").base_id(), 67u);
    QCOMPARE(HTL::Unit("K").id(), 189u);
    QCOMPARE(HTL::Unit("C").id(), 190u);
    QCOMPARE(HTL::Unit("C").base_id(), 189u);
    QCOMPARE(HTL::Unit("Kh").id(), 263u);
    QCOMPARE(HTL::Unit("Kh").base_id(), 263u);
    QCOMPARE(list.retrieve(1).m_name, std::string("m"));
    // The micro sign is the two UTF-8 bytes C2 B5.
    QCOMPARE(HTL::Unit("\xC2\xB5g/m3").base_id(), 67u);
    QCOMPARE(HTL::Unit(67u).name(), std::string("kg/m3"));
    // case-sensitive
    QVERIFY(list.find("L") != nullptr);
    QVERIFY(list.find("l") == nullptr);
    QVERIFY(list.find("KG/M3") == nullptr);
}

void tst_Units::familiesAreConsistent()
{
    // Identifiers are positions, and every base identifier names the base unit (operation 0)
    // that opens the family, which must come at or before its members.
    const HTL::UnitList &list = HTL::UnitList::instance();
    int bases = 0;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const HTL::UnitData &u = list.retrieve(i);
        QCOMPARE(std::size_t(u.m_id), i);
        QVERIFY(u.m_baseId <= u.m_id);
        const HTL::UnitData &base = list.retrieve(u.m_baseId);
        QCOMPARE(base.m_operation, int(HTL::UnitData::OP_BASE));
        QCOMPARE(base.m_baseId, base.m_id);
        if (u.m_operation == HTL::UnitData::OP_BASE) {
            QCOMPARE(u.m_baseId, u.m_id);
            ++bases;
        }
    }
    QCOMPARE(bases, 80);
}

void tst_Units::conversions_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");

    QTest::newRow("mm to m") << "mm"
                             << "m" << 20.0 << 0.02;
    QTest::newRow("m to mm") << "m"
                             << "mm" << 0.02 << 20.0;
    QTest::newRow("cm to mm") << "cm"
                              << "mm" << 2.0 << 20.0;
    QTest::newRow("h to min") << "h"
                              << "min" << 1.0 << 60.0;
    QTest::newRow("d to s") << "d"
                            << "s" << 90.0 << 7776000.0;
    QTest::newRow("K to C") << "K"
                            << "C" << 293.15 << 20.0;
    QTest::newRow("C to K") << "C"
                            << "K" << 20.0 << 293.15;
    QTest::newRow("C to C") << "C"
                            << "C" << 20.0 << 20.0;
    QTest::newRow("kg/m3 to kg/L") << "kg/m3"
                                   << "kg/L" << 1.0 << 0.001;
    QTest::newRow("kg/m3 to mg/L") << "kg/m3"
                                   << "mg/L" << 1.0 << 1000.0;
    QTest::newRow("kg/m3 to g/L") << "kg/m3"
                                  << "g/L" << 1.0 << 1.0;
    QTest::newRow("kg/m3 to ug/m3") << "kg/m3" << QString::fromUtf8("\xC2\xB5g/m3") << 1.0 << 1e9;
    QTest::newRow("g/cm3 to kg/L") << "g/cm3"
                                   << "kg/L" << 1.0 << 1.0;
    QTest::newRow("sqrt(h) to s") << "sqrt(h)"
                                  << "s" << 2.0 << 14400.0;
    QTest::newRow("s to sqrt(h)") << "s"
                                  << "sqrt(h)" << 14400.0 << 2.0;
    QTest::newRow("sqrt(s) to h") << "sqrt(s)"
                                  << "h" << 60.0 << 1.0;
    QTest::newRow("min to sqrt(s)") << "min"
                                    << "sqrt(s)" << 1.0 << std::sqrt(60.0);
    QTest::newRow("log(g/m3) to kg/m3") << "log(g/m3)"
                                        << "kg/m3" << 2.0 << 0.1;
    QTest::newRow("g/m3 to log(mg/m3)") << "g/m3"
                                        << "log(mg/m3)" << 1.0 << 3.0;
    QTest::newRow("log(kg/m3) to log(g/m3)") << "log(kg/m3)"
                                             << "log(g/m3)" << 0.0 << 3.0;
    QTest::newRow("A_w per sqrt(h) to per sqrt(s)") << "kg/m2h05"
                                                    << "kg/m2s05" << 6.0 << 0.1;
    QTest::newRow("Vol% to m3/m3") << "Vol%"
                                   << "m3/m3" << 15.0 << 0.15;
    QTest::newRow("hPa to Pa") << "hPa"
                               << "Pa" << 12.0 << 1200.0;
    QTest::newRow("W to kW") << "W"
                             << "kW" << 1500.0 << 1.5;
    QTest::newRow("alias l/m2h to L/m2s") << "l/m2h"
                                          << "L/m2s" << 3600.0 << 1.0;
}

void tst_Units::conversions()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(double, value);
    QFETCH(double, expected);
    const double result = convert(from.toUtf8().constData(), to.toUtf8().constData(), value);
    if (expected == 0)
        M2_COMPARE_ABS(result, expected, 1e-14);
    else
        M2_COMPARE_REL(result, expected, 1e-13);
}

void tst_Units::roundTripsThroughEveryFamily()
{
    // Every unit converted to its base and back must give the value again (special units
    // included: 2 lies in the domain of all square roots and logarithms).
    const HTL::UnitList &list = HTL::UnitList::instance();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const HTL::UnitData &u = list.retrieve(i);
        double v = 2;
        list.convert(u.m_id, u.m_baseId, v);
        list.convert(u.m_baseId, u.m_id, v);
        M2_COMPARE_REL(v, 2.0, 1e-12);
    }
}

void tst_Units::specialErrors()
{
    M2_EXPECT_HTL_EXCEPTION(convert("s", "sqrt(s)", -1),
                            "Trying to take square root of negative number!",
                            "[UnitList::convert_special]");
    M2_EXPECT_HTL_EXCEPTION(convert("h", "sqrt(h)", -1),
                            "Trying to take square root of negative number!",
                            "[UnitList::convert_special]");
    M2_EXPECT_HTL_EXCEPTION(convert("kg/m3", "log(kg/m3)", 0),
                            "Trying to take logarithm of zero or negative number!",
                            "[UnitList::convert_special]");
    M2_EXPECT_HTL_EXCEPTION(convert("g/m3", "log(g/m3)", -5),
                            "Trying to take logarithm of zero or negative number!",
                            "[UnitList::convert_special]");
    // The square root of zero is fine.
    QCOMPARE(convert("s", "sqrt(s)", 0), 0.0);
}

void tst_Units::relateErrors()
{
    M2_EXPECT_HTL_EXCEPTION(convert("m", "kg", 1), "Can't relate unit [m] to [kg]!",
                            "[UnitList::relate_units]");
    M2_EXPECT_HTL_EXCEPTION(convert("C", "mm", 1), "Can't relate unit [C] to [mm]!",
                            "[UnitList::relate_units]");
    // a special unit of another family is no excuse
    M2_EXPECT_HTL_EXCEPTION(convert("sqrt(h)", "kg/m3", 1),
                            "Can't relate unit [sqrt(h)] to [kg/m3]!", "[UnitList::relate_units]");
    const HTL::UnitList &list = HTL::UnitList::instance();
    const std::pair<double, int> r = list.relate_units(*list.find("C"), *list.find("K"));
    QCOMPARE(r.second, 1); // additions only between C and K
    QCOMPARE(r.first, 273.15);
    const std::pair<double, int> same = list.relate_units(*list.find("mm"), *list.find("mm"));
    QCOMPARE(same.second, 0);
    QCOMPARE(same.first, 1.0);
    QCOMPARE(list.relate_units(*list.find("s"), *list.find("sqrt(s)")).second, 5);
}

void tst_Units::mixedOperationsAndZeroFactors()
{
    HTL::UnitList list;
    std::istringstream in("K  - 273.15 C  + 10 X  * 2 Y  / 4 Z\n"
                          "a  / 0 b  * 0 c  * 5 e\n");
    QVERIFY(list.read(in, true));
    QCOMPARE(list.size(), std::size_t(9));
    auto id = [&](const char *n) { return std::size_t(list.find(n)->m_id); };

    double v = 20;
    list.convert(id("C"), id("X"), v); // both additive: 20 C = 293.15 K = 303.15 X
    M2_COMPARE_REL(v, 303.15, 1e-13);
    v = 3;
    list.convert(id("Y"), id("Z"), v); // 3 Y = 1.5 K = 0.375 Z
    M2_COMPARE_REL(v, 0.375, 1e-15);

    M2_EXPECT_HTL_EXCEPTION(list.convert(id("C"), id("Y"), v),
                            "* and / operations not allowed when using + and - operations! "
                            "(tried to convert [C] to [Y] )!",
                            "[UnitList::relate_units]");
    M2_EXPECT_HTL_EXCEPTION(list.convert(id("Z"), id("X"), v),
                            "+ and - operations not allowed when using * and / operations! "
                            "(tried to convert [Z] to [X] )!",
                            "[UnitList::relate_units]");
    M2_EXPECT_HTL_EXCEPTION(list.convert(id("a"), id("b"), v),
                            "Div by zero! (tried to convert [a] to [b] )!",
                            "[UnitList::relate_units]");
    M2_EXPECT_HTL_EXCEPTION(list.convert(id("c"), id("a"), v),
                            "Div by zero! (tried to convert [c] to [a] )!",
                            "[UnitList::relate_units]");
    M2_EXPECT_HTL_EXCEPTION(list.convert(id("e"), id("b"), v),
                            "Div by zero! (tried to convert [e] to [b] )!",
                            "[UnitList::relate_units]");
    M2_EXPECT_HTL_EXCEPTION(list.convert(id("c"), id("e"), v),
                            "Div by zero! (tried to convert [c] to [e] )!",
                            "[UnitList::relate_units]");
}

void tst_Units::aliases()
{
    QCOMPARE(HTL::Unit("l/m2h").name(), std::string("L/m2h"));
    QCOMPARE(HTL::Unit("l/m2h").id(), HTL::Unit("L/m2h").id());
    QCOMPARE(HTL::Unit("l/m2s").id(), HTL::Unit("L/m2s").id());
    QCOMPARE(HTL::Unit("l/m2d").id(), HTL::Unit("L/m2d").id());
    QCOMPARE(HTL::Unit("l/m3s").id(), HTL::Unit("L/m3s").id());
    QCOMPARE(HTL::Unit("l/m3h").id(), HTL::Unit("L/m3h").id());
    M2_EXPECT_HTL_EXCEPTION(HTL::Unit("l/m2a"), "Unit 'l/m2a' not found.", "[Unit::Unit]");
}

void tst_Units::unitErrors()
{
    M2_EXPECT_HTL_EXCEPTION(HTL::Unit("furlong"), "Unit 'furlong' not found.", "[Unit::Unit]");
    M2_EXPECT_HTL_EXCEPTION(HTL::Unit(264u), "Unit index 264 out of range 0..263.", "[Unit::Unit]");
    QCOMPARE(HTL::Unit(263u).name(), std::string("Kh"));
    QCOMPARE(HTL::Unit().name(), std::string("undefined"));
}

void tst_Units::retrieveOutOfRange()
{
    M2_EXPECT_HTL_EXCEPTION(HTL::UnitList::instance().retrieve(264),
                            "[UnitList::retrieve]  Unit index 264 out of range 0..263!",
                            "[UnitList::retrieve]");
    double v = 1;
    M2_EXPECT_HTL_EXCEPTION(HTL::UnitList::instance().convert(1, 1000, v),
                            "[UnitList::retrieve]  Unit index 1000 out of range 0..263!",
                            "[UnitList::retrieve]");
}

void tst_Units::duplicateUnits()
{
    HTL::UnitList list;
    std::istringstream in("m  * 1000 mm\n"
                          "kg  * 1000 g  * 1e6 mm  * 7 late\n"
                          "s\n");
    M2_EXPECT_HTL_EXCEPTION(list.read(in, true), "Duplicate unit 'mm' defined.",
                            "[UnitList::read]");
    // what was read before the duplicate stays
    QCOMPARE(list.size(), std::size_t(4));
    QVERIFY(list.find("g") != nullptr);
    QVERIFY(list.find("late") == nullptr);
    QVERIFY(list.find("s") == nullptr);

    HTL::UnitList list2;
    std::istringstream in2("m\nm2\nm\n");
    M2_EXPECT_HTL_EXCEPTION(list2.read(in2, true), "Duplicate unit 'm' defined.",
                            "[UnitList::read]");
    QCOMPARE(list2.size(), std::size_t(2));
}

void tst_Units::readDetails()
{
    HTL::UnitList list;
    // a stream in a bad state changes nothing
    std::istringstream bad("m * 1000 mm\n");
    bad.setstate(std::ios::failbit);
    QVERIFY(!list.read(bad, true));
    QCOMPARE(list.size(), std::size_t(0));

    // empty lines produce no units and no gaps in the numbering; tabs separate as blanks do
    std::istringstream in("\n  \nm\t*\t1e+03\tmm\r\n\nkg  / 1000 t  & 3 odd\n");
    QVERIFY(list.read(in, true));
    QCOMPARE(list.size(), std::size_t(5));
    QCOMPARE(list.find("kg")->m_id, 2u);
    QCOMPARE(list.find("kg")->m_baseId, 2u);
    QCOMPARE(list.find("t")->m_id, 3u);
    QCOMPARE(list.find("t")->m_operation, int(HTL::UnitData::OP_DIV));
    QCOMPARE(list.find("odd")->m_operation, int(HTL::UnitData::OP_BASE)); // unknown operation
    QCOMPARE(list.find("mm")->m_factor, 1000.0);

    // reading more without clearing keeps identifiers equal to positions
    std::istringstream more("Pa  / 100 hPa\n");
    QVERIFY(list.read(more, false));
    QCOMPARE(list.size(), std::size_t(7));
    QCOMPARE(list.find("hPa")->m_id, 6u);
    QCOMPARE(list.find("hPa")->m_baseId, 5u);
    double v = 12;
    list.convert(6, 5, v);
    QCOMPARE(v, 1200.0);

    // an empty table leaves an empty list: false
    HTL::UnitList empty;
    std::istringstream none("\n\n");
    QVERIFY(!empty.read(none, true));
}

void tst_Units::parameterRead()
{
    HTL::Parameter p;
    std::istringstream in("Width = 20 mm");
    p.read(in);
    QCOMPARE(p.name(), std::string("Width"));
    M2_COMPARE_REL(p.value(), 0.02, 1e-15);
    QCOMPARE(p.IO_unit().name(), std::string("mm"));
    M2_COMPARE_REL(p.get_value(HTL::Unit("cm")), 2.0, 1e-15);
    M2_COMPARE_REL(p.get_value(p.IO_unit()), 20.0, 1e-15);

    HTL::Parameter q;
    q.setName("wintertime");
    std::istringstream in2("90 d");
    q.read(in2, true);
    QCOMPARE(q.name(), std::string("wintertime")); // valueOnly keeps the name
    QCOMPARE(q.value(), 90.0 * 86400);
    QCOMPARE(q.get_value(HTL::Unit("d")), 90.0);

    HTL::Parameter t;
    std::istringstream in3("T : 20 C");
    t.read(in3);
    M2_COMPARE_REL(t.value(), 293.15, 1e-15);
    M2_COMPARE_ABS(t.get_value(HTL::Unit("C")), 20.0, 1e-12);

    HTL::Parameter s;
    std::string err;
    QVERIFY(s.set(2, HTL::Unit("sqrt(h)"), err));
    QCOMPARE(s.value(), 14400.0);
    QCOMPARE(s.IO_unit().name(), std::string("sqrt(h)"));
}

void tst_Units::parameterErrors()
{
    HTL::Parameter p;
    {
        std::istringstream in("Width = abc mm");
        M2_EXPECT_HTL_EXCEPTION(p.read(in), "Error reading parameter.", "[Parameter::read]");
    }
    {
        std::istringstream in("20");
        M2_EXPECT_HTL_EXCEPTION(p.read(in, true), "Error reading parameter.", "[Parameter::read]");
    }
    {
        std::istringstream in("Width = 20 furlong");
        M2_EXPECT_HTL_EXCEPTION(p.read(in), "Unit 'furlong' not found.", "[Unit::Unit]");
    }
    {
        // 10^100 kg/m3 exceeds the guarded power function: set fails, read throws its text
        std::istringstream in("c = 100 log(kg/m3)");
        bool thrown = false;
        const HTL::Exception ex = expectException([&]() { p.read(in); }, &thrown);
        QVERIFY(thrown);
        QCOMPARE(QString::fromStdString(ex.entries().back().m_context),
                 QString("[Parameter::read]"));
        QVERIFY(QString::fromStdString(ex.what()).startsWith("Exponent too large"));
    }
    // nothing of the failed reads was stored
    QCOMPARE(p.name(), std::string());
    QCOMPARE(p.value(), 0.0);

    std::string err;
    HTL::Parameter q;
    QVERIFY(!q.set(100, HTL::Unit("log(g/m3)"), err));
    QVERIFY(QString::fromStdString(err).startsWith("Exponent too large"));

    std::istringstream in("Width = 20 mm");
    q.read(in);
    bool thrown = false;
    const HTL::Exception ex = expectException([&]() { q.get_value(HTL::Unit("kg")); }, &thrown);
    QVERIFY(thrown);
    QCOMPARE(ex.entries().size(), std::size_t(2));
    QCOMPARE(ex.entries()[0].m_message, std::string("Can't relate unit [m] to [kg]!"));
    QCOMPARE(ex.entries()[1].m_message, std::string("Error converting unit in parameter 'Width'."));
    QCOMPARE(ex.entries()[1].m_context, std::string("[Parameter::get_value]"));
}

void tst_Units::ptrListRejectsDuplicatePointer()
{
    HTL::ptr_list<int> list;
    int *p = new int(5);
    list.add(p);
    list.add(new int(6));
    M2_EXPECT_HTL_EXCEPTION(list.add(p), "Pointer already exists in the list.",
                            "[ptr_list<T>::add]");
    QCOMPARE(list.size(), std::size_t(2));
    QCOMPARE(*list[0], 5);
}

M2_TEST_GUILESS_MAIN(tst_Units)
#include "tst_Units.moc"
