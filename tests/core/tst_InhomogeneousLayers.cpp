// Layers bridged by a second material (studs, rafters, battens): the upper and lower limits of
// the thermal resistance after DIN EN ISO 6946 against hand calculations, the field section as
// the basis of the condensation assessments, the edit operation of the project, and the
// project file with and without the second material.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "calculation/Calculation.h"
#include "calculation/InhomogeneousLayers.h"
#include "document/Project.h"
#include "model/InputData.h"
#include "model/ProjectInformation.h"
#include "persistence/ProjectFile.h"

#include <QBuffer>
#include <QtTest>

#include <cmath>

Q_DECLARE_METATYPE(InputData)

namespace {

// Only λ matters to the U-value; the moisture values are plausible for each material. Every
// material has a colour, as the file keeps one.
Material material(const char *name, double lambda, double mu, double w_80, double w_sat, double A_w,
                  int category, QColor color)
{
    Material m = TestMaterials::material(name, lambda, mu, w_80, w_sat, A_w, category);
    m.m_color = color;
    return m;
}
Material gypsum()
{
    return material("Gypsum board", 0.25, 8, 0.006, 0.5, 0.01, 6, QColor(230, 230, 230));
}
Material panel()
{
    return material("Wood-based panel", 0.13, 50, 0.08, 0.6, 0.001, 6, QColor(210, 170, 110));
}
Material wool()
{
    return material("Mineral wool", 0.039, 1, 0.0001, 0.05, 0.00001, 5, QColor(250, 230, 120));
}
Material softwood()
{
    return material("Softwood", 0.13, 40, 0.07, 0.6, 0.005, 7, QColor(160, 82, 45));
}
Material fibreBoard(double lambda)
{
    return material("Wood fibre board", lambda, 5, 0.02, 0.8, 0.002, 6, QColor(140, 100, 60));
}
Material steel()
{
    return material("Steel", 50, 100000, 0.0001, 0.001, 0.00001, 12, QColor(120, 120, 130));
}

/*  Timber-frame wall, horizontal heat flow (R_si 0.13, R_se 0.04 m²K/W), warm side first:

        gypsum board 12.5 mm, λ 0.25        R = 0.0125/0.25  = 0.05
        wood-based panel 13 mm, λ 0.13      R = 0.013/0.13   = 0.10
        mineral wool 156 mm, λ 0.039        R = 0.156/0.039  = 4.00
          with 15 % softwood studs, λ 0.13  R = 0.156/0.13   = 1.20
        wood fibre board 40 mm, λ 0.05      R = 0.04/0.05    = 0.80

    Sections:  field  R_T,a = 0.13 + 0.05 + 0.10 + 4.00 + 0.80 + 0.04 = 5.12   f_a = 0.85
               stud   R_T,b = 0.13 + 0.05 + 0.10 + 1.20 + 0.80 + 0.04 = 2.32   f_b = 0.15
    Upper limit: 1/R'_T = 0.85/5.12 + 0.15/2.32 = 0.166015625 + 0.064655172 = 0.230670797
                 R'_T = 4.335182
    Lower limit: insulation layer 1/R = 0.85/4.00 + 0.15/1.20 = 0.2125 + 0.125 = 0.3375,
                 R = 2.962963 (the same as d/λ'' with λ'' = 0.85·0.039 + 0.15·0.13 = 0.05265)
                 R''_T = 0.13 + 0.05 + 0.10 + 2.962963 + 0.80 + 0.04 = 4.082963
    R_T = (4.335182 + 4.082963)/2 = 4.209073,  U = 1/R_T = 0.237582 W/(m²K)
    e = (4.335182 − 4.082963)/(2·4.209073) = 0.029961 (3.0 %),  R'_T/R''_T = 1.0618 ≤ 1.5
    Field section alone: U = 1/5.12 = 0.195313 W/(m²K).
*/
InputData timberFrameWall(double studFraction = 0.15)
{
    InputData in;
    in.insertLayer(0, MaterialLayer(gypsum(), 0.0125));
    in.insertLayer(1, MaterialLayer(panel(), 0.013));
    MaterialLayer insulation(wool(), 0.156);
    insulation.m_bridge = LayerBridge(softwood(), studFraction);
    in.insertLayer(2, insulation);
    in.insertLayer(3, MaterialLayer(fibreBoard(0.05), 0.04));
    return in;
}

/*  Rafter roof, heat flow upwards (R_si 0.10, R_se 0.04 m²K/W), warm side first:

        gypsum board 12.5 mm, λ 0.25          R = 0.05
        mineral wool 195 mm, λ 0.039          R = 0.195/0.039 = 5.00
          with 10 % softwood rafters, λ 0.13  R = 0.195/0.13  = 1.50
        wood fibre sarking board 60 mm, λ 0.048  R = 0.06/0.048 = 1.25

    Sections:  field   R_T,a = 0.10 + 0.05 + 5.00 + 1.25 + 0.04 = 6.44   f_a = 0.90
               rafter  R_T,b = 0.10 + 0.05 + 1.50 + 1.25 + 0.04 = 2.94   f_b = 0.10
    Upper limit: 1/R'_T = 0.9/6.44 + 0.1/2.94 = 0.139751553 + 0.034013605 = 0.173765158
                 R'_T = 5.754894
    Lower limit: 1/R = 0.9/5.00 + 0.1/1.50 = 0.18 + 0.066667 = 0.246667, R = 4.054054
                 R''_T = 0.10 + 0.05 + 4.054054 + 1.25 + 0.04 = 5.494054
    R_T = (5.754894 + 5.494054)/2 = 5.624474,  U = 0.177794 W/(m²K)
    e = (5.754894 − 5.494054)/(2·5.624474) = 0.023188 (2.3 %)
*/
InputData rafterRoof()
{
    InputData in;
    in.insertLayer(0, MaterialLayer(gypsum(), 0.0125));
    MaterialLayer insulation(wool(), 0.195);
    insulation.m_bridge = LayerBridge(softwood(), 0.10);
    in.insertLayer(1, insulation);
    in.insertLayer(2, MaterialLayer(fibreBoard(0.048), 0.06));
    return in;
}

InputData withoutBridges(InputData in)
{
    for (int i = 0; i < in.layerCount(); ++i)
        in.layer(i).m_bridge.reset();
    return in;
}

QByteArray written(const InputData &in)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!ProjectFile::write(buffer, in, ProjectInformation()))
        return QByteArray();
    return buffer.data();
}

