// The undo commands without any widget: each is pushed onto an undo stack, undone and redone,
// and after every step the project holds exactly the document expected, announces the table
// column to select and stays modified. Then the rules that decide whether a command is worth
// pushing, and the cases where the undo of a command must restore more than one value.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "document/Project.h"
#include "persistence/Construction.h"
#include "ui/commands/M2_UndoClimate.h"
#include "ui/commands/M2_UndoConstruction.h"
#include "ui/commands/M2_UndoLayerProperties.h"
#include "ui/commands/M2_UndoProject.h"

#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>

namespace {

Material brick()
{
    Material m = TestMaterials::material("Brick", 0.81, 10, 0.05, 0.2, 0.18, 2);
    m.m_color = QColor(190, 90, 60);
    return m;
}

Material insulation()
{
    Material m = TestMaterials::material("Mineral wool", 0.035, 1, 0.0002, 0.05, 0.00001, 5);
    m.m_color = QColor(250, 230, 120);
    return m;
}

Material plaster()
{
    Material m = TestMaterials::material("Lime plaster", 0.7, 12, 0.03, 0.25, 0.05, 1);
    m.m_color = QColor(230, 230, 230);
    return m;
}

Material timber()
{
    Material m = TestMaterials::material("Softwood", 0.13, 40, 0.07, 0.6, 0.005, 7);
    m.m_color = QColor(200, 150, 90);
    return m;
}

/*! A membrane given by its sd-value: its layer is sd / μ = 0.0001 m thick. */
Material foil(double sd = 2)
{
    Material m = TestMaterials::material("Vapour retarder", 0.2, 20000, 0.0001, 0.001, 0.00001, 11);
    m.m_sd_value = sd;
    m.setFlags(false, false, false, true);
    m.m_color = QColor(20, 20, 160);
    return m;
}

/*! Brick, insulation and plaster, warm side first; the DIN 4108-3 (2014) climate. */
void makeWall(Project &project)
{
    InputData input;
    input.insertLayer(0, MaterialLayer(brick(), 0.24));
    input.insertLayer(1, MaterialLayer(insulation(), 0.1));
    input.insertLayer(2, MaterialLayer(plaster(), 0.015));
    project.createNew(input, ProjectInformation());
}

/*! Values typed at both sides that match no climate preset: custom conditions. */
void typeCustomClimate(Project &project)
{
    QVERIFY(project.setClimateValue(Climate::Inside, Climate::Winter, Climate::Q_T, 22));
    QVERIFY(project.setClimateValue(Climate::Outside, Climate::Winter, Climate::Q_rh, 85));
    QVERIFY(project.setClimateValue(Climate::Outside, Climate::Winter, Climate::Q_Rs, 0.06));
    QCOMPARE(project.inputData().climate().assessmentCondition(), int(Climate::AC_Custom));
}

bool sameCondition(const ClimateCondition &a, const ClimateCondition &b)
{
    return a.m_T == b.m_T && a.m_rh == b.m_rh && a.m_Rs == b.m_Rs && a.m_kind == b.m_kind &&
           a.m_side == b.m_side;
}

/*! Every value of the two records exactly (the record's own equality allows 1e-4). */
bool sameClimate(const Climate &a, const Climate &b)
{
    return sameCondition(a.insideWinter(), b.insideWinter()) &&
           sameCondition(a.insideSummer(), b.insideSummer()) &&
           sameCondition(a.outsideWinter(), b.outsideWinter()) &&
           sameCondition(a.outsideSummer(), b.outsideSummer()) && a.tT() == b.tT() &&
           a.tT_summer() == b.tT_summer() && a.pv_i_summer() == b.pv_i_summer() &&
           a.pv_e_summer() == b.pv_e_summer() && a.psat_summer() == b.psat_summer() &&
           a.assessmentCondition() == b.assessmentCondition();
}

/*! What a command can change: the layers, the climate and the project information. */
struct Snapshot
{
    explicit Snapshot(const Project &project)
        : climate(project.inputData().climate())
        , info(project.projectInformation())
    {
        for (int i = 0; i < project.layerCount(); ++i)
            layers.push_back(project.inputData().layer(i));
    }
    bool operator==(const Snapshot &other) const
    {
        return layers == other.layers && sameClimate(climate, other.climate) && info == other.info;
    }
    std::vector<MaterialLayer> layers;
    Climate climate;
    ProjectInformation info;
};

/*! The selection of the last announcement. */
int lastSelection(const QSignalSpy &spy)
{
    return spy.isEmpty() ? std::numeric_limits<int>::min() : spy.last().at(1).toInt();
}

Construction construction(const QString &name, const std::vector<MaterialLayer> &layers)
{
    Construction c;
    c.m_name = name;
    c.m_notes = QStringLiteral("notes of ") + name;
    c.m_layers = layers;
    return c;
}

} // namespace

/*! Builds a command for a project, after preparing the project where the case needs it. */
using Factory = std::function<M2_UndoCommandBase *(Project &)>;
Q_DECLARE_METATYPE(ConstructionKind)
Q_DECLARE_METATYPE(Factory)
Q_DECLARE_METATYPE(Material)
Q_DECLARE_METATYPE(LayerBridge)

