// The climate and assessment editors of the climate columns: the enabling rules of the DIN
// assessment types, the bounds of the period lengths, the winter-temperature rule, the surface
// resistance, the period switch, and every edit as exactly one undo entry whose undo restores
// the climate record as it was, bit for bit. Then the editor panel in the main window.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "document/Project.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"
#include "qtext/FieldMessageLine.h"
#include "qtext/ValidatingLineEdit.h"
#include "settings/Settings.h"
#include "ui/commands/M2_UndoClimate.h"
#include "ui/editors/AssessmentClimateWidget.h"
#include "ui/editors/AssessmentTypeWidget.h"
#include "ui/editors/ClimateEditWidget.h"
#include "ui/mainwindow/ConstructionTableWidget.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>

#include <functional>
#include <memory>

namespace {

InputData wall()
{
    InputData input;
    input.insertLayer(
        0, MaterialLayer(TestMaterials::material("Brick", 0.8, 10, 0.01, 0.3, 0.1, 2), 0.24));
    input.insertLayer(
        1,
        MaterialLayer(TestMaterials::material("Mineral wool", 0.035, 1, 0.0001, 0.9, 0.0, 5), 0.1));
    return input;
}

bool sameCondition(const ClimateCondition &a, const ClimateCondition &b)
{
    return a.m_T == b.m_T && a.m_rh == b.m_rh && a.m_Rs == b.m_Rs && a.m_kind == b.m_kind &&
           a.m_side == b.m_side;
}

/*! Every value of the record, exactly (the record's own == allows 1e-4). */
bool identical(const Climate &a, const Climate &b)
{
    return sameCondition(a.insideWinter(), b.insideWinter()) &&
           sameCondition(a.insideSummer(), b.insideSummer()) &&
           sameCondition(a.outsideWinter(), b.outsideWinter()) &&
           sameCondition(a.outsideSummer(), b.outsideSummer()) && a.tT() == b.tT() &&
           a.tT_summer() == b.tT_summer() && a.pv_i_summer() == b.pv_i_summer() &&
           a.pv_e_summer() == b.pv_e_summer() && a.psat_summer() == b.psat_summer() &&
           a.assessmentCondition() == b.assessmentCondition();
}

/*! Types text into the field as the user would and finishes with Return. */
void type(QLineEdit *edit, const QString &text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

/*! Chooses a combo entry as the user does (the index changes, then it is activated). */
void choose(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

/*! Values at both sides that match no preset: custom conditions. */
void typeCustomClimate(Project &project)
{
    QVERIFY(project.setClimateValue(Climate::Inside, Climate::Winter, Climate::Q_T, 22));
    QVERIFY(project.setClimateValue(Climate::Outside, Climate::Winter, Climate::Q_rh, 85));
    QVERIFY(project.setClimateValue(Climate::Outside, Climate::Winter, Climate::Q_Rs, 0.06));
    QVERIFY(project.setClimateValue(Climate::Outside, Climate::Summer, Climate::Q_T, 13));
    QCOMPARE(project.inputData().climate().assessmentCondition(), int(Climate::AC_Custom));
}

} // namespace

using Edit = std::function<void(AssessmentClimateWidget &)>;
Q_DECLARE_METATYPE(Edit)

class tst_ClimateEditors : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void objectNamesAndTexts();
    void labelColumnsAlign();
    void fieldsFollowTheAssessmentType_data();
    void fieldsFollowTheAssessmentType();
    void periodBounds_data();
    void periodBounds();
    void winterTemperatureRule_data();
    void winterTemperatureRule();
    void surfaceResistanceBounds_data();
    void surfaceResistanceBounds();
    void summerDisablesThePresets();
    void presetListFollowsTypeAndSide_data();
    void presetListFollowsTypeAndSide();
    void editIsOneUndoEntry_data();
    void editIsOneUndoEntry();
    void sameValueMakesNoEntry();
    void invalidValueMakesNoEntry();
    void refusedValueIsPutBackOnLeaving();
    void presetWithTheSameValuesMakesNoEntry();
    void customChoiceOfDINValuesStays();
    void presetUnderCustomKeepsTheOtherSide();
    void undoShowsThePeriodOfTheEdit();
    void mainWindowShowsTheSideOfTheColumn();
    void constructionKindIsOneUndoEntry();
    void minimumResistanceRowIsOneUndoEntry();

private:
    std::unique_ptr<Project> m_project;
    std::unique_ptr<QUndoStack> m_stack;
    std::unique_ptr<AssessmentClimateWidget> m_widget;
    ClimateEditWidget *climate() const { return m_widget->climateEditWidget(); }
    AssessmentTypeWidget *assessment() const { return m_widget->assessmentTypeWidget(); }
};

void tst_ClimateEditors::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QStandardPaths::setTestModeEnabled(true);
}

