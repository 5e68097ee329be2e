#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

#include "TestSupport.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialDatabaseFile.h"
#include "persistence/MaterialList.h"
#include "qtext/MaterialDatabaseSelectionWidget.h"
#include "qtext/MaterialFilterProxyModel.h"
#include "qtext/MaterialTableModel.h"
#include "settings/DisplayUnits.h"
#include "ui/database/ConstructionDatabaseWidget.h"
#include "ui/database/MaterialConstructionTabWidget.h"
#include "ui/database/MaterialDatabaseDialog.h"
#include "ui/database/MaterialDatabaseWidget.h"
#include "ui/mainwindow/DesktopDialogs.h"

namespace {

/*! Answers the boxes, file dialogs and editing dialogs of the database pages from a script. */
class ScriptedDialogs : public DesktopDialogs
{
public:
    void critical(QWidget *, const QString &title, const QString &text) override
    {
        boxes << QStringLiteral("critical: ") + title + QLatin1Char('|') + text;
    }
    void information(QWidget *, const QString &title, const QString &text) override
    {
        boxes << QStringLiteral("information: ") + title + QLatin1Char('|') + text;
    }
    void warning(QWidget *, const QString &title, const QString &text) override
    {
        boxes << QStringLiteral("warning: ") + title + QLatin1Char('|') + text;
    }
    QMessageBox::StandardButton question(QWidget *, const QString &, const QString &,
                                         QMessageBox::StandardButtons,
                                         QMessageBox::StandardButton) override
    {
        return answer;
    }
    QString openFileName(QWidget *, const QString &title, const QString &directory,
                         const QString &filter) override
    {
        openTitles << title;
        openFilters << filter;
        openDirectories << directory;
        return openName;
    }
    bool editMaterial(QWidget *, Material *material, const QString &) override
    {
        if (!materialEdit)
            return false;
        materialEdit(*material);
        return true;
    }
    bool editConstruction(QWidget *, MaterialList &, Construction *construction,
                          const QString &) override
    {
        if (!constructionEdit)
            return false;
        constructionEdit(*construction);
        return true;
    }

    QStringList boxes, openTitles, openFilters, openDirectories;
    QString openName;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    std::function<void(Material &)> materialEdit;
    std::function<void(Construction &)> constructionEdit;
};

MaterialDatabaseFile::Record record(int id, const QString &name, int category, double lambda,
                                    double mu, const QString &producer, const QString &source,
                                    const QString &notes)
{
    MaterialDatabaseFile::Record r;
    r.m_id = id;
    MaterialDatabaseFile::LanguageTexts t;
    t.m_name = name;
    t.m_dataSource = source;
    t.m_producer = producer;
    t.m_notes = notes;
    r.m_texts = {t};
    r.m_category = category;
    r.m_rho = 1000;
    r.m_lambda = lambda;
    r.m_mu = mu;
    r.m_mu_min = mu;
    r.m_mu_max = mu;
    r.m_w_80 = 0.01;
    r.m_w_sat = 0.3;
    r.m_A_w = 0.01;
    r.m_applicationCodes = {1};
    return r;
}

Material userMaterial(const QString &name, double lambda, double mu)
{
    Material m(name, 12, QStringLiteral("made by the test"), QString(), QStringLiteral("Test"),
               QStringLiteral("Test source"), 500, lambda, mu, 0.01, 0.4, 0.0, 0);
    m.m_color = QColor(10, 120, 200);
    return m;
}

Construction construction(const QString &name, std::initializer_list<double> widths)
{
    Construction c;
    c.m_name = name;
    c.m_notes = QStringLiteral("notes of ") + name;
    for (double w : widths)
        c.m_layers.emplace_back(userMaterial(QStringLiteral("Layer material"), 0.5, 10), w);
    return c;
}

/*! The names of the user materials in the user file on disk. */
QStringList namesOnDisk(const QString &userFile)
{
    QStringList names;
    for (const Material &m : MaterialList::readUserFile(userFile))
        names << m.m_name;
    return names;
}

QStringList constructionsOnDisk(const QString &file)
{
    QStringList names;
    for (const Construction &c : ConstructionList::readFile(file))
        names << c.m_name;
    return names;
}

} // namespace

