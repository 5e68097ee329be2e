// The project object: its lifecycle, the edit operations with their announcements and
// synchronous recalculation, loading that never leaves a half-read document, and the project
// information with its settings group.

#include "TestSupport.h"

#include "calculation/ResultType.h"
#include "document/Project.h"
#include "persistence/ProjectFileXml.h"
#include "settings/DefaultProjectSettings.h"

#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>

namespace {

Material brick()
{
    Material m;
    m.m_name = QStringLiteral("Brick");
    m.m_category = 2;
    m.m_rho = 1800;
    m.m_lambda = 0.81;
    m.m_mu = m.m_mu_min = m.m_mu_max = 10;
    m.m_w_80 = 0.0031;
    m.m_w_sat = 0.188;
    m.m_A_w = 0.18;
    m.m_color = QColor(190, 90, 60);
    return m;
}

Material insulation()
{
    Material m = brick();
    m.m_name = QStringLiteral("Insulation");
    m.m_category = 5;
    m.m_rho = 20;
    m.m_lambda = 0.035;
    m.m_mu = m.m_mu_min = m.m_mu_max = 100;
    m.m_w_80 = 0.0002;
    m.m_w_sat = 0.05;
    m.m_A_w = 0.00001;
    return m;
}

} // namespace

// Records every announcement of a project.
struct Announcements
{
    explicit Announcements(Project &project)
    {
        QObject::connect(&project, &Project::changed, [this](ProjectChanges c, int select) {
            changes << c;
            selections << select;
        });
    }
    void clear()
    {
        changes.clear();
        selections.clear();
    }
    QList<ProjectChanges> changes;
    QList<int> selections;
};

// A project with a brick wall insulated outside (no condensate).
void makeWall(Project &project)
{
    InputData input;
    input.insertLayer(0, MaterialLayer(brick(), 0.24));
    input.insertLayer(1, MaterialLayer(insulation(), 0.1));
    project.createNew(input, ProjectInformation());
}

class tst_Project : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lifecycle();
    void editsAnnounceWhatTheyChanged_data();
    void editsAnnounceWhatTheyChanged();
    void rejectedEditsHaveNoEffect_data();
    void rejectedEditsHaveNoEffect();
    void layerOperationsSelect();
    void climateEditsNameTheirPeriods_data();
    void climateEditsNameTheirPeriods();
    void valueRulesAreTheEditRules_data();
    void valueRulesAreTheEditRules();
    void climatePresetKeepsTheOtherSide_data();
    void climatePresetKeepsTheOtherSide();
    void dinConditionKeepsItsPeriods_data();
    void dinConditionKeepsItsPeriods();
    void customChoiceOfDINValuesStays_data();
    void customChoiceOfDINValuesStays();
    void zeroWidthIsInvalidInput();
    void heatFlowDirectionReachesCalculation();
    void moistureDependentLambdaOption();
    void failedLoadLeavesDocumentUntouched();
    void saveAndLoadAnnounce();
    void projectInformationSettings();
    void projectInformationSettingsDefaults();
    void projectInformationXml();
};

void tst_Project::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void tst_Project::lifecycle()
{
    Project project;
    Announcements seen(project);
    QVERIFY(!project.hasProject());
    QVERIFY(!project.isModified());
    QCOMPARE(project.layerCount(), 0); // an empty document to read, not a crash
    QVERIFY(!project.insertLayer(0, MaterialLayer(brick(), 0.1))); // nothing to edit
    QVERIFY(seen.changes.isEmpty());

    project.createNew();
    QVERIFY(project.hasProject());
    QVERIFY(project.fileName().isEmpty());
    QCOMPARE(project.inputData().layerCount(), 0);
    QCOMPARE(project.inputData().status(), InputStatus::Valid);
    QCOMPARE(project.inputData().climate().assessmentCondition(), int(Climate::AC_DIN4108_2014));
    QCOMPARE(project.projectInformation(), ProjectInformation());
    QCOMPARE(project.projectInformation().m_heatFlowDirection, HeatFlowDirection::Horizontal);
    QCOMPARE(project.results().type, ResultType::NoLayers);
    QCOMPARE(seen.changes.size(), 1);
    QVERIFY(seen.changes[0] & ProjectChange::Reset);

    QVERIFY(project.insertLayer(0, MaterialLayer(brick(), 0.24)));
    QVERIFY(project.isModified());

    seen.clear();
    project.close();
    QVERIFY(!project.hasProject());
    QVERIFY(!project.isModified());
    QCOMPARE(seen.changes.size(), 1);
    QVERIFY(seen.changes[0] & ProjectChange::Reset);
    QString message;
    QVERIFY(!project.save(QStringLiteral("/tmp/never.m2p"), &message));
    QCOMPARE(message, QStringLiteral("No project to save."));
}

