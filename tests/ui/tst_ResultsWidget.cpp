// The results panel: the texts and figures it builds for each kind of result, in the locale's
// number format, and one render without warnings.

#include "TestSupport.h"

#include "calculation/ResultType.h"
#include "document/Project.h"
#include "qtext/Table.h"
#include "ui/mainwindow/M2_ResultsWidget.h"

#include <QDir>
#include <QImage>
#include <QLocale>
#include <QScrollBar>

namespace {

Material material(const QString &name, double lambda, double mu)
{
    Material m;
    m.m_name = name;
    m.m_category = 2;
    m.m_rho = 1000;
    m.m_lambda = lambda;
    m.m_mu = m.m_mu_min = m.m_mu_max = mu;
    m.m_w_80 = 0.01;
    m.m_w_sat = 0.2;
    m.m_A_w = 0.01;
    return m;
}

InputData wall(int layers)
{
    InputData input;
    for (int i = 0; i < layers; ++i)
        input.insertLayer(
            i, MaterialLayer(material(QStringLiteral("Layer %1").arg(i + 1), 0.5, 10), 0.1));
    input.validate();
    return input;
}

QString examplesDir()
{
    return QDir(QStringLiteral(M2_TEST_DATA_DIR "/../../resources/examples")).absolutePath();
}

/*! Loads one of the shipped examples into project; false, with the reason logged, when it fails. */
bool loadExample(Project &project, const char *name)
{
    QString message;
    const bool loaded =
        project.load(examplesDir() + QLatin1Char('/') + QLatin1String(name), &message);
    if (!loaded)
        qWarning("%s: %s", name, qPrintable(message));
    return loaded;
}

// The rows of the verdict block that stand under the basis and whose criterion starts with the
// text.
QList<int> verdictRows(const M2_ResultsWidget &widget, const QString &criterion,
                       const QString &basis)
{
    const QtExt::Table &t = widget.verdictTable();
    QList<int> rows;
    for (int row = 0; row < t.rowCount(); ++row)
        if (!t.cell(0, row).isMerged() && t.cell(0, row).text().startsWith(criterion) &&
            widget.basisOfVerdictRow(row) == basis)
            rows << row;
    return rows;
}

} // namespace

class tst_ResultsWidget : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void resultTexts_data();
    void resultTexts();
    void invalidInputReplacesTheTable();
    void figuresInTheLocaleFormat();
    void beforeTheFirstUpdate();
    void paintsWithoutWarnings();
    void glaserTexts_data();
    void glaserTexts();
    void masonryExampleShowsBothMethods();
    void verdictMarks_data();
    void verdictMarks();
    void smallCondensateInGrams();
    void scrollsWhenTaller();
    void updatedPanelPaintsAsANewOne();
    void verdictsPaintedWhenScrolledTo();
    void limitsOfInhomogeneousLayers();
};

void tst_ResultsWidget::resultTexts_data()
{
    using Planes = std::vector<CalculationResults::PlaneRange>;
    QTest::addColumn<int>("type");
    QTest::addColumn<Planes>("planes");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("expected");
    const QString red = QStringLiteral("<font color=\"#FF0000\">%1</font>");
    const QString blue = QStringLiteral("<font color=\"#0000FF\">%1</font>");
    QTest::newRow("2: several messages")
        << 2 << Planes() << QStringList{"No Solution found!", "Second reason."}
        << red.arg("No Solution found!") + "<br/>" + red.arg("Second reason.");
    QTest::newRow("0") << 0 << Planes() << QStringList() << red.arg("No input!");
    QTest::newRow("4") << 4 << Planes() << QStringList()
                       << red.arg("Condensation on the surface (warm side). No calculation "
                                  "possible.");
    QTest::newRow("6") << 6 << Planes() << QStringList()
                       << blue.arg("Only one layer. No condensate possible!");
    QTest::newRow("7") << 7 << Planes() << QStringList() << blue.arg("No condensate emerges!");
    QTest::newRow("8") << 8 << Planes() << QStringList()
                       << red.arg("t_hyg bigger than duration of winter climate!");
    QTest::newRow("9") << 9 << Planes{{2, 3}} << QStringList()
                       << blue.arg("Condensation between layer 3 and 4!");
    QTest::newRow("10") << 10 << Planes{{1, 4}, {5, 6}} << QStringList()
                        << blue.arg("Condensation between layer 2 and 5!");
    QTest::newRow("11: three planes")
        << 11 << Planes{{1, 1}, {3, 3}, {5, 5}} << QStringList()
        << blue.arg("Condensation between layer 2 and 2, 4 and 4, 6 and 6.");
    QTest::newRow("unknown") << 12 << Planes() << QStringList() << red.arg("Unknown result!");
    QTest::newRow("negative") << -1 << Planes() << QStringList() << red.arg("Unknown result!");
}