/*  The database dialog: what a selection returns, the filters of the material table, editing of
    user materials and constructions as it reaches the files, imports, and the double click. */
class tst_MaterialDatabaseDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void selection_data();
    void selection();
    void doubleClickAccepts_data();
    void doubleClickAccepts();
    void filtersNarrowTheTable_data();
    void filtersNarrowTheTable();
    void selectionSurvivesTheFilter();
    void lambdaRangeAndSource();
    void sortingByValue();
    void summerSdOfARetarderShown();
    void userMaterialEditing();
    void shippedMaterialsCannotBeChanged();
    void constructionEditing();
    void importFiles_data();
    void importFiles();
    void importDialogTexts();

private:
    /*! Runs select() and, once it runs, does what the test wants and closes it. */
    int runSelect(const std::function<void()> &whileOpen, bool accept = true);
    MaterialDatabaseWidget *materials() const;
    ConstructionDatabaseWidget *constructions() const;
    QTableView *materialTable() const;
    /*! Selects the row of the material with the name in the material table. */
    void selectMaterialNamed(const QString &name);

    QTemporaryDir m_dir;
    std::unique_ptr<MaterialList> m_materials;
    std::unique_ptr<ConstructionList> m_constructions;
    ScriptedDialogs m_dialogs;
    std::unique_ptr<MaterialDatabaseDialog> m_dialog;
};

void tst_MaterialDatabaseDialog::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_dir.isValid());
    QDir().mkpath(m_dir.filePath(QStringLiteral("db")));
    MaterialDatabaseFile::Content c;
    c.m_languages = QStringList{QStringLiteral("en"), QStringLiteral("de")};
    c.m_records = {record(11, QStringLiteral("Solid brick"), 2, 0.81, 10,
                          QStringLiteral("Brickworks North"), QStringLiteral("Catalogue A"),
                          QStringLiteral("fired clay")),
                   record(12, QStringLiteral("Mineral wool"), 5, 0.035, 1,
                          QStringLiteral("Wool Corp"), QStringLiteral("Catalogue B"), QString()),
                   record(13, QStringLiteral("Normal concrete"), 4, 2.1, 80,
                          QStringLiteral("Brickworks North"), QStringLiteral("Catalogue B"),
                          QStringLiteral("heavy"))};
    // German names of two of them (the third has none)
    MaterialDatabaseFile::LanguageTexts de;
    de.m_name = QStringLiteral("Vollziegel");
    c.m_records[0].m_texts.push_back(de);
    de.m_name = QStringLiteral("Mineralwolle");
    c.m_records[1].m_texts.push_back(de);
    QFile file(m_dir.filePath(QStringLiteral("db/test.m2m")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(MaterialDatabaseFile::toBytes(c));
}

void tst_MaterialDatabaseDialog::init()
{
    const QString user = m_dir.filePath(QStringLiteral("user"));
    QDir(user).removeRecursively();
    QDir().mkpath(user);
    m_materials = std::make_unique<MaterialList>(QStringLiteral("en"),
                                                 m_dir.filePath(QStringLiteral("db")), user);
    QVERIFY(m_materials->read());
    QCOMPARE(m_materials->databaseMaterialCount(), 4); // three records and the air material
    m_constructions = std::make_unique<ConstructionList>(QStringLiteral("en"), user);
    m_constructions->addConstruction(construction(QStringLiteral("Wall"), {0.2, 0.1}));
    Construction empty;
    empty.m_name = QStringLiteral("Empty");
    m_constructions->addConstruction(empty);
    m_dialogs = ScriptedDialogs();
    m_dialog =
        std::make_unique<MaterialDatabaseDialog>(*m_materials, m_constructions.get(), m_dialogs);
}

void tst_MaterialDatabaseDialog::cleanup()
{
    m_dialog.reset();
    m_constructions.reset();
    m_materials.reset();
}

MaterialDatabaseWidget *tst_MaterialDatabaseDialog::materials() const
{
    return m_dialog->tabWidget()->materialsWidget();
}

ConstructionDatabaseWidget *tst_MaterialDatabaseDialog::constructions() const
{
    return m_dialog->tabWidget()->constructionsWidget();
}

QTableView *tst_MaterialDatabaseDialog::materialTable() const
{
    return materials()->selectionWidget()->tableView();
}

void tst_MaterialDatabaseDialog::selectMaterialNamed(const QString &name)
{
    QAbstractItemModel *model = materialTable()->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->index(row, QtExt::MaterialTableModel::C_Name).data().toString() == name) {
            materialTable()->selectRow(row);
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no material ") + name));
}

int tst_MaterialDatabaseDialog::runSelect(const std::function<void()> &whileOpen, bool accept)
{
    bool ran = false;
    QTimer::singleShot(0, m_dialog.get(), [&]() {
        ran = true;
        whileOpen();
        if (!m_dialog->isVisible())
            return; // closed by what the test did
        if (accept)
            m_dialog->accept();
        else
            m_dialog->reject();
    });
    const int result = m_dialog->select();
    if (!ran)
        qWarning("the dialog closed before the test could act");
    return result;
}

void tst_MaterialDatabaseDialog::selection_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("name"); // material or construction to select; empty: none
    QTest::addColumn<bool>("accept");
    QTest::addColumn<int>("result");
    QTest::newRow("shipped material") << 0 << "Mineral wool" << true << 0;
    QTest::newRow("user material") << 0 << "Own plaster" << true << 0;
    QTest::newRow("air material") << 0 << "Air space (not ventilated)" << true << 0;
    QTest::newRow("material without conductivity") << 0 << "No lambda" << true << 2;
    QTest::newRow("material without resistance factor") << 0 << "No mu" << true << 2;
    QTest::newRow("no material selected") << 0 << "" << true << 2;
    QTest::newRow("cancelled") << 0 << "Mineral wool" << false << 2;
    QTest::newRow("construction") << 1 << "Wall" << true << 1;
    QTest::newRow("empty construction") << 1 << "Empty" << true << 2;
    QTest::newRow("no construction selected") << 1 << "" << true << 2;
    QTest::newRow("construction cancelled") << 1 << "Wall" << false << 2;
}