namespace {

using Edit = std::function<bool(Project &)>;

} // namespace

Q_DECLARE_METATYPE(Edit)

void tst_Project::editsAnnounceWhatTheyChanged_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<int>("changes");
    QTest::addColumn<int>("select");

    const int construction = int(ProjectChange::Construction | ProjectChange::Results);
    const int climate = int(ProjectChange::Climate | ProjectChange::Results);
    QTest::newRow("insert") << Edit([](Project &p) {
        return p.insertLayer(1, MaterialLayer(brick(), 0.02));
    }) << construction << 2;
    QTest::newRow("remove") << Edit([](Project &p) { return p.removeLayers(1); }) << construction
                            << 1;
    QTest::newRow("move") << Edit([](Project &p) { return p.moveLayer(0, 1); }) << construction
                          << 2;
    QTest::newRow("material") << Edit([](Project &p) { return p.changeMaterial(1, brick()); })
                              << construction << 2;
    QTest::newRow("width") << Edit([](Project &p) {
        return p.setLayerValue(0, Project::LV_Width, 0.3);
    }) << construction << 1;
    QTest::newRow("mu") << Edit([](Project &p) { return p.setLayerValue(0, Project::LV_Mu, 0.1); })
                        << construction << 1;
    QTest::newRow("w_sat") << Edit([](Project &p) {
        return p.setLayerValue(0, Project::LV_WSat, 1);
    }) << construction << 1;
    QTest::newRow("name") << Edit([](Project &p) {
        return p.setLayerName(1, QStringLiteral("Mineral wool"));
    }) << int(ProjectChange::LayerAppearance)
                          << 2;
    QTest::newRow("colour") << Edit([](Project &p) { return p.setLayerColor(0, Qt::yellow); })
                            << int(ProjectChange::LayerAppearance) << 1;
    QTest::newRow("climate inside") << Edit([](Project &p) {
        return p.setClimateValue(Climate::Inside, Climate::Winter, Climate::Q_rh, 65);
    }) << climate << 0;
    QTest::newRow("climate outside") << Edit([](Project &p) {
        return p.setClimateValue(Climate::Outside, Climate::Winter, Climate::Q_T, -10);
    }) << climate << 3;
    QTest::newRow("whole climate") << Edit([](Project &p) {
        Climate climate = p.inputData().climate();
        climate.setValue(Climate::Outside, Climate::Both, Climate::Q_T, -3);
        return p.setClimate(climate, p.layerCount() + 1);
    }) << climate << 3;
    QTest::newRow("assessment type")
        << Edit([](Project &p) { return p.setAssessmentType(Climate::AC_Custom, 60, 90); })
        << climate << -1;
    QTest::newRow("heat flow") << Edit([](Project &p) {
        return p.setHeatFlowDirection(HeatFlowDirection::Downwards);
    }) << int(ProjectChange::HeatFlowDirection | ProjectChange::Results)
                               << -1;
    QTest::newRow("project information") << Edit([](Project &p) {
        ProjectInformation info = p.projectInformation();
        info.m_projectName = QStringLiteral("Renamed");
        return p.setProjectInformation(info);
    }) << int(ProjectChange::ProjectInformation)
                                         << -1;
    QTest::newRow("final remarks")
        << Edit([](Project &p) { return p.setFinalRemarks(QStringLiteral("Checked on site.")); })
        << int(ProjectChange::FinalRemarks) << -1;
}

void tst_Project::editsAnnounceWhatTheyChanged()
{
    QFETCH(Edit, edit);
    QFETCH(int, changes);
    QFETCH(int, select);

    Project project;
    makeWall(project);
    const CalculationResults before = project.results();
    Announcements seen(project);
    QVERIFY(!project.isModified());
    QVERIFY(edit(project));
    QVERIFY(project.isModified());
    // One announcement per edit, naming exactly what it changed.
    QCOMPARE(seen.changes.size(), 1);
    // (the climate periods an edit touched are checked on their own)
    const ProjectChanges periods = ProjectChange::WinterClimate | ProjectChange::SummerClimate;
    QCOMPARE(int(seen.changes[0] & ~(periods | ProjectChange::FileState)), changes);
    QCOMPARE(seen.selections, QList<int>{select});
    // Without new results announced, the results are those from before.
    if (!(seen.changes[0] & ProjectChange::Results))
        QVERIFY(project.results() == before);
}

