// The profile diagram: geometry read back from the scene's items (interface positions, the
// vapour-pressure and moisture scales, the tick rules), the empty and degenerate cases, the
// pictures written to files, and a warning-free render of every example project.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "calculation/Calculation.h"
#include "document/Project.h"
#include "model/PhysicsFunctions.h"
#include "report/DiagramPicture.h"
#include "report/DiagramScene.h"

#include <QBuffer>
#include <QDir>
#include <QGraphicsLineItem>
#include <QGraphicsPathItem>
#include <QGraphicsRectItem>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QTemporaryDir>
#include <QTextDocument>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <new>

Q_DECLARE_METATYPE(std::vector<double>)

namespace {

const QRectF Rect(5, 5, 790, 490);

/*! A wall of layers of the given widths (m): gypsum-like inside, insulation, masonry. */
InputData wall(const std::vector<double> &widths)
{
    InputData input;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        const Material m = i % 2 == 0
                               ? TestMaterials::material("Masonry", 0.8, 10, 0.02, 0.3, 0.05, 2)
                               : TestMaterials::material("Insulation", 0.04, 1, 0.001, 0.9, 0, 5);
        input.insertLayer(int(i), MaterialLayer(m, widths[i]));
    }
    input.validate();
    return input;
}

QString examplesDir()
{
    return QDir(QStringLiteral(M2_TEST_DATA_DIR "/../../resources/examples")).absolutePath();
}

/*! The example project, loaded and calculated as the program does. */
void loadExample(const QString &name, InputData &input, CalculationResults &results)
{
    Project project;
    QString message;
    QVERIFY2(project.load(examplesDir() + QLatin1Char('/') + name, &message), qPrintable(message));
    input = project.inputData();
    results = project.results();
}

QVector<QLineF> lines(const DiagramScene &scene, DiagramScene::ItemKind kind)
{
    QVector<QLineF> found;
    for (QGraphicsItem *item : scene.itemsOfKind(kind))
        if (auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(item))
            found << line->line();
    return found;
}

QPainterPath path(const DiagramScene &scene, DiagramScene::ItemKind kind)
{
    const QList<QGraphicsItem *> items = scene.itemsOfKind(kind);
    if (items.isEmpty())
        return QPainterPath();
    return qgraphicsitem_cast<QGraphicsPathItem *>(items.first())->path();
}

int visibleItems(const DiagramScene &scene)
{
    int count = 0;
    for (QGraphicsItem *item : scene.items())
        count += item->isVisible() ? 1 : 0;
    return count;
}

} // namespace

class tst_DiagramScene : public QObject
{
    Q_OBJECT

private slots:
    void interfacePositions_data();
    void interfacePositions();
    void vapourPressureScale();
    void realVapourPressureFollowsTheCondensationPlanes();
    void moistureTicks_data();
    void moistureTicks();
    void emptyDiagram_data();
    void emptyDiagram();
    void equalAirTemperatures();
    void noCurvesWithoutCondensationResult();
    void repeatedRequestKeepsTheItems();
    void svgTitles_data();
    void svgTitles();
    void exportFormats_data();
    void exportFormats();
    void failedExportKeepsTheOldFile();
    void examplesRenderWithoutWarnings_data();
    void examplesRenderWithoutWarnings();
    void glaserInterfacesAtCumulatedSd_data();
    void glaserInterfacesAtCumulatedSd();
    void glaserGridInRoundSteps_data();
    void glaserGridInRoundSteps();
    void glaserCondensationMarks_data();
    void glaserCondensationMarks();
    void glaserValuesAndLegend();
    void layerNamesElided_data();
    void layerNamesElided();
    void titlesKeptAcrossUpdates();
    void printedTextsStayInsideThePicture_data();
    void printedTextsStayInsideThePicture();
    void sketchShowsTheMembersOfASecondMaterial();
    void deviceMadeWhereAGoneOneWas();
};

void tst_DiagramScene::interfacePositions_data()
{
    QTest::addColumn<std::vector<double>>("widths");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QRectF>("rect");
    QTest::newRow("foil and wall") << std::vector<double>{0.001, 0.3} << 3 << Rect;
    QTest::newRow("five layers") << std::vector<double>{0.01, 0.08, 0.015, 0.365, 0.02} << 2
                                 << Rect;
    QTest::newRow("one layer, small view")
        << std::vector<double>{0.2} << 3 << QRectF(5, 5, 340, 240);
    QTest::newRow("sketch") << std::vector<double>{0.0125, 0.04, 0.16, 0.06} << 1 << Rect;
}

