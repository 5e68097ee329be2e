// Spreading labels along an axis: order, gaps, limits, least movement, and labels that fit
// staying exactly where they are.

#include "TestSupport.h"

#include "qtext/LabelPlacement.h"

#include <numeric>

using Doubles = QVector<double>;

class tst_LabelPlacement : public QObject
{
    Q_OBJECT
private slots:
    void constraints_data();
    void constraints();
    void labelsThatFitStay_data();
    void labelsThatFitStay();
    void crowdedLabelsMoveSymmetrically();
    void clusterMovesOnlyItsOwnLabels();
    void pushedFromTheLimit();
    void tooLongForTheRange();
    void leastSquares();
    void empty();
};

namespace {

const double Tol = 1e-9;

// Checks order, gaps and range of the placed labels.
void checkConstraints(const Doubles &p, const Doubles &w, double min, double max, double gap)
{
    for (int i = 0; i < p.size(); ++i) {
        QVERIFY2(p[i] - w[i] / 2 >= min - Tol, qPrintable(QString("label %1 before min").arg(i)));
        QVERIFY2(p[i] + w[i] / 2 <= max + Tol, qPrintable(QString("label %1 after max").arg(i)));
        if (i > 0) {
            const double space = (p[i] - w[i] / 2) - (p[i - 1] + w[i - 1] / 2);
            QVERIFY2(
                space >= gap - Tol,
                qPrintable(QString("labels %1 and %2 are %3 apart").arg(i - 1).arg(i).arg(space)));
        }
    }
}

} // namespace

void tst_LabelPlacement::constraints_data()
{
    QTest::addColumn<Doubles>("centres");
    QTest::addColumn<Doubles>("widths");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<double>("gap");
    QTest::newRow("all at one point")
        << Doubles{50, 50, 50, 50} << Doubles{10, 10, 10, 10} << 0.0 << 100.0 << 2.0;
    QTest::newRow("thin layers in a row") << Doubles{100, 101, 102, 103, 104, 300}
                                          << Doubles{20, 24, 16, 20, 30, 20} << 0.0 << 400.0 << 4.0;
    QTest::newRow("crowded at the left limit")
        << Doubles{1, 2, 3} << Doubles{12, 12, 12} << 0.0 << 200.0 << 3.0;
    QTest::newRow("crowded at the right limit")
        << Doubles{197, 198, 199} << Doubles{12, 12, 12} << 0.0 << 200.0 << 3.0;
    QTest::newRow("just fits the range")
        << Doubles{40, 50, 60} << Doubles{30, 30, 30} << 0.0 << 96.0 << 3.0;
    QTest::newRow("two clusters") << Doubles{10, 11, 12, 80, 81, 82} << Doubles{8, 8, 8, 8, 8, 8}
                                  << 0.0 << 100.0 << 1.0;
    QTest::newRow("different widths")
        << Doubles{30, 31, 90} << Doubles{50, 6, 80} << -20.0 << 160.0 << 0.0;
}

void tst_LabelPlacement::constraints()
{
    QFETCH(Doubles, centres);
    QFETCH(Doubles, widths);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(double, gap);
    const Doubles p = QtExt::spreadLabels(centres, widths, min, max, gap);
    QCOMPARE(p.size(), centres.size());
    checkConstraints(p, widths, min, max, gap);
}

void tst_LabelPlacement::labelsThatFitStay_data()
{
    QTest::addColumn<Doubles>("centres");
    QTest::addColumn<Doubles>("widths");
    QTest::newRow("spread") << Doubles{20, 60, 100.3, 170} << Doubles{20, 30, 10, 40};
    QTest::newRow("exactly gap apart") << Doubles{10, 25, 40} << Doubles{10, 10, 10};
    QTest::newRow("one label") << Doubles{123.456} << Doubles{30};
}

void tst_LabelPlacement::labelsThatFitStay()
{
    QFETCH(Doubles, centres);
    QFETCH(Doubles, widths);
    const Doubles p = QtExt::spreadLabels(centres, widths, 0, 200, 5);
    QCOMPARE(p, centres);
}