void tst_ClimateEditors::init()
{
    m_project = std::make_unique<Project>();
    m_project->createNew(wall(), ProjectInformation());
    m_stack = std::make_unique<QUndoStack>();
    m_widget = std::make_unique<AssessmentClimateWidget>(*m_project, *m_stack);
    m_widget->setSide(true);
    m_widget->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_widget.get()));
}

void tst_ClimateEditors::cleanup()
{
    m_widget.reset();
    m_stack.reset();
    m_project.reset();
}

void tst_ClimateEditors::objectNamesAndTexts()
{
    for (const char *name :
         {"widgetAssessmentType", "widgetClimate", "labelAssessmentTypeCaption",
          "comboBoxAssessmentType", "lineEditCondensationTime", "lineEditDryingTime",
          "labelClimateData", "comboBoxClimatePresets", "radioButtonWinter", "radioButtonSummer",
          "lineEditClimateRT", "lineEditClimateT", "lineEditClimateRH"})
        QVERIFY2(m_widget->findChild<QWidget *>(QLatin1String(name)), name);
    auto *types = m_widget->findChild<QComboBox *>(QStringLiteral("comboBoxAssessmentType"));
    QCOMPARE(types->count(), 3);
    QCOMPARE(types->itemText(0), QStringLiteral("Custom conditions"));
    QCOMPARE(types->itemText(1), QStringLiteral("German Standard DIN 4108-3 from 2001"));
    QCOMPARE(types->itemText(2),
             QStringLiteral("German Standard DIN 4108-3 from 2014, 2018 and 2024"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(types->itemData(i).toInt(), i);
    QVERIFY(m_widget->findChild<QLabel *>(QStringLiteral("labelClimateData"))->font().bold());
    QCOMPARE(m_widget->findChild<QRadioButton *>(QStringLiteral("radioButtonWinter"))->text(),
             QStringLiteral("Winter:"));
}

void tst_ClimateEditors::labelColumnsAlign()
{
    // the value fields of both editors start at the same x
    const int a = assessment()->condensationTimeEdit()->mapTo(m_widget.get(), QPoint()).x();
    const int b = climate()->temperatureEdit()->mapTo(m_widget.get(), QPoint()).x();
    QCOMPARE(a, b);
}

void tst_ClimateEditors::fieldsFollowTheAssessmentType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("warmSide");
    for (int type = 0; type < 3; ++type)
        for (bool warm : {true, false})
            QTest::addRow("type %d %s", type, warm ? "warm" : "cold") << type << warm;
}

void tst_ClimateEditors::fieldsFollowTheAssessmentType()
{
    QFETCH(int, type);
    QFETCH(bool, warmSide);
    if (type == 0)
        typeCustomClimate(*m_project);
    else
        QVERIFY(m_project->setAssessmentType(type, 90, 90) ||
                m_project->inputData().climate().assessmentCondition() == type);
    m_widget->setSide(warmSide);
    const bool custom = type == 0;
    QCOMPARE(assessment()->assessmentTypeComboBox()->currentData().toInt(), type);
    QVERIFY(assessment()->assessmentTypeComboBox()->isEnabled());
    QCOMPARE(assessment()->condensationTimeEdit()->isEnabled(), custom);
    QCOMPARE(assessment()->dryingTimeEdit()->isEnabled(), custom);
    for (QtExt::ValidatingLineEdit *edit :
         {climate()->temperatureEdit(), climate()->humidityEdit(), climate()->resistanceEdit()})
        QCOMPARE(edit->isEnabled(), custom);
    QVERIFY(climate()->presetComboBox()->isEnabled());
    // the values shown are those of the side's condensation period
    const Climate &c = m_project->inputData().climate();
    const ClimateCondition &side = warmSide ? c.insideWinter() : c.outsideWinter();
    QCOMPARE(climate()->temperatureEdit()->value(), side.m_T);
    QCOMPARE(climate()->humidityEdit()->value(), side.m_rh);
    QCOMPARE(climate()->resistanceEdit()->value(), side.m_Rs);
    QCOMPARE(assessment()->condensationTimeEdit()->value(), c.tT());
}

void tst_ClimateEditors::periodBounds_data()
{
    QTest::addColumn<bool>("condensation");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    for (bool condensation : {true, false}) {
        const char *field = condensation ? "condensation" : "drying";
        QTest::addRow("%s 0.1", field) << condensation << "0.1" << false;
        QTest::addRow("%s 0.11", field) << condensation << "0.11" << true;
        QTest::addRow("%s 299.99", field) << condensation << "299.99" << true;
        QTest::addRow("%s 300", field) << condensation << "300" << false;
        QTest::addRow("%s 0", field) << condensation << "0" << false;
    }
}

void tst_ClimateEditors::periodBounds()
{
    QFETCH(bool, condensation);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    typeCustomClimate(*m_project);
    QtExt::ValidatingLineEdit *edit =
        condensation ? assessment()->condensationTimeEdit() : assessment()->dryingTimeEdit();
    QVERIFY(edit->isEnabled());
    const Climate before = m_project->inputData().climate();
    type(edit, text);
    QCOMPARE(edit->isValid(), valid);
    if (!valid) {
        QCOMPARE(edit->toolTip(), condensation
                                      ? QStringLiteral("The condensation time must be > 0d and "
                                                       "< 300d.")
                                      : QStringLiteral("The drying time must be > 0d and < 300d."));
        QCOMPARE(m_stack->count(), 0);
        QVERIFY(identical(m_project->inputData().climate(), before));
        return;
    }
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_stack->text(0), condensation ? QStringLiteral(": Change of condensation time")
                                            : QStringLiteral(": Change of evaporation time"));
    const Climate &after = m_project->inputData().climate();
    QCOMPARE(condensation ? after.tT() : after.tT_summer(), text.toDouble());
    m_stack->undo();
    QVERIFY(identical(m_project->inputData().climate(), before));
}