void tst_DiagramScene::interfacePositions()
{
    QFETCH(std::vector<double>, widths);
    QFETCH(int, mode);
    QFETCH(QRectF, rect);
    const InputData input = wall(widths);
    const CalculationOutcome outcome = Calculation::calculate(input);
    QImage device(1, 1, QImage::Format_RGB32);
    DiagramScene scene(true);
    scene.update(rect, &device, 1.0, outcome.results, input, mode);

    const QRectF plot = scene.diagramRect();
    QCOMPARE(scene.x0(), plot.left() + 40);
    QCOMPARE(scene.x1(), plot.right() - 50);
    const double v = std::max(10.0, 0.03 * plot.width());
    const QVector<double> &X = scene.interfaceX();
    const int n = int(widths.size());
    QCOMPARE(X.size(), n + 1);
    QCOMPARE(X[0], scene.x0() + v);
    double total = 0;
    for (double w : widths)
        total += w;
    const double span = scene.x1() - 2 * v - scene.x0();
    for (int k = 0; k < n; ++k) {
        // whole pixels, at most one short of the exact share of the layer
        const double exact = span / total * widths[std::size_t(k)];
        const double step = X[k + 1] - X[k];
        QVERIFY(std::fabs(step - std::round(step)) < 1e-9);
        QVERIFY(step <= exact + 1e-9 && step > exact - 1);
    }
    QVERIFY(X[n] <= scene.x1() - v);

    // the items stand where the positions say: the layer lines inside, the surfaces outside
    const QVector<QLineF> layerLines = lines(scene, DiagramScene::LayerLine);
    QCOMPARE(layerLines.size(), n - 1);
    for (int k = 1; k < n; ++k) {
        QCOMPARE(layerLines[k - 1].x1(), X[k]);
        QCOMPARE(layerLines[k - 1].y1(), plot.top());
        QCOMPARE(layerLines[k - 1].y2(), plot.bottom());
    }
    const QVector<QLineF> surfaces = lines(scene, DiagramScene::SurfaceLine);
    QCOMPARE(surfaces.size(), 2);
    QCOMPARE(surfaces[0].x1(), X[0]);
    QCOMPARE(surfaces[1].x1(), X[n]);
    QCOMPARE(scene.itemsOfKind(DiagramScene::WidthLabel).size(), n);
    QCOMPARE(scene.itemsOfKind(DiagramScene::LayerRect).size(), mode == 1 ? n : 0);

    // width labels never overlap and stay in order
    const QList<QGraphicsItem *> labels = scene.itemsOfKind(DiagramScene::WidthLabel);
    for (int i = 1; i < labels.size(); ++i)
        QVERIFY(labels[i]->sceneBoundingRect().left() >=
                labels[i - 1]->sceneBoundingRect().right());
    QCOMPARE(scene.sceneRect(), rect);
}

void tst_DiagramScene::vapourPressureScale()
{
    InputData input;
    CalculationResults results;
    loadExample(QStringLiteral("masonry_wall_interior_insulation.m2p"), input, results);
    DiagramScene scene(true);
    QImage device(1, 1, QImage::Format_RGB32);
    scene.update(Rect, &device, 1.0, results, input, DiagramScene::VapourPressureProfile);

    const QRectF plot = scene.diagramRect();
    const double H = plot.height();
    const QPainterPath saturation = path(scene, DiagramScene::SaturationCurve);
    QVERIFY(!saturation.isEmpty());
    const QPointF first = saturation.elementAt(0);
    const QPointF last = saturation.elementAt(saturation.elementCount() - 1);
    // warm inside: its saturation pressure tops the scale at a quarter of the height, the
    // outside one sits just above the bottom
    QCOMPARE(first.x(), scene.x0());
    QCOMPARE(first.y(), plot.top() + 0.25 * H);
    QCOMPARE(last.x(), scene.x1());
    QCOMPARE(last.y(), plot.bottom() - 0.05 * H);

    // the axis names both air saturation pressures in the locale's format
    QStringList labels;
    for (QGraphicsItem *item : scene.itemsOfKind(DiagramScene::VapourLabel))
        labels << DiagramScene::textOf(item);
    const double psatInside = p_sat_exp(input.climate().insideWinter().m_T);
    const double psatOutside = p_sat_exp(input.climate().outsideWinter().m_T);
    QCOMPARE(labels, QStringList({QLocale().toString(psatInside, 'f', 0),
                                  QLocale().toString(psatOutside, 'f', 0)}));
    QCOMPARE(scene.itemsOfKind(DiagramScene::Legend).size(), 1 + 4 + 4);
}

void tst_DiagramScene::realVapourPressureFollowsTheCondensationPlanes()
{
    InputData input;
    CalculationResults results;
    loadExample(QStringLiteral("masonry_wall_interior_insulation.m2p"), input, results);
    QVERIFY(!results.kPlanesGlaser.empty());
    DiagramScene scene(true);
    QImage device(1, 1, QImage::Format_RGB32);
    scene.update(Rect, &device, 1.0, results, input, DiagramScene::VapourPressureProfile);

    const QPainterPath saturation = path(scene, DiagramScene::SaturationCurve);
    const QPainterPath real = path(scene, DiagramScene::VapourCurve);
    const QVector<double> &X = scene.interfaceX();
    // y of a path at an interface x (the vertices of the straight parts)
    auto yAt = [](const QPainterPath &p, double x) {
        for (int i = p.elementCount() - 1; i >= 0; --i)
            if (p.elementAt(i).x == x)
                return p.elementAt(i).y;
        return qQNaN();
    };
    for (int k = 0; k < X.size(); ++k) {
        const double ys = yAt(saturation, X[k]);
        const double yr = yAt(real, X[k]);
        bool plane = false;
        for (const auto &run : results.kPlanesGlaser)
            plane = plane || (unsigned(k) >= run.first && unsigned(k) <= run.second);
        if (plane)
            QCOMPARE(yr, ys);
        else
            QVERIFY2(yr >= ys - 1e-9, qPrintable(QStringLiteral("interface %1").arg(k)));
    }
    // the straight line of the scheme rises above saturation there, shown dashed
    QVERIFY(!path(scene, DiagramScene::CalculatedVapourCurve).isEmpty());
}

