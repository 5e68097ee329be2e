#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

#include "TestSupport.h"
#include "model/InputData.h"
#include "model/ProjectInformation.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"
#include "qtext/MaterialDatabaseSelectionWidget.h"
#include "qtext/MaterialTableModel.h"
#include "ui/database/ConstructionDatabaseWidget.h"
#include "ui/database/MaterialConstructionTabWidget.h"
#include "ui/database/MaterialDatabaseWidget.h"
#include "ui/database/NewProjectWizard.h"
#include "ui/editors/ProjectInformationEditDialog.h"
#include "ui/mainwindow/DesktopDialogs.h"

namespace {

Material material(const QString &name, double lambda, double mu)
{
    Material m(name, 6, QString(), QString(), QString(), QString(), 700, lambda, mu, 0.01, 0.4, 0.0,
               0);
    m.m_color = QColor(120, 120, 40);
    return m;
}

} // namespace

/*  The new-project wizard: when its material page is complete, and which layers and project
    information an accepted wizard produces. */
class tst_NewProjectWizard : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void completeness_data();
    void completeness();
    void producedLayers_data();
    void producedLayers();
    void doubleClickFinishes();
    void constructionKind_data();
    void constructionKind();

private:
    /*! Selects on the page's current tab the entry with the name (materials) or row. */
    void choose(int page, const QString &name);

    QTemporaryDir m_dir;
    std::unique_ptr<MaterialList> m_materials;
    std::unique_ptr<ConstructionList> m_constructions;
    DesktopDialogs m_dialogs;
    InputData m_input;
    ProjectInformation m_info;
    std::unique_ptr<NewProjectWizard> m_wizard;
};

void tst_NewProjectWizard::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
}

void tst_NewProjectWizard::init()
{
    const QString user = m_dir.filePath(QStringLiteral("user"));
    QDir(user).removeRecursively();
    QDir().mkpath(user);
    // no shipped files: the database holds the air material and the user's materials
    m_materials = std::make_unique<MaterialList>(QStringLiteral("en"), user, user);
    QVERIFY(m_materials->read());
    m_materials->addUserMaterial(material(QStringLiteral("Chipboard"), 0.13, 50));
    m_materials->addUserMaterial(material(QStringLiteral("No lambda"), 0, 50));
    m_materials->addUserMaterial(material(QStringLiteral("No mu"), 0.13, 0));
    m_constructions = std::make_unique<ConstructionList>(QStringLiteral("en"), user);
    Construction wall;
    wall.m_name = QStringLiteral("Wall");
    wall.m_layers = {MaterialLayer(material(QStringLiteral("Plaster"), 0.7, 10), 0.015),
                     MaterialLayer(material(QStringLiteral("Brick"), 0.8, 10), 0.24),
                     MaterialLayer(material(QStringLiteral("Insulation"), 0.035, 1), 0.12)};
    m_constructions->addConstruction(wall);
    Construction empty;
    empty.m_name = QStringLiteral("Empty");
    m_constructions->addConstruction(empty);

    m_input = InputData();
    m_input.insertLayer(0, MaterialLayer(material(QStringLiteral("Old layer"), 1, 1), 0.3));
    m_info = ProjectInformation();
    m_info.m_projectName = QStringLiteral("From the defaults");
    m_wizard = std::make_unique<NewProjectWizard>(m_input, m_info, *m_materials, *m_constructions,
                                                  m_dialogs);
}

void tst_NewProjectWizard::cleanup()
{
    m_wizard.reset();
    m_constructions.reset();
    m_materials.reset();
}

void tst_NewProjectWizard::choose(int page, const QString &name)
{
    MaterialConstructionTabWidget *tabs = m_wizard->materialPage()->tabWidget();
    tabs->setCurrentPage(page);
    if (name.isEmpty())
        return;
    if (page == 0) {
        QTableView *table = tabs->materialsWidget()->selectionWidget()->tableView();
        for (int row = 0; row < table->model()->rowCount(); ++row)
            if (table->model()->index(row, 0).data().toString() == name)
                table->selectRow(row);
        QCOMPARE(tabs->materialsWidget()->selectedMaterial()->m_name, name);
    } else {
        tabs->constructionsWidget()->selectRow(name == QLatin1String("Wall") ? 0 : 1);
    }
}

void tst_NewProjectWizard::completeness_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("complete");
    QTest::newRow("nothing") << 0 << "" << false;
    QTest::newRow("material") << 0 << "Chipboard" << true;
    QTest::newRow("air") << 0 << "Air space (not ventilated)" << true;
    QTest::newRow("no lambda") << 0 << "No lambda" << false;
    QTest::newRow("no mu") << 0 << "No mu" << false;
    QTest::newRow("construction") << 1 << "Wall" << true;
    QTest::newRow("empty construction") << 1 << "Empty" << false;
    QTest::newRow("no construction") << 1 << "" << false;
}

