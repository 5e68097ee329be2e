// The construction table (column widths to scale, cell painting) and the layer editor (fields,
// units, enabling rules, the moisture-storage rule) without the main window.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "document/Project.h"
#include "qtext/ColorButton.h"
#include "qtext/FieldMessageLine.h"
#include "qtext/ValidatingLineEdit.h"
#include "settings/Settings.h"
#include "ui/commands/M2_UndoLayerProperties.h"
#include "ui/editors/MaterialEditWidget.h"
#include "ui/mainwindow/ConstructionTableWidget.h"

#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QUndoStack>

Q_DECLARE_METATYPE(std::vector<double>)
Q_DECLARE_METATYPE(std::vector<int>)

namespace {

InputData layers(const std::vector<Material> &materials, double width = 0.1)
{
    InputData input;
    for (const Material &m : materials)
        input.insertLayer(input.layerCount(), MaterialLayer(m, width));
    input.validate();
    return input;
}

Material brick()
{
    return TestMaterials::material("Brick", 0.8, 10, 0.01, 0.3, 0.1, 2);
}

} // namespace

class tst_LayerEditing : public QObject
{
    Q_OBJECT

private slots:
    void columnWidths_data();
    void columnWidths();
    void textColourOnTheLayerColour_data();
    void textColourOnTheLayerColour();
    void tablePaintsWithoutWarnings();
    void editorFields();
    void airLayerEditsOnlyWidthColourName();
    void sdMaterialFixesTheWidth();
    void widthUnitAndAwUnit_data();
    void widthUnitAndAwUnit();
    void moistureStorageRule_data();
    void moistureStorageRule();
    void colourChoice();
    void fieldAndCommandAskTheSameRule_data();
    void fieldAndCommandAskTheSameRule();
    void textReadAsTheShownValueChangesNothing();
    void secondMaterial();
    void tableAndSketchShowTheSecondMaterial();
    void germanEntryIsWhatTheLayerTakes_data();
    void germanEntryIsWhatTheLayerTakes();
};

void tst_LayerEditing::columnWidths_data()
{
    QTest::addColumn<std::vector<double>>("widths");
    QTest::addColumn<int>("tableWidth");
    QTest::addColumn<std::vector<int>>("expected");
    // a 1 mm foil and a 300 mm wall in 600 pixels: the foil gets the 5-pixel minimum, the
    // wall its share of the 480 pixels between the climate columns
    QTest::newRow("foil and wall")
        << std::vector<double>{0.001, 0.3} << 600 << std::vector<int>{5, 478, 58};
    QTest::newRow("no layer") << std::vector<double>{} << 600 << std::vector<int>{480, 60};
    QTest::newRow("equal layers") << std::vector<double>{0.1, 0.1} << 500
                                  << std::vector<int>{200, 200, 50};
    // thirty thin layers and one thick: the thick one shares what the thin ones leave
    std::vector<double> many(30, 0.0005);
    many.push_back(0.3);
    std::vector<int> manyExpected(30, 5);
    manyExpected.push_back(int(std::floor(0.3 * (480 - 150) / 0.3)));
    manyExpected.push_back((600 - 150 - manyExpected.back()) / 2);
    QTest::newRow("many thin layers") << many << 600 << manyExpected;
}

void tst_LayerEditing::columnWidths()
{
    QFETCH(std::vector<double>, widths);
    QFETCH(int, tableWidth);
    QFETCH(std::vector<int>, expected);
    const std::vector<int> actual = ConstructionTableWidget::columnWidths(widths, tableWidth);
    QCOMPARE(actual, expected);
    int sum = 0;
    for (int w : actual)
        sum += w;
    QVERIFY(sum <= tableWidth);
}

void tst_LayerEditing::textColourOnTheLayerColour_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("text");
    QTest::newRow("value 199") << 199 << QColor(Qt::white);
    QTest::newRow("value 200") << 200 << QColor(Qt::black);
}

void tst_LayerEditing::textColourOnTheLayerColour()
{
    QFETCH(int, value);
    QFETCH(QColor, text);
    QCOMPARE(HatchedItemDelegate::textColor(QColor::fromHsv(30, 120, value)), text);
}