class tst_UndoCommands : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void doUndoRedo_data();
    void doUndoRedo();
    void currentValueIsNoChange_data();
    void currentValueIsNoChange();
    void materialParameterValidation_data();
    void materialParameterValidation();
    void constructionUndoRemovesExactlyItsLayers_data();
    void constructionUndoRemovesExactlyItsLayers();
    void removeLastLayerAndUndo();
    void materialChangeWithSdValue_data();
    void materialChangeWithSdValue();
    void heatFlowRedoAfterUndo();
    void constructionKindSummary_data();
    void constructionKindSummary();
    void descriptionsCountLayersFromOne();
    void climatePresetUnderCustomConditions();
    void climatePresetUnderDinConditions();
    void assessmentTypeUndoRestoresTypedValues();
    void surfaceResistanceUndoRestoresBothPeriods();
    void descriptiveUndoLeavesProjectModified();
    void commandsNeverMerge();
    void secondMaterialChangeRemoveAndUndo();
    void materialChangeToFoilRemovesSecondMaterial_data();
    void materialChangeToFoilRemovesSecondMaterial();
};

void tst_UndoCommands::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    qRegisterMetaType<ProjectChanges>();
}

void tst_UndoCommands::doUndoRedo_data()
{
    QTest::addColumn<Factory>("factory");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("redoSelection");
    QTest::addColumn<int>("undoSelection");

    // Three layers: column 0 the warm side, 1..3 the layers, 4 the cold side; -1 no selection.
    QTest::newRow("add layer left") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoAddLayerLeft(p, 1, MaterialLayer(plaster(), 0.01));
    }) << ": Addition of a layer left of no. 2"
                                    << 2 << 1;
    QTest::newRow("add layer left of the first") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoAddLayerLeft(p, 0, MaterialLayer(plaster(), 0.01));
    }) << ": Addition of a layer left of no. 1" << 1
                                                 << 0;
    QTest::newRow("add layer right") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoAddLayerRight(p, 1, MaterialLayer(plaster(), 0.01));
    }) << ": Addition of a layer right of no. 2"
                                     << 3 << 2;
    QTest::newRow("add layer right of the last") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoAddLayerRight(p, 2, MaterialLayer(brick(), 0.01));
    }) << ": Addition of a layer right of no. 3" << 4
                                                 << 3;
    QTest::newRow("add construction left") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoAddConstructionLeft(
            p, 1,
            construction("ETICS",
                         {MaterialLayer(insulation(), 0.12), MaterialLayer(plaster(), 0.01)}));
    }) << ": Addition of a construction left of no. 2"
                                           << 2 << 2;
    QTest::newRow("add construction right") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoAddConstructionRight(
            p, 2,
            construction("ETICS",
                         {MaterialLayer(insulation(), 0.12), MaterialLayer(plaster(), 0.01)}));
    }) << ": Addition of a construction right of no. 3"
                                            << 4 << 3;
    QTest::newRow("remove first layer")
        << Factory([](Project &p) -> M2_UndoCommandBase * { return new M2_UndoRemoveLayer(p, 0); })
        << ": Removal of layer no. 1" << 0 << 1;
    QTest::newRow("remove last layer")
        << Factory([](Project &p) -> M2_UndoCommandBase * { return new M2_UndoRemoveLayer(p, 2); })
        << ": Removal of layer no. 3" << 2 << 3;
    QTest::newRow("move left") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoMoveLayerLeft(p, 1);
    }) << ": Move of layer no. 2 to the left"
                               << 1 << 2;
    QTest::newRow("move right") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoMoveLayerRight(p, 1);
    }) << ": Move of layer no. 2 to the right"
                                << 3 << 2;
    QTest::newRow("change material") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoChangeMaterial(p, 1, plaster());
    }) << ": Change of material of layer no. 2"
                                     << 2 << 2;
    QTest::newRow("layer colour") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoLayerColor(p, 0, QColor(Qt::yellow));
    }) << ": Change of colour of layer no. 1"
                                  << 1 << 1;
    QTest::newRow("material name") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoMaterialName(p, 2, QStringLiteral("Gypsum plaster"));
    }) << ": Change of material name of layer no. 3"
                                   << 3 << 3;
    QTest::newRow("second material") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoLayerBridge(p, 1,
                                      LayerBridge::fromWidthAndSpacing(timber(), 0.06, 0.625));
    }) << ": Change of second material of layer no. 2"
                                     << 2 << 2;
    QTest::newRow("mu") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoMaterialParameters(p, Project::LV_Mu, 1, 2);
    }) << QString::fromUtf8(": Change of \u03bc of layer no. 2")
                        << 2 << 2;
    QTest::newRow("w_80") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoMaterialParameters(p, Project::LV_W80, 1, 0.001);
    }) << ": Change of w_80 of layer no. 2"
                          << 2 << 2;
    QTest::newRow("w_sat") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoMaterialParameters(p, Project::LV_WSat, 1, 0.5);
    }) << ": Change of w_sat of layer no. 2"
                           << 2 << 2;
    QTest::newRow("lambda") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoMaterialParameters(p, Project::LV_Lambda, 1, 0.04);
    }) << ": Change of thermal conductivity of layer no. 2"
                            << 2 << 2;
    QTest::newRow("Aw") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoMaterialParameters(p, Project::LV_Aw, 1, 0.001);
    }) << ": Change of water absorption coefficient of layer no. 2"
                        << 2 << 2;
    QTest::newRow("width") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoMaterialParameters(p, Project::LV_Width, 1, 0.16);
    }) << ": Change of width of layer no. 2"
                           << 2 << 2;
    QTest::newRow("winter temperature warm side")
        << Factory([](Project &p) -> M2_UndoCommandBase * {
               return new M2_UndoClimate(p, 0, true, true, 21.5);
           })
        << ": Change of temperature (condensation period) at warm side" << 0 << 0;
    QTest::newRow("winter humidity cold side") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoClimate(p, 1, false, true, 90);
    }) << ": Change of relative humidity (condensation period) at cold side"
                                               << 4 << 4;
    QTest::newRow("summer temperature cold side")
        << Factory([](Project &p) -> M2_UndoCommandBase * {
               return new M2_UndoClimate(p, 2, false, false, 18);
           })
        << ": Change of temperature (evaporation period) at cold side" << 4 << 4;
    QTest::newRow("summer humidity warm side") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoClimate(p, 3, true, false, 60);
    }) << ": Change of relative humidity (evaporation period) at warm side"
                                               << 0 << 0;
    QTest::newRow("surface resistance") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoClimate(p, 4, false, true, 0.08);
    }) << ": Change of surface resistance at cold side"
                                        << 4 << 4;
    QTest::newRow("preset under custom conditions")
        << Factory([](Project &p) -> M2_UndoCommandBase * {
               typeCustomClimate(p);
               return new M2_UndoClimateAll(p, false, true, 12);
           })
        << ": Change of climate data set at cold side" << 4 << 4;
    QTest::newRow("preset under DIN 4108-3 2001")
        << Factory([](Project &p) -> M2_UndoCommandBase * {
               p.setAssessmentType(Climate::AC_DIN4108_2001, 60, 90);
               return new M2_UndoClimateAll(p, true, true, 2);
           })
        << ": Change of climate data set at warm side" << 0 << 0;
    QTest::newRow("assessment type") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoAssessmentType(p, M2_UndoAssessmentType::AssessmentType,
                                         Climate::AC_DIN4108_2001, 60, 90);
    }) << ": Change of assessment type"
                                     << -1 << -1;
    QTest::newRow("condensation time") << Factory([](Project &p) -> M2_UndoCommandBase * {
        typeCustomClimate(p);
        return new M2_UndoAssessmentType(p, M2_UndoAssessmentType::CondensationTime,
                                         Climate::AC_Custom, 75, 90);
    }) << ": Change of condensation time"
                                       << -1 << -1;
    QTest::newRow("evaporation time") << Factory([](Project &p) -> M2_UndoCommandBase * {
        typeCustomClimate(p);
        return new M2_UndoAssessmentType(p, M2_UndoAssessmentType::EvaporationTime,
                                         Climate::AC_Custom, 90, 80);
    }) << ": Change of evaporation time"
                                      << -1 << -1;
    QTest::newRow("heat flow") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoHeatFlowDirection(p, 0);
    }) << ": Change of heat flow direction to downwards"
                               << -1 << -1;
    QTest::newRow("project information") << Factory([](Project &p) -> M2_UndoCommandBase * {
        ProjectInformation info = p.projectInformation();
        info.m_projectName = QStringLiteral("Town hall");
        info.m_userName = QStringLiteral("A. Builder");
        info.m_heatFlowDirection = HeatFlowDirection::Upwards;
        return new M2_UndoChangeProjectInfo(p, info);
    }) << ": Change of project information"
                                         << -1 << -1;
    QTest::newRow("final remarks") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new UndoChangeDisclaimer(p, QStringLiteral("Checked on site."));
    }) << ": Change of final remarks"
                                   << -1 << -1;
    QTest::newRow("construction kind roof") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoConstructionKind(p, ConstructionKind::FlatRoof, 1);
    }) << ": Change of construction kind to Roof over habitable rooms, flat"
                                            << -1 << -1;
    QTest::newRow("construction kind soil") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoConstructionKind(p, ConstructionKind::FloorOnGround, 1);
    }) << ": Change of construction kind to Floor plate on ground"
                                            << -1 << -1;
    QTest::newRow("construction kind under custom conditions")
        << Factory([](Project &p) -> M2_UndoCommandBase * {
               typeCustomClimate(p);
               return new M2_UndoConstructionKind(p, ConstructionKind::PitchedRoof, 1);
           })
        << ": Change of construction kind to Roof over habitable rooms, pitched" << -1 << -1;
    QTest::newRow("minimum resistance row") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoMinimumResistanceType(p, 17);
    }) << ": Change of the row of the minimum thermal resistance"
                                            << -1 << -1;
}