void tst_ResultsWidget::resultTexts()
{
    using Planes = std::vector<CalculationResults::PlaneRange>;
    QFETCH(int, type);
    QFETCH(Planes, planes);
    QFETCH(QStringList, messages);
    QFETCH(QString, expected);
    QCOMPARE(M2_ResultsWidget::resultText(type, planes, messages), expected);

    // The same text stands in row 6 of the table the widget builds, under its heading.
    CalculationOutcome outcome;
    outcome.results.type = ResultType::Type(type);
    outcome.results.kPlanes = planes;
    outcome.messages = messages;
    M2_ResultsWidget widget;
    widget.updateResults(wall(2), outcome, HeatFlowDirection::Horizontal);
    QVERIFY(!widget.showsInvalidInput());
    QCOMPARE(widget.table().cell(0, 6).text(), expected);
    QVERIFY(widget.table().cell(0, 6).isMerged()); // spans the three columns
}

void tst_ResultsWidget::invalidInputReplacesTheTable()
{
    InputData input = wall(3);
    input.layer(1).m_width = 0;
    input.validate();
    const CalculationOutcome outcome = Calculation::calculate(input, CalculationOptions());
    QCOMPARE(int(outcome.results.type), int(ResultType::InvalidInput));
    M2_ResultsWidget widget;
    widget.updateResults(input, outcome, HeatFlowDirection::Horizontal);
    QVERIFY(widget.showsInvalidInput());
    const QString text = widget.invalidInputText();
    QVERIFY2(text.startsWith("<font color=\"#FF0000\">Invalid input!</font><br/>"),
             qPrintable(text));
    // The reason names the layer and the value.
    QVERIFY2(text.contains("Layer #2") && text.contains("width"), qPrintable(text));

    // The engine's own messages are listed one per line.
    CalculationOutcome withMessages;
    withMessages.results.type = ResultType::InvalidInput;
    withMessages.messages =
        QStringList{"Invalid mu 0 of material.", "Error in Glaser-Calculation."};
    widget.updateResults(wall(2), withMessages, HeatFlowDirection::Horizontal);
    QCOMPARE(widget.invalidInputText(),
             QStringLiteral("<font color=\"#FF0000\">Invalid input!</font>"
                            "<br/>Invalid mu 0 of material.<br/>Error in Glaser-Calculation."));
}

void tst_ResultsWidget::figuresInTheLocaleFormat()
{
    QLocale german(QLocale::German, QLocale::Germany);
    german.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(german);
    InputData input;
    input.insertLayer(0, MaterialLayer(material(QStringLiteral("Insulation"), 0.04, 10), 0.1));
    input.validate();
    CalculationOutcome outcome = Calculation::calculate(input, CalculationOptions());
    QCOMPARE(int(outcome.results.type), int(ResultType::OnlyOneLayer));
    outcome.results.t_ev = 1.5 * 86400;
    outcome.results.m_cond = 1234.5;
    M2_ResultsWidget widget;
    widget.updateResults(input, outcome, HeatFlowDirection::Upwards);
    const QtExt::Table &t = widget.table();
    QCOMPARE(t.cell(1, 0).text(), QStringLiteral("0,100")); // thickness of the one layer
    QCOMPARE(t.cell(2, 0).text(), QStringLiteral("m"));
    QCOMPARE(t.cell(1, 1).text(), QStringLiteral("2,500")); // 0.1 m / 0.04 W/(mK)
    // The ISO 6946 U-value with the inside surface resistance of the heat-flow direction.
    QCOMPARE(t.cell(1, 3).text(), QStringLiteral("%L1").arg(1 / (2.5 + 0.04 + 0.10), 0, 'f', 3));
    QCOMPARE(t.cell(1, 7).text(), QStringLiteral("1234,500")); // no group separator
    QCOMPARE(t.cell(1, 8).text(), QStringLiteral("1,50"));
    QCOMPARE(t.cell(2, 8).text(), QStringLiteral("d"));
    QCOMPARE(
        t.cell(0, 6).text(),
        QStringLiteral("<font color=\"#0000FF\">Only one layer. No condensate possible!</font>"));
}