void tst_LabelPlacement::crowdedLabelsMoveSymmetrically()
{
    // Three labels wanted at one point spread around it: the middle one stays, the others are
    // one label width plus the gap away on either side.
    const Doubles p = QtExt::spreadLabels({100, 100, 100}, {10, 10, 10}, 0, 200, 2);
    M2_COMPARE_ABS(p[0], 88.0, Tol);
    M2_COMPARE_ABS(p[1], 100.0, Tol);
    M2_COMPARE_ABS(p[2], 112.0, Tol);
}

void tst_LabelPlacement::clusterMovesOnlyItsOwnLabels()
{
    const Doubles centres{20, 100, 101, 180};
    const Doubles p = QtExt::spreadLabels(centres, {10, 10, 10, 10}, 0, 200, 2);
    QCOMPARE(p[0], centres[0]);
    QCOMPARE(p[3], centres[3]);
    // the pair keeps its mean and opens to one label width plus the gap
    M2_COMPARE_ABS(p[1] + p[2], 201.0, Tol);
    M2_COMPARE_ABS(p[2] - p[1], 12.0, Tol);
}

void tst_LabelPlacement::pushedFromTheLimit()
{
    const Doubles p = QtExt::spreadLabels({0, 1}, {10, 10}, 0, 200, 2);
    M2_COMPARE_ABS(p[0], 5.0, Tol);
    M2_COMPARE_ABS(p[1], 17.0, Tol);
}

void tst_LabelPlacement::tooLongForTheRange()
{
    // 3 × 40 + 2 × 5 = 130 > 100: a block gap apart, centred in the range
    const Doubles p = QtExt::spreadLabels({10, 20, 30}, {40, 40, 40}, 0, 100, 5);
    M2_COMPARE_ABS(p[1], 50.0, Tol);
    M2_COMPARE_ABS(p[1] - p[0], 45.0, Tol);
    M2_COMPARE_ABS(p[2] - p[1], 45.0, Tol);
}

void tst_LabelPlacement::leastSquares()
{
    // No small shift of one label that keeps the constraints lowers the sum of squared shifts.
    const Doubles centres{30, 32, 35, 60, 61, 150};
    const Doubles widths{12, 8, 14, 10, 10, 20};
    const double gap = 3;
    const Doubles p = QtExt::spreadLabels(centres, widths, 0, 170, gap);
    auto cost = [&centres](const Doubles &q) {
        double sum = 0;
        for (int i = 0; i < q.size(); ++i)
            sum += (q[i] - centres[i]) * (q[i] - centres[i]);
        return sum;
    };
    auto feasible = [&](const Doubles &q) {
        for (int i = 0; i < q.size(); ++i) {
            if (q[i] - widths[i] / 2 < 0 - Tol || q[i] + widths[i] / 2 > 170 + Tol)
                return false;
            if (i > 0 && (q[i] - widths[i] / 2) - (q[i - 1] + widths[i - 1] / 2) < gap - Tol)
                return false;
        }
        return true;
    };
    QVERIFY(feasible(p));
    const double best = cost(p);
    for (int i = 0; i < p.size(); ++i) {
        for (double d : {-0.01, 0.01}) {
            Doubles q = p;
            q[i] += d;
            if (feasible(q))
                QVERIFY2(cost(q) >= best,
                         qPrintable(QString("moving label %1 by %2").arg(i).arg(d)));
            // moving a whole block of touching labels together
            Doubles r = p;
            for (int k = 0; k < r.size(); ++k)
                r[k] += d;
            if (feasible(r))
                QVERIFY(cost(r) >= best);
        }
    }
}

void tst_LabelPlacement::empty()
{
    QVERIFY(QtExt::spreadLabels({}, {}, 0, 100, 2).isEmpty());
}

M2_TEST_APPLESS_MAIN(tst_LabelPlacement)
#include "tst_LabelPlacement.moc"