void tst_Project::rejectedEditsHaveNoEffect_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::newRow("insert past the end")
        << Edit([](Project &p) { return p.insertLayer(3, MaterialLayer(brick(), 0.1)); });
    QTest::newRow("insert nothing")
        << Edit([](Project &p) { return p.insertLayers(0, std::vector<MaterialLayer>()); });
    QTest::newRow("remove too many") << Edit([](Project &p) { return p.removeLayers(1, 2); });
    QTest::newRow("remove negative") << Edit([](Project &p) { return p.removeLayers(-1); });
    QTest::newRow("move to itself") << Edit([](Project &p) { return p.moveLayer(1, 1); });
    QTest::newRow("move outside") << Edit([](Project &p) { return p.moveLayer(1, 2); });
    QTest::newRow("same material") << Edit([](Project &p) { return p.changeMaterial(0, brick()); });
    QTest::newRow("width zero") << Edit(
        [](Project &p) { return p.setLayerValue(0, Project::LV_Width, 0); });
    QTest::newRow("width negative")
        << Edit([](Project &p) { return p.setLayerValue(0, Project::LV_Width, -0.1); });
    QTest::newRow("same width") << Edit(
        [](Project &p) { return p.setLayerValue(0, Project::LV_Width, 0.24); });
    QTest::newRow("width not a number")
        << Edit([](Project &p) { return p.setLayerValue(0, Project::LV_Width, std::nan("")); });
    QTest::newRow("mu below 0.1") << Edit(
        [](Project &p) { return p.setLayerValue(0, Project::LV_Mu, 0.099); });
    QTest::newRow("w_80 at w_sat")
        << Edit([](Project &p) { return p.setLayerValue(0, Project::LV_W80, 0.188); });
    QTest::newRow("w_80 without room to 95 %")
        << Edit([](Project &p) { return p.setLayerValue(0, Project::LV_W80, 0.16); });
    QTest::newRow("width infinite") << Edit([](Project &p) {
        return p.setLayerValue(0, Project::LV_Width, std::numeric_limits<double>::infinity());
    });
    QTest::newRow("warm side colder in winter") << Edit([](Project &p) {
        return p.setClimateValue(Climate::Inside, Climate::Winter, Climate::Q_T, -6);
    });
    QTest::newRow("cold side warmer in winter") << Edit([](Project &p) {
        return p.setClimateValue(Climate::Outside, Climate::Winter, Climate::Q_T, 20.5);
    });
    QTest::newRow("w_sat above 1")
        << Edit([](Project &p) { return p.setLayerValue(0, Project::LV_WSat, 1.0001); });
    QTest::newRow("lambda zero") << Edit(
        [](Project &p) { return p.setLayerValue(0, Project::LV_Lambda, 0); });
    QTest::newRow("layer out of range")
        << Edit([](Project &p) { return p.setLayerValue(2, Project::LV_Lambda, 1); });
    QTest::newRow("invalid colour")
        << Edit([](Project &p) { return p.setLayerColor(0, QColor()); });
    QTest::newRow("temperature too high") << Edit([](Project &p) {
        return p.setClimateValue(Climate::Inside, Climate::Winter, Climate::Q_T, 80.5);
    });
    QTest::newRow("humidity above 100") << Edit([](Project &p) {
        return p.setClimateValue(Climate::Inside, Climate::Summer, Climate::Q_rh, 101);
    });
    QTest::newRow("surface resistance zero") << Edit([](Project &p) {
        return p.setClimateValue(Climate::Outside, Climate::Winter, Climate::Q_Rs, 0);
    });
    QTest::newRow("unknown preset")
        << Edit([](Project &p) { return p.applyClimatePreset(Climate::Inside, 999); });
    QTest::newRow("period zero") << Edit(
        [](Project &p) { return p.setAssessmentType(Climate::AC_Custom, 0, 90); });
    QTest::newRow("unknown assessment")
        << Edit([](Project &p) { return p.setAssessmentType(7, 90, 90); });
    QTest::newRow("same heat flow")
        << Edit([](Project &p) { return p.setHeatFlowDirection(HeatFlowDirection::Horizontal); });
    QTest::newRow("same remarks") << Edit([](Project &p) { return p.setFinalRemarks(QString()); });
}