void tst_DiagramScene::moistureTicks_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<double>("height");
    for (const char *example : {"masonry_wall_interior_insulation.m2p", "timber_frame_wall.m2p"})
        for (double height : {120.0, 300.0, 490.0, 900.0})
            QTest::addRow("%s, %g px", example, height) << QString::fromLatin1(example) << height;
}

void tst_DiagramScene::moistureTicks()
{
    QFETCH(QString, example);
    QFETCH(double, height);
    InputData input;
    CalculationResults results;
    loadExample(example, input, results);
    DiagramScene scene(true);
    QImage device(1, 1, QImage::Format_RGB32);
    scene.update(QRectF(5, 5, 790, height), &device, 1.0, results, input,
                 DiagramScene::MoistureContentProfile);

    double wMax = 0;
    for (std::size_t i = 0; i < results.w_left.size(); ++i)
        wMax = std::max({wMax, results.w_left[i], results.w_right[i]});
    const QRectF plot = scene.diagramRect();
    const double yMax = plot.top() + 0.05 * plot.height();
    const double M = (plot.bottom() - yMax) / wMax;

    const QVector<QLineF> ticks = lines(scene, DiagramScene::MoistureTick);
    QVERIFY(!ticks.isEmpty());
    QCOMPARE(ticks[0].y1(), yMax);
    if (std::floor(std::floor(wMax * M) / 25) < 1) {
        QCOMPARE(ticks.size(), 1); // no room for a step
        return;
    }
    QVERIFY(ticks.size() >= 2);
    QVERIFY(ticks[1].y1() - ticks[0].y1() >= 3);
    QCOMPARE(ticks.last().y1(), plot.bottom()); // down to zero
    // equal steps, a multiple of 0.005 m³/m³, at least 25 pixels apart
    const double step = ticks[ticks.size() - 2].y1() - ticks.last().y1();
    const double N = -step / M;
    QVERIFY(std::fabs(N / 0.005 - std::round(N / 0.005)) < 1e-6);
    QVERIFY(-step >= 25 - 1e-9);
    for (int i = 2; i < ticks.size(); ++i)
        QVERIFY(std::fabs((ticks[i].y1() - ticks[i - 1].y1()) - (-step)) < 1e-6);
    // the labels keep apart
    const QList<QGraphicsItem *> labels = scene.itemsOfKind(DiagramScene::MoistureLabel);
    for (int i = 1; i < labels.size(); ++i)
        QVERIFY(labels[i]->sceneBoundingRect().top() >
                labels[i - 1]->sceneBoundingRect().bottom() + 3);
}

void tst_DiagramScene::emptyDiagram_data()
{
    QTest::addColumn<std::vector<double>>("widths");
    QTest::addColumn<int>("resultType");
    QTest::newRow("zero width") << std::vector<double>{0.1, 0.0, 0.2} << -1;
    QTest::newRow("no layer") << std::vector<double>{} << -1;
    QTest::newRow("invalid input")
        << std::vector<double>{0.1, 0.2} << int(ResultType::InvalidInput);
}

void tst_DiagramScene::emptyDiagram()
{
    QFETCH(std::vector<double>, widths);
    QFETCH(int, resultType);
    const InputData input = wall(widths);
    CalculationResults results = Calculation::calculate(input).results;
    if (resultType >= 0)
        results.type = ResultType::Type(resultType);
    for (int mode = 1; mode <= 4; ++mode) {
        DiagramScene scene(true);
        scene.update(Rect, nullptr, 1.0, results, input, mode);
        QCOMPARE(visibleItems(scene), 0);
        QVERIFY(scene.interfaceX().isEmpty());
        QCOMPARE(scene.sceneRect(), Rect);
    }
}

void tst_DiagramScene::equalAirTemperatures()
{
    InputData input = wall({0.1, 0.1});
    ClimateCondition outside = input.climate().outsideWinter();
    outside.m_T = input.climate().insideWinter().m_T;
    input.climate().setOutsideWinter(outside);
    const CalculationResults results = Calculation::calculate(input).results;
    DiagramScene scene(true);
    scene.update(Rect, nullptr, 1.0, results, input, DiagramScene::MoistureContentProfile);
    const QPainterPath curve = path(scene, DiagramScene::TemperatureCurve);
    QVERIFY(!curve.isEmpty());
    for (int i = 0; i < curve.elementCount(); ++i) {
        QVERIFY(std::isfinite(curve.elementAt(i).x));
        QVERIFY(std::isfinite(curve.elementAt(i).y));
    }
    // one air temperature, written once
    QCOMPARE(scene.itemsOfKind(DiagramScene::TemperatureLabel).size(), 1);
}

void tst_DiagramScene::noCurvesWithoutCondensationResult()
{
    InputData input;
    CalculationResults results;
    loadExample(QStringLiteral("masonry_wall_interior_insulation.m2p"), input, results);
    for (int type = ResultType::CalculationError; type <= ResultType::NoAlgorithm; ++type) {
        results.type = ResultType::Type(type);
        for (int mode : {2, 3}) {
            DiagramScene scene(true);
            scene.update(Rect, nullptr, 1.0, results, input, mode);
            for (DiagramScene::ItemKind kind :
                 {DiagramScene::SaturationCurve, DiagramScene::VapourCurve,
                  DiagramScene::MoisturePolygon, DiagramScene::MoistureAxis, DiagramScene::Legend})
                QVERIFY(scene.itemsOfKind(kind).isEmpty());
            QCOMPARE(scene.itemsOfKind(DiagramScene::LayerLine).size(), input.layerCount() - 1);
            QVERIFY(!scene.itemsOfKind(DiagramScene::TemperatureAxis).isEmpty());
        }
    }
}

