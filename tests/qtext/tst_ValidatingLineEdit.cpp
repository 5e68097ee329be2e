// The validating input field: bounds, locale parsing, the validator object, colours and tool
// tips, and the signal that only valid edits raise.

#include "TestMain.h"
#include "qtext/ValidatingLineEdit.h"

#include <QLocale>
#include <QSignalSpy>
#include <QTest>

#include <limits>

using QtExt::ValidatingLineEdit;

namespace {

const double Inf = std::numeric_limits<double>::infinity();

/*! Accepts even numbers only and counts its partner checks. */
class EvenValidator : public QtExt::FieldValidator
{
public:
    bool isValid(double value, QString *message) override
    {
        if (int(value) % 2 == 0)
            return true;
        *message = QStringLiteral("odd");
        return false;
    }
    void afterCheck() override { ++afterChecks; }
    int afterChecks = 0;
};

} // namespace

class tst_ValidatingLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void bounds_data();
    void bounds();
    void colourAndToolTip();
    void readOnlyColour();
    void validatorReplacesBounds();
    void valuesInTheLocale();
    void onlyValidEditsAreSignalled();
    void numbersReadTheSameInEveryLocale_data();
    void numbersReadTheSameInEveryLocale();
};

void tst_ValidatingLineEdit::bounds_data()
{
    QTest::addColumn<double>("lower");
    QTest::addColumn<bool>("lowerInclusive");
    QTest::addColumn<double>("upper");
    QTest::addColumn<bool>("upperInclusive");
    QTest::addColumn<bool>("acceptEmpty");
    QTest::addColumn<bool>("integer");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("width 0 rejected")
        << 0.0 << false << Inf << true << false << false << "0" << false;
    QTest::newRow("width above 0")
        << 0.0 << false << Inf << true << false << false << "0.001" << true;
    QTest::newRow("negative") << 0.0 << false << Inf << true << false << false << "-1" << false;
    QTest::newRow("inclusive lower")
        << 0.1 << true << Inf << true << false << false << "0.1" << true;
    QTest::newRow("below inclusive lower")
        << 0.1 << true << Inf << true << false << false << "0.099" << false;
    QTest::newRow("inclusive upper") << 0.0 << true << 1.0 << true << false << false << "1" << true;
    QTest::newRow("exclusive upper")
        << 0.0 << true << 1.0 << false << false << false << "1" << false;
    QTest::newRow("above upper") << 0.0 << true << 1.0 << true << false << false << "1.0001"
                                 << false;
    QTest::newRow("not a number") << 0.0 << true << 1.0 << true << false << false << "abc" << false;
    QTest::newRow("empty rejected") << 0.0 << true << 1.0 << true << false << false << "" << false;
    QTest::newRow("empty accepted") << 0.0 << true << 1.0 << true << true << false << "" << true;
    QTest::newRow("integer") << 0.0 << true << 400.0 << true << false << true << "90" << true;
    QTest::newRow("fraction in integer field")
        << 0.0 << true << 400.0 << true << false << true << "90.5" << false;
    QTest::newRow("spaces around")
        << 0.0 << true << 400.0 << true << false << false << " 12 " << true;
    QTest::newRow("infinity") << 0.0 << true << Inf << true << false << false << "inf" << false;
}

void tst_ValidatingLineEdit::bounds()
{
    QFETCH(double, lower);
    QFETCH(bool, lowerInclusive);
    QFETCH(double, upper);
    QFETCH(bool, upperInclusive);
    QFETCH(bool, acceptEmpty);
    QFETCH(bool, integer);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    ValidatingLineEdit edit;
    edit.setup(lower, upper, QStringLiteral("out of range"), lowerInclusive, upperInclusive);
    edit.setAcceptEmpty(acceptEmpty);
    edit.setIntegerInput(integer);
    edit.setText(text);
    QCOMPARE(edit.isValid(), valid);
}

void tst_ValidatingLineEdit::colourAndToolTip()
{
    ValidatingLineEdit edit;
    edit.setup(0, Inf, QStringLiteral("The layer width must be > 0."), false);
    edit.setText(QStringLiteral("0"));
    QCOMPARE(edit.styleSheet(), QStringLiteral("QLineEdit { background-color: #ff7777;}"));
    QCOMPARE(edit.toolTip(), QStringLiteral("The layer width must be > 0."));
    edit.setText(QStringLiteral("0.2"));
    QVERIFY(edit.styleSheet().isEmpty());
    QVERIFY(edit.toolTip().isEmpty());
    edit.setNormalToolTip(QStringLiteral("The width."));
    QCOMPARE(edit.toolTip(), QStringLiteral("The width."));
}