void tst_MaterialDatabaseDialog::selection()
{
    QFETCH(int, page);
    QFETCH(QString, name);
    QFETCH(bool, accept);
    QFETCH(int, result);
    m_materials->addUserMaterial(userMaterial(QStringLiteral("Own plaster"), 0.7, 12));
    m_materials->addUserMaterial(userMaterial(QStringLiteral("No lambda"), 0, 12));
    m_materials->addUserMaterial(userMaterial(QStringLiteral("No mu"), 0.7, 0));

    const int actual = runSelect(
        [&]() {
            m_dialog->tabWidget()->setCurrentPage(page);
            QCOMPARE(m_dialog->tabWidget()->currentPage(), page);
            if (name.isEmpty())
                return;
            if (page == 0) {
                selectMaterialNamed(name);
            } else {
                constructions()->selectRow(name == QLatin1String("Wall") ? 0 : 1);
            }
        },
        accept);
    QCOMPARE(actual, result);
    if (result == 0)
        QCOMPARE(m_dialog->selectedMaterial().m_name, name);
    else
        QCOMPARE(m_dialog->selectedMaterial().m_name, QString());
    if (result == 1) {
        QCOMPARE(m_dialog->selectedConstruction(), m_constructions->construction(0));
        QCOMPARE(m_dialog->selectedConstruction().m_layers.size(), std::size_t(2));
    } else {
        QVERIFY(m_dialog->selectedConstruction().m_layers.empty());
    }
}

void tst_MaterialDatabaseDialog::doubleClickAccepts_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("result");
    QTest::newRow("material") << 0 << 0;
    QTest::newRow("construction") << 1 << 1;
}