void tst_ResultsWidget::beforeTheFirstUpdate()
{
    M2_ResultsWidget widget;
    QVERIFY(widget.showsInvalidInput());
    QCOMPARE(widget.invalidInputText(),
             QStringLiteral("<font color=\"#FF0000\">Invalid input!</font>"));
    QVERIFY(widget.minimumHeight() >= 300);
}

void tst_ResultsWidget::paintsWithoutWarnings()
{
    TestSupport::QtWarningCapture capture;
    InputData input = wall(3);
    const CalculationOutcome outcome = Calculation::calculate(input, CalculationOptions());
    M2_ResultsWidget widget;
    widget.resize(480, 320);
    widget.updateResults(input, outcome, HeatFlowDirection::Horizontal);
    QImage image(widget.size(), QImage::Format_ARGB32);
    image.fill(Qt::black);
    widget.render(&image);
    QVERIFY2(capture.warnings().isEmpty(), qPrintable(capture.warnings().join('\n')));
    // The table was laid out within the drawing area, 10 pixels in from the left.
    qreal width = 0;
    for (qreal w : widget.table().columnWidths())
        width += w;
    QVERIFY(width > 0 && width <= 470 + 1e-9);
    QVERIFY(QColor(image.pixel(2, 2)) != QColor(Qt::black)); // the window colour was painted
}

void tst_ResultsWidget::glaserTexts_data()
{
    using Planes = std::vector<CalculationResults::PlaneRange>;
    QTest::addColumn<int>("type");
    QTest::addColumn<Planes>("runs");
    QTest::addColumn<QString>("expected");
    const QString red = QStringLiteral("<font color=\"#FF0000\">%1</font>");
    const QString blue = QStringLiteral("<font color=\"#0000FF\">%1</font>");
    // interface k lies between layers k and k + 1 (1-based)
    QTest::newRow("plane") << 9 << Planes{{2, 2}}
                           << blue.arg("Condensation plane between layer 2 (Layer 2) and layer 3 "
                                       "(Layer 3)");
    QTest::newRow("zone of one layer")
        << 10 << Planes{{1, 2}} << blue.arg("Condensation zone in layer 2 (Layer 2)");
    QTest::newRow("zone") << 10 << Planes{{1, 3}}
                          << blue.arg("Condensation zone from layer 2 (Layer 2) to layer 3 "
                                      "(Layer 3)");
    QTest::newRow("two planes")
        << 11 << Planes{{1, 1}, {3, 3}}
        << blue.arg("Condensation plane between layer 1 (Layer 1) and layer 2 (Layer 2)<br/>"
                    "Condensation plane between layer 3 (Layer 3) and layer 4 (Layer 4)");
    QTest::newRow("no condensate") << 7 << Planes{} << blue.arg("No condensate emerges!");
    QTest::newRow("surface") << 4 << Planes{{0, 0}}
                             << red.arg("Condensation on the surface (warm side). No "
                                        "calculation possible.");
    QTest::newRow("not calculated") << 1 << Planes{} << red.arg("a reason &lt;1&gt;");
}

void tst_ResultsWidget::glaserTexts()
{
    using Planes = std::vector<CalculationResults::PlaneRange>;
    QFETCH(int, type);
    QFETCH(Planes, runs);
    QFETCH(QString, expected);
    const InputData input = wall(4);
    std::vector<MaterialLayer> layers;
    for (int i = 0; i < input.layerCount(); ++i)
        layers.push_back(input.layer(i));
    QCOMPARE(M2_ResultsWidget::glaserText(type, runs, layers, QStringLiteral("a reason <1>")),
             expected);
}