void tst_DiagramScene::repeatedRequestKeepsTheItems()
{
    const InputData input = wall({0.1, 0.2});
    const CalculationResults results = Calculation::calculate(input).results;
    DiagramScene scene(true);
    scene.update(Rect, nullptr, 1.0, results, input, 3);
    const QList<QGraphicsItem *> before = scene.items();
    scene.update(Rect, nullptr, 1.0, results, input, 3);
    QCOMPARE(scene.items(), before);
    scene.update(Rect, nullptr, 1.0, results, input, 2);
    QVERIFY(scene.items() != before);
}

void tst_DiagramScene::svgTitles_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("title");
    QTest::newRow("sketch") << 1 << "Construction Sketch";
    QTest::newRow("vapour pressure") << 2 << "Vapour pressure diagram";
    QTest::newRow("moisture content") << 3 << "Water content diagram";
    QTest::newRow("glaser diagram") << 4 << "Glaser diagram";
}

void tst_DiagramScene::svgTitles()
{
    QFETCH(int, mode);
    QFETCH(QString, title);
    const InputData input = wall({0.1, 0.2});
    const CalculationResults results = Calculation::calculate(input).results;
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const DiagramPicture picture(input, results, mode, 0.5);
    QVERIFY(picture.writeSvg(&buffer, QStringLiteral("/projects/wall.m2p")));
    const QString svg = QString::fromUtf8(buffer.data());
    QVERIFY(svg.contains(QStringLiteral("<title>%1</title>").arg(title)));
    QVERIFY(svg.contains(QStringLiteral("<desc>/projects/wall.m2p</desc>")));
    const QSize size = picture.size();
    QCOMPARE(size.width(), DiagramPicture::pageWidthAtScreenResolution());
    QCOMPARE(size.height(), qRound(size.width() * 0.5));
    QVERIFY(
        svg.contains(QStringLiteral("viewBox=\"0 0 %1 %2\"").arg(size.width()).arg(size.height())));
}

void tst_DiagramScene::exportFormats_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("magic");
    QTest::newRow("svg") << "picture.svg" << QByteArray("<?xml");
    QTest::newRow("png") << "picture.PNG" << QByteArray("\x89PNG");
    QTest::newRow("jpg") << "picture.jpg" << QByteArray("\xFF\xD8\xFF");
    QTest::newRow("pdf") << "picture.pdf" << QByteArray("%PDF");
}

void tst_DiagramScene::exportFormats()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, magic);
    QTemporaryDir dir;
    const InputData input = wall({0.1, 0.2});
    const CalculationResults results = Calculation::calculate(input).results;
    const QString path = dir.filePath(fileName);
    QString error;
    QVERIFY2(DiagramPicture::sketch(input, results).exportToFile(path, QString(), &error),
             qPrintable(error));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(magic.size()) == magic);
}

void tst_DiagramScene::failedExportKeepsTheOldFile()
{
    QTemporaryDir dir;
    const InputData input = wall({0.1, 0.2});
    const CalculationResults results = Calculation::calculate(input).results;
    const DiagramPicture picture(input, results, 3, 0.6);
    QString error;
    QVERIFY(!picture.exportToFile(dir.filePath(QStringLiteral("picture.bmp")), QString(), &error));
    QVERIFY(error.contains(QStringLiteral("picture.bmp")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("picture.bmp"))));
    QVERIFY(!picture.exportToFile(dir.filePath(QStringLiteral("missing/picture.png")), QString(),
                                  &error));
    QVERIFY(!error.isEmpty());

    // a full disk: the system's reason, not "Unknown error", and the old file stays
    const QString svg = dir.filePath(QStringLiteral("picture.svg"));
    QFile old(svg);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old");
    old.close();
    {
        TestSupport::FileSizeLimit full(1024);
        QVERIFY(full.active());
        QVERIFY(!picture.exportToFile(svg, QString(), &error));
    }
    QVERIFY2(error.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(error));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("old"));
}

void tst_DiagramScene::examplesRenderWithoutWarnings_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<int>("mode");
    const QStringList examples =
        QDir(examplesDir()).entryList({QStringLiteral("*.m2p")}, QDir::Files, QDir::Name);
    QVERIFY(examples.size() >= 5);
    for (const QString &example : examples)
        for (int mode = 1; mode <= 4; ++mode)
            QTest::addRow("%s, mode %d", qPrintable(example), mode) << example << mode;
}