void tst_UndoCommands::doUndoRedo()
{
    QFETCH(Factory, factory);
    QFETCH(QString, text);
    QFETCH(int, redoSelection);
    QFETCH(int, undoSelection);

    Project project;
    makeWall(project);
    QUndoStack stack;
    M2_UndoCommandBase *command = factory(project);
    const Snapshot before(project);
    QVERIFY(command->changed());
    QCOMPARE(command->text(), text);
    QSignalSpy spy(&project, &Project::changed);

    stack.push(command);
    const Snapshot done(project);
    QVERIFY(!(done == before));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(lastSelection(spy), redoSelection);
    QVERIFY(project.isModified());

    stack.undo();
    QVERIFY(Snapshot(project) == before);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(lastSelection(spy), undoSelection);
    QVERIFY(project.isModified());

    stack.redo();
    QVERIFY(Snapshot(project) == done);
    QCOMPARE(spy.size(), 3);
    QCOMPARE(lastSelection(spy), redoSelection);
    QVERIFY(project.isModified());

    // And once more round: the held values travel back and forth without loss.
    stack.undo();
    QVERIFY(Snapshot(project) == before);
    stack.redo();
    QVERIFY(Snapshot(project) == done);
}

void tst_UndoCommands::currentValueIsNoChange_data()
{
    QTest::addColumn<Factory>("factory");

    QTest::newRow("same name") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoMaterialName(p, 1, QStringLiteral("Mineral wool"));
    });
    QTest::newRow("no second material to remove") << Factory(
        [](Project &p) -> M2_UndoCommandBase * { return new M2_UndoLayerBridge(p, 1, {}); });
    QTest::newRow("second material of fraction 1")
        << Factory([](Project &p) -> M2_UndoCommandBase * {
               return new M2_UndoLayerBridge(p, 1, LayerBridge(timber(), 1.0));
           });
    QTest::newRow("same colour") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoLayerColor(p, 0, brick().m_color);
    });
    QTest::newRow("invalid colour") << Factory(
        [](Project &p) -> M2_UndoCommandBase * { return new M2_UndoLayerColor(p, 0, QColor()); });
    QTest::newRow("same material") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoChangeMaterial(p, 0, brick());
    });
    QTest::newRow("same width") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoMaterialParameters(p, Project::LV_Width, 0, 0.24);
    });
    QTest::newRow("same winter temperature") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoClimate(p, 0, true, true, p.inputData().climate().insideWinter().m_T);
    });
    QTest::newRow("same summer humidity") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoClimate(p, 3, false, false, p.inputData().climate().outsideSummer().m_rh);
    });
    QTest::newRow("same surface resistance") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoClimate(p, 4, true, true, p.inputData().climate().insideWinter().m_Rs);
    });
    QTest::newRow("temperature out of range") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoClimate(p, 0, true, true, 80.5);
    });
    QTest::newRow("humidity out of range") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoClimate(p, 1, true, true, -1);
    });
    QTest::newRow("surface resistance zero") << Factory(
        [](Project &p) -> M2_UndoCommandBase * { return new M2_UndoClimate(p, 4, true, true, 0); });
    QTest::newRow("preset not offered") << Factory([](Project &p) -> M2_UndoCommandBase * {
        // DIN 4108-3 2014 offers only its own presets.
        return new M2_UndoClimateAll(p, true, true, 1);
    });
    QTest::newRow("same assessment type") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoAssessmentType(p, M2_UndoAssessmentType::CondensationTime,
                                         Climate::AC_DIN4108_2014, 90.00005, 90);
    });
    QTest::newRow("same minimum resistance row") << Factory(
        [](Project &p) -> M2_UndoCommandBase * { return new M2_UndoMinimumResistanceType(p, -1); });
    QTest::newRow("minimum resistance row out of range") << Factory(
        [](Project &p) -> M2_UndoCommandBase * { return new M2_UndoMinimumResistanceType(p, -5); });
    QTest::newRow("same heat flow") << Factory(
        [](Project &p) -> M2_UndoCommandBase * { return new M2_UndoHeatFlowDirection(p, 2); });
    QTest::newRow("same project information") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoChangeProjectInfo(p, p.projectInformation());
    });
    QTest::newRow("same final remarks") << Factory(
        [](Project &p) -> M2_UndoCommandBase * { return new UndoChangeDisclaimer(p, QString()); });
    QTest::newRow("move the first layer left") << Factory(
        [](Project &p) -> M2_UndoCommandBase * { return new M2_UndoMoveLayerLeft(p, 0); });
    QTest::newRow("move the last layer right") << Factory(
        [](Project &p) -> M2_UndoCommandBase * { return new M2_UndoMoveLayerRight(p, 2); });
    QTest::newRow("add layer past the end") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoAddLayerLeft(p, 4, MaterialLayer(brick(), 0.1));
    });
    QTest::newRow("add construction past the end")
        << Factory([](Project &p) -> M2_UndoCommandBase * {
               return new M2_UndoAddConstructionRight(
                   p, 3, construction("Render", {MaterialLayer(plaster(), 0.01)}));
           });
    QTest::newRow("remove past the end")
        << Factory([](Project &p) -> M2_UndoCommandBase * { return new M2_UndoRemoveLayer(p, 3); });
    QTest::newRow("empty construction") << Factory([](Project &p) -> M2_UndoCommandBase * {
        return new M2_UndoAddConstructionLeft(p, 0, construction("Empty", {}));
    });
}

