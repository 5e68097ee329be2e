// Guarded logarithm and powers.

#include "TestSupport.h"

#include "htl/HTL_Exception.h"
#include "htl/HTL_Math.h"

#include <cmath>
#include <functional>

using GuardedCall = std::function<double()>;
Q_DECLARE_METATYPE(GuardedCall)

class tst_Math : public QObject
{
    Q_OBJECT

private slots:
    void values();
    void failures_data();
    void failures();
};

void tst_Math::values()
{
    QCOMPARE(HTL::f_log10(1000.0), 3.0);
    M2_COMPARE_REL(HTL::f_log10(2.0), 0.30102999566398120, 1e-15);
    M2_COMPARE_REL(HTL::f_log10(1e-300), -300.0, 1e-15);
    M2_COMPARE_REL(HTL::f_pow10(50), 1e50, 1e-15);
    M2_COMPARE_REL(HTL::f_pow10(-3), 1e-3, 1e-15);
    M2_COMPARE_REL(HTL::f_pow10(0.5), 3.1622776601683795, 1e-15);
    QCOMPARE(HTL::f_pow(2.0, 10.0), 1024.0);
    M2_COMPARE_REL(HTL::f_pow(2.0, 0.5), 1.4142135623730951, 1e-15);
    QCOMPARE(HTL::f_pow(0.0, 2.0), 0.0);
    QCOMPARE(HTL::f_pow(7.0, 0.0), 1.0);
    M2_COMPARE_REL(HTL::f_pow(10.0, 50.0), 1e50, 1e-15);
}

void tst_Math::failures_data()
{
    QTest::addColumn<GuardedCall>("call");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("context");

    QTest::newRow("log of zero") << GuardedCall([] { return HTL::f_log10(0); })
                                 << "Negative or zero value in log function, x = 0"
                                 << "[HTL::f_log10]";
    QTest::newRow("log of negative") << GuardedCall([] { return HTL::f_log10(-1); })
                                     << "Negative or zero value in log function, x = -1"
                                     << "[HTL::f_log10]";
    QTest::newRow("pow10 beyond 50") << GuardedCall([] { return HTL::f_pow10(50.5); })
                                     << "Exponent too large in power function, exponent = 50.5"
                                     << "[HTL::f_pow10]";
    QTest::newRow("pow negative base") << GuardedCall([] { return HTL::f_pow(-2, 2); })
                                       << "Negative base in power function, base = -2"
                                       << "[HTL::f_pow]";
    QTest::newRow("pow exponent too large") << GuardedCall([] { return HTL::f_pow(2, 51); })
                                            << "Exponent too large in power function, exponent = 51"
                                            << "[HTL::f_pow]";
}

void tst_Math::failures()
{
    QFETCH(GuardedCall, call);
    QFETCH(QString, message);
    QFETCH(QString, context);
    try {
        const double v = call();
        QFAIL(qPrintable(QStringLiteral("no exception, returned %1").arg(v)));
    } catch (const HTL::Exception &e) {
        QCOMPARE(QString::fromUtf8(e.what()), message);
        QCOMPARE(QString::fromStdString(e.entries().back().m_context), context);
    }
}

M2_TEST_GUILESS_MAIN(tst_Math)
#include "tst_Math.moc"