void tst_DiagramScene::examplesRenderWithoutWarnings()
{
    QFETCH(QString, example);
    QFETCH(int, mode);
    InputData input;
    CalculationResults results;
    loadExample(example, input, results);
    TestSupport::QtWarningCapture capture;
    const QImage image = DiagramPicture(input, results, mode, 0.6).renderImage();
    QCOMPARE(image.width(), DiagramPicture::pageWidthAtScreenResolution());
    QVERIFY(capture.warnings().isEmpty());
    // and for the report: a scaled scene on a high-resolution device
    QImage page(1600, 1000, QImage::Format_RGB32);
    page.setDotsPerMeterX(11811); // 300 dpi
    page.setDotsPerMeterY(11811);
    page.fill(Qt::white);
    DiagramScene scene(false);
    scene.update(QRectF(0, 0, 1600, 1000), &page, 3.0, results, input, mode);
    QPainter painter(&page);
    scene.render(&painter);
    painter.end();
    QVERIFY2(capture.warnings().isEmpty(), qPrintable(capture.warnings().join('\n')));
    if ((mode == 2 || mode == 3) && input.allLayersCalculable())
        QCOMPARE(scene.itemsOfKind(DiagramScene::TemperatureCurve).size(), 1);
    if (mode == DiagramScene::GlaserDiagram) {
        // the Glaser diagram draws its curves and the pressure grid on the report's device too
        QCOMPARE(scene.itemsOfKind(DiagramScene::SaturationCurve).size(), 1);
        QVERIFY(scene.itemsOfKind(DiagramScene::VapourGrid).size() >= 2);
    }
}

namespace {

/*! The numbers written by the labels of one kind, in the order the labels were made. */
QVector<double> labelValues(const DiagramScene &scene, DiagramScene::ItemKind kind)
{
    QVector<double> values;
    for (QGraphicsItem *item : scene.itemsOfKind(kind)) {
        bool ok = false;
        values << QLocale().toDouble(DiagramScene::textOf(item), &ok);
        if (!ok)
            values.last() = qQNaN();
    }
    return values;
}

/*! Whether step is 1, 2, 2.5 or 5 times a power of ten. */
bool isRoundStep(double step)
{
    if (!(step > 0))
        return false;
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-12));
    for (double m : {1.0, 2.0, 2.5, 5.0, 10.0})
        if (std::fabs(mantissa - m) < 1e-9)
            return true;
    return false;
}

double sdOf(const InputData &input, int layer)
{
    return input.layer(layer).mu() * input.layer(layer).width();
}

} // namespace

void tst_DiagramScene::glaserInterfacesAtCumulatedSd_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<std::vector<double>>("widths");
    QTest::newRow("masonry, interior insulation")
        << "masonry_wall_interior_insulation.m2p" << std::vector<double>{};
    QTest::newRow("timber frame") << "timber_frame_wall.m2p" << std::vector<double>{};
    QTest::newRow("five layers") << QString()
                                 << std::vector<double>{0.01, 0.08, 0.015, 0.365, 0.02};
    QTest::newRow("one layer") << QString() << std::vector<double>{0.2};
}

void tst_DiagramScene::glaserInterfacesAtCumulatedSd()
{
    QFETCH(QString, example);
    QFETCH(std::vector<double>, widths);
    InputData input;
    CalculationResults results;
    if (example.isEmpty()) {
        input = wall(widths);
        results = Calculation::calculate(input).results;
    } else {
        loadExample(example, input, results);
    }
    DiagramScene scene(true);
    QImage device(1, 1, QImage::Format_RGB32);
    scene.update(Rect, &device, 1.0, results, input, DiagramScene::GlaserDiagram);

    const int n = input.layerCount();
    const QVector<double> &sd = scene.interfaceSd();
    const QVector<double> &X = scene.interfaceX();
    QCOMPARE(sd.size(), n + 1);
    QCOMPARE(X.size(), n + 1);
    double cumulated = 0;
    for (int k = 0; k <= n; ++k) {
        QVERIFY2(std::fabs(sd[k] - cumulated) <= 1e-12 * std::max(1.0, cumulated),
                 qPrintable(QStringLiteral("interface %1: %2 m, layers %3 m")
                                .arg(k)
                                .arg(sd[k], 0, 'g', 17)
                                .arg(cumulated, 0, 'g', 17)));
        if (k < n)
            cumulated += sdOf(input, k);
    }
    // the axis runs from s_d = 0 at the plot's left edge to the total at its right edge
    const QRectF plot = scene.diagramRect();
    for (int k = 0; k <= n; ++k) {
        const double expected = plot.left() + sd[k] / cumulated * plot.width();
        QVERIFY(std::fabs(X[k] - expected) < 1e-9);
    }
    // the bands and the layer lines stand there
    const QList<QGraphicsItem *> bands = scene.itemsOfKind(DiagramScene::LayerBand);
    QCOMPARE(bands.size(), n);
    for (QGraphicsItem *item : bands) {
        const int i = item->data(DiagramScene::IndexKey).toInt();
        const QRectF r = static_cast<QGraphicsRectItem *>(item)->rect();
        QCOMPARE(r.left(), X[i]);
        QCOMPARE(r.right(), X[i + 1]);
        QCOMPARE(item->toolTip(), input.layer(i).m_name);
    }
    const QVector<QLineF> layerLines = lines(scene, DiagramScene::LayerLine);
    QCOMPARE(layerLines.size(), n - 1);
    for (int k = 1; k < n; ++k)
        QCOMPARE(layerLines[k - 1].x1(), X[k]);
    // no temperature over s_d: it is not linear there
    QVERIFY(scene.itemsOfKind(DiagramScene::TemperatureCurve).isEmpty());
    // the saturation curve meets the calculation's pressures at the interfaces
    const QPainterPath saturation = path(scene, DiagramScene::SaturationCurve);
    QCOMPARE(saturation.elementAt(0).x, X[0]);
    QCOMPARE(saturation.elementAt(saturation.elementCount() - 1).x, X[n]);
}