void tst_UndoCommands::currentValueIsNoChange()
{
    // Such a command is deleted by its creator; pushed anyway, it must not touch the project.
    QFETCH(Factory, factory);
    Project project;
    makeWall(project);
    const Snapshot before(project);
    QUndoStack stack;
    M2_UndoCommandBase *command = factory(project);
    QVERIFY(!command->changed());
    QSignalSpy spy(&project, &Project::changed);
    stack.push(command);
    stack.undo();
    stack.redo();
    QVERIFY(Snapshot(project) == before);
    QVERIFY(spy.isEmpty());
    QVERIFY(!project.isModified());
}

void tst_UndoCommands::materialParameterValidation_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("changed");

    // Layer 1 of the wall: brick, 0.24 m, μ 10, w_80 0.05, w_sat 0.2, λ 0.81, A_w 0.18.
    const double nan = std::nan("");
    QTest::newRow("mu 0.1") << int(Project::LV_Mu) << 0.1 << true;
    QTest::newRow("mu 0.099") << int(Project::LV_Mu) << 0.099 << false;
    QTest::newRow("mu unchanged") << int(Project::LV_Mu) << 10.0 << false;
    QTest::newRow("w_80 at w_sat") << int(Project::LV_W80) << 0.2 << false;
    // w_80 extrapolated to 95 % RH (w_80·0.95/0.8) must stay below w_sat
    QTest::newRow("w_80 without room to 95 %") << int(Project::LV_W80) << 0.1999 << false;
    QTest::newRow("w_80 with room to 95 %") << int(Project::LV_W80) << 0.168 << true;
    QTest::newRow("w_80 zero") << int(Project::LV_W80) << 0.0 << false;
    QTest::newRow("w_80 unchanged") << int(Project::LV_W80) << 0.05 << false;
    QTest::newRow("w_sat 1") << int(Project::LV_WSat) << 1.0 << true;
    QTest::newRow("w_sat 1.0001") << int(Project::LV_WSat) << 1.0001 << false;
    QTest::newRow("w_sat at w_80") << int(Project::LV_WSat) << 0.05 << false;
    QTest::newRow("w_sat unchanged") << int(Project::LV_WSat) << 0.2 << false;
    QTest::newRow("lambda zero") << int(Project::LV_Lambda) << 0.0 << false;
    QTest::newRow("lambda unchanged") << int(Project::LV_Lambda) << 0.81 << false;
    QTest::newRow("lambda") << int(Project::LV_Lambda) << 0.5 << true;
    QTest::newRow("Aw negative") << int(Project::LV_Aw) << -1.0 << false;
    QTest::newRow("Aw unchanged") << int(Project::LV_Aw) << 0.18 << false;
    QTest::newRow("Aw") << int(Project::LV_Aw) << 0.2 << true;
    QTest::newRow("width 0") << int(Project::LV_Width) << 0.0 << false;
    QTest::newRow("width -1") << int(Project::LV_Width) << -1.0 << false;
    QTest::newRow("width unchanged") << int(Project::LV_Width) << 0.24 << false;
    QTest::newRow("width") << int(Project::LV_Width) << 0.3 << true;
    QTest::newRow("width not a number") << int(Project::LV_Width) << nan << false;
    QTest::newRow("unknown kind") << 6 << 1.0 << false;
}