bool readBack(const QByteArray &text, InputData &in, QString *message)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    ProjectInformation info;
    return ProjectFile::readXML(buffer, in, info, message);
}

} // namespace

class tst_InhomogeneousLayers : public QObject
{
    Q_OBJECT

private slots:
    void limitsOfThreeSections();
    void construction_data();
    void construction();
    void rangeOfValidity();
    void crossingBridgesFormFourSections();
    void condensationOnFieldSection();
    void homogeneousUnchanged();
    void invalidBridgeIsInvalidInput();
    void widthAndSpacing();
    void projectEdit();
    void fileRoundTrip();
    void oldFileHasNoBridge();
    void bridgeByWidthAndSpacingOnly();
    void badBridgeInFile();
};

/*  The formulas on three sections of three layers (R in m²K/W), R_si 0.13, R_se 0.04:

        section   f      layer 1   layer 2   layer 3   R_T,m
        a         0.75   0.10      3.00      0.50      0.13+0.10+3.00+0.50+0.04 = 3.77
        b         0.15   0.10      1.00      0.50      0.13+0.10+1.00+0.50+0.04 = 1.77
        c         0.10   0.10      2.00      0.25      0.13+0.10+2.00+0.25+0.04 = 2.52

    Upper: 1/R'_T = 0.75/3.77 + 0.15/1.77 + 0.10/2.52
                  = 0.198939 + 0.084746 + 0.039683 = 0.323367,  R'_T = 3.092459
    Lower: layer 1: 0.10 (homogeneous)
           layer 2: 1/R = 0.75/3 + 0.15/1 + 0.10/2    = 0.25 + 0.15 + 0.05 = 0.45,  R = 2.222222
           layer 3: 1/R = 0.75/0.5 + 0.15/0.5 + 0.10/0.25 = 1.5 + 0.3 + 0.4 = 2.2, R = 0.454545
           R''_T = 0.13 + 0.10 + 2.222222 + 0.454545 + 0.04 = 2.946768
    R_T = (3.092459 + 2.946768)/2 = 3.019613
    e = (3.092459 − 2.946768)/(2·3.019613) = 0.145691/6.039226 = 0.024124
*/
void tst_InhomogeneousLayers::limitsOfThreeSections()
{
    using InhomogeneousLayers::Section;
    const std::vector<Section> sections = {
        {0.75, {0.10, 3.00, 0.50}}, {0.15, {0.10, 1.00, 0.50}}, {0.10, {0.10, 2.00, 0.25}}};
    const InhomogeneousResistance r = InhomogeneousLayers::limits(sections, 0.13, 0.04);
    QVERIFY(r.present);
    QCOMPARE(r.sections, 3);
    M2_COMPARE_REL(r.R_upper, 3.092459, 1e-6);
    M2_COMPARE_REL(r.R_lower, 2.946768, 1e-6);
    M2_COMPARE_REL(r.R_T, 3.019613, 1e-6);
    M2_COMPARE_REL(r.e, 0.024124, 1e-4);
    QVERIFY(r.valid());
}