void tst_Project::rejectedEditsHaveNoEffect()
{
    QFETCH(Edit, edit);
    Project project;
    makeWall(project);
    const InputData input = project.inputData();
    const ProjectInformation info = project.projectInformation();
    const CalculationResults results = project.results();
    Announcements seen(project);
    QVERIFY(!edit(project));
    QVERIFY(!project.isModified());
    QVERIFY(seen.changes.isEmpty());
    QVERIFY(project.inputData() == input);
    QCOMPARE(project.inputData().climate().assessmentCondition(),
             input.climate().assessmentCondition());
    QVERIFY(project.projectInformation() == info);
    QVERIFY(project.results() == results);
}

void tst_Project::climateEditsNameTheirPeriods_data()
{
    QTest::addColumn<Edit>("edit");
    QTest::addColumn<bool>("winter");
    QTest::addColumn<bool>("summer");
    QTest::newRow("winter humidity") << Edit([](Project &p) {
        return p.setClimateValue(Climate::Inside, Climate::Winter, Climate::Q_rh, 65);
    }) << true << false;
    QTest::newRow("summer temperature") << Edit([](Project &p) {
        return p.setClimateValue(Climate::Outside, Climate::Summer, Climate::Q_T, 15);
    }) << false << true;
    QTest::newRow("surface resistance of both") << Edit([](Project &p) {
        return p.setClimateValue(Climate::Outside, Climate::Both, Climate::Q_Rs, 0.08);
    }) << true << true;
    QTest::newRow("whole record, summer only") << Edit([](Project &p) {
        Climate climate = p.inputData().climate();
        climate.setValue(Climate::Inside, Climate::Summer, Climate::Q_rh, 55);
        return p.setClimate(climate, 0);
    }) << false << true;
}

void tst_Project::climateEditsNameTheirPeriods()
{
    // An editor shows the period of an edit that is undone or redone from these flags.
    QFETCH(Edit, edit);
    QFETCH(bool, winter);
    QFETCH(bool, summer);
    Project project;
    makeWall(project);
    QVERIFY(project.setAssessmentType(Climate::AC_Custom, 90, 90));
    Announcements seen(project);
    QVERIFY(edit(project));
    QCOMPARE(seen.changes.size(), 1);
    QVERIFY(seen.changes[0] & ProjectChange::Climate);
    QCOMPARE(seen.changes[0].testFlag(ProjectChange::WinterClimate), winter);
    QCOMPARE(seen.changes[0].testFlag(ProjectChange::SummerClimate), summer);
}

void tst_Project::valueRulesAreTheEditRules_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    const double inf = std::numeric_limits<double>::infinity();
    const struct
    {
        const char *name;
        Project::LayerValue kind;
        double value;
    } rows[] = {
        {"mu 0.1", Project::LV_Mu, 0.1},
        {"mu 0.099", Project::LV_Mu, 0.099},
        {"mu 0", Project::LV_Mu, 0},
        {"mu inf", Project::LV_Mu, inf},
        {"w_80 0.1", Project::LV_W80, 0.1},
        {"w_80 0.16", Project::LV_W80, 0.16},
        {"w_80 0", Project::LV_W80, 0},
        {"w_sat 1", Project::LV_WSat, 1},
        {"w_sat 1.0001", Project::LV_WSat, 1.0001},
        {"w_sat 0.003", Project::LV_WSat, 0.003},
        {"lambda 0.035", Project::LV_Lambda, 0.035},
        {"lambda 0", Project::LV_Lambda, 0},
        {"lambda -1", Project::LV_Lambda, -1},
        {"A_w 0", Project::LV_Aw, 0},
        {"A_w 0.1", Project::LV_Aw, 0.1},
        {"width 0.3", Project::LV_Width, 0.3},
        {"width 0", Project::LV_Width, 0},
        {"width nan", Project::LV_Width, std::nan("")},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << int(row.kind) << row.value;
}