void tst_UndoCommands::materialParameterValidation()
{
    QFETCH(int, kind);
    QFETCH(double, value);
    QFETCH(bool, changed);

    Project project;
    makeWall(project);
    const Snapshot before(project);
    QUndoStack stack;
    auto *command = new M2_UndoMaterialParameters(project, Project::LayerValue(kind), 0, value);
    QCOMPARE(command->changed(), changed);
    if (!changed) {
        delete command;
        return;
    }
    stack.push(command);
    QVERIFY(!(Snapshot(project) == before));
    stack.undo();
    QVERIFY(Snapshot(project) == before);
}

void tst_UndoCommands::constructionUndoRemovesExactlyItsLayers_data()
{
    QTest::addColumn<bool>("left");
    QTest::addColumn<int>("index");
    QTest::newRow("left of the first") << true << 0;
    QTest::newRow("left of the second") << true << 1;
    QTest::newRow("right of the second") << false << 1;
    QTest::newRow("right of the last") << false << 2;
}

void tst_UndoCommands::constructionUndoRemovesExactlyItsLayers()
{
    // Materials that the wall has already, twice over, so that removing by material would
    // take the wrong layers.
    QFETCH(bool, left);
    QFETCH(int, index);
    Project project;
    makeWall(project);
    const Snapshot before(project);
    const std::vector<MaterialLayer> layers{
        MaterialLayer(brick(), 0.24), MaterialLayer(insulation(), 0.1),
        MaterialLayer(brick(), 0.24), MaterialLayer(plaster(), 0.015)};
    const Construction c = construction(QStringLiteral("Double wall"), layers);
    QUndoStack stack;
    M2_UndoCommandBase *command = nullptr;
    if (left)
        command = new M2_UndoAddConstructionLeft(project, index, c);
    else
        command = new M2_UndoAddConstructionRight(project, index, c);
    stack.push(command);
    QCOMPARE(project.layerCount(), 7);
    const int at = left ? index : index + 1;
    for (int k = 0; k < 4; ++k)
        QVERIFY(project.inputData().layer(at + k) == layers[std::size_t(k)]);
    stack.undo();
    QCOMPARE(project.layerCount(), 3);
    QVERIFY(Snapshot(project) == before);
    stack.redo();
    QCOMPARE(project.layerCount(), 7);

    if (left) {
        auto *held = static_cast<M2_UndoAddConstructionLeft *>(command);
        QCOMPARE(held->constructionName(), QStringLiteral("Double wall"));
        QCOMPARE(held->constructionNotes(), QStringLiteral("notes of Double wall"));
    }
}

void tst_UndoCommands::removeLastLayerAndUndo()
{
    Material m = plaster();
    m.m_name = QStringLiteral("Clay plaster");
    m.m_color = QColor(140, 100, 60);
    InputData input;
    input.insertLayer(0, MaterialLayer(m, 0.025));
    Project project;
    project.createNew(input, ProjectInformation());
    QUndoStack stack;
    auto *command = new M2_UndoRemoveLayer(project, 0);
    QVERIFY(command->changed());
    stack.push(command);
    QCOMPARE(project.layerCount(), 0);
    stack.undo();
    QCOMPARE(project.layerCount(), 1);
    const MaterialLayer &layer = project.inputData().layer(0);
    QCOMPARE(layer.m_color, QColor(140, 100, 60));
    QCOMPARE(layer.m_name, QStringLiteral("Clay plaster"));
    QCOMPARE(layer.m_width, 0.025);
    QVERIFY(layer == input.layer(0));
}

void tst_UndoCommands::materialChangeWithSdValue_data()
{
    QTest::addColumn<Material>("from");
    QTest::addColumn<double>("fromWidth");
    QTest::addColumn<Material>("to");
    QTest::addColumn<double>("widthAfter");
    QTest::addColumn<double>("widthUndone");

    // A membrane's layer is sd / μ thick whatever it was before; a material without an
    // sd-value keeps the width of the layer.
    QTest::newRow("brick to foil") << brick() << 0.24 << foil() << 0.0001 << 0.24;
    QTest::newRow("foil to brick") << foil() << 0.5 << brick() << 0.0001 << 0.0001;
    QTest::newRow("foil to foil") << foil() << 0.5 << foil(4) << 0.0002 << 0.0001;
    QTest::newRow("brick to plaster") << brick() << 0.24 << plaster() << 0.24 << 0.24;
}