void tst_InhomogeneousLayers::construction_data()
{
    QTest::addColumn<InputData>("input");
    QTest::addColumn<int>("direction");
    QTest::addColumn<double>("R_upper");
    QTest::addColumn<double>("R_lower");
    QTest::addColumn<double>("U");
    QTest::addColumn<double>("e");
    QTest::addColumn<double>("U_field");
    // the hand calculations above timberFrameWall() and rafterRoof()
    QTest::newRow("timber-frame wall, 15 % studs")
        << timberFrameWall() << int(HeatFlowDirection::Horizontal) << 4.335182 << 4.082963
        << 0.237582 << 0.029961 << 1 / 5.12;
    QTest::newRow("rafter roof, 10 % rafters")
        << rafterRoof() << int(HeatFlowDirection::Upwards) << 5.754894 << 5.494054 << 0.177794
        << 0.023188 << 1 / 6.44;
}

void tst_InhomogeneousLayers::construction()
{
    QFETCH(InputData, input);
    QFETCH(int, direction);
    QFETCH(double, R_upper);
    QFETCH(double, R_lower);
    QFETCH(double, U);
    QFETCH(double, e);
    QFETCH(double, U_field);
    QCOMPARE(input.validate(), InputStatus::Valid);
    CalculationOptions options;
    options.heatFlowDirection = heatFlowDirectionFromCode(direction);
    const CalculationResults r = Calculation::calculate(input, options).results;
    QVERIFY(r.inhomogeneous.present);
    QCOMPARE(r.inhomogeneous.sections, 2);
    M2_COMPARE_REL(r.inhomogeneous.R_upper, R_upper, 1e-6);
    M2_COMPARE_REL(r.inhomogeneous.R_lower, R_lower, 1e-6);
    M2_COMPARE_REL(r.inhomogeneous.e, e, 1e-4);
    QVERIFY(r.inhomogeneous.valid());
    M2_COMPARE_REL(r.U_ISO(options.heatFlowDirection), U, 1e-5);
    M2_COMPARE_REL(r.U_field(options.heatFlowDirection), U_field, 1e-12);
    // the studs make the component worse than its field
    QVERIFY(r.U_ISO(options.heatFlowDirection) > r.U_field(options.heatFlowDirection));
}