void tst_NewProjectWizard::completeness()
{
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(bool, complete);
    m_wizard->show();
    m_wizard->next();
    NewProjectWizardMaterialPage *materialPage = m_wizard->materialPage();
    QCOMPARE(m_wizard->currentPage(), materialPage);
    QVERIFY(!materialPage->isComplete());
    QSignalSpy changed(materialPage, &QWizardPage::completeChanged);
    choose(page, name);
    QCOMPARE(materialPage->isComplete(), complete);
    QCOMPARE(m_wizard->button(QWizard::FinishButton)->isEnabled(), complete);
    if (complete)
        QVERIFY(!changed.isEmpty());

    // changing the tab judges the other tab's selection
    materialPage->tabWidget()->setCurrentPage(page == 0 ? 1 : 0);
    QVERIFY(!materialPage->isComplete());
    materialPage->tabWidget()->setCurrentPage(page);
    QCOMPARE(materialPage->isComplete(), complete);

    // an incomplete page cannot be accepted
    if (!complete) {
        m_wizard->accept();
        QCOMPARE(m_wizard->result(), int(QDialog::Rejected));
        QCOMPARE(m_input.layerCount(), 1);
        QCOMPARE(m_input.layer(0).m_name, QStringLiteral("Old layer"));
    }
}

void tst_NewProjectWizard::producedLayers_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("layers");
    QTest::addColumn<QList<double>>("widths");
    QTest::newRow("material") << 0 << "Chipboard" << QStringList{"Chipboard"} << QList<double>{0.1};
    QTest::newRow("construction") << 1 << "Wall" << QStringList{"Plaster", "Brick", "Insulation"}
                                  << QList<double>{0.015, 0.24, 0.12};
}

void tst_NewProjectWizard::producedLayers()
{
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(QStringList, layers);
    QFETCH(QList<double>, widths);
    m_wizard->show();
    auto *projectName = m_wizard->informationEditor()->findChild<QLineEdit *>(
        QStringLiteral("lineEditProjectName"));
    QVERIFY(projectName);
    QCOMPARE(projectName->text(), QStringLiteral("From the defaults"));
    projectName->setText(QStringLiteral("Attic"));
    m_wizard->next();
    choose(page, name);
    m_wizard->button(QWizard::FinishButton)->click();
    QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
    QCOMPARE(m_input.layerCount(), layers.size());
    for (int i = 0; i < layers.size(); ++i) {
        QCOMPARE(m_input.layer(i).m_name, layers[i]);
        QCOMPARE(m_input.layer(i).m_width, widths[i]);
    }
    QCOMPARE(m_info.m_projectName, QStringLiteral("Attic"));
}

void tst_NewProjectWizard::constructionKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("direction");
    QTest::addColumn<double>("psat");
    QTest::addColumn<int>("condition");
    QTest::addColumn<int>("type");
    QTest::newRow("external wall") << int(ConstructionKind::ExternalWall) << 2 << 1700.0 << 2 << 12;
    QTest::newRow("flat roof") << int(ConstructionKind::FlatRoof) << 1 << 2000.0 << 2 << 14;
    // the ground preset of 2024 is not one the DIN condition lists: custom with DIN values
    QTest::newRow("floor on ground")
        << int(ConstructionKind::FloorOnGround) << 0 << 1700.0 << 0 << 9;
}

void tst_NewProjectWizard::constructionKind()
{
    QFETCH(int, kind);
    QFETCH(int, direction);
    QFETCH(double, psat);
    QFETCH(int, condition);
    QFETCH(int, type);
    m_wizard->show();
    QComboBox *box = m_wizard->constructionKindComboBox();
    QVERIFY(box);
    QCOMPARE(box->currentData().toInt(), int(ConstructionKind::ExternalWall));
    box->setCurrentIndex(box->findData(kind));
    m_wizard->next();
    choose(0, QStringLiteral("Chipboard"));
    m_wizard->button(QWizard::FinishButton)->click();
    QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
    QCOMPARE(int(m_info.m_constructionKind), kind);
    QCOMPARE(heatFlowDirectionCode(m_info.m_heatFlowDirection), direction);
    QCOMPARE(m_info.m_minimumResistanceType, type);
    const Climate &climate = m_input.climate();
    QCOMPARE(climate.psat_summer(), psat);
    QCOMPARE(climate.assessmentCondition(), condition);
    QCOMPARE(climate.insideSummer().m_rh, 1200 / psat * 100);
    QCOMPARE(m_info.m_projectName, QStringLiteral("From the defaults"));
}

void tst_NewProjectWizard::doubleClickFinishes()
{
    m_wizard->show();
    m_wizard->next();
    choose(0, QString());
    QTableView *table =
        m_wizard->materialPage()->tabWidget()->materialsWidget()->selectionWidget()->tableView();
    int row = -1;
    for (int r = 0; r < table->model()->rowCount(); ++r)
        if (table->model()->index(r, 0).data().toString() == QLatin1String("Chipboard"))
            row = r;
    QVERIFY(row >= 0);
    const QRect cell = table->visualRect(table->model()->index(row, 0));
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(m_wizard->result(), int(QDialog::Accepted));
    QVERIFY(!m_wizard->isVisible());
    QCOMPARE(m_input.layerCount(), 1);
    QCOMPARE(m_input.layer(0).m_name, QStringLiteral("Chipboard"));
}

M2_TEST_MAIN(tst_NewProjectWizard)
#include "tst_NewProjectWizard.moc"