void tst_MaterialDatabaseDialog::doubleClickAccepts()
{
    QFETCH(int, page);
    QFETCH(int, result);
    bool stillOpen = false;
    const int actual = runSelect(
        [&]() {
            m_dialog->tabWidget()->setCurrentPage(page);
            QTableView *table = page == 0 ? materialTable() : constructions()->tableView();
            const QRect cell = table->visualRect(table->model()->index(0, 0));
            QVERIFY(cell.isValid());
            // the first click selects, the second of the pair chooses
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell.center());
            stillOpen = m_dialog->isVisible();
        },
        false); // were the double click ignored, the dialog would be cancelled here
    QVERIFY(!stillOpen);
    QCOMPARE(actual, result);
}

void tst_MaterialDatabaseDialog::filtersNarrowTheTable_data()
{
    QTest::addColumn<QString>("filter"); // object name of the field
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("name") << "lineEditNameFilter"
                          << "WOOL" << QStringList{"Mineral wool"};
    QTest::newRow("name, two") << "lineEditNameFilter"
                               << "al" << QStringList{"Mineral wool", "Normal concrete"};
    QTest::newRow("producer") << "lineEditProducerFilter"
                              << "brickworks" << QStringList{"Normal concrete", "Solid brick"};
    QTest::newRow("source") << "lineEditSourceFilter"
                            << "catalogue b" << QStringList{"Mineral wool", "Normal concrete"};
    QTest::newRow("comment") << "lineEditCommentFilter"
                             << "heavy" << QStringList{"Normal concrete"};
    QTest::newRow("name in another language") << "lineEditNameFilter"
                                              << "vollz" << QStringList{"Solid brick"};
    QTest::newRow("name in another language, partly") << "lineEditNameFilter"
                                                      << "ralwolle" << QStringList{"Mineral wool"};
    QTest::newRow("lambda from") << "lineEditLambdaMin"
                                 << "0.7"
                                 << QStringList{"Normal concrete", "Own plaster", "Solid brick"};
    QTest::newRow("lambda to, decimal comma")
        << "lineEditLambdaMax"
        << "0,035" << QStringList{"Air space (not ventilated)", "Mineral wool"};
    QTest::newRow("lambda not a number")
        << "lineEditLambdaMax"
        << "abc"
        << QStringList{"Air space (not ventilated)", "Mineral wool", "Normal concrete",
                       "Own plaster", "Solid brick"};
    QTest::newRow("nothing") << "lineEditNameFilter"
                             << "xyz" << QStringList{};
    QTest::newRow("category") << "comboBoxCategories"
                              << "Insulation materials" << QStringList{"Mineral wool"};
    QTest::newRow("category of user material")
        << "comboBoxCategories"
        << "Miscellaneous" << QStringList{"Air space (not ventilated)", "Own plaster"};
}

void tst_MaterialDatabaseDialog::filtersNarrowTheTable()
{
    QFETCH(QString, filter);
    QFETCH(QString, text);
    QFETCH(QStringList, shown);
    m_materials->addUserMaterial(userMaterial(QStringLiteral("Own plaster"), 0.7, 12));
    QtExt::MaterialDatabaseSelectionWidget *selection = materials()->selectionWidget();
    QCOMPARE(materialTable()->model()->rowCount(), 5);
    if (auto *combo = selection->findChild<QComboBox *>(filter)) {
        combo->setCurrentText(text);
    } else {
        auto *edit = selection->findChild<QLineEdit *>(filter);
        QVERIFY(edit);
        // typed key by key: the table follows every key
        QTest::keyClicks(edit, text);
    }
    QStringList actual;
    QAbstractItemModel *model = materialTable()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        actual << model->index(row, 0).data().toString();
    actual.sort();
    QCOMPARE(actual, shown);
    selection->clearFilters();
    QCOMPARE(model->rowCount(), 5);
}