void tst_ResultsWidget::masonryExampleShowsBothMethods()
{
    // The interior insulation of the masonry example: the Glaser scheme finds more condensate
    // than DIN 4108-3 admits, the moisture-storage method less; the panel shows both, each
    // verdict with its basis.
    Project project;
    QVERIFY(loadExample(project, "masonry_wall_interior_insulation.m2p"));
    const CalculationResults &r = project.results();
    QVERIFY(ResultType::isCondensation(r.typeGlaser));
    M2_ResultsWidget widget;
    widget.updateResults(project.inputData(), project.outcome(), project.heatFlowDirection());
    const QtExt::Table &t = widget.table();
    QCOMPARE(t.rowCount(), 14);
    QCOMPARE(t.cell(0, 5).text(), QStringLiteral("<b>Moisture storage method</b>"));
    QCOMPARE(t.cell(0, 9).text(), QStringLiteral("<b>Glaser scheme (DIN 4108-3)</b>"));
    // where, named by layer number and name
    const int plane = int(r.kPlanesGlaser.front().first);
    QVERIFY2(t.cell(0, 10).text().contains(
                 QStringLiteral("layer %1 (%2)")
                     .arg(plane)
                     .arg(project.inputData().layer(plane - 1).m_name.toHtmlEscaped())),
             qPrintable(t.cell(0, 10).text()));
    QCOMPARE(t.cell(1, 11).text(), QStringLiteral("%L1").arg(r.m_c_Glaser, 0, 'f', 3));
    QCOMPARE(t.cell(1, 12).text(), QStringLiteral("%L1").arg(r.m_ev_Glaser, 0, 'f', 3));
    QCOMPARE(t.cell(1, 13).text(), QStringLiteral("%L1").arg(r.t_ev_Glaser / 86400, 0, 'f', 2));
    QCOMPARE(t.cell(1, 7).text(), QStringLiteral("%L1").arg(r.m_cond, 0, 'f', 3));

    // the verdicts: Glaser not fulfilled (above its mass limit), the moisture storage as judged
    const Assessment &a = widget.assessment();
    const double limit = DINCriteriaResult::massLimit(a.dinGlaser.m_nonCapillaryApplies);
    QVERIFY(r.m_c_Glaser > limit);
    QVERIFY(!a.dinGlaser.m_massMet);
    const QtExt::Table &v = widget.verdictTable();
    QCOMPARE(
        v.cell(0, 0).text(),
        QStringLiteral("<b>%1</b>").arg(DINCriteriaResult::headingText(a.din.m_options.m_edition)));
    const QList<int> glaser = verdictRows(widget, "Condensate mass", "Glaser scheme");
    QCOMPARE(glaser.size(), 1);
    const int g = glaser.front();
    QVERIFY2(v.cell(1, g).text().contains(QStringLiteral("%L1").arg(r.m_c_Glaser, 0, 'f', 3)) &&
                 v.cell(1, g).text().contains("&ge;") &&
                 v.cell(1, g).text().contains(QStringLiteral("%L1").arg(limit, 0, 'f', 1)),
             qPrintable(v.cell(1, g).text()));
    QCOMPARE(v.cell(2, g).text(), QStringLiteral("<b><font color=\"#D00000\">not "
                                                 "fulfilled</font></b>"));
    const QList<int> storage = verdictRows(widget, "Condensate mass", "Moisture storage method");
    QCOMPARE(storage.size(), 1);
    QVERIFY(
        v.cell(1, storage.front()).text().contains(QStringLiteral("%L1").arg(r.m_cond, 0, 'f', 3)));
    QCOMPARE(v.cell(2, storage.front()).text().contains("#007A00"), a.din.m_massMet);
    // one drying-time row per basis, and the minimum thermal protection as before
    QCOMPARE(verdictRows(widget, "Drying time", "Glaser scheme").size(), 1);
    QCOMPARE(verdictRows(widget, "Drying time", "Moisture storage method").size(), 1);
    QCOMPARE(verdictRows(widget, "Thermal resistance R", QString()).size(), 1);
}

void tst_ResultsWidget::verdictMarks_data()
{
    QTest::addColumn<int>("typeGlaser");
    QTest::addColumn<double>("M_c");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("value");
    QTest::newRow("fulfilled") << 9 << 0.4 << "<font color=\"#007A00\">fulfilled</font>"
                               << "0.400&nbsp;&lt;&nbsp;1.0&nbsp;kg/m<sup>2</sup>";
    QTest::newRow("not fulfilled") << 9 << 1.2 << "<font color=\"#D00000\">not fulfilled</font>"
                                   << "1.200&nbsp;&ge;&nbsp;1.0&nbsp;kg/m<sup>2</sup>";
    QTest::newRow("not evaluated")
        << 4 << 0.0 << "<font color=\"#B45F00\">not evaluated</font>"
        << "<font color=\"#B45F00\">condensation on the inside surface</font>";
}