void tst_ClimateEditors::winterTemperatureRule_data()
{
    QTest::addColumn<bool>("warmSide");
    QTest::addColumn<double>("other"); // winter temperature of the other side
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("message");
    const QString order = QStringLiteral("In the condensation period the temperature of the warm "
                                         "side must not be below that of the cold side.");
    const QString range = QStringLiteral("The temperature must lie between -40 °C and 80 °C.");
    QTest::newRow("warm 5, cold 10") << true << 10.0 << "5" << false << order;
    QTest::newRow("warm 10, cold 10") << true << 10.0 << "10" << true << QString();
    QTest::newRow("warm 11, cold 10") << true << 10.0 << "11" << true << QString();
    QTest::newRow("cold 25, warm 20") << false << 20.0 << "25" << false << order;
    QTest::newRow("cold 20, warm 20") << false << 20.0 << "20" << true << QString();
    QTest::newRow("warm 80") << true << 10.0 << "80" << true << QString();
    QTest::newRow("warm 80.1") << true << 10.0 << "80.1" << false << range;
    QTest::newRow("cold -40") << false << 20.0 << "-40" << true << QString();
    QTest::newRow("cold -40.5") << false << 20.0 << "-40.5" << false << range;
    QTest::newRow("cold -39.9") << false << 20.0 << "-39.9" << true << QString();
}

void tst_ClimateEditors::winterTemperatureRule()
{
    QFETCH(bool, warmSide);
    QFETCH(double, other);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QString, message);
    typeCustomClimate(*m_project);
    QVERIFY(m_project->setClimateValue(warmSide ? Climate::Outside : Climate::Inside,
                                       Climate::Winter, Climate::Q_T, other));
    m_widget->setSide(warmSide);
    m_stack->clear();
    const Climate before = m_project->inputData().climate();
    QtExt::ValidatingLineEdit *edit = climate()->temperatureEdit();
    type(edit, text);
    QCOMPARE(edit->isValid(), valid);
    if (!valid) {
        QCOMPARE(edit->toolTip(), message);
        QCOMPARE(m_stack->count(), 0);
        QVERIFY(identical(m_project->inputData().climate(), before));
        return;
    }
    QCOMPARE(m_stack->count(), 1);
    const Climate &after = m_project->inputData().climate();
    QCOMPARE((warmSide ? after.insideWinter() : after.outsideWinter()).m_T, text.toDouble());
}