void tst_MaterialDatabaseDialog::lambdaRangeAndSource()
{
    QtExt::MaterialDatabaseSelectionWidget *selection = materials()->selectionWidget();
    QTest::keyClicks(selection->lambdaMinFilter(), QStringLiteral("0.03"));
    QTest::keyClicks(selection->lambdaMaxFilter(), QStringLiteral("1"));
    QAbstractItemModel *model = materialTable()->model();
    QCOMPARE(model->rowCount(), 2); // mineral wool 0.035 and brick 0.81; not air, not concrete
    QCOMPARE(selection->lambdaMaxFilter()->styleSheet(), QString());
    QTest::keyClicks(selection->lambdaMaxFilter(), QStringLiteral("x"));
    QVERIFY(selection->lambdaMaxFilter()->styleSheet().contains(QStringLiteral("red")));
    QCOMPARE(model->rowCount(), 3); // "1x" is no bound: from 0.03 upwards

    // The description under the table names the source of the selected material.
    selectMaterialNamed(QStringLiteral("Solid brick"));
    auto *description =
        selection->findChild<QPlainTextEdit *>(QStringLiteral("plainTextEditDescription"));
    QVERIFY(description);
    QVERIFY(description->toPlainText().contains(QStringLiteral("Catalogue A")));
    QVERIFY(description->isVisible() || !m_dialog->isVisible());
}

void tst_MaterialDatabaseDialog::selectionSurvivesTheFilter()
{
    QtExt::MaterialDatabaseSelectionWidget *selection = materials()->selectionWidget();
    selectMaterialNamed(QStringLiteral("Normal concrete"));
    QCOMPARE(materials()->selectedMaterial()->m_materialId, 13);
    // a filter that keeps it keeps it selected
    QTest::keyClicks(selection->producerFilter(), QStringLiteral("Brick"));
    QVERIFY(materials()->selectedMaterial());
    QCOMPARE(materials()->selectedMaterial()->m_materialId, 13);
    // one that hides it leaves nothing to choose ...
    QTest::keyClicks(selection->nameFilter(), QStringLiteral("solid"));
    QVERIFY(!materials()->selectedMaterial());
    // ... and the choice is back when the filter lets it through again
    selection->nameFilter()->clear();
    QVERIFY(materials()->selectedMaterial());
    QCOMPARE(materials()->selectedMaterial()->m_materialId, 13);

    // the arrow keys in a filter field walk through the table
    selection->clearFilters();
    selectMaterialNamed(QStringLiteral("Mineral wool"));
    QTest::keyClick(selection->nameFilter(), Qt::Key_Down);
    QCOMPARE(materials()->selectedMaterial()->m_name, QStringLiteral("Normal concrete"));
    QTest::keyClick(selection->nameFilter(), Qt::Key_Up);
    QCOMPARE(materials()->selectedMaterial()->m_name, QStringLiteral("Mineral wool"));
}

void tst_MaterialDatabaseDialog::sortingByValue()
{
    QTableView *table = materialTable();
    auto column = [table](int c) {
        QStringList names;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            names << table->model()->index(row, c).data().toString();
        return names;
    };
    // by name at first
    QCOMPARE(column(0), QStringList({"Air space (not ventilated)", "Mineral wool",
                                     "Normal concrete", "Solid brick"}));
    // numbers sort by value, not by text ("10" after "1", "80" after "10")
    table->sortByColumn(QtExt::MaterialTableModel::C_Mu, Qt::AscendingOrder);
    QCOMPARE(column(QtExt::MaterialTableModel::C_Mu), QStringList({"1.0", "1.0", "10", "80"}));
    table->sortByColumn(QtExt::MaterialTableModel::C_Lambda, Qt::DescendingOrder);
    QCOMPARE(column(0), QStringList({"Normal concrete", "Solid brick", "Mineral wool",
                                     "Air space (not ventilated)"}));
    // the units stand in the column heads
    const QString head =
        table->model()->headerData(QtExt::MaterialTableModel::C_Lambda, Qt::Horizontal).toString();
    QVERIFY2(head.contains(QStringLiteral("[W/mK]")), qPrintable(head));

    // A_w in the unit of the layer editor: per h^0.5 the head says so and the values are 60
    // times those per s^0.5
    const int aw = QtExt::MaterialTableModel::C_Aw;
    const QModelIndex first = table->model()->index(0, aw);
    const double perSecond = first.data(QtExt::MaterialTableModel::SortRole).toDouble();
    m_dialog->setDisplayUnits(DisplayUnits(1000, false));
    QVERIFY(table->model()->headerData(aw, Qt::Horizontal).toString().contains(QChar(u'h')));
    QCOMPARE(table->model()->index(0, aw).data(QtExt::MaterialTableModel::SortRole).toDouble(),
             perSecond * 60);
    m_dialog->setDisplayUnits(DisplayUnits(1000, true));
    QCOMPARE(table->model()->index(0, aw).data(QtExt::MaterialTableModel::SortRole).toDouble(),
             perSecond);
}

