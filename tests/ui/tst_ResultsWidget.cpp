// The results panel: the texts and figures it builds for each kind of result, in the locale's
// number format, and one render without warnings.

#include "TestSupport.h"

#include "calculation/ResultType.h"
#include "qtext/Table.h"
#include "ui/mainwindow/M2_ResultsWidget.h"

#include <QImage>
#include <QLocale>

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

    // The same text stands in row 5 of the table the widget builds.
    CalculationOutcome outcome;
    outcome.results.type = ResultType::Type(type);
    outcome.results.kPlanes = planes;
    outcome.messages = messages;
    M2_ResultsWidget widget;
    widget.updateResults(wall(2), outcome, HeatFlowDirection::Horizontal);
    QVERIFY(!widget.showsInvalidInput());
    QCOMPARE(widget.table().cell(0, 5).text(), expected);
    QVERIFY(widget.table().cell(0, 5).isMerged()); // spans the three columns
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
    QCOMPARE(t.cell(1, 6).text(), QStringLiteral("1234,500")); // no group separator
    QCOMPARE(t.cell(1, 7).text(), QStringLiteral("1,50"));
    QCOMPARE(t.cell(2, 7).text(), QStringLiteral("d"));
    QCOMPARE(
        t.cell(0, 5).text(),
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
    QCOMPARE(t.rowCount(), 13);
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