void tst_ClimateEditors::surfaceResistanceBounds_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("0") << "0" << false;
    QTest::newRow("-0.01") << "-0.01" << false;
    QTest::newRow("0.17") << "0.17" << true;
}

void tst_ClimateEditors::surfaceResistanceBounds()
{
    QFETCH(QString, text);
    QFETCH(bool, valid);
    typeCustomClimate(*m_project);
    QtExt::ValidatingLineEdit *edit = climate()->resistanceEdit();
    type(edit, text);
    QCOMPARE(edit->isValid(), valid);
    if (!valid)
        QCOMPARE(edit->toolTip(), QStringLiteral("The surface resistance must be > 0."));
    // the field shows as valid exactly what the project takes
    const double value = text.toDouble();
    QCOMPARE(m_stack->count(), value > 0 ? 1 : 0);
    if (value > 0) {
        QCOMPARE(m_project->inputData().climate().insideWinter().m_Rs, value);
        QCOMPARE(m_project->inputData().climate().insideSummer().m_Rs, value);
    }
}

void tst_ClimateEditors::summerDisablesThePresets()
{
    auto *summer = m_widget->findChild<QRadioButton *>(QStringLiteral("radioButtonSummer"));
    auto *winter = m_widget->findChild<QRadioButton *>(QStringLiteral("radioButtonWinter"));
    QTest::mouseClick(summer, Qt::LeftButton, {}, QPoint(4, summer->height() / 2));
    QVERIFY(summer->isChecked());
    QVERIFY(!climate()->presetComboBox()->isEnabled());
    const ClimateCondition &s = m_project->inputData().climate().insideSummer();
    QCOMPARE(climate()->temperatureEdit()->value(), QString::number(s.m_T, 'g', 6).toDouble());
    QCOMPARE(climate()->humidityEdit()->value(), QString::number(s.m_rh, 'g', 6).toDouble());
    // in summer the temperature has its bounds and no winter rule: a warm side colder than
    // the cold side's winter temperature is a summer value like any other
    QString reason;
    QVERIFY(climate()->temperatureEdit()->fieldValidator()->isValid(-20, &reason));
    QTest::mouseClick(winter, Qt::LeftButton, {}, QPoint(4, winter->height() / 2));
    QVERIFY(climate()->presetComboBox()->isEnabled());
    QVERIFY(!climate()->temperatureEdit()->fieldValidator()->isValid(-20, &reason));
    QVERIFY(!reason.isEmpty());
    QCOMPARE(climate()->temperatureEdit()->value(),
             m_project->inputData().climate().insideWinter().m_T);
    QCOMPARE(m_stack->count(), 0);
}

void tst_ClimateEditors::presetListFollowsTypeAndSide_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("warmSide");
    for (int type = 1; type < 3; ++type)
        for (bool warm : {true, false})
            QTest::addRow("type %d %s", type, warm ? "warm" : "cold") << type << warm;
    QTest::newRow("custom warm") << 0 << true;
    QTest::newRow("custom cold") << 0 << false;
}

void tst_ClimateEditors::presetListFollowsTypeAndSide()
{
    QFETCH(int, type);
    QFETCH(bool, warmSide);
    if (type == 0)
        typeCustomClimate(*m_project);
    else
        m_project->setAssessmentType(type, 90, 90);
    m_widget->setSide(warmSide);
    const int side = warmSide ? Climate::Inside : Climate::Outside;
    QComboBox *combo = climate()->presetComboBox();
    QStringList shown;
    for (int i = 0; i < combo->count(); ++i)
        shown << combo->itemText(i);
    QCOMPARE(shown, ClimatePresets::presetNames(type, side));
    // the entry shown is the preset of the side's values, or the first one
    const Climate &c = m_project->inputData().climate();
    const QString name =
        ClimatePresets::presetNameForCondition(warmSide ? c.insideWinter() : c.outsideWinter());
    QCOMPARE(combo->currentIndex(), qMax(0, combo->findText(name)));
}