void tst_LayerEditing::tablePaintsWithoutWarnings()
{
    Material longName = brick();
    longName.m_name = QStringLiteral("Lime-cement plaster with a very long product name");
    const InputData input = layers({brick(), longName, brick()}, 0.02);
    ConstructionTableWidget table;
    table.resize(600, 200);
    table.setProjectData(&input);
    QCOMPARE(table.rebuildColumns(), 1);
    QCOMPARE(table.columnCount(), 5);
    QCOMPARE(table.columnWidth(1), table.columnWidth(2));
    TestSupport::QtWarningCapture capture;
    QImage image(table.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    table.render(&image);
    QVERIFY(capture.warnings().isEmpty());
    QVERIFY(!table.renderPixmap().isNull());
    QCOMPARE(table.renderPixmap().height(), qRound(table.renderPixmap().width() * 0.4));
}

void tst_LayerEditing::editorFields()
{
    Project project;
    project.createNew(
        layers({brick(), TestMaterials::material("Wool", 0.035, 1, 0.001, 0.9, 0, 5)}),
        ProjectInformation());
    QUndoStack stack;
    Settings settings;
    settings.m_layerWidthUnit = 1000;
    settings.m_awInSeconds = true;
    MaterialEditWidget editor(project, stack, settings);
    editor.setLayer(0);
    QCOMPARE(editor.widthEdit()->value(), 100.0);
    QCOMPARE(editor.lambdaEdit()->value(), 0.8);
    QCOMPARE(editor.muEdit()->value(), 10.0);
    QCOMPARE(editor.w80Edit()->value(), 0.01);
    QCOMPARE(editor.wSatEdit()->value(), 0.3);
    QCOMPARE(editor.awEdit()->value(), 0.1);
    QCOMPARE(editor.sdEdit()->value(), 1.0); // 0.1 m × μ 10
    QCOMPARE(editor.nameEdit()->text(), QStringLiteral("Brick"));
    QVERIFY(editor.sdEdit()->isReadOnly());
    // an index outside the layers clears the editor
    editor.setLayer(5);
    QCOMPARE(editor.currentLayer(), -1);
    QCOMPARE(editor.widthEdit()->text(), QStringLiteral("10"));
    QVERIFY(editor.nameEdit()->text().isEmpty());
}

void tst_LayerEditing::airLayerEditsOnlyWidthColourName()
{
    Material air = TestMaterials::material("Air", 0.025, 1, 0.00001, 1, 0, 12);
    air.m_flags.insert(Material::F_Air);
    Project project;
    project.createNew(layers({brick(), air}), ProjectInformation());
    QUndoStack stack;
    Settings settings;
    MaterialEditWidget editor(project, stack, settings);
    editor.setLayer(1);
    for (QtExt::ValidatingLineEdit *field : {editor.lambdaEdit(), editor.muEdit(), editor.w80Edit(),
                                             editor.wSatEdit(), editor.awEdit(), editor.sdEdit()})
        QVERIFY(!field->isEnabled());
    QVERIFY(editor.widthEdit()->isEnabled());
    QVERIFY(editor.nameEdit()->isEnabled());
    QVERIFY(editor.colorButton()->isEnabled());
}

void tst_LayerEditing::sdMaterialFixesTheWidth()
{
    Material foil = TestMaterials::material("Vapour retarder", 0.2, 50000, 0.001, 0.01, 0, 11);
    foil.m_sd_value = 100;
    Project project;
    project.createNew(layers({brick(), foil}), ProjectInformation());
    QUndoStack stack;
    Settings settings;
    MaterialEditWidget editor(project, stack, settings);
    editor.setLayer(1);
    QVERIFY(!editor.widthEdit()->isEnabled());
    QCOMPARE(editor.sdEdit()->value(), 100.0);
}

void tst_LayerEditing::widthUnitAndAwUnit_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<bool>("awInSeconds");
    QTest::addColumn<QString>("widthText");
    QTest::addColumn<QString>("widthLabel");
    QTest::addColumn<double>("aw");
    QTest::newRow("mm, per second") << 1000 << true << "100"
                                    << "Layer width/height [mm]:" << 0.1;
    QTest::newRow("cm, per hour") << 100 << false << "10"
                                  << "Layer width/height [cm]:" << 6.0;
    QTest::newRow("m") << 1 << true << "0.1"
                       << "Layer width/height [m]:" << 0.1;
}