void tst_UndoCommands::materialChangeWithSdValue()
{
    QFETCH(Material, from);
    QFETCH(double, fromWidth);
    QFETCH(Material, to);
    QFETCH(double, widthAfter);
    QFETCH(double, widthUndone);

    InputData input;
    input.insertLayer(0, MaterialLayer(brick(), 0.24));
    input.insertLayer(1, MaterialLayer(from, fromWidth));
    Project project;
    project.createNew(input, ProjectInformation());
    QUndoStack stack;
    stack.push(new M2_UndoChangeMaterial(project, 1, to));
    const MaterialLayer &layer = project.inputData().layer(1);
    QVERIFY(layer.material() == to);
    QCOMPARE(layer.m_width, widthAfter);
    stack.undo();
    QVERIFY(project.inputData().layer(1).material() == from);
    QCOMPARE(project.inputData().layer(1).m_width, widthUndone);
    stack.redo();
    QVERIFY(project.inputData().layer(1).material() == to);
    QCOMPARE(project.inputData().layer(1).m_width, widthAfter);
}

void tst_UndoCommands::constructionKindSummary_data()
{
    QTest::addColumn<ConstructionKind>("kind");
    QTest::addColumn<QStringList>("mentions");
    QTest::addColumn<QStringList>("absent");
    QTest::newRow("flat roof") << ConstructionKind::FlatRoof
                               << QStringList{"heat flow upwards", "2000 Pa", "row 3.1"}
                               << QStringList{"outside climate", "inside climate"};
    QTest::newRow("floor on ground") << ConstructionKind::FloorOnGround
                                     << QStringList{"heat flow downwards", "outside climate",
                                                    "boundary to ground", "assessment", "row 4.2"}
                                     << QStringList{"Pa in the condensation plane"};
    QTest::newRow("external wall")
        << ConstructionKind::ExternalWall << QStringList{"External wall", "row 1"}
        << QStringList{"heat flow", "climate", "evaporation"};
}

void tst_UndoCommands::constructionKindSummary()
{
    QFETCH(ConstructionKind, kind);
    QFETCH(QStringList, mentions);
    QFETCH(QStringList, absent);
    Project project;
    makeWall(project);
    M2_UndoConstructionKind command(project, kind, 1);
    QVERIFY(command.changed());
    for (const QString &m : mentions)
        QVERIFY2(command.summary().contains(m), qPrintable(command.summary()));
    for (const QString &a : absent)
        QVERIFY2(!command.summary().contains(a), qPrintable(command.summary()));
    // the summary describes what the push then does
    QUndoStack stack;
    const Climate before = project.inputData().climate();
    stack.push(new M2_UndoConstructionKind(project, kind, 1));
    QCOMPARE(project.constructionKind(), kind);
    QCOMPARE(command.summary().contains(QStringLiteral("climate")),
             !sameCondition(before.outsideWinter(), project.inputData().climate().outsideWinter()));
    // the same kind once more changes nothing and is not worth an entry
    M2_UndoConstructionKind again(project, kind, 1);
    QVERIFY(!again.changed());
    QVERIFY(again.summary().contains(QStringLiteral("no default changed")));
}

void tst_UndoCommands::heatFlowRedoAfterUndo()
{
    // The heat-flow actions follow the project's announcement of a new direction.
    Project project;
    makeWall(project);
    QUndoStack stack;
    QSignalSpy spy(&project, &Project::changed);
    stack.push(new M2_UndoHeatFlowDirection(project, 1));
    QCOMPARE(project.heatFlowDirection(), HeatFlowDirection::Upwards);
    stack.undo();
    QCOMPARE(project.heatFlowDirection(), HeatFlowDirection::Horizontal);
    stack.redo();
    QCOMPARE(project.heatFlowDirection(), HeatFlowDirection::Upwards);
    QCOMPARE(project.calculationOptions().heatFlowDirection, HeatFlowDirection::Upwards);
    QCOMPARE(spy.size(), 3);
    for (const QList<QVariant> &args : spy) {
        const auto changes = args.at(0).value<ProjectChanges>();
        QVERIFY(changes & ProjectChange::HeatFlowDirection);
        QVERIFY(changes & ProjectChange::Results);
    }
}

void tst_UndoCommands::descriptionsCountLayersFromOne()
{
    // The main window's and the layer editor's entries name the same layer alike.
    Project project;
    makeWall(project);
    M2_UndoRemoveLayer remove(project, 0);
    M2_UndoMaterialParameters width(project, Project::LV_Width, 0, 0.3);
    QCOMPARE(remove.text(), QStringLiteral(": Removal of layer no. 1"));
    QCOMPARE(width.text(), QStringLiteral(": Change of width of layer no. 1"));
    // Numbers of the main window's entries are formatted in the locale.
    QLocale::setDefault(QLocale(QLocale::German));
    QCOMPARE(M2_UndoRemoveLayer::description(1233), QStringLiteral("Removal of layer no. 1.234"));
    QLocale::setDefault(QLocale::c());
}