void tst_ClimateEditors::editIsOneUndoEntry_data()
{
    QTest::addColumn<int>("type"); // assessment type before the edit
    QTest::addColumn<bool>("warmSide");
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<QString>("description");

    auto typeInto = [](const char *field, const char *text) {
        return Edit([field, text](AssessmentClimateWidget &w) {
            type(w.findChild<QLineEdit *>(QLatin1String(field)), QLatin1String(text));
        });
    };
    auto summer = [](Edit then) {
        return Edit([then](AssessmentClimateWidget &w) {
            w.climateEditWidget()->setWinterPeriod(false);
            then(w);
        });
    };
    auto preset = [](int offset) {
        return Edit([offset](AssessmentClimateWidget &w) {
            QComboBox *combo = w.climateEditWidget()->presetComboBox();
            choose(combo, (combo->currentIndex() + offset) % combo->count());
        });
    };
    auto assessmentType = [](int type) {
        return Edit([type](AssessmentClimateWidget &w) {
            choose(w.assessmentTypeWidget()->assessmentTypeComboBox(), type);
        });
    };
    for (bool warm : {true, false}) {
        const QString side = warm ? QStringLiteral("warm side") : QStringLiteral("cold side");
        const char *s = warm ? "warm" : "cold";
        QTest::addRow("%s winter temperature", s)
            << 0 << warm << typeInto("lineEditClimateT", warm ? "23.5" : "-12")
            << ": Change of temperature (condensation period) at " + side;
        QTest::addRow("%s winter humidity", s)
            << 0 << warm << typeInto("lineEditClimateRH", "61.25")
            << ": Change of relative humidity (condensation period) at " + side;
        QTest::addRow("%s summer temperature", s)
            << 0 << warm << summer(typeInto("lineEditClimateT", "17"))
            << ": Change of temperature (evaporation period) at " + side;
        QTest::addRow("%s summer humidity", s)
            << 0 << warm << summer(typeInto("lineEditClimateRH", "66"))
            << ": Change of relative humidity (evaporation period) at " + side;
        QTest::addRow("%s surface resistance", s)
            << 0 << warm << typeInto("lineEditClimateRT", "0.1")
            << ": Change of surface resistance at " + side;
        QTest::addRow("%s summer surface resistance", s)
            << 0 << warm << summer(typeInto("lineEditClimateRT", "0.2"))
            << ": Change of surface resistance at " + side;
        // DIN 4108-3 (2014) offers one preset a side: nothing to choose
        for (int type : {0, 1})
            QTest::addRow("%s preset under type %d", s, type)
                << type << warm << preset(1) << ": Change of climate data set at " + side;
    }
    QTest::newRow("custom to 2001")
        << 0 << true << assessmentType(1) << ": Change of assessment type";
    QTest::newRow("custom to 2014")
        << 0 << false << assessmentType(2) << ": Change of assessment type";
    QTest::newRow("2014 to 2001") << 2 << true << assessmentType(1)
                                  << ": Change of assessment type";
    QTest::newRow("2014 to custom")
        << 2 << true << assessmentType(0) << ": Change of assessment type";
    QTest::newRow("2001 to custom")
        << 1 << false << assessmentType(0) << ": Change of assessment type";
    QTest::newRow("condensation time") << 0 << true << typeInto("lineEditCondensationTime", "75")
                                       << ": Change of condensation time";
    QTest::newRow("drying time") << 0 << false << typeInto("lineEditDryingTime", "45.5")
                                 << ": Change of evaporation time";
}

void tst_ClimateEditors::editIsOneUndoEntry()
{
    QFETCH(int, type);
    QFETCH(bool, warmSide);
    QFETCH(Edit, edit);
    QFETCH(QString, description);
    if (type == 0)
        typeCustomClimate(*m_project);
    else
        QVERIFY(m_project->setAssessmentType(type, 90, 90) ||
                m_project->inputData().climate().assessmentCondition() == type);
    m_widget->setSide(warmSide);
    const Climate before = m_project->inputData().climate();

    edit(*m_widget);
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_stack->text(0), description);
    const Climate after = m_project->inputData().climate();
    QVERIFY(!identical(after, before));

    m_stack->undo();
    QVERIFY(identical(m_project->inputData().climate(), before));
    m_stack->redo();
    QVERIFY(identical(m_project->inputData().climate(), after));
    m_stack->undo();
    QVERIFY(identical(m_project->inputData().climate(), before));
    QCOMPARE(m_stack->count(), 1);
    // the editor shows the restored values
    QCOMPARE(assessment()->assessmentTypeComboBox()->currentData().toInt(),
             before.assessmentCondition());
}

