// The validating input field: bounds, locale parsing, the validator object, colours and tool
// tips, and the signal that only valid edits raise.

#include "TestMain.h"
#include "qtext/FieldMessageLine.h"
#include "qtext/ValidatingLineEdit.h"
#include "settings/ProgramTranslator.h"

#include <QCoreApplication>
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
    QString notice(double value) override
    {
        return value > 100 ? QStringLiteral("large") : QString();
    }
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
    void unusualValuesAreAmber_data();
    void unusualValuesAreAmber();
    void escapePutsBackTheHeldValue();
    void refusedEditIsPutBack();
    void messageLineSaysWhy();
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
    QTest::addColumn<QString>("language");
    // the interface language (the program's catalogue) and the system locale vary apart
    for (const char *language : {"en", "de", "pl"})
        for (const char *locale : {"C", "de_DE", "pl_PL", "en_US"})
            for (const auto &row : rows)
                QTest::addRow("%s %s '%s'", language, locale, row.text)
                    << QString::fromLatin1(locale) << QString::fromLatin1(row.text) << row.number
                    << row.value << row.grouping << QString::fromLatin1(language);
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
    QFETCH(QString, language);
    QLocale::setDefault(QLocale(locale));
    ProgramTranslator translator;
    if (language != QLatin1String("en")) {
        const QString qm =
            QStringLiteral(M2_BIN_DIR "/resources/translations/Mirelo2_%1.qm").arg(language);
        QVERIFY2(translator.load(qm), qPrintable(qm + QStringLiteral(" is missing")));
        QVERIFY(QCoreApplication::installTranslator(&translator));
    }
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
        QCOMPARE(edit.message(), reason);
        // the reason is said in the interface's language
        QCOMPARE(reason == QLatin1String("Use ',' or '.' once, as the decimal separator; digit "
                                         "grouping is not accepted."),
                 language == QLatin1String("en"));
    }
    QCoreApplication::removeTranslator(&translator);
}

void tst_ValidatingLineEdit::unusualValuesAreAmber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("message");
    QTest::newRow("usual") << "42" << int(ValidatingLineEdit::State::Valid) << QString();
    QTest::newRow("unusual") << "420" << int(ValidatingLineEdit::State::Unusual) << "large";
    QTest::newRow("refused") << "43" << int(ValidatingLineEdit::State::Invalid) << "odd";
    QTest::newRow("no number") << "4x" << int(ValidatingLineEdit::State::Invalid)
                               << "This is not a number.";
}

void tst_ValidatingLineEdit::unusualValuesAreAmber()
{
    QFETCH(QString, text);
    QFETCH(int, state);
    QFETCH(QString, message);
    ValidatingLineEdit edit;
    edit.setFieldValidator(new EvenValidator);
    edit.setText(QStringLiteral("2"));
    QSignalSpy changes(&edit, &ValidatingLineEdit::stateChanged);
    edit.setText(text);
    QCOMPARE(int(edit.state()), state);
    QCOMPARE(edit.message(), message);
    QCOMPARE(edit.toolTip(), message);
    // an unusual value is still a valid one
    QCOMPARE(edit.isValid(), state != int(ValidatingLineEdit::State::Invalid));
    QCOMPARE(edit.styleSheet().contains(QLatin1String(ValidatingLineEdit::NoticeColor)),
             state == int(ValidatingLineEdit::State::Unusual));
    QCOMPARE(changes.isEmpty(), state == int(ValidatingLineEdit::State::Valid));

    // a rule of the field itself serves fields without a validator object
    ValidatingLineEdit bounded;
    bounded.setup(0, Inf, QStringLiteral("> 0"), false);
    bounded.setNoticeRule([](double v) { return v > 5 ? QStringLiteral("high") : QString(); });
    bounded.setText(QStringLiteral("7"));
    QCOMPARE(bounded.state(), ValidatingLineEdit::State::Unusual);
    QCOMPARE(bounded.message(), QStringLiteral("high"));
    bounded.setEnabled(false); // a disabled field says nothing
    QCOMPARE(bounded.state(), ValidatingLineEdit::State::Valid);
}

void tst_ValidatingLineEdit::escapePutsBackTheHeldValue()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    ValidatingLineEdit edit;
    edit.setup(0, Inf, QString(), false);
    edit.setValue(0.035);
    edit.show();
    edit.setFocus();
    QTest::keyClicks(&edit, QStringLiteral("7"));
    QCOMPARE(edit.text(), QStringLiteral("0,0357"));
    QTest::keyClick(&edit, Qt::Key_Escape);
    QCOMPARE(edit.text(), QStringLiteral("0,035"));
    QVERIFY(!edit.isModified());
}

void tst_ValidatingLineEdit::refusedEditIsPutBack()
{
    ValidatingLineEdit edit;
    edit.setup(0, Inf, QStringLiteral("must be > 0"), false);
    edit.setValue(2.5);
    QSignalSpy refused(&edit, &ValidatingLineEdit::refused);
    QSignalSpy accepted(&edit, &ValidatingLineEdit::editingFinishedSuccessfully);
    // without the option the refused text stays for the owner to judge
    edit.setText(QStringLiteral("-1"));
    emit edit.editingFinished();
    QCOMPARE(edit.text(), QStringLiteral("-1"));
    QVERIFY(refused.isEmpty());

    edit.setRestoreOnRefusal(true);
    for (const char *typed : {"-1", "abc", "", "1.000,5"}) {
        edit.setText(QString::fromLatin1(typed));
        emit edit.editingFinished();
        QCOMPARE(edit.text(), QStringLiteral("2.5"));
        QCOMPARE(edit.state(), ValidatingLineEdit::State::Valid);
        QCOMPARE(refused.size(), 1);
        const QList<QVariant> args = refused.takeFirst();
        QCOMPARE(args.at(0).toString(), QString::fromLatin1(typed));
        QVERIFY(!args.at(1).toString().isEmpty());
    }
    QCOMPARE(accepted.size(), 0);
    edit.setText(QStringLiteral("3"));
    emit edit.editingFinished();
    QCOMPARE(accepted.size(), 1);
    QVERIFY(refused.isEmpty());
}

void tst_ValidatingLineEdit::messageLineSaysWhy()
{
    QWidget window;
    auto *width = new ValidatingLineEdit(&window);
    width->setup(0, Inf, QStringLiteral("The width must be > 0."), false);
    width->setNoticeRule([](double v) { return v > 2 ? QStringLiteral("wide") : QString(); });
    width->setRestoreOnRefusal(true);
    width->setValue(0.3);
    auto *line = new QtExt::FieldMessageLine(&window);
    line->watch(width, QStringLiteral("Width [m]:"));
    QVERIFY(line->plainText().isEmpty());
    QVERIFY(!line->isVisibleTo(&window));

    width->setText(QStringLiteral("3"));
    QCOMPARE(line->plainText(), QStringLiteral("Width [m]: wide"));
    QVERIFY(line->isVisibleTo(&window));
    width->setText(QStringLiteral("0"));
    QCOMPARE(line->plainText(), QStringLiteral("Width [m]: The width must be > 0."));

    // leaving the field: the held value is back, and the line says what was not taken
    emit width->editingFinished();
    QCOMPARE(width->text(), QStringLiteral("0.3"));
    QVERIFY(line->plainText().contains(QStringLiteral("'0' was not taken for Width [m]")));
    QVERIFY(line->plainText().contains(QStringLiteral("The width must be > 0.")));
    // typing again ends the news
    emit width->textEdited(QStringLiteral("0.4"));
    QVERIFY(line->plainText().isEmpty());
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