void tst_Project::valueRulesAreTheEditRules()
{
    // The question that fields and commands ask has the answer that the edit gives, and every
    // refusal says why.
    QFETCH(int, kind);
    QFETCH(double, value);
    Project project;
    makeWall(project);
    QString reason;
    const bool accepted = project.acceptsLayerValue(0, Project::LayerValue(kind), value, &reason);
    QCOMPARE(project.setLayerValue(0, Project::LayerValue(kind), value), accepted);
    QCOMPARE(reason.isEmpty(), accepted);
    if (accepted)
        QCOMPARE(project.layerValue(0, Project::LayerValue(kind)), value);
}

void tst_Project::layerOperationsSelect()
{
    // The selections the undo commands of the construction table rely on: undoing an added
    // construction of k layers removes exactly those k, and an explicit selection wins.
    Project project;
    makeWall(project);
    Announcements seen(project);
    const std::vector<MaterialLayer> three{MaterialLayer(brick(), 0.01),
                                           MaterialLayer(brick(), 0.01),
                                           MaterialLayer(insulation(), 0.02)};
    QVERIFY(project.insertLayers(1, three));
    QCOMPARE(project.layerCount(), 5);
    QCOMPARE(seen.selections.last(), 2);
    QVERIFY(project.removeLayers(1, 3, 2));
    QCOMPARE(project.layerCount(), 2);
    QCOMPARE(project.inputData().layer(1).m_name, QStringLiteral("Insulation"));
    QCOMPARE(project.inputData().layer(1).m_width, 0.1);
    QCOMPARE(seen.selections.last(), 2);
    // Removing the last layer selects the one before it.
    QVERIFY(project.removeLayers(1));
    QCOMPARE(seen.selections.last(), 1);
    // A move selects the layer at its new place; moving back restores the order.
    QVERIFY(project.insertLayer(1, MaterialLayer(insulation(), 0.1)));
    QVERIFY(project.moveLayer(1, 0));
    QCOMPARE(seen.selections.last(), 1);
    QCOMPARE(project.inputData().layer(0).m_name, QStringLiteral("Insulation"));
    QVERIFY(project.moveLayer(0, 1));
    QCOMPARE(project.inputData().layer(0).m_name, QStringLiteral("Brick"));
}

void tst_Project::climatePresetKeepsTheOtherSide_data()
{
    QTest::addColumn<int>("condition");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("preset");
    QTest::addColumn<bool>("accepted");

    const int in = Climate::Inside;
    const int out = Climate::Outside;
    QTest::newRow("custom, outdoor preset") << int(Climate::AC_Custom) << out << 11 << true;
    QTest::newRow("custom, custom outdoor preset") << int(Climate::AC_Custom) << out << 0 << true;
    QTest::newRow("custom, indoor preset") << int(Climate::AC_Custom) << in << 6 << true;
    QTest::newRow("custom, custom indoor preset") << int(Climate::AC_Custom) << in << 0 << true;
    QTest::newRow("custom, outdoor preset inside") << int(Climate::AC_Custom) << in << 11 << false;
    QTest::newRow("custom, preset never offered") << int(Climate::AC_Custom) << out << 15 << false;
    QTest::newRow("2001, indoor downwards") << int(Climate::AC_DIN4108_2001) << in << 2 << true;
    QTest::newRow("2001, ventilated air space")
        << int(Climate::AC_DIN4108_2001) << out << 12 << true;
}