void tst_DiagramScene::glaserGridInRoundSteps_data()
{
    QTest::addColumn<QString>("example");
    QTest::addColumn<QRectF>("rect");
    const QStringList examples =
        QDir(examplesDir()).entryList({QStringLiteral("*.m2p")}, QDir::Files, QDir::Name);
    for (const QString &example : examples) {
        QTest::addRow("%s, large", qPrintable(example)) << example << Rect;
        QTest::addRow("%s, small", qPrintable(example)) << example << QRectF(0, 0, 420, 260);
        QTest::addRow("%s, tall", qPrintable(example)) << example << QRectF(0, 0, 700, 1100);
    }
}

void tst_DiagramScene::glaserGridInRoundSteps()
{
    QFETCH(QString, example);
    QFETCH(QRectF, rect);
    InputData input;
    CalculationResults results;
    loadExample(example, input, results);
    DiagramScene scene(true);
    QImage device(1, 1, QImage::Format_RGB32);
    scene.update(rect, &device, 1.0, results, input, DiagramScene::GlaserDiagram);

    for (DiagramScene::ItemKind kind : {DiagramScene::VapourLabel, DiagramScene::SdLabel}) {
        const QVector<double> values = labelValues(scene, kind);
        QVERIFY2(values.size() >= 3, qPrintable(QString::number(values.size())));
        QCOMPARE(values.first(), 0.0);
        const double step = values[1] - values[0];
        QVERIFY2(isRoundStep(step), qPrintable(QString::number(step, 'g', 17)));
        for (int i = 2; i < values.size(); ++i)
            QVERIFY(std::fabs(values[i] - values[i - 1] - step) < 1e-9 * step);
    }
    // the pressure scale reaches above every pressure drawn
    const QVector<double> pressures = labelValues(scene, DiagramScene::VapourLabel);
    for (double p : results.psat_Glaser)
        QVERIFY(p <= pressures.last());
    for (double p : results.pv_Glaser)
        QVERIFY(p <= pressures.last());
    // one grid line per step above zero, labels apart
    QCOMPARE(scene.itemsOfKind(DiagramScene::VapourGrid).size(), pressures.size() - 1);
    const QList<QGraphicsItem *> labels = scene.itemsOfKind(DiagramScene::VapourLabel);
    for (int i = 1; i < labels.size(); ++i)
        QVERIFY(labels[i]->sceneBoundingRect().bottom() <=
                labels[i - 1]->sceneBoundingRect().top());
}

void tst_DiagramScene::glaserCondensationMarks_data()
{
    QTest::addColumn<QString>("example");
    const QStringList examples =
        QDir(examplesDir()).entryList({QStringLiteral("*.m2p")}, QDir::Files, QDir::Name);
    for (const QString &example : examples)
        QTest::addRow("%s", qPrintable(example)) << example;
}

void tst_DiagramScene::glaserCondensationMarks()
{
    QFETCH(QString, example);
    InputData input;
    CalculationResults results;
    loadExample(example, input, results);
    DiagramScene scene(true);
    QImage device(1, 1, QImage::Format_RGB32);
    scene.update(Rect, &device, 1.0, results, input, DiagramScene::GlaserDiagram);

    const QList<QGraphicsItem *> marks = scene.itemsOfKind(DiagramScene::CondensationMark);
    QCOMPARE(marks.size(), int(results.kPlanesGlaser.size()));
    const QVector<double> &X = scene.interfaceX();
    for (int i = 0; i < marks.size(); ++i) {
        const CalculationResults::PlaneRange &run = results.kPlanesGlaser[std::size_t(i)];
        QCOMPARE(marks[i]->data(DiagramScene::IndexKey).toInt(), int(run.first));
        if (auto *line = qgraphicsitem_cast<QGraphicsLineItem *>(marks[i])) {
            QCOMPARE(run.first, run.second);
            QCOMPARE(line->line().x1(), X[int(run.first)]);
        } else {
            const QRectF zone = qgraphicsitem_cast<QGraphicsRectItem *>(marks[i])->rect();
            QCOMPARE(zone.left(), X[int(run.first)]);
            QCOMPARE(zone.right(), X[int(run.second)]);
        }
    }
    // the dashed line without condensation only where the tangent construction departs from it
    QCOMPARE(scene.itemsOfKind(DiagramScene::CalculatedVapourCurve).size(),
             results.kPlanesGlaser.empty() ? 0 : 1);
}