/*  Steel studs through insulation leave the standard's range of validity: 160 mm insulation,
    λ 0.04 (R = 4.0), with 1 % steel, λ 50 (R = 0.0032), and a gypsum board (R = 0.05);
    R_si 0.13, R_se 0.04:
    R'_T:  R_T,field = 0.13 + 4.0 + 0.05 + 0.04 = 4.22, R_T,steel = 0.13 + 0.0032 + 0.05 + 0.04
           = 0.2232;  1/R' = 0.99/4.22 + 0.01/0.2232 = 0.234597 + 0.044803 = 0.279400,
           R'_T = 3.579098
    R''_T: 1/R = 0.99/4.0 + 0.01/0.0032 = 0.2475 + 3.125 = 3.3725, R = 0.296516;
           R''_T = 0.13 + 0.296516 + 0.05 + 0.04 = 0.516516
    R'_T/R''_T = 6.9293 > 1.5: no U-value. */
void tst_InhomogeneousLayers::rangeOfValidity()
{
    InputData in;
    MaterialLayer layer(material("Insulation", 0.04, 1, 0.0001, 0.05, 0.00001, 5, Qt::yellow),
                        0.16);
    layer.m_bridge = LayerBridge(steel(), 0.01);
    in.insertLayer(0, layer);
    in.insertLayer(1, MaterialLayer(gypsum(), 0.0125));
    QCOMPARE(in.validate(), InputStatus::Valid);
    const CalculationResults r = Calculation::calculate(in).results;
    QVERIFY(r.inhomogeneous.present);
    M2_COMPARE_REL(r.inhomogeneous.R_upper, 3.579098, 1e-6);
    M2_COMPARE_REL(r.inhomogeneous.R_lower, 0.516516, 1e-6);
    M2_COMPARE_REL(r.inhomogeneous.ratio(), 6.9293, 1e-4);
    QVERIFY(!r.inhomogeneous.valid());
    QVERIFY(std::isnan(r.U_ISO(HeatFlowDirection::Horizontal)));
    // at the border: a ratio of exactly 1.5 is still inside, anything above is not
    InhomogeneousResistance border;
    border.present = true;
    border.R_lower = 2;
    border.R_upper = 3;
    QVERIFY(border.valid());
    border.R_upper = std::nextafter(3.0, 4.0);
    QVERIFY(!border.valid());
}

/*  Studs in one layer and counter-battens in another cross each other: four sections with the
    products of the fractions, 0.85·0.9, 0.15·0.9, 0.85·0.1, 0.15·0.1, adding up to 1. */
void tst_InhomogeneousLayers::crossingBridgesFormFourSections()
{
    InputData in = timberFrameWall();
    in.layer(3).m_bridge = LayerBridge(softwood(), 0.1);
    const auto sections = InhomogeneousLayers::sections(in, HeatFlowDirection::Horizontal);
    QCOMPARE(int(sections.size()), 4);
    double sum = 0;
    for (const auto &s : sections)
        sum += s.fraction;
    M2_COMPARE_REL(sum, 1.0, 1e-15);
    M2_COMPARE_REL(sections[3].fraction, 0.15 * 0.1, 1e-15);
    M2_COMPARE_REL(sections[3].R[2], 1.2, 1e-12);
    M2_COMPARE_REL(sections[3].R[3], 0.04 / 0.13, 1e-12);
    M2_COMPARE_REL(sections[0].R[3], 0.8, 1e-12);
    const InhomogeneousResistance r =
        InhomogeneousLayers::calculate(in, HeatFlowDirection::Horizontal);
    QCOMPARE(r.sections, 4);
    // a second bridged layer can only lower the resistance
    QVERIFY(
        r.R_upper <
        InhomogeneousLayers::calculate(timberFrameWall(), HeatFlowDirection::Horizontal).R_upper);
}

// Temperatures, the Glaser scheme and the moisture-storage method are those of the field
// section: the results equal those of the construction without its studs in every value.
void tst_InhomogeneousLayers::condensationOnFieldSection()
{
    InputData bridged = timberFrameWall();
    InputData field = withoutBridges(bridged);
    QCOMPARE(bridged.validate(), InputStatus::Valid);
    QCOMPARE(field.validate(), InputStatus::Valid);
    CalculationResults a = Calculation::calculate(bridged).results;
    const CalculationResults b = Calculation::calculate(field).results;
    QVERIFY(a.inhomogeneous.present);
    QVERIFY(!b.inhomogeneous.present);
    QVERIFY(a != b);
    a.inhomogeneous = InhomogeneousResistance();
    QVERIFY(a == b);
    QCOMPARE(a.T_Glaser, b.T_Glaser);
    QCOMPARE(a.m_c_Glaser, b.m_c_Glaser);
}