void tst_LayerEditing::widthUnitAndAwUnit()
{
    QFETCH(int, unit);
    QFETCH(bool, awInSeconds);
    QFETCH(QString, widthText);
    QFETCH(QString, widthLabel);
    QFETCH(double, aw);
    Project project;
    project.createNew(layers({brick()}), ProjectInformation());
    QUndoStack stack;
    Settings settings;
    settings.m_layerWidthUnit = unit;
    settings.m_awInSeconds = awInSeconds;
    MaterialEditWidget editor(project, stack, settings);
    editor.setLayer(0);
    QCOMPARE(editor.widthEdit()->text(), widthText);
    QStringList labels;
    for (QLabel *label : editor.findChildren<QLabel *>())
        labels << label->text();
    QVERIFY2(labels.contains(widthLabel), qPrintable(labels.join(QLatin1Char('|'))));
    QCOMPARE(editor.awEdit()->value(), aw);
    // an edit in the shown unit reaches the project in SI units
    editor.widthEdit()->setValue(editor.widthEdit()->value() * 2);
    emit editor.widthEdit()->editingFinished();
    QCOMPARE(project.inputData().layer(0).width(), 0.2);
    editor.awEdit()->setValue(aw * 2);
    emit editor.awEdit()->editingFinished();
    QCOMPARE(project.inputData().layer(0).m_A_w, 0.2);
    QCOMPARE(stack.count(), 2);
}

void tst_LayerEditing::moistureStorageRule_data()
{
    QTest::addColumn<QString>("w80");
    QTest::addColumn<QString>("wSat");
    QTest::addColumn<bool>("valid");
    QTest::newRow("w_sat at the 95 % content") << "0.2"
                                               << "0.2375" << false;
    QTest::newRow("w_sat above it") << "0.2"
                                    << "0.24" << true;
    QTest::newRow("w_80 at w_sat") << "0.3"
                                   << "0.3" << false;
    QTest::newRow("w_sat 1") << "0.2"
                             << "1" << true;
}

void tst_LayerEditing::moistureStorageRule()
{
    QFETCH(QString, w80);
    QFETCH(QString, wSat);
    QFETCH(bool, valid);
    Project project;
    project.createNew(layers({brick()}), ProjectInformation());
    QUndoStack stack;
    Settings settings;
    // the layer holds the w_80 of the row (w_sat made room for it first)
    QVERIFY(project.setLayerValue(0, Project::LV_WSat, 1) ||
            project.layerValue(0, Project::LV_WSat) == 1);
    QVERIFY(project.setLayerValue(0, Project::LV_W80, w80.toDouble()));
    MaterialEditWidget editor(project, stack, settings);
    editor.setLayer(0);
    editor.wSatEdit()->setText(wSat);
    // the field asks the project, which judges the pair with the layer's w_80, and shows its
    // reason
    QCOMPARE(editor.wSatEdit()->isValid(), valid);
    QString reason;
    QCOMPARE(project.acceptsLayerValue(0, Project::LV_WSat, wSat.toDouble(), &reason), valid);
    if (!valid)
        QCOMPARE(editor.wSatEdit()->toolTip(), reason);
}

void tst_LayerEditing::colourChoice()
{
    Project project;
    project.createNew(layers({brick()}), ProjectInformation());
    QUndoStack stack;
    Settings settings;
    MaterialEditWidget editor(project, stack, settings);
    editor.setLayer(0);
    const QColor before = project.inputData().layer(0).m_color;
    QColor offered;
    editor.setColorChooser([&offered](const QColor &initial, QWidget *) {
        offered = initial;
        return QColor(10, 20, 30);
    });
    editor.colorButton()->click();
    QCOMPARE(offered, before); // the dialog starts from the layer's colour
    QCOMPARE(project.inputData().layer(0).m_color, QColor(10, 20, 30));
    QCOMPARE(stack.count(), 1);
    QCOMPARE(stack.text(0), QStringLiteral(": Change of colour of layer no. 1"));
    editor.setColorChooser([](const QColor &, QWidget *) { return QColor(); }); // cancelled
    editor.colorButton()->click();
    QCOMPARE(stack.count(), 1);
}

void tst_LayerEditing::fieldAndCommandAskTheSameRule_data()
{
    // Text typed into the field (display units: mm, A_w per hour) for every layer value, with
    // values the project takes and values it refuses.
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    const struct
    {
        Project::LayerValue kind;
        const char *text;
    } rows[] = {
        {Project::LV_Width, "120"},   {Project::LV_Width, "0"},      {Project::LV_Width, "-5"},
        {Project::LV_Lambda, "0.04"}, {Project::LV_Lambda, "0"},     {Project::LV_Mu, "0.1"},
        {Project::LV_Mu, "0.05"},     {Project::LV_Mu, "0"},         {Project::LV_W80, "0.05"},
        {Project::LV_W80, "0.29"},    {Project::LV_W80, "0"},        {Project::LV_WSat, "0.5"},
        {Project::LV_WSat, "1.01"},   {Project::LV_WSat, "0.0118"},  {Project::LV_Aw, "3"},
        {Project::LV_Aw, "0"},        {Project::LV_SdSummer, "0.5"}, {Project::LV_SdSummer, "-1"},
    };
    for (const auto &row : rows)
        QTest::addRow("%d: %s", int(row.kind), row.text) << int(row.kind) << row.text;
}