void tst_Project::climatePresetKeepsTheOtherSide()
{
    QFETCH(int, condition);
    QFETCH(int, side);
    QFETCH(int, preset);
    QFETCH(bool, accepted);

    Project project;
    makeWall(project);
    if (condition == Climate::AC_Custom) {
        // Values typed at both sides that match no preset.
        QVERIFY(project.setClimateValue(Climate::Inside, Climate::Winter, Climate::Q_T, 22));
        QVERIFY(project.setClimateValue(Climate::Outside, Climate::Winter, Climate::Q_rh, 85));
    } else {
        QVERIFY(project.setAssessmentType(condition, 60, 90));
    }
    QCOMPARE(project.inputData().climate().assessmentCondition(), condition);
    const Climate before = project.inputData().climate();
    Announcements seen(project);

    const Climate::Side presetSide = Climate::Side(side);
    QCOMPARE(project.applyClimatePreset(presetSide, preset), accepted);
    const Climate &after = project.inputData().climate();
    if (!accepted) {
        QVERIFY(seen.changes.isEmpty());
        QVERIFY(after == before);
        return;
    }
    QCOMPARE(seen.selections, QList<int>{presetSide == Climate::Inside ? 0 : 3});
    QCOMPARE(after.assessmentCondition(), condition);
    ClimateCondition expected;
    QVERIFY(ClimatePresets::copyPreset(preset, side, expected));
    const auto same = [](const ClimateCondition &a, const ClimateCondition &b) {
        return a.m_T == b.m_T && a.m_rh == b.m_rh && a.m_Rs == b.m_Rs && a.m_kind == b.m_kind &&
               a.m_side == b.m_side;
    };
    const bool inside = presetSide == Climate::Inside;
    QVERIFY(same(inside ? after.insideWinter() : after.outsideWinter(), expected));
    QVERIFY(same(inside ? after.outsideWinter() : after.insideWinter(),
                 inside ? before.outsideWinter() : before.insideWinter()));
    if (condition == Climate::AC_Custom) {
        QVERIFY(same(after.insideSummer(), before.insideSummer()));
        QVERIFY(same(after.outsideSummer(), before.outsideSummer()));
    } else {
        // A DIN condition takes the summer surface resistances from the winter ones.
        QCOMPARE(after.insideSummer().m_Rs, after.insideWinter().m_Rs);
        QCOMPARE(after.outsideSummer().m_Rs, after.outsideWinter().m_Rs);
    }
    QCOMPARE(after.tT(), before.tT());
    QCOMPARE(after.tT_summer(), before.tT_summer());
}

void tst_Project::dinConditionKeepsItsPeriods_data()
{
    QTest::addColumn<int>("condition");
    QTest::addColumn<double>("tT");
    QTest::addColumn<double>("tT_summer");
    QTest::newRow("custom") << int(Climate::AC_Custom) << 75.0 << 80.0;
    QTest::newRow("DIN 4108-3 2001") << int(Climate::AC_DIN4108_2001) << 60.0 << 90.0;
    QTest::newRow("DIN 4108-3 2014") << int(Climate::AC_DIN4108_2014) << 90.0 << 90.0;
}

void tst_Project::dinConditionKeepsItsPeriods()
{
    // The assessment-type editor passes the lengths it shows for the custom condition along
    // with the choice of a DIN condition; the DIN condition's own lengths must win.
    QFETCH(int, condition);
    QFETCH(double, tT);
    QFETCH(double, tT_summer);
    Project project;
    makeWall(project);
    QVERIFY(project.setClimateValue(Climate::Inside, Climate::Winter, Climate::Q_T, 22));
    QVERIFY(project.setAssessmentType(Climate::AC_Custom, 75, 80));
    QCOMPARE(project.inputData().climate().assessmentCondition(), int(Climate::AC_Custom));
    QCOMPARE(project.setAssessmentType(condition, 75, 80), condition != Climate::AC_Custom);
    const Climate &climate = project.inputData().climate();
    QCOMPARE(climate.assessmentCondition(), condition);
    QCOMPARE(climate.tT(), tT);
    QCOMPARE(climate.tT_summer(), tT_summer);
}

void tst_Project::customChoiceOfDINValuesStays_data()
{
    QTest::addColumn<int>("condition");
    QTest::newRow("DIN 4108-3 2001") << int(Climate::AC_DIN4108_2001);
    QTest::newRow("DIN 4108-3 2014") << int(Climate::AC_DIN4108_2014);
}

void tst_Project::customChoiceOfDINValuesStays()
{
    // Custom conditions chosen for DIN values keep the values; recognition must not turn the
    // choice back into the DIN condition, or the values could never be edited.
    QFETCH(int, condition);
    Project project;
    makeWall(project);
    project.setAssessmentType(condition, 90, 90);
    QCOMPARE(project.inputData().climate().assessmentCondition(), condition);
    const Climate before = project.inputData().climate();
    const double tT = before.tT();
    QVERIFY(project.setAssessmentType(Climate::AC_Custom, tT, before.tT_summer()));
    const Climate &after = project.inputData().climate();
    QCOMPARE(after.assessmentCondition(), int(Climate::AC_Custom));
    QVERIFY(after == before); // the values are those of the DIN condition
    // an edit of a value recognises the condition from the values again
    QVERIFY(project.setClimateValue(Climate::Inside, Climate::Winter, Climate::Q_T, 21));
    QCOMPARE(project.inputData().climate().assessmentCondition(), int(Climate::AC_Custom));
    QVERIFY(project.setClimateValue(Climate::Inside, Climate::Winter, Climate::Q_T, 20));
    QCOMPARE(project.inputData().climate().assessmentCondition(), condition);
}