void tst_ResultsWidget::verdictMarks()
{
    QFETCH(int, typeGlaser);
    QFETCH(double, M_c);
    QFETCH(QString, mark);
    QFETCH(QString, value);
    const InputData input = wall(3);
    CalculationOutcome outcome;
    CalculationResults &r = outcome.results;
    r.type = ResultType::NoCondensation;
    r.R_layers = 0.6;
    r.typeGlaser = ResultType::Type(typeGlaser);
    r.kPlanesGlaser = {{typeGlaser == 4 ? 0u : 1u, typeGlaser == 4 ? 0u : 1u}};
    r.m_c_Glaser = M_c;
    r.m_ev_Glaser = 2;
    r.t_ev_Glaser = 10 * 86400;
    M2_ResultsWidget widget;
    widget.updateResults(input, outcome, HeatFlowDirection::Horizontal);
    const QtExt::Table &v = widget.verdictTable();
    const QList<int> rows = verdictRows(widget, "Condensate mass", "Glaser scheme");
    QCOMPARE(rows.size(), 1);
    QCOMPARE(v.cell(2, rows.front()).text(), QStringLiteral("<b>%1</b>").arg(mark));
    QVERIFY2(v.cell(1, rows.front()).text().contains(value),
             qPrintable(v.cell(1, rows.front()).text()));
    // the moisture-storage method found no condensate: fulfilled, in green
    const QList<int> storage = verdictRows(widget, "Condensate mass", "Moisture storage method");
    QCOMPARE(storage.size(), 1);
    QCOMPARE(v.cell(2, storage.front()).text(),
             QStringLiteral("<b><font color=\"#007A00\">fulfilled</font></b>"));
}

void tst_ResultsWidget::smallCondensateInGrams()
{
    // A condensation zone with 0.2 g/m²: never "0.000 kg/m²" beside the zone.
    using Planes = std::vector<CalculationResults::PlaneRange>;
    CalculationOutcome outcome;
    CalculationResults &r = outcome.results;
    r.type = ResultType::CondensationZone;
    r.kPlanes = Planes{{2, 5}};
    r.m_cond = 0.0002;
    r.typeGlaser = ResultType::CondensationPlane;
    r.kPlanesGlaser = Planes{{3, 3}};
    r.m_c_Glaser = 1.5e-5;
    M2_ResultsWidget widget;
    widget.updateResults(wall(6), outcome, HeatFlowDirection::Horizontal);
    const QtExt::Table &t = widget.table();
    QCOMPARE(t.cell(1, 7).text(), QStringLiteral("0.20"));
    QCOMPARE(t.cell(2, 7).text(), QStringLiteral("g/m<sup>2</sup>"));
    QCOMPARE(t.cell(1, 11).text(), QStringLiteral("0.015"));
    QCOMPARE(t.cell(2, 11).text(), QStringLiteral("g/m<sup>2</sup>"));
}

void tst_ResultsWidget::scrollsWhenTaller()
{
    Project project;
    QVERIFY(loadExample(project, "masonry_wall_interior_insulation.m2p"));
    M2_ResultsWidget widget;
    widget.resize(500, 150);
    widget.updateResults(project.inputData(), project.outcome(), project.heatFlowDirection());
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    const QScrollBar *bar = widget.findChild<QScrollBar *>();
    QVERIFY(bar);
    QVERIFY(bar->isVisible());
    QVERIFY(bar->maximum() > 0);
    widget.resize(500, 3000);
    QTRY_VERIFY(!bar->isVisible());

    // a larger font: the figure column is measured again, wider
    const qreal before = widget.table().columnWidths().at(1);
    QFont font = widget.font();
    font.setPointSizeF(font.pointSizeF() * 2);
    widget.setFont(font);
    widget.grab();
    QVERIFY(widget.table().columnWidths().at(1) > 1.5 * before);
}

void tst_ResultsWidget::updatedPanelPaintsAsANewOne()
{
    // The panel keeps its layout and the measured widths of its texts between updates: after a
    // width edit it must paint exactly what a panel that never saw the old figures paints.
    Project project;
    QVERIFY(loadExample(project, "masonry_wall_interior_insulation.m2p"));
    M2_ResultsWidget updated;
    updated.resize(520, 700);
    updated.updateResults(project.inputData(), project.outcome(), project.heatFlowDirection());
    const QImage old = updated.grab().toImage();
    QVERIFY(project.setLayerValue(3, Project::LV_Width, 0.49));
    updated.updateResults(project.inputData(), project.outcome(), project.heatFlowDirection());
    const QImage shown = updated.grab().toImage();
    QVERIFY(shown != old);

    M2_ResultsWidget fresh;
    fresh.resize(520, 700);
    fresh.updateResults(project.inputData(), project.outcome(), project.heatFlowDirection());
    QCOMPARE(updated.table().columnWidths(), fresh.table().columnWidths());
    QCOMPARE(shown, fresh.grab().toImage());
}