void tst_ValidatingLineEdit::readOnlyColour()
{
    ValidatingLineEdit edit;
    edit.setup(0, Inf, QStringLiteral("The sd-value must be > 0."), false);
    edit.setText(QStringLiteral("-1"));
    edit.setReadOnly(true);
    QCOMPARE(edit.styleSheet(),
             QStringLiteral("QLineEdit:enabled { background-color: #d6e9ff; color: 'black'}"));
    QVERIFY(edit.toolTip().isEmpty());
    edit.setReadOnly(false);
    QVERIFY(edit.styleSheet().contains(QLatin1String("#ff7777")));
}

void tst_ValidatingLineEdit::validatorReplacesBounds()
{
    ValidatingLineEdit edit;
    edit.setup(0, 1, QStringLiteral("bounds"));
    auto *validator = new EvenValidator;
    edit.setFieldValidator(validator);
    const int checksBefore = validator->afterChecks;
    edit.setText(QStringLiteral("4")); // outside the bounds, but the rule decides
    QVERIFY(edit.isValid());
    edit.setText(QStringLiteral("3"));
    QVERIFY(!edit.isValid());
    QCOMPARE(edit.toolTip(), QStringLiteral("odd"));
    QCOMPARE(validator->afterChecks, checksBefore + 2);
    edit.setFieldValidator(nullptr);
    QVERIFY(!edit.isValid());
    QCOMPARE(edit.toolTip(), QStringLiteral("bounds"));
}

void tst_ValidatingLineEdit::valuesInTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ValidatingLineEdit edit;
    edit.setup(0, Inf, QString(), false);
    edit.setValue(0.035);
    QCOMPARE(edit.text(), QStringLiteral("0,035"));
    QCOMPARE(edit.value(), 0.035);
    edit.setText(QStringLiteral("1,5"));
    QVERIFY(edit.isValid());
    QCOMPARE(edit.value(), 1.5);
    edit.setText(QStringLiteral("1.5")); // the other decimal separator
    QVERIFY(edit.isValid());
    QCOMPARE(edit.value(), 1.5);
    edit.setValue(0.1 + 0.2); // 15 significant digits hide the binary rest
    QCOMPARE(edit.text(), QStringLiteral("0,3"));
}

void tst_ValidatingLineEdit::numbersReadTheSameInEveryLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("grouping"); // refused with the separator reason
    const struct
    {
        const char *text;
        bool number;
        double value;
        bool grouping;
    } rows[] = {
        {"0.035", true, 0.035, false}, {"0,035", true, 0.035, false}, {"1.000", true, 1, false},
        {"1,000", true, 1, false},     {"1.000,5", false, 0, true},   {"1,000.5", false, 0, true},
        {" 12 ", true, 12, false},     {"2e-4", true, 2e-4, false},   {"-3,5E2", true, -350, false},
        {"abc", false, 0, false},      {"", false, 0, false},         {"inf", false, 0, false},
    };
    for (const char *locale : {"C", "de_DE", "pl_PL", "en_US"})
        for (const auto &row : rows)
            QTest::addRow("%s '%s'", locale, row.text)
                << QString::fromLatin1(locale) << QString::fromLatin1(row.text) << row.number
                << row.value << row.grouping;
}

void tst_ValidatingLineEdit::numbersReadTheSameInEveryLocale()
{
    // 0.035 typed into a German interface must never become 35: both separators are decimal
    // separators, and a grouped number is refused with a reason instead of read in silence.
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, number);
    QFETCH(double, value);
    QFETCH(bool, grouping);
    QLocale::setDefault(QLocale(locale));
    ValidatingLineEdit edit;
    edit.setup(-Inf, Inf, QStringLiteral("out of range"));
    edit.setText(text);
    QCOMPARE(edit.isNumber(), number);
    QCOMPARE(edit.isValid(), number);
    if (number)
        QCOMPARE(edit.value(), value);
    double parsed = 0;
    QString reason;
    QCOMPARE(ValidatingLineEdit::parseNumber(text, &parsed, &reason), number);
    QCOMPARE(!reason.isEmpty(), grouping);
    if (grouping) {
        edit.check();
        QCOMPARE(edit.toolTip(), reason);
    }
}

void tst_ValidatingLineEdit::onlyValidEditsAreSignalled()
{
    ValidatingLineEdit edit;
    edit.setup(0, Inf, QString(), false);
    QSignalSpy spy(&edit, &ValidatingLineEdit::editingFinishedSuccessfully);
    edit.setText(QStringLiteral("0"));
    emit edit.editingFinished();
    QCOMPARE(spy.count(), 0);
    edit.setText(QStringLiteral("0.3"));
    emit edit.editingFinished();
    QCOMPARE(spy.count(), 1);
}

M2_TEST_MAIN(tst_ValidatingLineEdit)
#include "tst_ValidatingLineEdit.moc"