void tst_DiagramScene::glaserValuesAndLegend()
{
    InputData input;
    CalculationResults results;
    loadExample(QStringLiteral("masonry_wall_interior_insulation.m2p"), input, results);
    QVERIFY(!results.kPlanesGlaser.empty());
    DiagramScene scene(true);
    QImage device(1, 1, QImage::Format_RGB32);
    scene.update(Rect, &device, 1.0, results, input, DiagramScene::GlaserDiagram);

    // every value written is the calculation's, rounded to whole pascals
    const QList<QGraphicsItem *> saturation = scene.itemsOfKind(DiagramScene::SaturationValue);
    QVERIFY(saturation.size() >= 2);
    for (QGraphicsItem *item : saturation) {
        const int k = item->data(DiagramScene::IndexKey).toInt();
        QCOMPARE(DiagramScene::textOf(item),
                 QLocale().toString(results.psat_Glaser[std::size_t(k)], 'f', 0));
    }
    // both surfaces carry their saturation pressure
    QCOMPARE(saturation.first()->data(DiagramScene::IndexKey).toInt(), 0);
    QCOMPARE(saturation.last()->data(DiagramScene::IndexKey).toInt(), input.layerCount());
    QVERIFY(!scene.itemsOfKind(DiagramScene::VapourValue).isEmpty());
    // no two values overlap
    QList<QGraphicsItem *> values = saturation + scene.itemsOfKind(DiagramScene::VapourValue);
    for (int i = 0; i < values.size(); ++i)
        for (int j = i + 1; j < values.size(); ++j)
            QVERIFY(!values[i]->sceneBoundingRect().intersects(values[j]->sceneBoundingRect()));

    // the legend stands above the plot, clear of every curve
    const QList<QGraphicsItem *> legend = scene.itemsOfKind(DiagramScene::Legend);
    QCOMPARE(legend.size(), 2 * 4); // saturation, real, calculated, condensation
    for (QGraphicsItem *item : legend)
        QVERIFY(item->sceneBoundingRect().bottom() <= scene.diagramRect().top());
    for (DiagramScene::ItemKind kind : {DiagramScene::SaturationCurve, DiagramScene::VapourCurve,
                                        DiagramScene::CalculatedVapourCurve})
        QVERIFY(path(scene, kind).boundingRect().top() >= scene.diagramRect().top());
}

void tst_DiagramScene::layerNamesElided_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("height");
    QTest::addColumn<bool>("elided");
    const QString longName = QStringLiteral(
        "Mineral wool insulation board, hydrophobised, between battens and a vapour retarder");
    QTest::newRow("short name, large") << "Brick" << 490.0 << false;
    QTest::newRow("long name, large") << longName << 490.0 << true;
    QTest::newRow("long name, small") << longName << 180.0 << true;
}

void tst_DiagramScene::layerNamesElided()
{
    QFETCH(QString, name);
    QFETCH(double, height);
    QFETCH(bool, elided);
    // two layers of equal s_d: both bands are half the plot wide
    InputData input;
    const Material m = TestMaterials::material(qPrintable(name), 0.8, 10, 0.02, 0.3, 0.05, 2);
    input.insertLayer(0, MaterialLayer(m, 0.2));
    input.insertLayer(1, MaterialLayer(m, 0.2));
    input.validate();
    const CalculationResults results = Calculation::calculate(input).results;
    DiagramScene scene(true);
    QImage device(1, 1, QImage::Format_RGB32);
    scene.update(QRectF(0, 0, 600, height), &device, 1.0, results, input,
                 DiagramScene::GlaserDiagram);

    const QList<QGraphicsItem *> names = scene.itemsOfKind(DiagramScene::LayerName);
    QCOMPARE(names.size(), 2);
    for (QGraphicsItem *item : names) {
        const QString shown = DiagramScene::textOf(item);
        QCOMPARE(item->toolTip(), name);
        if (elided) {
            QVERIFY2(shown.endsWith(QChar(0x2026)), qPrintable(shown));
            QVERIFY(name.startsWith(shown.chopped(1)));
        } else {
            QCOMPARE(shown, name);
        }
        // read upwards inside its band and the plot
        QCOMPARE(item->rotation(), -90.0);
        const QRectF r = item->sceneBoundingRect();
        QVERIFY(r.top() >= scene.diagramRect().top());
        QVERIFY(r.bottom() <= scene.diagramRect().bottom());
        const int i = item->data(DiagramScene::IndexKey).toInt();
        QVERIFY(r.left() >= scene.interfaceX()[i] && r.right() <= scene.interfaceX()[i + 1]);
    }
}

void tst_DiagramScene::titlesKeptAcrossUpdates()
{
    // Rich text is laid out once; an edit moves the titles instead of making them anew, and
    // the numbers are plain text items.
    InputData input = wall({0.1, 0.2, 0.05});
    DiagramScene scene(true);
    QImage device(1, 1, QImage::Format_RGB32);
    scene.update(Rect, &device, 1.0, Calculation::calculate(input).results, input, 3);
    const QList<QGraphicsItem *> titles = scene.itemsOfKind(DiagramScene::AxisTitle);
    QCOMPARE(titles.size(), 5);
    input.layer(1).setWidth(0.25);
    scene.update(Rect, &device, 1.0, Calculation::calculate(input).results, input, 3);
    QCOMPARE(scene.itemsOfKind(DiagramScene::AxisTitle), titles);
    for (DiagramScene::ItemKind kind :
         {DiagramScene::WidthLabel, DiagramScene::TemperatureLabel, DiagramScene::MoistureLabel})
        for (QGraphicsItem *item : scene.itemsOfKind(kind))
            QVERIFY(qgraphicsitem_cast<QGraphicsSimpleTextItem *>(item));
    // another device makes them anew, for its metrics
    QImage other(1, 1, QImage::Format_RGB32);
    scene.update(Rect, &other, 1.0, Calculation::calculate(input).results, input, 3);
    QVERIFY(scene.itemsOfKind(DiagramScene::AxisTitle) != titles);
}

