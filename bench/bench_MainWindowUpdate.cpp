// Benchmark of what a confirmed edit costs in the window: a layer-width command pushed onto the
// undo stack, the recalculation, and the refresh of the table, the layer editor, the profile
// diagram and the results panel, and the events that the refresh posts (the scene's item polish
// and index updates, the repaints) processed, so that every iteration ends with every view
// refreshed and nothing piles up over the iterations. Runs on the offscreen platform unless a
// display is named.
//
//   build/bin/bench_MainWindowUpdate -median 21

#include "document/Project.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"
#include "settings/Settings.h"
#include "ui/commands/M2_UndoLayerProperties.h"
#include "ui/mainwindow/MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

Material material(const char *name, int category, double lambda, double mu, double w_80,
                  double w_sat, double A_w)
{
    Material m;
    m.m_name = QString::fromLatin1(name);
    m.m_category = category;
    m.m_rho = 1000;
    m.m_lambda = lambda;
    m.m_mu = m.m_mu_min = m.m_mu_max = mu;
    m.m_w_80 = w_80;
    m.m_w_sat = w_sat;
    m.m_A_w = A_w;
    return m;
}

/*! Ten layers: plaster, masonry, insulation and boards, condensate in front of the last. */
InputData tenLayers()
{
    InputData input;
    const Material plaster = material("Gypsum plaster", 1, 0.51, 10, 0.006, 0.45, 0.25);
    const Material brick = material("Solid clay brick", 2, 0.81, 10, 0.006, 0.3, 0.25);
    const Material wool = material("Mineral wool", 5, 0.035, 1, 0.0005, 0.9, 0);
    const Material board = material("Bitumen board", 6, 0.17, 2000, 0.02, 0.3, 0.001);
    const std::vector<std::pair<Material, double>> layers = {
        {plaster, 0.015}, {brick, 0.115}, {brick, 0.115}, {wool, 0.04}, {wool, 0.04},
        {wool, 0.04},     {brick, 0.05},  {wool, 0.06},   {wool, 0.06}, {board, 0.02}};
    for (const auto &l : layers)
        input.insertLayer(input.layerCount(), MaterialLayer(l.first, l.second));
    input.validate();
    return input;
}

/*! Thirty-one layers, the largest construction the window is made for: the ten layers above
    three times over and a board. */
InputData thirtyOneLayers()
{
    const InputData ten = tenLayers();
    InputData input;
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < ten.layerCount(); ++i)
            input.insertLayer(input.layerCount(), ten.layer(i));
    input.insertLayer(input.layerCount(), ten.layer(ten.layerCount() - 1));
    input.validate();
    return input;
}

} // namespace

class bench_MainWindowUpdate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void widthEdit_data();
    void widthEdit();

private:
    QTemporaryDir m_home;
};

void bench_MainWindowUpdate::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
}

void bench_MainWindowUpdate::widthEdit_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("ten layers") << QStringLiteral("10");
    QTest::newRow("thirty-one layers") << QStringLiteral("31");
    const QDir examples(QStringLiteral(M2_SOURCE_DIR "/resources/examples"));
    for (const QString &name : examples.entryList({QStringLiteral("*.m2p")}, QDir::Files))
        QTest::newRow(qPrintable(name)) << examples.filePath(name);
}

void bench_MainWindowUpdate::widthEdit()
{
    QFETCH(QString, file);
    Settings settings;
    MaterialList materials(QStringLiteral("en"), m_home.path(), m_home.path());
    ConstructionList constructions(QStringLiteral("en"), m_home.path());
    Project project;
    AppContext context{settings, materials, constructions, project, QStringLiteral("en")};
    MainWindow window(context, nullptr);
    window.resize(1280, 800);
    window.show();
    if (file == QLatin1String("10"))
        project.createNew(tenLayers(), ProjectInformation());
    else if (file == QLatin1String("31"))
        project.createNew(thirtyOneLayers(), ProjectInformation());
    else
        QVERIFY(window.loadProject(file));
    // a layer in the middle whose width is free (not fixed by an sd-value)
    int layer = project.layerCount() / 2;
    while (layer > 0 && project.inputData().layer(layer).m_sd_value != 0)
        --layer;
    const double width = project.inputData().layer(layer).width();
    QCoreApplication::processEvents();
    int i = 0;
    QBENCHMARK
    {
        // alternate between two widths so that every push changes the construction
        const double w = (i++ % 2 == 0) ? width * 1.1 : width;
        window.undoStack().push(
            new M2_UndoMaterialParameters(project, Project::LV_Width, layer, w));
        QCoreApplication::processEvents();
    }
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    bench_MainWindowUpdate bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_MainWindowUpdate.moc"