void tst_ClimateEditors::sameValueMakesNoEntry()
{
    // the preset shown (the one of the values) chosen again: nothing to change
    for (bool warm : {true, false}) {
        m_widget->setSide(warm);
        choose(climate()->presetComboBox(), climate()->presetComboBox()->currentIndex());
    }
    QCOMPARE(m_stack->count(), 0);

    typeCustomClimate(*m_project);
    m_widget->setSide(false);
    // (the last value typed was one of summer, which the editor followed)
    QVERIFY(!climate()->winterPeriod());
    climate()->setWinterPeriod(true);
    type(climate()->humidityEdit(), QStringLiteral("85"));
    type(climate()->resistanceEdit(), QStringLiteral("0.06"));
    type(assessment()->condensationTimeEdit(),
         QString::number(m_project->inputData().climate().tT()));
    // finishing an edit without typing (focus moving on) makes no entry either
    emit climate()->temperatureEdit()->editingFinished();
    QCOMPARE(m_stack->count(), 0);

    // values of no preset show the first entry, and choosing it applies it
    QComboBox *combo = climate()->presetComboBox();
    QCOMPARE(combo->currentIndex(), 0);
    choose(combo, 0);
    QCOMPARE(m_stack->count(), 1);
    ClimateCondition first;
    ClimatePresets::copyPreset(combo->itemData(0).toInt(), Climate::Outside, first);
    QCOMPARE(m_project->inputData().climate().outsideWinter().m_rh, first.m_rh);
}

void tst_ClimateEditors::invalidValueMakesNoEntry()
{
    typeCustomClimate(*m_project);
    const Climate before = m_project->inputData().climate();
    for (const char *text : {"abc", "100.5", "-0.1", "-3"})
        type(climate()->humidityEdit(), QLatin1String(text));
    QCOMPARE(climate()->humidityEdit()->toolTip(),
             QStringLiteral("The relative humidity must lie between 0 % and 100 %."));
    QCOMPARE(m_stack->count(), 0);
    QVERIFY(identical(m_project->inputData().climate(), before));
}

void tst_ClimateEditors::refusedValueIsPutBackOnLeaving()
{
    typeCustomClimate(*m_project);
    QApplication::setActiveWindow(m_widget.get());
    QtExt::ValidatingLineEdit *edit = climate()->humidityEdit();
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    const QString held = edit->text();
    QTest::keyClicks(edit, QStringLiteral("120"));
    // Enter keeps the refused text for correction, with the reason in words
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(edit->hasFocus());
    QCOMPARE(edit->text(), QStringLiteral("120"));
    QVERIFY(climate()->messageLine()->plainText().contains(
        QStringLiteral("The relative humidity must lie between 0 % and 100 %.")));
    // leaving the field puts back what the project holds and says what was not taken
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(edit->text(), held);
    QVERIFY(climate()->messageLine()->plainText().contains(QStringLiteral("'120' was not taken")));
    QCOMPARE(m_stack->count(), 0);
    // a valid value is taken
    edit->setFocus();
    QTRY_VERIFY(edit->hasFocus());
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("55"));
    QTest::keyClick(edit, Qt::Key_Tab);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(m_stack->count(), 1);
}

void tst_ClimateEditors::presetWithTheSameValuesMakesNoEntry()
{
    // Under custom conditions two outdoor presets share their values (DIN 4108-3 2001 boundary
    // to outside, DIN EN ISO 6946); choosing the other one changes nothing.
    typeCustomClimate(*m_project);
    m_widget->setSide(false);
    QComboBox *combo = climate()->presetComboBox();
    choose(combo, combo->findText(ClimatePresets::presetName(11, Climate::Outside)));
    QCOMPARE(m_stack->count(), 1);
    const Climate before = m_project->inputData().climate();
    const int other = combo->findText(ClimatePresets::presetName(16, Climate::Outside));
    QVERIFY(other >= 0);
    choose(combo, other);
    QCOMPARE(m_stack->count(), 1);
    QVERIFY(identical(m_project->inputData().climate(), before));
    QCOMPARE(combo->currentText(), ClimatePresets::presetName(11, Climate::Outside));
}