void tst_MaterialDatabaseDialog::summerSdOfARetarderShown()
{
    // A humidity-variable retarder shows its summer sd-value beside the winter one; a material
    // without one leaves the cell empty rather than showing a zero.
    m_dialogs.materialEdit = [](Material &m) {
        m = userMaterial(QStringLiteral("Variable retarder"), 0.2, 20000);
        m.m_sd_value = 5;
        m.m_sd_summer = 0.25;
        m.setFlags(false, false, false, true);
    };
    materials()->actionAdd()->trigger();
    QAbstractItemModel *model = materialTable()->model();
    const int sd = QtExt::MaterialTableModel::C_SdValue;
    const int summer = QtExt::MaterialTableModel::C_SdSummer;
    QVERIFY(model->headerData(summer, Qt::Horizontal).toString().contains(QStringLiteral("[m]")));
    int found = 0;
    for (int row = 0; row < model->rowCount(); ++row) {
        const QString name = model->index(row, QtExt::MaterialTableModel::C_Name).data().toString();
        const QString shown = model->index(row, summer).data().toString();
        if (name == QLatin1String("Variable retarder")) {
            ++found;
            QCOMPARE(model->index(row, sd).data(QtExt::MaterialTableModel::SortRole).toDouble(),
                     5.0);
            QCOMPARE(model->index(row, summer).data(QtExt::MaterialTableModel::SortRole).toDouble(),
                     0.25);
            QVERIFY2(shown.contains(QStringLiteral("25")), qPrintable(shown));
        } else {
            QVERIFY2(shown.isEmpty(), qPrintable(name + QStringLiteral(": ") + shown));
        }
    }
    QCOMPARE(found, 1);
}

void tst_MaterialDatabaseDialog::userMaterialEditing()
{
    const QString userFile = m_materials->userFilePath();
    const Material shippedBefore = *m_materials->findMaterial(11);

    // add
    m_dialogs.materialEdit = [](Material &m) {
        m = userMaterial(QStringLiteral("Hemp lime"), 0.09, 5);
    };
    materials()->actionAdd()->trigger();
    QCOMPARE(namesOnDisk(userFile), QStringList{"Hemp lime"});
    QCOMPARE(materials()->selectedMaterial()->m_name, QStringLiteral("Hemp lime"));
    QVERIFY(m_materials->isUserMaterial(materials()->selectedMaterial()->m_materialId));
    // the user's own material is marked in the table
    const int row = materialTable()->selectionModel()->selectedRows().first().row();
    QVERIFY(materialTable()->model()->index(row, 0).data(Qt::FontRole).value<QFont>().italic());

    // edit
    QVERIFY(materials()->actionEdit()->isEnabled());
    m_dialogs.materialEdit = [](Material &m) {
        m.m_name = QStringLiteral("Hemp lime, light");
        m.m_lambda = 0.07;
    };
    materials()->actionEdit()->trigger();
    QCOMPARE(namesOnDisk(userFile), QStringList{"Hemp lime, light"});
    QCOMPARE(MaterialList::readUserFile(userFile).front().m_lambda, 0.07);

    // a cancelled edit changes nothing
    m_dialogs.materialEdit = nullptr;
    materials()->actionEdit()->trigger();
    QCOMPARE(namesOnDisk(userFile), QStringList{"Hemp lime, light"});

    // copy of a shipped material
    selectMaterialNamed(QStringLiteral("Solid brick"));
    QVERIFY(materials()->actionCopy()->isEnabled());
    QVERIFY(!materials()->actionEdit()->isEnabled());
    QVERIFY(!materials()->actionRemove()->isEnabled());
    m_dialogs.materialEdit = [](Material &m) { m.m_rho = 1600; };
    materials()->actionCopy()->trigger();
    QCOMPARE(namesOnDisk(userFile), QStringList({"Hemp lime, light", "Solid brick (copy)"}));
    QCOMPARE(MaterialList::readUserFile(userFile).back().m_rho, 1600.0);
    QCOMPARE(m_materials->databaseMaterialCount(), 4);
    QCOMPARE(*m_materials->findMaterial(11), shippedBefore);
    QCOMPARE(m_materials->findMaterial(11)->m_rho, 1000.0);

    // remove, asked first
    selectMaterialNamed(QStringLiteral("Hemp lime, light"));
    m_dialogs.answer = QMessageBox::No;
    materials()->actionRemove()->trigger();
    QCOMPARE(namesOnDisk(userFile).size(), 2);
    m_dialogs.answer = QMessageBox::Yes;
    materials()->actionRemove()->trigger();
    QCOMPARE(namesOnDisk(userFile), QStringList{"Solid brick (copy)"});
    QCOMPARE(m_materials->userMaterialCount(), 1);
    QCOMPARE(materialTable()->model()->rowCount(), 5);

    // what was written is what the next start reads
    MaterialList again(QStringLiteral("en"), m_materials->databaseDirectory(),
                       m_materials->userDirectory());
    QVERIFY(again.read());
    QCOMPARE(again.userMaterialCount(), 1);
    QCOMPARE(again.material(again.databaseMaterialCount())->m_name,
             QStringLiteral("Solid brick (copy)"));
}