void tst_LayerEditing::fieldAndCommandAskTheSameRule()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    // The summer sd-value is edited on a membrane given by its sd-value: only there is its field
    // open.
    Material membrane = TestMaterials::material("Retarder", 0.25, 10000, 0.0001, 0.001, 0, 11);
    membrane.m_sd_value = 4;
    Project project;
    project.createNew(layers({kind == Project::LV_SdSummer ? membrane : brick()}),
                      ProjectInformation());
    QUndoStack stack;
    Settings settings;
    settings.setDisplayUnits(DisplayUnits(1000, false));
    MaterialEditWidget editor(project, stack, settings);
    editor.setLayer(0);
    QtExt::ValidatingLineEdit *field = nullptr;
    switch (Project::LayerValue(kind)) {
    case Project::LV_Width:
        field = editor.widthEdit();
        break;
    case Project::LV_Lambda:
        field = editor.lambdaEdit();
        break;
    case Project::LV_Mu:
        field = editor.muEdit();
        break;
    case Project::LV_W80:
        field = editor.w80Edit();
        break;
    case Project::LV_WSat:
        field = editor.wSatEdit();
        break;
    case Project::LV_Aw:
        field = editor.awEdit();
        break;
    case Project::LV_SdSummer:
        field = editor.sdSummerEdit();
        break;
    }
    field->setText(text);
    const double shown = text.toDouble();
    const double inProjectUnits = kind == Project::LV_Width ? shown / 1000
                                  : kind == Project::LV_Aw  ? shown / 60
                                                            : shown;
    QString reason;
    const bool accepted =
        project.acceptsLayerValue(0, Project::LayerValue(kind), inProjectUnits, &reason);
    QCOMPARE(field->isValid(), accepted);
    M2_UndoMaterialParameters command(project, Project::LayerValue(kind), 0, inProjectUnits);
    if (!accepted) {
        QCOMPARE(field->toolTip(), reason);
        QVERIFY(!command.changed());
    } else {
        QVERIFY(command.changed());
    }
}

void tst_LayerEditing::textReadAsTheShownValueChangesNothing()
{
    // 0.01233 kg/(m²·s^0.5) shows as 0.7398 kg/(m²·h^0.5); the typed 0.7398 divided by 60 is
    // not the stored value to the last bit, yet it is the value the field showed.
    Project project;
    project.createNew(layers({brick()}), ProjectInformation());
    QVERIFY(project.setLayerValue(0, Project::LV_Aw, 9 * 0.00137));
    QUndoStack stack;
    Settings settings;
    settings.setDisplayUnits(DisplayUnits(1000, false));
    MaterialEditWidget editor(project, stack, settings);
    editor.setLayer(0);
    QCOMPARE(editor.awEdit()->text(), QStringLiteral("0.7398"));
    editor.awEdit()->setText(QStringLiteral("0.7398"));
    editor.awEdit()->setModified(true);
    emit editor.awEdit()->editingFinished();
    QCOMPARE(stack.count(), 0);
    editor.awEdit()->setText(QStringLiteral("0.74"));
    emit editor.awEdit()->editingFinished();
    QCOMPARE(stack.count(), 1);
    QCOMPARE(project.layerValue(0, Project::LV_Aw), 0.74 / 60);
}