void tst_ClimateEditors::customChoiceOfDINValuesStays()
{
    // a new project has the DIN 4108-3 (2014) climate; custom conditions make it editable
    QCOMPARE(m_project->inputData().climate().assessmentCondition(), 2);
    QVERIFY(!climate()->temperatureEdit()->isEnabled());
    choose(assessment()->assessmentTypeComboBox(), 0);
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_project->inputData().climate().assessmentCondition(), 0);
    QCOMPARE(assessment()->assessmentTypeComboBox()->currentData().toInt(), 0);
    QVERIFY(climate()->temperatureEdit()->isEnabled());
    QVERIFY(assessment()->condensationTimeEdit()->isEnabled());
    type(climate()->temperatureEdit(), QStringLiteral("21"));
    QCOMPARE(m_stack->count(), 2);
    QCOMPARE(m_project->inputData().climate().insideWinter().m_T, 21.0);
    QCOMPARE(m_project->inputData().climate().assessmentCondition(), 0);
}

void tst_ClimateEditors::presetUnderCustomKeepsTheOtherSide()
{
    typeCustomClimate(*m_project);
    const Climate before = m_project->inputData().climate();
    m_widget->setSide(true);
    QComboBox *combo = climate()->presetComboBox();
    const int index = combo->findText(ClimatePresets::presetName(5, Climate::Inside));
    QVERIFY(index >= 0);
    choose(combo, index);
    QCOMPARE(m_stack->count(), 1);
    const Climate &after = m_project->inputData().climate();
    // the typed cold side stays
    QVERIFY(sameCondition(after.outsideWinter(), before.outsideWinter()));
    QVERIFY(sameCondition(after.outsideSummer(), before.outsideSummer()));
    ClimateCondition preset;
    ClimatePresets::copyPreset(5, Climate::Inside, preset);
    QCOMPARE(after.insideWinter().m_T, preset.m_T);
    QCOMPARE(after.insideWinter().m_Rs, preset.m_Rs);
    QCOMPARE(combo->currentText(), ClimatePresets::presetName(5, Climate::Inside));
    m_stack->undo();
    QVERIFY(identical(m_project->inputData().climate(), before));
    QCOMPARE(climate()->temperatureEdit()->value(), 22.0);
}

void tst_ClimateEditors::undoShowsThePeriodOfTheEdit()
{
    typeCustomClimate(*m_project);
    climate()->setWinterPeriod(false);
    type(climate()->temperatureEdit(), QStringLiteral("18"));
    QCOMPARE(m_stack->count(), 1);
    climate()->setWinterPeriod(true);
    m_stack->undo();
    QVERIFY(!climate()->winterPeriod());
    QCOMPARE(climate()->temperatureEdit()->text(),
             QString::number(m_project->inputData().climate().insideSummer().m_T, 'g', 6));
    climate()->setWinterPeriod(true);
    m_stack->redo();
    QVERIFY(!climate()->winterPeriod());
    QCOMPARE(climate()->temperatureEdit()->value(), 18.0);
}