void tst_Project::zeroWidthIsInvalidInput()
{
    // A layer of width 0 read from a file is invalid input.
    InputData input;
    input.insertLayer(0, MaterialLayer(brick(), 0.24));
    input.insertLayer(1, MaterialLayer(insulation(), 0));
    Project project;
    project.createNew(input, ProjectInformation());
    QCOMPARE(project.inputData().status(), InputStatus::InvalidWidth);
    QCOMPARE(project.results().type, ResultType::InvalidInput);
    // Repairing it through an edit recalculates.
    QVERIFY(project.setLayerValue(1, Project::LV_Width, 0.1));
    QCOMPARE(project.inputData().status(), InputStatus::Valid);
    QCOMPARE(project.results().type, ResultType::NoCondensation);
    QVERIFY(project.messages().isEmpty());
}

void tst_Project::heatFlowDirectionReachesCalculation()
{
    // An air layer of 40 mm: R = 0.18 m²K/W horizontally, 0.16 upwards (DIN EN ISO 6946).
    Material air = brick();
    air.m_name = QStringLiteral("Air");
    air.m_category = 12;
    air.m_lambda = 0.025;
    air.m_mu = air.m_mu_min = air.m_mu_max = 1;
    air.m_w_80 = 0.0001;
    air.m_w_sat = 0.001;
    air.m_A_w = 0;
    air.setFlags(true, false, false, false);
    Project project;
    project.createNew();
    QVERIFY(project.insertLayer(0, MaterialLayer(brick(), 0.24)));
    QVERIFY(project.insertLayer(1, MaterialLayer(air, 0.04)));
    M2_COMPARE_REL(project.results().R_Glaser.at(1), 0.18, 1e-12);
    QVERIFY(project.setHeatFlowDirection(HeatFlowDirection::Upwards));
    QCOMPARE(project.calculationOptions().heatFlowDirection, HeatFlowDirection::Upwards);
    M2_COMPARE_REL(project.results().R_Glaser.at(1), 0.16, 1e-12);
    // Through the project information as well.
    ProjectInformation info = project.projectInformation();
    info.m_heatFlowDirection = HeatFlowDirection::Horizontal;
    QVERIFY(project.setProjectInformation(info));
    M2_COMPARE_REL(project.results().R_Glaser.at(1), 0.18, 1e-12);
}

void tst_Project::moistureDependentLambdaOption()
{
    Project project;
    QVERIFY(project.moistureDependentLambda());
    QVERIFY(project.calculationOptions().moistureDependentLambda);
    project.setMoistureDependentLambda(false);
    QVERIFY(!project.calculationOptions().moistureDependentLambda);
    // With an open project the change recalculates and announces new results, without making
    // the project modified.
    makeWall(project);
    Announcements seen(project);
    project.setMoistureDependentLambda(true);
    QCOMPARE(seen.changes.size(), 1);
    QCOMPARE(seen.changes[0], ProjectChanges(ProjectChange::Results));
    QVERIFY(!project.isModified());
    project.setMoistureDependentLambda(true);
    QCOMPARE(seen.changes.size(), 1);
}

void tst_Project::failedLoadLeavesDocumentUntouched()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    Project project;
    makeWall(project);
    const QString good = dir.filePath(QStringLiteral("good.m2p"));
    QVERIFY(project.save(good));
    QVERIFY(project.setLayerValue(0, Project::LV_Width, 0.3));
    const InputData before = project.inputData();
    const CalculationResults results = project.results();

    // A copy cut off in the middle of the second layer.
    QFile file(good);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const int cut = bytes.lastIndexOf("<Layer") + 20;
    QVERIFY(cut > 20);
    const QString truncated = dir.filePath(QStringLiteral("truncated.m2p"));
    QFile out(truncated);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes.left(cut));
    out.close();

    Announcements seen(project);
    QString message;
    QVERIFY(!project.load(truncated, &message));
    QVERIFY(!message.isEmpty());
    QVERIFY(seen.changes.isEmpty());
    QVERIFY(project.inputData() == before);
    QVERIFY(project.results() == results);
    QCOMPARE(project.fileName(), good);
    QVERIFY(project.isModified());
}