void tst_MaterialDatabaseDialog::shippedMaterialsCannotBeChanged()
{
    selectMaterialNamed(QStringLiteral("Mineral wool"));
    QVERIFY(!materials()->actionEdit()->isEnabled());
    QVERIFY(!materials()->actionRemove()->isEnabled());
    m_dialogs.materialEdit = [](Material &m) { m.m_lambda = 1; };
    // even when triggered by other means
    materials()->editMaterial();
    materials()->removeMaterial();
    QCOMPARE(m_materials->findMaterial(12)->m_lambda, 0.035);
    QCOMPARE(m_materials->databaseMaterialCount(), 4);
    QCOMPARE(m_materials->userMaterialCount(), 0);
    QVERIFY(!QFile::exists(m_materials->userFilePath()));
}

void tst_MaterialDatabaseDialog::constructionEditing()
{
    const QString file = m_constructions->filePath();
    QCOMPARE(constructionsOnDisk(file), QStringList({"Wall", "Empty"}));

    // add
    m_dialogs.constructionEdit = [](Construction &c) {
        c = construction(QStringLiteral("Roof"), {0.02, 0.2, 0.015});
    };
    constructions()->actionAdd()->trigger();
    QCOMPARE(constructionsOnDisk(file), QStringList({"Wall", "Empty", "Roof"}));
    QCOMPARE(constructions()->selectedRow(), 2);

    // edit keeps the place in the list
    constructions()->selectRow(0);
    m_dialogs.constructionEdit = [](Construction &c) {
        c.m_name = QStringLiteral("Wall, renovated");
        c.m_layers.pop_back();
    };
    constructions()->actionEdit()->trigger();
    QCOMPARE(constructionsOnDisk(file), QStringList({"Wall, renovated", "Empty", "Roof"}));
    QCOMPARE(ConstructionList::readFile(file).front().m_layers.size(), std::size_t(1));
    QCOMPARE(constructions()->selectedRow(), 0);

    // copy
    m_dialogs.constructionEdit = [](Construction &) {};
    constructions()->actionCopy()->trigger();
    QCOMPARE(constructionsOnDisk(file),
             QStringList({"Wall, renovated", "Empty", "Roof", "Wall, renovated (copy)"}));

    // the preview shows the selected construction and its notes
    constructions()->selectRow(2);
    QCOMPARE(constructions()->notesEdit()->toPlainText(), QStringLiteral("notes of Roof"));

    // delete, asked first
    m_dialogs.answer = QMessageBox::No;
    constructions()->actionRemove()->trigger();
    QCOMPARE(constructionsOnDisk(file).size(), 4);
    m_dialogs.answer = QMessageBox::Yes;
    constructions()->actionRemove()->trigger();
    QCOMPARE(constructionsOnDisk(file),
             QStringList({"Wall, renovated", "Empty", "Wall, renovated (copy)"}));
}