// The second material of a layer: chosen, its fraction typed as a percentage or as width and
// spacing, and taken away again, each as one undo entry.
void tst_LayerEditing::secondMaterial()
{
    const Material wool = TestMaterials::material("Wool", 0.035, 1, 0.001, 0.9, 0, 5);
    const Material timber = TestMaterials::material("Softwood", 0.13, 40, 0.07, 0.6, 0.005, 7);
    Project project;
    project.createNew(layers({brick(), wool}), ProjectInformation());
    QUndoStack stack;
    Settings settings;
    MaterialEditWidget editor(project, stack, settings);
    editor.setLayer(1);
    QVERIFY(editor.bridgeBox()->isEnabled());
    QVERIFY(!editor.bridgeRemoveButton()->isEnabled());
    // a typical stud to start from: 60 mm at 625 mm = 9.6 %
    QCOMPARE(editor.bridgeWidthEdit()->value(), 60.0);
    QCOMPARE(editor.bridgeSpacingEdit()->value(), 625.0);

    // cancelled: nothing
    editor.setBridgeMaterialChooser([](QWidget *) { return std::optional<Material>(); });
    editor.bridgeChooseButton()->click();
    QCOMPARE(stack.count(), 0);

    editor.setBridgeMaterialChooser([&](QWidget *) { return std::optional<Material>(timber); });
    editor.bridgeEntryCombo()->setCurrentIndex(MaterialEditWidget::BE_WidthAndSpacing);
    editor.bridgeChooseButton()->click();
    QCOMPARE(stack.count(), 1);
    QVERIFY(project.inputData().layer(1).hasBridge());
    const LayerBridge chosen = *project.inputData().layer(1).m_bridge;
    QCOMPARE(chosen.material.m_name, QStringLiteral("Softwood"));
    QCOMPARE(chosen.width, 0.06);
    QCOMPARE(chosen.spacing, 0.625);
    editor.setLayer(1); // the main window reloads after every change
    QVERIFY(editor.bridgeMaterialLabel()->text().contains(QStringLiteral("Softwood")));
    QVERIFY(editor.bridgeRemoveButton()->isEnabled());
    QVERIFY(editor.bridgeFractionEdit()->isReadOnly());

    // a new spacing: 60 mm at 400 mm = 15 %
    editor.bridgeSpacingEdit()->setText(QStringLiteral("400"));
    emit editor.bridgeSpacingEdit()->editingFinished();
    QCOMPARE(stack.count(), 2);
    QCOMPARE(project.inputData().layer(1).m_bridge->fraction, 0.06 / 0.4);
    editor.setLayer(1);
    QCOMPARE(editor.bridgeFractionEdit()->value(), 15.0);

    // a width not below the spacing is refused and the fields show the layer again
    editor.bridgeWidthEdit()->setText(QStringLiteral("500"));
    emit editor.bridgeWidthEdit()->editingFinished();
    QCOMPARE(stack.count(), 2);
    QCOMPARE(editor.bridgeWidthEdit()->value(), 60.0);

    // typed as a fraction
    editor.bridgeEntryCombo()->setCurrentIndex(MaterialEditWidget::BE_Fraction);
    emit editor.bridgeEntryCombo()->activated(MaterialEditWidget::BE_Fraction);
    QCOMPARE(stack.count(), 3); // the same fraction, no longer by width and spacing
    QVERIFY(!project.inputData().layer(1).m_bridge->byWidthAndSpacing());
    editor.setLayer(1);
    editor.bridgeFractionEdit()->setText(QStringLiteral("12.5"));
    emit editor.bridgeFractionEdit()->editingFinished();
    QCOMPARE(stack.count(), 4);
    QCOMPARE(project.inputData().layer(1).m_bridge->fraction, 0.125);
    editor.bridgeFractionEdit()->setText(QStringLiteral("100"));
    QVERIFY(!editor.bridgeFractionEdit()->isValid());

    editor.bridgeRemoveButton()->click();
    QCOMPARE(stack.count(), 5);
    QVERIFY(!project.inputData().layer(1).hasBridge());
    stack.undo();
    QCOMPARE(project.inputData().layer(1).m_bridge->fraction, 0.125);

    // a foil has no studs
    Material foil = TestMaterials::material("Vapour retarder", 0.2, 50000, 0.001, 0.01, 0, 11);
    foil.m_sd_value = 100;
    project.createNew(layers({brick(), foil}), ProjectInformation());
    editor.setLayer(1);
    QVERIFY(!editor.bridgeBox()->isEnabled());
}