void tst_Project::saveAndLoadAnnounce()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("wall.m2p"));
    Project project;
    makeWall(project);
    QVERIFY(project.setLayerValue(1, Project::LV_Width, 0.12));
    Announcements seen(project);
    QVERIFY(project.save(path));
    QCOMPARE(project.fileName(), path);
    QVERIFY(!project.isModified());
    QCOMPARE(seen.changes, QList<ProjectChanges>{ProjectChange::FileState});

    Project other;
    Announcements loaded(other);
    QVERIFY(other.load(path));
    QCOMPARE(other.fileName(), path);
    QVERIFY(!other.isModified());
    QCOMPARE(loaded.changes.size(), 1);
    QVERIFY(loaded.changes[0] & ProjectChange::Reset);
    QVERIFY(other.inputData() == project.inputData());
    QVERIFY(other.results() == project.results());
}

void tst_Project::projectInformationSettings()
{
    QTemporaryDir dir;
    QSettings s(dir.filePath("s.ini"), QSettings::IniFormat);
    ProjectInformation info;
    info.m_projectName = QStringLiteral("P");
    info.m_constructionID = QStringLiteral("C");
    info.m_userName = QStringLiteral("U");
    info.m_company = QStringLiteral("Co");
    info.m_description = QStringLiteral("D");
    info.m_disclaimerText = QStringLiteral("Disc");
    info.m_heatFlowDirection = HeatFlowDirection::Downwards;
    s.beginGroup("ProjectDefaults");
    info.writeSettings(s);
    s.endGroup();
    QCOMPARE(s.value("ProjectDefaults/DefaultProjectSettings/Company").toString(),
             QStringLiteral("Co"));
    QCOMPARE(s.value("ProjectDefaults/DefaultProjectSettings/HeatFlowDirection").toInt(), 0);

    ProjectInformation back;
    s.beginGroup("ProjectDefaults");
    back.readSettings(s);
    s.endGroup();
    QCOMPARE(back, info);
    QCOMPARE(ProjectInformation::fromDefaults(info.toDefaults()), info);
}

void tst_Project::projectInformationSettingsDefaults()
{
    QTemporaryDir dir;
    QSettings s(dir.filePath("empty.ini"), QSettings::IniFormat);
    ProjectInformation info;
    info.m_company = QStringLiteral("to be replaced");
    info.m_heatFlowDirection = HeatFlowDirection::Upwards;
    info.readSettings(s);
    QVERIFY(info.m_projectName.isEmpty());
    QVERIFY(info.m_company.isEmpty());
    QCOMPARE(info.m_heatFlowDirection, HeatFlowDirection::Horizontal);
}

void tst_Project::projectInformationXml()
{
    ProjectInformation info;
    info.m_projectName = QStringLiteral("Name & <Co>");
    info.m_description = QStringLiteral("two\nlines");
    info.m_heatFlowDirection = HeatFlowDirection::Downwards;
    QByteArray xml;
    {
        QXmlStreamWriter w(&xml);
        w.setAutoFormatting(true);
        w.setAutoFormattingIndent(4);
        ProjectFileXml::writeXML(w, info);
    }
    // the seven values as text elements, in this order
    const QByteArray expected = "<ProjectInformation>\n"
                                "    <ProjectName>Name &amp; &lt;Co&gt;</ProjectName>\n"
                                "    <ConstructionID></ConstructionID>\n"
                                "    <UserName></UserName>\n"
                                "    <Company></Company>\n"
                                "    <Description>two\nlines</Description>\n"
                                "    <DisclaimerText></DisclaimerText>\n"
                                "    <HeatFlowDirection>0</HeatFlowDirection>\n"
                                "</ProjectInformation>\n";
    QCOMPARE(QString::fromUtf8(xml.trimmed()), QString::fromUtf8(expected.trimmed()));
    QXmlStreamReader r(xml);
    QVERIFY(r.readNextStartElement());
    ProjectInformation back;
    back.m_company = QStringLiteral("replaced by the empty element");
    ProjectFileXml::readXML(r, back);
    QVERIFY(!r.hasError());
    QCOMPARE(back, info);
}

M2_TEST_GUILESS_MAIN(tst_Project)
#include "tst_Project.moc"