void tst_UndoCommands::climatePresetUnderCustomConditions()
{
    Project project;
    makeWall(project);
    typeCustomClimate(project);
    const Climate typed = project.inputData().climate();
    QUndoStack stack;
    auto *command = new M2_UndoClimateAll(project, false, true, 12);
    QVERIFY(command->changed());
    QVERIFY(!command->warmSide());
    QVERIFY(command->winterPeriod());
    stack.push(command);

    const Climate &applied = project.inputData().climate();
    ClimateCondition preset;
    QVERIFY(ClimatePresets::copyPreset(12, Climate::Outside, preset));
    QVERIFY(sameCondition(applied.outsideWinter(), preset));
    // The other side keeps what was typed there.
    QVERIFY(sameCondition(applied.insideWinter(), typed.insideWinter()));
    QCOMPARE(applied.insideWinter().m_T, 22.0);

    stack.undo();
    QVERIFY(sameClimate(project.inputData().climate(), typed));
    QCOMPARE(project.inputData().climate().outsideWinter().m_rh, 85.0);
    QCOMPARE(project.inputData().climate().outsideWinter().m_Rs, 0.06);
    stack.redo();
    QVERIFY(sameCondition(project.inputData().climate().outsideWinter(), preset));
    QVERIFY(sameCondition(project.inputData().climate().insideWinter(), typed.insideWinter()));
}

void tst_UndoCommands::climatePresetUnderDinConditions()
{
    // The condition is applied again with the chosen preset; the other side keeps its preset.
    Project project;
    makeWall(project);
    QVERIFY(project.setAssessmentType(Climate::AC_DIN4108_2001, 60, 90));
    const Climate before = project.inputData().climate();
    QUndoStack stack;
    stack.push(new M2_UndoClimateAll(project, false, true, 12));
    const Climate &applied = project.inputData().climate();
    QCOMPARE(applied.assessmentCondition(), int(Climate::AC_DIN4108_2001));
    QCOMPARE(ClimatePresets::presetIdForCondition(applied.outsideWinter()), 12);
    QCOMPARE(applied.outsideSummer().m_Rs, applied.outsideWinter().m_Rs);
    QVERIFY(sameCondition(applied.insideWinter(), before.insideWinter()));
    stack.undo();
    QVERIFY(sameClimate(project.inputData().climate(), before));
}

void tst_UndoCommands::assessmentTypeUndoRestoresTypedValues()
{
    // Choosing a DIN condition rewrites the typed values; undo brings them back, custom again.
    Project project;
    makeWall(project);
    typeCustomClimate(project);
    QVERIFY(project.setAssessmentType(Climate::AC_Custom, 75, 80));
    const Climate typed = project.inputData().climate();
    QUndoStack stack;
    stack.push(new M2_UndoAssessmentType(project, M2_UndoAssessmentType::AssessmentType,
                                         Climate::AC_DIN4108_2001, 75, 80));
    QCOMPARE(project.inputData().climate().assessmentCondition(), int(Climate::AC_DIN4108_2001));
    QCOMPARE(project.inputData().climate().insideWinter().m_T, 20.0);
    stack.undo();
    QVERIFY(sameClimate(project.inputData().climate(), typed));
    QCOMPARE(project.inputData().climate().assessmentCondition(), int(Climate::AC_Custom));
    stack.redo();
    QCOMPARE(project.inputData().climate().assessmentCondition(), int(Climate::AC_DIN4108_2001));
}

void tst_UndoCommands::surfaceResistanceUndoRestoresBothPeriods()
{
    // A surface resistance edit sets both periods; undo gives each period its own value back.
    Project project;
    makeWall(project);
    QVERIFY(project.setClimateValue(Climate::Inside, Climate::Summer, Climate::Q_Rs, 0.2));
    const Climate before = project.inputData().climate();
    QVERIFY(before.insideWinter().m_Rs != before.insideSummer().m_Rs);
    QUndoStack stack;
    QSignalSpy spy(&project, &Project::changed);
    auto *command = new M2_UndoClimate(project, 4, true, false, 0.3);
    QVERIFY(command->changed());
    QVERIFY(!command->winterPeriod());
    stack.push(command);
    QCOMPARE(project.inputData().climate().insideWinter().m_Rs, 0.3);
    QCOMPARE(project.inputData().climate().insideSummer().m_Rs, 0.3);
    stack.undo();
    QVERIFY(sameClimate(project.inputData().climate(), before));
    QCOMPARE(lastSelection(spy), 0);
    stack.redo();
    QCOMPARE(project.inputData().climate().insideSummer().m_Rs, 0.3);
}

void tst_UndoCommands::descriptiveUndoLeavesProjectModified()
{
    // Saving and then undoing a change of the texts leaves a project that differs from its
    // file: it must count as modified.
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString file = dir.filePath(QStringLiteral("wall.m2p"));
    Project project;
    makeWall(project);
    QUndoStack stack;
    ProjectInformation info = project.projectInformation();
    info.m_company = QStringLiteral("Planning office");
    stack.push(new M2_UndoChangeProjectInfo(project, info));
    stack.push(new UndoChangeDisclaimer(project, QStringLiteral("No warranty.")));
    QVERIFY(project.save(file));
    QVERIFY(!project.isModified());
    stack.undo();
    QVERIFY(project.isModified());
    QCOMPARE(project.projectInformation().m_disclaimerText, QString());
    QVERIFY(project.save(file));
    stack.undo();
    QVERIFY(project.isModified());
    QCOMPARE(project.projectInformation().m_company, QString());
    QVERIFY(project.save(file));
    stack.redo();
    QVERIFY(project.isModified());
    QCOMPARE(project.projectInformation().m_company, QStringLiteral("Planning office"));
}