void tst_LayerEditing::tableAndSketchShowTheSecondMaterial()
{
    const Material wool = TestMaterials::material("Wool", 0.035, 1, 0.001, 0.9, 0, 5);
    Material timber = TestMaterials::material("Softwood", 0.13, 40, 0.07, 0.6, 0.005, 7);
    timber.m_color = QColor(160, 82, 45);
    InputData input = layers({brick(), wool}, 0.1);
    input.layer(1).m_bridge = LayerBridge(timber, 0.5);
    ConstructionTableWidget table;
    table.resize(400, 200);
    table.setProjectData(&input);
    table.rebuildColumns();
    QCOMPARE(table.layers()[1].bridgeFraction, 0.5);
    QVERIFY(table.item(0, 2)->toolTip().contains(QStringLiteral("Softwood")));
    QVERIFY(table.item(0, 1)->toolTip() == QStringLiteral("Brick"));
    QImage image(table.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    table.render(&image);
    // a quarter down the wool column lies the middle of a member: the timber colour shows
    const QRect cell = table.visualItemRect(table.item(0, 2));
    const QPoint mid(cell.center().x(), cell.top() + cell.height() / 4);
    bool timberSeen = false;
    for (int dx = -3; dx <= 3 && !timberSeen; ++dx)
        timberSeen = image.pixelColor(mid.x() + dx, mid.y()) == timber.m_color;
    QVERIFY(timberSeen);
}

void tst_LayerEditing::germanEntryIsWhatTheLayerTakes_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("stored"); // NaN: refused, the layer keeps its value
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("amber");
    const double refused = std::nan("");
    const int lambda = Project::LV_Lambda, width = Project::LV_Width, mu = Project::LV_Mu;
    QTest::newRow("0.035 is 0.035") << lambda << "0.035" << 0.035 << "0,035" << false;
    QTest::newRow("0,035 is 0.035") << lambda << "0,035" << 0.035 << "0,035" << false;
    QTest::newRow("35 is a metal") << lambda << "35" << 35.0 << "35" << true;
    QTest::newRow("1.000 mm is 1 mm") << width << "1.000" << 0.001 << "1" << false;
    QTest::newRow("300,5 mm") << width << " 300,5 " << 0.3005 << "300,5" << false;
    QTest::newRow("3 m wall") << width << "3000" << 3.0 << "3000" << true;
    QTest::newRow("2e2 mm") << width << "2e2" << 0.2 << "200" << false;
    QTest::newRow("mu of a barrier") << mu << "2000000" << 2e6 << "2000000" << true;
    QTest::newRow("grouped") << width << "1.000,5" << refused << "240" << false;
    QTest::newRow("abc") << lambda << "abc" << refused << "0,8" << false;
    QTest::newRow("empty") << lambda << "" << refused << "0,8" << false;
    QTest::newRow("zero width") << width << "0" << refused << "240" << false;
}

void tst_LayerEditing::germanEntryIsWhatTheLayerTakes()
{
    // What a German user types is what the layer takes, and what the field shows once the
    // edit is over is what the layer holds: refused entries are put back, with the reason in
    // the editor's message line, and unusual ones are taken with a note.
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(double, stored);
    QFETCH(QString, shown);
    QFETCH(bool, amber);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Project project;
    project.createNew(layers({brick()}, 0.24), ProjectInformation());
    QUndoStack stack;
    Settings settings;
    settings.setDisplayUnits(DisplayUnits(1000, true));
    MaterialEditWidget editor(project, stack, settings);
    // the main window loads the layer again after every change
    connect(&project, &Project::changed, &editor, [&editor]() { editor.setLayer(0); });
    editor.setLayer(0);
    const auto value = Project::LayerValue(kind);
    const double before = project.layerValue(0, value);
    QtExt::ValidatingLineEdit *field = kind == Project::LV_Width    ? editor.widthEdit()
                                       : kind == Project::LV_Lambda ? editor.lambdaEdit()
                                                                    : editor.muEdit();
    field->setText(typed);
    field->setModified(true);
    emit field->editingFinished();
    QCOMPARE(field->text(), shown);
    if (std::isnan(stored)) {
        QCOMPARE(stack.count(), 0);
        QCOMPARE(project.layerValue(0, value), before);
        QVERIFY2(editor.messageLine()->plainText().contains(QStringLiteral("not taken")),
                 qPrintable(editor.messageLine()->plainText()));
    } else {
        QCOMPARE(stack.count(), stored == before ? 0 : 1);
        QCOMPARE(project.layerValue(0, value), stored);
        QVERIFY(!editor.messageLine()->plainText().contains(QStringLiteral("not taken")));
    }
    QCOMPARE(field->state() == QtExt::ValidatingLineEdit::State::Unusual, amber);
    QCOMPARE(!editor.messageLine()->plainText().isEmpty(), amber || std::isnan(stored));
    QLocale::setDefault(QLocale::c());
}

M2_TEST_MAIN(tst_LayerEditing)
#include "tst_LayerEditing.moc"