void tst_InhomogeneousLayers::homogeneousUnchanged()
{
    const InputData in = withoutBridges(timberFrameWall());
    QVERIFY(!in.hasBridges());
    const CalculationResults r = Calculation::calculate(in).results;
    QVERIFY(!r.inhomogeneous.present);
    QCOMPARE(r.U_ISO(HeatFlowDirection::Horizontal), 1 / (r.R_layers + 0.04 + 0.13));
    QCOMPARE(r.U_ISO(HeatFlowDirection::Horizontal), r.U_field(HeatFlowDirection::Horizontal));
}

void tst_InhomogeneousLayers::invalidBridgeIsInvalidInput()
{
    InputData in = timberFrameWall(1.0); // a fraction of 1 is no bridge but a material change
    QCOMPARE(in.validate(), InputStatus::InvalidMaterial);
    QVERIFY(in.faultText().contains(QStringLiteral("Softwood")));
    InputData bad = timberFrameWall();
    bad.layer(2).m_bridge->material.m_lambda = 0;
    QCOMPARE(bad.validate(), InputStatus::InvalidMaterial);
    QVERIFY(bad.faultText().contains(QStringLiteral("thermal conductivity")));
}

void tst_InhomogeneousLayers::widthAndSpacing()
{
    // 60 mm studs at 625 mm centres: 0.06/0.625 = 0.096
    const LayerBridge b = LayerBridge::fromWidthAndSpacing(softwood(), 0.06, 0.625);
    QVERIFY(b.byWidthAndSpacing());
    M2_COMPARE_REL(b.fraction, 0.096, 1e-15);
    QVERIFY(LayerBridge::acceptableWidthAndSpacing(0.06, 0.625));
    QVERIFY(!LayerBridge::acceptableWidthAndSpacing(0.625, 0.625));
    QVERIFY(!LayerBridge::acceptableWidthAndSpacing(0, 0.625));
    QVERIFY(!LayerBridge::acceptableWidthAndSpacing(0.06, std::nan("")));
    QVERIFY(!LayerBridge::acceptableFraction(0));
    QVERIFY(!LayerBridge::acceptableFraction(std::nan("")));
    QVERIFY(LayerBridge::acceptableFraction(0.5));
    QVERIFY(!LayerBridge(softwood(), 0.15).byWidthAndSpacing());
}

void tst_InhomogeneousLayers::projectEdit()
{
    Project project;
    project.createNew(withoutBridges(timberFrameWall()), ProjectInformation());
    const double U_before = project.results().U_ISO(project.heatFlowDirection());
    QSignalSpy spy(&project, &Project::changed);

    // refused: no change, no announcement
    QString reason;
    QVERIFY(!project.acceptsLayerBridge(2, LayerBridge(softwood(), 1.2), &reason));
    QVERIFY(!reason.isEmpty());
    QVERIFY(!project.setLayerBridge(2, LayerBridge(softwood(), 1.2)));
    LayerBridge inconsistent = LayerBridge::fromWidthAndSpacing(softwood(), 0.06, 0.625);
    inconsistent.fraction = 0.2;
    QVERIFY(!project.setLayerBridge(2, inconsistent));
    QVERIFY(!project.setLayerBridge(7, LayerBridge(softwood(), 0.15)));
    QVERIFY(!project.setLayerBridge(2, std::nullopt)); // has none
    QCOMPARE(spy.count(), 0);

    QVERIFY(project.setLayerBridge(2, LayerBridge(softwood(), 0.15)));
    QCOMPARE(spy.count(), 1);
    const auto changes = spy.takeFirst().at(0).value<ProjectChanges>();
    QVERIFY(changes.testFlag(ProjectChange::Construction));
    QVERIFY(project.isModified());
    M2_COMPARE_REL(project.results().U_ISO(project.heatFlowDirection()), 0.237582, 1e-5);
    QVERIFY(!project.setLayerBridge(2, LayerBridge(softwood(), 0.15))); // the same again

    QVERIFY(project.setLayerBridge(2, std::nullopt));
    QCOMPARE(project.results().U_ISO(project.heatFlowDirection()), U_before);
}