void tst_ResultsWidget::verdictsPaintedWhenScrolledTo()
{
    // A short panel leaves the verdicts below the figures unpainted while they are out of
    // sight; scrolled down, the verdict block fills the panel's lower part.
    Project project;
    QVERIFY(loadExample(project, "masonry_wall_interior_insulation.m2p"));
    M2_ResultsWidget widget;
    widget.resize(500, 150);
    widget.updateResults(project.inputData(), project.outcome(), project.heatFlowDirection());
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QScrollBar *bar = widget.findChild<QScrollBar *>();
    QVERIFY(bar && bar->isVisible());
    QVERIFY(widget.verdictTable().rowCount() > 0);
    auto inkBelow = [&](int y0) {
        const QImage image = widget.grab().toImage();
        const QColor background = widget.palette().window().color();
        int ink = 0;
        for (int y = y0; y < image.height(); ++y)
            for (int x = 0; x < image.width() - bar->width(); ++x)
                if (QColor(image.pixel(x, y)) != background)
                    ++ink;
        return ink;
    };
    // the last rows of the verdict block (at least its last 40 pixels) are on screen
    bar->setValue(bar->maximum());
    QVERIFY(widget.contentHeight() - bar->value() <= widget.height());
    QVERIFY(inkBelow(widget.height() - 40) > 50);
}

// Studs in the insulation: the panel gives U of the component with both limits and the error,
// then the field section, and says that condensation is assessed there. Steel studs leave the
// range of validity: no U-value, but the reason.
void tst_ResultsWidget::limitsOfInhomogeneousLayers()
{
    QLocale::setDefault(QLocale::c());
    InputData input;
    input.insertLayer(0, MaterialLayer(material(QStringLiteral("Board"), 0.25, 10), 0.0125));
    MaterialLayer wool(material(QStringLiteral("Wool"), 0.039, 1), 0.156);
    wool.m_bridge = LayerBridge(material(QStringLiteral("Stud"), 0.13, 40), 0.15);
    input.insertLayer(1, wool);
    input.validate();
    const CalculationOutcome outcome = Calculation::calculate(input, CalculationOptions());
    const InhomogeneousResistance &inh = outcome.results.inhomogeneous;
    QVERIFY(inh.valid());
    M2_ResultsWidget widget;
    widget.updateResults(input, outcome, HeatFlowDirection::Horizontal);
    const QtExt::Table &t = widget.table();
    QCOMPARE(t.rowCount(), 16 + (ResultType::isCondensation(outcome.results.typeGlaser) ? 3 : 0));
    QCOMPARE(t.cell(0, 3).text(), QStringLiteral("U-value (ISO 6946, inhomogeneous layers)"));
    QCOMPARE(t.cell(1, 3).text(), QStringLiteral("%1").arg(1 / inh.R_T, 0, 'f', 3));
    QCOMPARE(t.cell(1, 4).text(), QStringLiteral("%1").arg(inh.R_upper, 0, 'f', 3));
    QCOMPARE(t.cell(1, 5).text(), QStringLiteral("%1").arg(inh.R_lower, 0, 'f', 3));
    QCOMPARE(t.cell(1, 6).text(), QStringLiteral("%1").arg(inh.e * 100, 0, 'f', 1));
    QCOMPARE(t.cell(1, 7).text(),
             QStringLiteral("%1").arg(outcome.results.U_field(HeatFlowDirection::Horizontal), 0,
                                      'f', 3));
    QVERIFY(t.cell(0, 9).text().contains(QStringLiteral("field section")));

    input.layer(1).m_bridge->material.m_lambda = 50;
    const CalculationOutcome steel = Calculation::calculate(input, CalculationOptions());
    QVERIFY(!steel.results.inhomogeneous.valid());
    widget.updateResults(input, steel, HeatFlowDirection::Horizontal);
    QVERIFY(widget.table().cell(0, 3).text().contains(QStringLiteral("No U-value")));
    QVERIFY(widget.table().cell(0, 3).isMerged());
    QVERIFY(!widget.table().cell(0, 3).text().contains(QStringLiteral("nan")));
}

M2_TEST_MAIN(tst_ResultsWidget)
#include "tst_ResultsWidget.moc"