void tst_DiagramScene::printedTextsStayInsideThePicture_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("dpi");
    for (int dpi : {300, 600})
        for (int mode = 1; mode <= 4; ++mode)
            QTest::addRow("mode %d, %d dpi", mode, dpi) << mode << dpi;
}

// The report prints the next text right below a diagram: an axis title whose letters hang out
// of the picture runs into that text. Checked at the report's scale (device pixels per
// millimetre) on a page-wide picture, with the text items' empty document margin taken off.
void tst_DiagramScene::printedTextsStayInsideThePicture()
{
    QFETCH(int, mode);
    QFETCH(int, dpi);
    InputData input;
    CalculationResults results;
    loadExample(QStringLiteral("timber_frame_wall.m2p"), input, results);
    const double perMillimetre = dpi / 25.4;
    QImage page(int(170 * perMillimetre), 10, QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(perMillimetre * 1000));
    page.setDotsPerMeterY(qRound(perMillimetre * 1000));
    const QRectF total(0, 0, page.width(), std::round(page.width() * 0.6));
    DiagramScene scene(false);
    scene.update(total, &page, perMillimetre, results, input, mode);
    int texts = 0;
    for (QGraphicsItem *item : scene.items()) {
        if (!item->isVisible())
            continue;
        QRectF ink = item->sceneBoundingRect();
        if (auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item)) {
            const double margin = text->document()->documentMargin();
            ink.adjust(margin, margin, -margin, -margin);
            ++texts;
        }
        QVERIFY2(total.contains(ink), qPrintable(QStringLiteral("'%1' reaches %2 of %3")
                                                     .arg(DiagramScene::textOf(item))
                                                     .arg(ink.bottom())
                                                     .arg(total.bottom())));
    }
    QVERIFY(texts >= 1); // the axis titles were looked at
}

// The construction sketch draws the studs of a layer with a second material inside the layer:
// two members, each the area fraction of half the height; the profile diagrams draw none.
void tst_DiagramScene::sketchShowsTheMembersOfASecondMaterial()
{
    InputData input = wall({0.1, 0.16, 0.1});
    input.layer(1).m_bridge =
        LayerBridge(TestMaterials::material("Stud", 0.13, 40, 0.07, 0.6, 0.005, 7), 0.2);
    input.validate();
    const CalculationOutcome outcome = Calculation::calculate(input);
    QImage device(1, 1, QImage::Format_RGB32);
    DiagramScene scene(true);
    scene.update(Rect, &device, 1.0, outcome.results, input, 1);
    const QList<QGraphicsItem *> members = scene.itemsOfKind(DiagramScene::BridgeMember);
    QCOMPARE(members.size(), 4); // two members, each a fill and a hatch
    const QRectF plot = scene.diagramRect();
    const QVector<double> &X = scene.interfaceX();
    for (QGraphicsItem *item : members) {
        const QRectF r = qgraphicsitem_cast<QGraphicsRectItem *>(item)->rect();
        QCOMPARE(r.left(), X[1]);
        QCOMPARE(r.right(), X[2]);
        M2_COMPARE_REL(r.height(), plot.height() / 2 * 0.2, 1e-12);
    }
    DiagramScene profile(true);
    profile.update(Rect, &device, 1.0, outcome.results, input, 2);
    QVERIFY(profile.itemsOfKind(DiagramScene::BridgeMember).isEmpty());
}

void tst_DiagramScene::deviceMadeWhereAGoneOneWas()
{
    // A device made at the address of a destroyed one (the next export's image in the same
    // place) is another device: a scene updated for it measures its texts at its resolution,
    // as a scene that never saw the first one does.
    const InputData input = wall({0.1, 0.2, 0.05});
    const CalculationResults results = Calculation::calculate(input).results;
    auto image = [](int dpi) {
        QImage device(1, 1, QImage::Format_RGB32);
        device.setDotsPerMeterX(qRound(dpi / 0.0254));
        device.setDotsPerMeterY(qRound(dpi / 0.0254));
        return device;
    };
    alignas(QImage) unsigned char place[sizeof(QImage)];
    QImage *first = new (place) QImage(image(300));
    DiagramScene scene(false);
    scene.update(Rect, first, 4.0, results, input, DiagramScene::MoistureContentProfile);
    first->~QImage();
    QImage *second = new (place) QImage(image(600));
    scene.update(Rect, second, 4.0, results, input, DiagramScene::MoistureContentProfile);
    DiagramScene fresh(false);
    fresh.update(Rect, second, 4.0, results, input, DiagramScene::MoistureContentProfile);
    for (DiagramScene::ItemKind kind : {DiagramScene::WidthLabel, DiagramScene::AxisTitle}) {
        const QList<QGraphicsItem *> items = scene.itemsOfKind(kind);
        const QList<QGraphicsItem *> expected = fresh.itemsOfKind(kind);
        QCOMPARE(items.size(), expected.size());
        QVERIFY(!items.isEmpty());
        for (int i = 0; i < items.size(); ++i) {
            QCOMPARE(items[i]->pos(), expected[i]->pos());
            QCOMPARE(items[i]->boundingRect(), expected[i]->boundingRect());
        }
    }
    second->~QImage();
}

M2_TEST_MAIN(tst_DiagramScene)
#include "tst_DiagramScene.moc"