void tst_UndoCommands::commandsNeverMerge()
{
    Project project;
    makeWall(project);
    QUndoStack stack;
    stack.push(new M2_UndoMaterialParameters(project, Project::LV_Width, 0, 0.3));
    stack.push(new M2_UndoMaterialParameters(project, Project::LV_Width, 0, 0.36));
    QCOMPARE(stack.count(), 2);
    QCOMPARE(stack.command(0)->id(), -1);
    stack.undo();
    QCOMPARE(project.inputData().layer(0).m_width, 0.3);
    stack.undo();
    QCOMPARE(project.inputData().layer(0).m_width, 0.24);
}

// Studs into the insulation, a new fraction, then taken out again: each step is one undo
// entry, and undoing them walks back through the U-values in order.
void tst_UndoCommands::secondMaterialChangeRemoveAndUndo()
{
    Project project;
    makeWall(project);
    QUndoStack stack;
    const HeatFlowDirection direction = project.heatFlowDirection();
    const double homogeneous = project.results().U_ISO(direction);
    auto push = [&](const std::optional<LayerBridge> &bridge) {
        auto *command = new M2_UndoLayerBridge(project, 1, bridge);
        QVERIFY(command->changed());
        stack.push(command);
    };
    push(LayerBridge(timber(), 0.15));
    const double studs15 = project.results().U_ISO(direction);
    QVERIFY(studs15 > homogeneous);
    push(LayerBridge(timber(), 0.10));
    const double studs10 = project.results().U_ISO(direction);
    QVERIFY(studs10 < studs15 && studs10 > homogeneous);
    push(std::nullopt);
    QCOMPARE(stack.count(), 3);
    QCOMPARE(stack.text(2), QStringLiteral(": Removal of second material of layer no. 2"));
    QVERIFY(!project.inputData().layer(1).hasBridge());
    QCOMPARE(project.results().U_ISO(direction), homogeneous);

    stack.undo();
    QCOMPARE(project.inputData().layer(1).m_bridge->fraction, 0.10);
    QCOMPARE(project.results().U_ISO(direction), studs10);
    stack.undo();
    QCOMPARE(project.results().U_ISO(direction), studs15);
    stack.undo();
    QVERIFY(!project.inputData().layer(1).hasBridge());
    QCOMPARE(project.results().U_ISO(direction), homogeneous);
    stack.redo();
    QCOMPARE(project.inputData().layer(1).m_bridge->fraction, 0.15);

    // a foil carries no studs
    InputData withFoil = project.inputData();
    withFoil.insertLayer(0, MaterialLayer(foil(), 0));
    project.createNew(withFoil, ProjectInformation());
    M2_UndoLayerBridge onFoil(project, 0, LayerBridge(timber(), 0.1));
    QVERIFY(!onFoil.changed());
}

void tst_UndoCommands::materialChangeToFoilRemovesSecondMaterial_data()
{
    QTest::addColumn<LayerBridge>("studs");
    QTest::addColumn<Material>("to");
    QTest::addColumn<bool>("removes");
    const LayerBridge spaced = LayerBridge::fromWidthAndSpacing(timber(), 0.06, 0.625);
    QTest::newRow("studs by width and spacing, to a foil") << spaced << foil() << true;
    QTest::newRow("studs by fraction, to a foil") << LayerBridge(timber(), 0.12) << foil(4) << true;
    QTest::newRow("to another insulation the studs stay") << spaced << plaster() << false;
}

// A layer with studs given a foil: one undo entry that says the studs go, redo without them,
// undo with material, width and studs exactly as before.
void tst_UndoCommands::materialChangeToFoilRemovesSecondMaterial()
{
    QFETCH(LayerBridge, studs);
    QFETCH(Material, to);
    QFETCH(bool, removes);
    Project project;
    makeWall(project);
    QVERIFY(project.setLayerBridge(1, studs));
    const MaterialLayer before = project.inputData().layer(1);
    const HeatFlowDirection direction = project.heatFlowDirection();
    const double U_studs = project.results().U_ISO(direction);
    QVERIFY(project.results().inhomogeneous.present);

    QUndoStack stack;
    auto *command = new M2_UndoChangeMaterial(project, 1, to);
    QVERIFY(command->changed());
    QCOMPARE(command->removesBridge(), removes);
    QSignalSpy spy(&project, &Project::changed);
    stack.push(command);
    QCOMPARE(spy.count(), 1); // one edit, one recalculation
    QCOMPARE(stack.count(), 1);
    QCOMPARE(stack.text(0),
             removes ? QStringLiteral(": Change of material of layer no. 2 to one given by its "
                                      "sd-value, which removes its second material")
                     : QStringLiteral(": Change of material of layer no. 2"));
    MaterialLayer expected = before;
    expected.changeMaterial(to);
    if (!removes)
        QCOMPARE(*expected.m_bridge, studs);
    const MaterialLayer after = project.inputData().layer(1);
    QVERIFY(after == expected);
    QCOMPARE(after.hasBridge(), !removes);
    QCOMPARE(project.results().inhomogeneous.present, !removes);
    if (removes) {
        // the U-value of the same layers without any second material
        InputData plain = project.inputData();
        Project reference;
        reference.createNew(plain, ProjectInformation());
        QCOMPARE(project.results().U_ISO(direction), reference.results().U_ISO(direction));
    }

    for (int round = 0; round < 2; ++round) {
        stack.undo();
        QVERIFY(project.inputData().layer(1) == before);
        QCOMPARE(*project.inputData().layer(1).m_bridge, studs);
        QCOMPARE(project.results().U_ISO(direction), U_studs);
        stack.redo();
        QVERIFY(project.inputData().layer(1) == after);
        QCOMPARE(project.inputData().layer(1).hasBridge(), !removes);
    }
}

M2_TEST_GUILESS_MAIN(tst_UndoCommands)
#include "tst_UndoCommands.moc"