void tst_MaterialDatabaseDialog::importFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QStringList>("added");
    QTest::newRow("version-1 list")
        << "materials_v1.txt" << 0 << "information: Materials added."
        << QStringList{"Clay plaster, test", "Cellulose fill, test", "Oak, test"};
    QTest::newRow("user database") << "user_materials.mmat" << 0 << "information: Materials added."
                                   << QStringList{"Lime plaster, test", "Wood fibre board, test"};
    QTest::newRow("other extension")
        << "materials.dat" << 0 << "warning: Material read error." << QStringList{};
    QTest::newRow("constructions")
        << "constructions.constr" << 1 << "information: Constructions added."
        << QStringList{"Brick wall, insulated", "Brick only"};
}

void tst_MaterialDatabaseDialog::importFiles()
{
    QFETCH(QString, file);
    QFETCH(int, page);
    QFETCH(QString, box);
    QFETCH(QStringList, added);
    const QString path = QStringLiteral(M2_TEST_DATA_DIR "/database/") + file;
    QVERIFY(QFile::exists(path));
    m_dialogs.openName = path;
    if (page == 0)
        materials()->actionImport()->trigger();
    else
        constructions()->actionImport()->trigger();
    QCOMPARE(m_dialogs.boxes.size(), 1);
    QVERIFY2(m_dialogs.boxes.first().startsWith(box + QLatin1Char('|')),
             qPrintable(m_dialogs.boxes.first()));
    if (page == 0) {
        QStringList names = namesOnDisk(m_materials->userFilePath());
        QCOMPARE(names, added);
        QCOMPARE(m_materials->userMaterialCount(), added.size());
        if (!added.isEmpty()) {
            QCOMPARE(
                m_dialogs.boxes.first(),
                box +
                    QStringLiteral("|%1 materials found in file '%2'").arg(added.size()).arg(path));
            QCOMPARE(materials()->selectedMaterial()->m_name, added.last());
        } else {
            QCOMPARE(m_dialogs.boxes.first(),
                     box + QStringLiteral("|No valid material file '%1'\n Extension sould be "
                                          "'txt' or 'mmat'")
                               .arg(path));
        }
    } else {
        QCOMPARE(constructionsOnDisk(m_constructions->filePath()),
                 QStringList({"Wall", "Empty"}) + added);
        // importing again adds nothing: the constructions are already there
        m_dialogs.boxes.clear();
        QCOMPARE(constructions()->importFile(path), 0);
        QCOMPARE(m_constructions->count(), 2 + added.size());
    }
}

void tst_MaterialDatabaseDialog::importDialogTexts()
{
    m_dialogs.openName.clear();
    materials()->actionImport()->trigger();
    // the imports start where the last project lies, else in the home directory
    m_dialogs.setImportDirectory(QStringLiteral("/projects/attic"));
    constructions()->actionImport()->trigger();
    QCOMPARE(m_dialogs.openDirectories, QStringList({QDir::homePath(), "/projects/attic"}));
    QCOMPARE(m_dialogs.openTitles, QStringList({"Select file with user material database.",
                                                "Select file with construction database."}));
    QCOMPARE(m_dialogs.openFilters,
             QStringList({"Database for Mirelo 1.9 (*.txt);;Database for Mirelo 2.0 (*.mmat)",
                          "Database for Mirelo 2 (*.constr)"}));
    QVERIFY(m_dialogs.boxes.isEmpty());
    QCOMPARE(m_materials->userMaterialCount(), 0);
}

M2_TEST_MAIN(tst_MaterialDatabaseDialog)
#include "tst_MaterialDatabaseDialog.moc"