void tst_InhomogeneousLayers::fileRoundTrip()
{
    InputData in = timberFrameWall();
    in.layer(3).m_bridge = LayerBridge::fromWidthAndSpacing(softwood(), 0.06, 0.625);
    in.validate();
    const QByteArray text = written(in);
    QVERIFY(text.contains("<Bridge fraction=\"0.15\">"));
    QVERIFY(text.contains("width=\"0.06\" spacing=\"0.625\""));
    InputData back;
    QString message;
    QVERIFY2(readBack(text, back, &message), qPrintable(message));
    QVERIFY(back.layer(2).m_bridge.has_value());
    QCOMPARE(*back.layer(2).m_bridge, *in.layer(2).m_bridge);
    QCOMPARE(*back.layer(3).m_bridge, *in.layer(3).m_bridge);
    QVERIFY(back == in);
    QCOMPARE(written(back), text);
}

void tst_InhomogeneousLayers::oldFileHasNoBridge()
{
    // a construction without second materials is written as before: no new element
    const InputData in = withoutBridges(timberFrameWall());
    const QByteArray text = written(in);
    QVERIFY(!text.contains("Bridge"));
    InputData back;
    QString message;
    QVERIFY2(readBack(text, back, &message), qPrintable(message));
    QVERIFY(!back.hasBridges());
    // an older program reads a file with a bridge as the field section: it skips the element,
    // which stands inside the layer after the layer's own material
    const QByteArray bridged = written(timberFrameWall());
    const int bridge = bridged.indexOf("<Bridge");
    QVERIFY(bridge > bridged.indexOf("<Material name=\"Mineral wool\""));
    QVERIFY(bridge < bridged.indexOf("</Layer>", bridged.indexOf("<Material name=\"Mineral")));
}

void tst_InhomogeneousLayers::bridgeByWidthAndSpacingOnly()
{
    QByteArray text = written(timberFrameWall());
    text.replace("<Bridge fraction=\"0.15\">", "<Bridge width=\"0.06\" spacing=\"0.625\">");
    InputData back;
    QString message;
    QVERIFY2(readBack(text, back, &message), qPrintable(message));
    QVERIFY(back.layer(2).m_bridge.has_value());
    M2_COMPARE_REL(back.layer(2).m_bridge->fraction, 0.096, 1e-15);
    QCOMPARE(back.validate(), InputStatus::Valid);
}

void tst_InhomogeneousLayers::badBridgeInFile()
{
    // a fraction out of range loads, keeps the layer and is reported by the status
    QByteArray text = written(timberFrameWall());
    text.replace("<Bridge fraction=\"0.15\">", "<Bridge fraction=\"1.5\">");
    InputData back;
    QString message;
    QVERIFY2(readBack(text, back, &message), qPrintable(message));
    QCOMPARE(back.status(), InputStatus::InvalidMaterial);
    QCOMPARE(back.layerCount(), 4);
    // a bridge without material too
    QByteArray noMaterial = written(timberFrameWall());
    const int start = noMaterial.indexOf("<Bridge");
    const int materialStart = noMaterial.indexOf("<Material", start);
    const int materialEnd = noMaterial.indexOf("/>", materialStart) + 2;
    noMaterial.remove(materialStart, materialEnd - materialStart);
    InputData back2;
    QVERIFY2(readBack(noMaterial, back2, &message), qPrintable(message));
    QCOMPARE(back2.status(), InputStatus::InvalidMaterial);
    // not a number: a reader error
    text = written(timberFrameWall());
    text.replace("<Bridge fraction=\"0.15\">", "<Bridge fraction=\"abc\">");
    InputData back3;
    QVERIFY(!readBack(text, back3, &message));
}

M2_TEST_GUILESS_MAIN(tst_InhomogeneousLayers)
#include "tst_InhomogeneousLayers.moc"