void tst_ClimateEditors::mainWindowShowsTheSideOfTheColumn()
{
    QTemporaryDir home;
    QVERIFY(home.isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    Settings settings;
    MaterialList materials(QStringLiteral("en"), home.path(), home.path());
    ConstructionList constructions(QStringLiteral("en"), home.path());
    Project project;
    MainWindow window(AppContext{settings, materials, constructions, project, QStringLiteral("en")},
                      nullptr);
    window.show();
    project.createNew(wall(), ProjectInformation());
    typeCustomClimate(project);
    // the window showed the cold side's summer, where the last value was typed
    QVERIFY(!window.assessmentClimateWidget()->climateEditWidget()->warmSide());
    QVERIFY(!window.assessmentClimateWidget()->climateEditWidget()->winterPeriod());
    window.assessmentClimateWidget()->climateEditWidget()->setWinterPeriod(true);
    auto *stacked =
        window.findChild<QStackedWidget *>(QStringLiteral("stackedWidgetClimateMaterial"));
    AssessmentClimateWidget *page = window.assessmentClimateWidget();
    QCOMPARE(page->objectName(), QStringLiteral("climatePage"));
    // the page of the stack scrolls the editor when the window is small
    QVERIFY(stacked->widget(1)->isAncestorOf(page));
    ConstructionTableWidget *table = window.constructionTable();
    const int last = table->columnCount() - 1;

    table->setCurrentCell(0, 0);
    QCOMPARE(stacked->currentIndex(), 1);
    QVERIFY(page->climateEditWidget()->warmSide());
    QCOMPARE(page->climateEditWidget()->temperatureEdit()->value(), 22.0);
    table->setCurrentCell(0, 1);
    QCOMPARE(stacked->currentIndex(), 0);
    table->setCurrentCell(0, last);
    QCOMPARE(stacked->currentIndex(), 1);
    QVERIFY(!page->climateEditWidget()->warmSide());
    QCOMPARE(page->climateEditWidget()->humidityEdit()->value(), 85.0);

    // an edit on the cold side, undone from the warm side: the table returns to the cold side
    type(page->climateEditWidget()->humidityEdit(), QStringLiteral("75"));
    QCOMPARE(window.undoStack().count(), 1);
    table->setCurrentCell(0, 0);
    window.undoStack().undo();
    QCOMPARE(table->currentColumn(), last);
    QVERIFY(!page->climateEditWidget()->warmSide());
    QCOMPARE(page->climateEditWidget()->humidityEdit()->value(), 85.0);
    project.close();
}

void tst_ClimateEditors::constructionKindIsOneUndoEntry()
{
    QComboBox *kinds = assessment()->constructionKindComboBox();
    QCOMPARE(kinds->objectName(), QStringLiteral("comboBoxConstructionKind"));
    QCOMPARE(kinds->count(), int(ConstructionKinds::all().size()));
    QCOMPARE(kinds->currentData().toInt(), int(ConstructionKind::ExternalWall));
    QSignalSpy status(assessment(), &AssessmentTypeWidget::statusMessage);

    const int roof = kinds->findData(int(ConstructionKind::PitchedRoof));
    kinds->setCurrentIndex(roof);
    emit kinds->activated(roof);
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_project->constructionKind(), ConstructionKind::PitchedRoof);
    QCOMPARE(m_project->heatFlowDirection(), HeatFlowDirection::Upwards);
    QCOMPARE(m_project->inputData().climate().psat_summer(), 2000.0);
    QCOMPARE(m_project->inputData().climate().assessmentCondition(), int(Climate::AC_DIN4108_2014));
    QCOMPARE(status.count(), 1);
    const QString said = status.at(0).at(0).toString();
    QVERIFY2(said.contains(QStringLiteral("heat flow upwards")) &&
                 said.contains(QStringLiteral("2000 Pa")),
             qPrintable(said));
    // the row of the minimum resistance follows the kind
    QCOMPARE(assessment()->minimumResistanceComboBox()->currentData().toInt(), 13);

    // the same kind again: nothing to push, but the status bar still says so
    emit kinds->activated(roof);
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(status.count(), 2);

    m_stack->undo();
    QCOMPARE(m_project->constructionKind(), ConstructionKind::ExternalWall);
    QCOMPARE(m_project->heatFlowDirection(), HeatFlowDirection::Horizontal);
    QCOMPARE(m_project->inputData().climate().psat_summer(), 1700.0);
    QCOMPARE(kinds->currentData().toInt(), int(ConstructionKind::ExternalWall));
    QCOMPARE(assessment()->minimumResistanceComboBox()->currentData().toInt(),
             ProjectInformation::NoMinimumResistanceType);
}

void tst_ClimateEditors::minimumResistanceRowIsOneUndoEntry()
{
    QComboBox *rows = assessment()->minimumResistanceComboBox();
    QCOMPARE(rows->objectName(), QStringLiteral("comboBoxMinimumResistanceType"));
    QCOMPARE(rows->itemData(0).toInt(), ProjectInformation::NoMinimumResistanceType);
    const int staircase = rows->findData(17);
    QVERIFY(staircase > 0);
    QVERIFY(rows->itemText(staircase).contains(QStringLiteral("5.2")));
    rows->setCurrentIndex(staircase);
    emit rows->activated(staircase);
    QCOMPARE(m_stack->count(), 1);
    QCOMPARE(m_project->minimumResistanceType(), 17);
    QCOMPARE(m_project->constructionKind(), ConstructionKind::ExternalWall);
    m_stack->undo();
    QCOMPARE(m_project->minimumResistanceType(), ProjectInformation::NoMinimumResistanceType);
    QCOMPARE(rows->currentIndex(), 0);
}

M2_TEST_MAIN(tst_ClimateEditors)
#include "tst_ClimateEditors.moc"
