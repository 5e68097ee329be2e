// The preferences dialog: what each page shows of the settings and stores on accept, the
// checks of the user database directory with their messages, the databases moving with it,
// the DIN criteria and drying reserve widgets, preferences that take effect in the open
// project at once, and preferences that survive a restart through the settings file.

#include "TestMaterials.h"
#include "TestSupport.h"

#include "document/Project.h"
#include "persistence/Construction.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"
#include "qtext/ValidatingLineEdit.h"
#include "settings/Directories.h"
#include "settings/Settings.h"
#include "ui/preferences/ConfigDialog.h"
#include "ui/preferences/ConfigPageGeneral.h"
#include "ui/preferences/ConfigPrintDefaults.h"
#include "ui/mainwindow/ConstructionTableWidget.h"
#include "ui/editors/DINCriteriaSettings.h"
#include "ui/mainwindow/DesktopDialogs.h"
#include "ui/mainwindow/DiagramView.h"
#include "ui/editors/DryingReserveSettings.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/editors/MaterialEditWidget.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

/*! Records the message boxes; answers the directory chooser from a script. */
class ScriptedDialogs : public DesktopDialogs
{
public:
    void critical(QWidget *, const QString &title, const QString &text) override
    {
        criticals << title + QLatin1String(" | ") + text;
    }
    void information(QWidget *, const QString &title, const QString &) override
    {
        informations << title;
    }
    QString existingDirectory(QWidget *, const QString &title, const QString &) override
    {
        directoryTitle = title;
        return directory;
    }
    ExistingData existingUserData(QWidget *, const QString &directory) override
    {
        askedAbout << directory;
        return existingAnswer;
    }
    ExistingData existingAnswer = KeepDirectory;
    QStringList askedAbout;
    QStringList criticals, informations;
    QString directory, directoryTitle;
};

Material brick()
{
    return TestMaterials::material("Brick", 0.8, 10, 0.01, 0.3, 0.1, 2);
}

template <class T>
T *child(QWidget *parent, const char *name)
{
    T *w = parent->findChild<T *>(QLatin1String(name));
    if (!w)
        qWarning("no child %s", name);
    return w;
}

} // namespace

class tst_ConfigDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void pagesAndTitles();
    void generalPageShowsTheSettings_data();
    void generalPageShowsTheSettings();
    void generalPageStores_data();
    void generalPageStores();
    void directoryRefused_data();
    void directoryRefused();
    void unchangedDirectoryIsLeftAlone();
    void databasesMoveWithTheDirectory();
    void directoryWithUserData_data();
    void directoryWithUserData();
    void dinCriteriaEditions_data();
    void dinCriteriaEditions();
    void dinCriteriaUserDefined();
    void dryingReserve_data();
    void dryingReserve();
    void printDefaultsRoundTrip();
    void cancelStoresNothing();
    void preferencesTakeEffectInTheWindow_data();
    void preferencesTakeEffectInTheWindow();
    void preferencesSurviveARestart();

private:
    QTemporaryDir m_home;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<MaterialList> m_materials;
    std::unique_ptr<ConstructionList> m_constructions;
    ScriptedDialogs m_dialogs;
    QString m_dbDir;
};

void tst_ConfigDialog::initTestCase()
{
    QLocale::setDefault(QLocale::c());
    QVERIFY(m_home.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.path());
}

void tst_ConfigDialog::init()
{
    static int run = 0;
    m_dbDir = m_home.filePath(QStringLiteral("db%1").arg(++run));
    QVERIFY(QDir().mkpath(m_dbDir));
    m_settings = std::make_unique<Settings>();
    m_settings->m_userMaterialsDirectory = m_dbDir;
    m_materials = std::make_unique<MaterialList>(QStringLiteral("en"), m_home.path(), m_dbDir);
    m_constructions = std::make_unique<ConstructionList>(QStringLiteral("en"), m_dbDir);
    m_dialogs = ScriptedDialogs();
}

void tst_ConfigDialog::cleanup()
{
    m_constructions.reset();
    m_materials.reset();
    m_settings.reset();
}

void tst_ConfigDialog::pagesAndTitles()
{
    ConfigDialog dialog(*m_settings, m_materials.get(), m_constructions.get(), m_dialogs);
    QListWidget *list = dialog.pageList();
    QCOMPARE(list->count(), 3);
    const QStringList texts = {QStringLiteral("General Settings"),
                               QStringLiteral("Default Project Info"),
                               QStringLiteral("Default Print Config")};
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(dialog.windowTitle(), texts[0]);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(list->item(i)->text(), texts[i]);
        QVERIFY(!list->item(i)->icon().isNull());
        QCOMPARE(list->item(i)->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
    list->setCurrentRow(2);
    QCOMPARE(dialog.windowTitle(), texts[2]);
    for (const char *name : {"comboBoxDefaultStartUp", "comboBoxWidthUnit", "comboBoxAwUnitSeconds",
                             "lineEditUserMatDir", "toolButtonUserMaterialDir",
                             "checkBoxMoistureDependentLambda", "toolBoxDefaults"})
        QVERIFY2(dialog.findChild<QWidget *>(QLatin1String(name)), name);
    QCOMPARE(child<QComboBox>(&dialog, "comboBoxAwUnitSeconds")->itemText(1),
             QStringLiteral("Use kg/m%1h%2 as unit for Aw").arg(QChar(0x00B2)).arg(QChar(0x00BD)));
}

void tst_ConfigDialog::generalPageShowsTheSettings_data()
{
    QTest::addColumn<int>("restartMode");
    QTest::addColumn<int>("widthUnit");
    QTest::addColumn<bool>("awInSeconds");
    QTest::addColumn<int>("startIndex");
    QTest::addColumn<int>("widthIndex");
    QTest::newRow("mm") << 0 << 1000 << true << 0 << 0;
    QTest::newRow("cm") << 1 << 100 << false << 1 << 1;
    QTest::newRow("dm") << 2 << 10 << false << 1 << 2;
    QTest::newRow("m") << 1 << 1 << true << 1 << 3;
    QTest::newRow("unknown unit") << 0 << 7 << true << 0 << 0;
}

void tst_ConfigDialog::generalPageShowsTheSettings()
{
    QFETCH(int, restartMode);
    QFETCH(int, widthUnit);
    QFETCH(bool, awInSeconds);
    QFETCH(int, startIndex);
    QFETCH(int, widthIndex);
    m_settings->m_restartMode = restartMode;
    m_settings->m_layerWidthUnit = widthUnit;
    m_settings->m_awInSeconds = awInSeconds;
    m_settings->m_moistureDependentLambda = !awInSeconds;
    ConfigDialog dialog(*m_settings, m_materials.get(), m_constructions.get(), m_dialogs);
    QCOMPARE(child<QComboBox>(&dialog, "comboBoxDefaultStartUp")->currentIndex(), startIndex);
    QCOMPARE(child<QComboBox>(&dialog, "comboBoxWidthUnit")->currentIndex(), widthIndex);
    QCOMPARE(child<QComboBox>(&dialog, "comboBoxAwUnitSeconds")->currentIndex(),
             awInSeconds ? 0 : 1);
    QCOMPARE(child<QCheckBox>(&dialog, "checkBoxMoistureDependentLambda")->isChecked(),
             !awInSeconds);
    auto *dir = child<QLineEdit>(&dialog, "lineEditUserMatDir");
    QCOMPARE(dir->text(), QDir::toNativeSeparators(m_dbDir));
    QCOMPARE(dir->toolTip(), dir->text());
}

void tst_ConfigDialog::generalPageStores_data()
{
    QTest::addColumn<int>("startIndex");
    QTest::addColumn<int>("widthIndex");
    QTest::addColumn<int>("awIndex");
    QTest::addColumn<int>("restartMode");
    QTest::addColumn<int>("widthUnit");
    QTest::addColumn<bool>("awInSeconds");
    QTest::newRow("mm, s") << 0 << 0 << 0 << 0 << 1000 << true;
    QTest::newRow("cm, h") << 1 << 1 << 1 << 1 << 100 << false;
    QTest::newRow("dm") << 1 << 2 << 0 << 1 << 10 << true;
    QTest::newRow("m") << 0 << 3 << 1 << 0 << 1 << false;
}

void tst_ConfigDialog::generalPageStores()
{
    QFETCH(int, startIndex);
    QFETCH(int, widthIndex);
    QFETCH(int, awIndex);
    QFETCH(int, restartMode);
    QFETCH(int, widthUnit);
    QFETCH(bool, awInSeconds);
    ConfigDialog dialog(*m_settings, m_materials.get(), m_constructions.get(), m_dialogs);
    child<QComboBox>(&dialog, "comboBoxDefaultStartUp")->setCurrentIndex(startIndex);
    child<QComboBox>(&dialog, "comboBoxWidthUnit")->setCurrentIndex(widthIndex);
    child<QComboBox>(&dialog, "comboBoxAwUnitSeconds")->setCurrentIndex(awIndex);
    auto *lambda = child<QCheckBox>(&dialog, "checkBoxMoistureDependentLambda");
    const bool lambdaBefore = m_settings->m_moistureDependentLambda;
    lambda->setChecked(!lambdaBefore);
    dialog.changesAccepted();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(m_settings->m_restartMode, restartMode);
    QCOMPARE(m_settings->m_layerWidthUnit, widthUnit);
    QCOMPARE(m_settings->m_awInSeconds, awInSeconds);
    QCOMPARE(m_settings->m_moistureDependentLambda, !lambdaBefore);
    QVERIFY(m_dialogs.criticals.isEmpty());
}

void tst_ConfigDialog::directoryRefused_data()
{
    QTest::addColumn<QString>("path"); // relative paths below the temporary home
    QTest::addColumn<QString>("message");
    const QString notValid = QStringLiteral("Directory not valid. | ");
    QTest::newRow("a file") << "afile.txt"
                            << notValid + QStringLiteral("There exist a file with the same name.");
    QTest::newRow("relative") << "relative/dir"
                              << notValid + "The given text cannot be used as directory.";
    QTest::newRow("empty") << "" << notValid + "The given text cannot be used as directory.";
    QTest::newRow("not writable")
        << "/proc/mirelo-test-dir"
        << "Directory not writebale. | The material database cannot be stored here.";
}

void tst_ConfigDialog::directoryRefused()
{
    QFETCH(QString, path);
    QFETCH(QString, message);
    {
        QFile file(m_home.filePath(QStringLiteral("afile.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QString text = path;
    if (path == QLatin1String("afile.txt"))
        text = m_home.filePath(path);
    ConfigDialog dialog(*m_settings, m_materials.get(), m_constructions.get(), m_dialogs);
    child<QLineEdit>(&dialog, "lineEditUserMatDir")->setText(text);
    dialog.changesAccepted();
    QCOMPARE(m_dialogs.criticals, QStringList{message});
    QCOMPARE(m_settings->m_userMaterialsDirectory, m_dbDir);
    QCOMPARE(m_materials->userDirectory(), m_dbDir);
    QCOMPARE(m_constructions->directory(), m_dbDir);
    // the other preferences are stored all the same
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void tst_ConfigDialog::unchangedDirectoryIsLeftAlone()
{
    // without a stored directory the databases are in the user data directory, and the field
    // says so; accepting it unchanged stores nothing and writes nothing
    m_settings->m_userMaterialsDirectory.clear();
    ConfigDialog dialog(*m_settings, nullptr, nullptr, m_dialogs);
    auto *dir = child<QLineEdit>(&dialog, "lineEditUserMatDir");
    QCOMPARE(QDir::fromNativeSeparators(dir->text()), Directories::userDataDir());
    dialog.changesAccepted();
    QVERIFY(m_settings->m_userMaterialsDirectory.isEmpty());
    QVERIFY(m_dialogs.criticals.isEmpty());
}

void tst_ConfigDialog::databasesMoveWithTheDirectory()
{
    m_materials->addUserMaterial(brick());
    Construction construction;
    construction.m_name = QStringLiteral("Wall");
    construction.m_layers.push_back(MaterialLayer(brick(), 0.24));
    m_constructions->addConstruction(construction);
    const QString oldMaterials = m_materials->userFilePath();
    const QString oldConstructions = m_constructions->filePath();
    QVERIFY(QFile::exists(oldMaterials));
    QVERIFY(QFile::exists(oldConstructions));
    QFile old(oldMaterials);
    QVERIFY(old.open(QIODevice::ReadOnly));
    const QByteArray oldBytes = old.readAll();
    old.close();

    // chosen with the directory chooser, into a directory that does not exist yet
    const QString target = m_home.filePath(QStringLiteral("moved/here"));
    m_dialogs.directory = target;
    ConfigDialog dialog(*m_settings, m_materials.get(), m_constructions.get(), m_dialogs);
    child<QAbstractButton>(&dialog, "toolButtonUserMaterialDir")->click();
    QCOMPARE(m_dialogs.directoryTitle, QStringLiteral("User material directory"));
    QCOMPARE(child<QLineEdit>(&dialog, "lineEditUserMatDir")->text(),
             QDir::toNativeSeparators(target));
    dialog.changesAccepted();
    QVERIFY(m_dialogs.criticals.isEmpty());
    QCOMPARE(m_settings->m_userMaterialsDirectory, target);
    QCOMPARE(m_materials->userDirectory(), target);
    QCOMPARE(m_constructions->directory(), target);
    QVERIFY(QFile::exists(target + QStringLiteral("/text.tst")));
    // both databases are in the new place and read back; the old files stay as they were
    QCOMPARE(int(MaterialList::readUserFile(m_materials->userFilePath()).size()), 1);
    QCOMPARE(int(ConstructionList::readFile(m_constructions->filePath()).size()), 1);
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), oldBytes);
    QVERIFY(QFile::exists(oldConstructions));
    // later changes go to the new place
    m_materials->addUserMaterial(brick());
    QCOMPARE(int(MaterialList::readUserFile(target + QStringLiteral("/UserData.mmat")).size()), 2);
    QCOMPARE(int(MaterialList::readUserFile(oldMaterials).size()), 1);
}

void tst_ConfigDialog::directoryWithUserData_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("materials");     // the user materials afterwards
    QTest::addColumn<QStringList>("constructions"); // the constructions afterwards
    QTest::addColumn<bool>("moved");
    QTest::newRow("cancel") << int(UserDialogs::KeepDirectory) << QStringList{"Own"}
                            << QStringList{"Own wall"} << false;
    QTest::newRow("use the data there")
        << int(UserDialogs::UseExistingData) << QStringList{"Shared", "Own"}
        << QStringList{"Shared wall"} << true;
    QTest::newRow("merge") << int(UserDialogs::MergeData) << QStringList{"Own", "Shared"}
                           << QStringList{"Own wall", "Shared wall"} << true;
}

void tst_ConfigDialog::directoryWithUserData()
{
    // another installation's databases in the target: two materials (one equal to an own
    // one) and one construction
    QFETCH(int, answer);
    QFETCH(QStringList, materials);
    QFETCH(QStringList, constructions);
    QFETCH(bool, moved);
    Material own = brick();
    own.m_name = QStringLiteral("Own");
    own.m_color = QColor(200, 100, 50);
    Material shared = brick();
    shared.m_name = QStringLiteral("Shared");
    shared.m_color = QColor(20, 100, 50);
    auto wall = [](const QString &name) {
        Construction c;
        c.m_name = name;
        c.m_layers.push_back(MaterialLayer(brick(), 0.24));
        return c;
    };
    const QString target = m_home.filePath(QStringLiteral("shared%1").arg(answer));
    {
        MaterialList other(QStringLiteral("en"), m_home.path(), target);
        other.addUserMaterial(shared);
        other.addUserMaterial(own);
        ConstructionList otherConstructions(QStringLiteral("en"), target);
        otherConstructions.addConstruction(wall(QStringLiteral("Shared wall")));
    }
    QFile file(MaterialList::userFilePathIn(target));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray sharedBytes = file.readAll();
    file.close();
    m_materials->addUserMaterial(own);
    m_constructions->addConstruction(wall(QStringLiteral("Own wall")));

    m_dialogs.existingAnswer = UserDialogs::ExistingData(answer);
    ConfigDialog dialog(*m_settings, m_materials.get(), m_constructions.get(), m_dialogs);
    child<QLineEdit>(&dialog, "lineEditUserMatDir")->setText(target);
    dialog.changesAccepted();
    QCOMPARE(m_dialogs.askedAbout, QStringList{target});
    QCOMPARE(m_settings->m_userMaterialsDirectory, moved ? target : m_dbDir);
    QCOMPARE(m_materials->userDirectory(), moved ? target : m_dbDir);

    QStringList names;
    for (int i = 0; i < m_materials->userMaterialCount(); ++i)
        names << m_materials->material(m_materials->databaseMaterialCount() + i)->m_name;
    QCOMPARE(names, materials);
    names.clear();
    for (int i = 0; i < m_constructions->count(); ++i)
        names << m_constructions->construction(i).m_name;
    QCOMPARE(names, constructions);

    // the files there hold what the lists hold; without a merge they are untouched
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (answer != UserDialogs::MergeData)
        QCOMPARE(file.readAll(), sharedBytes);
    file.close();
    if (moved) {
        QCOMPARE(int(MaterialList::readUserFile(MaterialList::userFilePathIn(target)).size()),
                 materials.size());
        QCOMPARE(int(ConstructionList::readFile(ConstructionList::filePathIn(target)).size()),
                 constructions.size());
    }
}

void tst_ConfigDialog::dinCriteriaEditions_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<double>("limit"); // kg/(m²·h^0.5)
    QTest::newRow("2001") << 0 << 0.2;
    QTest::newRow("2014") << 1 << 0.5;
    QTest::newRow("2018 and 2024") << 2 << 0.1;
}

void tst_ConfigDialog::dinCriteriaEditions()
{
    QFETCH(int, type);
    QFETCH(double, limit);
    DINCriteriaSettings widget;
    ReportSettings report;
    report.m_din4108_3AccordanceType = 3;
    report.m_nonCapillarAw = 0.3 / 60;
    widget.setSettings(report);
    QVERIFY(!widget.nonCapillarAwEdit()->isReadOnly());
    QCOMPARE(widget.nonCapillarAwEdit()->value(), 0.3 / 60 * 60);
    QSignalSpy changed(&widget, &DINCriteriaSettings::DINCriteriaSettingsChanged);
    widget.radioButton(type)->click();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(widget.accordanceType(), type);
    QCOMPARE(widget.nonCapillarAwEdit()->value(), limit);
    QVERIFY(widget.nonCapillarAwEdit()->isReadOnly());
    QVERIFY(widget.storeSettings(report));
    QCOMPARE(report.m_din4108_3AccordanceType, type);
    // an edition's limit is its own: the user's value stays stored
    QCOMPARE(report.m_nonCapillarAw, 0.3 / 60);
}

void tst_ConfigDialog::dinCriteriaUserDefined()
{
    DINCriteriaSettings widget;
    widget.show();
    QCOMPARE(widget.accordanceType(), 2);
    QCOMPARE(widget.radioButton(3)->text(), QStringLiteral("User defined"));
    QCOMPARE(widget.radioButton(2)->text(), QStringLiteral("DIN 4108-3 2018 und 2024"));
    // the capillary-active limit and the side check are not offered
    QVERIFY(!child<QWidget>(&widget, "lineEditCapillarActiveAw")->isVisible());
    widget.radioButton(3)->click();
    QtExt::ValidatingLineEdit *edit = widget.nonCapillarAwEdit();
    QVERIFY(!edit->isReadOnly());
    edit->setText(QStringLiteral("-0.1"));
    QVERIFY(!edit->isValid());
    QCOMPARE(edit->toolTip(), QStringLiteral("The Aw value cannot be < 0."));
    ReportSettings report;
    const ReportSettings before = report;
    QVERIFY(!widget.storeSettings(report));
    QVERIFY(report == before);
    edit->setText(QStringLiteral("0.3"));
    QVERIFY(widget.storeSettings(report));
    QCOMPARE(report.m_din4108_3AccordanceType, 3);
    QCOMPARE(report.m_nonCapillarAw, 0.3 / 60);
}

void tst_ConfigDialog::dryingReserve_data()
{
    QTest::addColumn<double>("stored"); // kg/(m²·a)
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("shown"); // g/(m²·a)
    QTest::newRow("none") << 0.0 << int(DryingReserveSettings::NoReserve) << "0";
    QTest::newRow("walls") << 0.1 << int(DryingReserveSettings::CeilingsWalls) << "100";
    QTest::newRow("roofs") << 0.25 << int(DryingReserveSettings::Roofs) << "250";
    QTest::newRow("custom") << 0.175 << int(DryingReserveSettings::Custom) << "175";
}

void tst_ConfigDialog::dryingReserve()
{
    QFETCH(double, stored);
    QFETCH(int, choice);
    QFETCH(QString, shown);
    DryingReserveSettings widget;
    widget.setDryingReserve(stored);
    QCOMPARE(int(widget.choice()), choice);
    QCOMPARE(widget.valueEdit()->text(), shown);
    QCOMPARE(widget.valueEdit()->isReadOnly(), choice != DryingReserveSettings::Custom);
    QCOMPARE(widget.dryingReserve(), stored);
    QVERIFY(widget.noCondensationNote()->isHidden());

    QSignalSpy changed(&widget, &DryingReserveSettings::dryingReserveChanged);
    widget.radioButton(DryingReserveSettings::Roofs)->click();
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.at(0).at(0).toDouble(), 0.25);
    QCOMPARE(widget.valueEdit()->text(), QStringLiteral("250"));
    widget.radioButton(DryingReserveSettings::Custom)->click();
    widget.valueEdit()->setText(QStringLiteral("-1"));
    QVERIFY(!widget.valueEdit()->isValid());
    QCOMPARE(widget.valueEdit()->toolTip(), QStringLiteral("The drying reserve cannot be < 0."));
    QCOMPARE(widget.dryingReserve(), -1.0);
    widget.valueEdit()->setText(QStringLiteral("120"));
    widget.updateButton()->click();
    QCOMPARE(changed.last().at(0).toDouble(), 0.12);
}

void tst_ConfigDialog::printDefaultsRoundTrip()
{
    m_settings->m_defaultFrames = {0, 1, 3, 9, 12};
    m_settings->m_reportSettings.m_minimumHeatResVersion = 0;
    ConfigDialog dialog(*m_settings, m_materials.get(), m_constructions.get(), m_dialogs);
    ConfigPrintDefaults *print = dialog.printDefaultsPage();
    QVERIFY(print->frameCheckBox(3)->isChecked());
    QVERIFY(!print->frameCheckBox(4)->isChecked());
    print->frameCheckBox(3)->setChecked(false);
    print->frameCheckBox(13)->setChecked(true);
    print->pageNumbersCheckBox()->setChecked(true);
    print->dryingReserveSettings()->radioButton(DryingReserveSettings::CeilingsWalls)->click();
    print->dinCriteriaSettings()->radioButton(0)->click();
    print->finalRemarksEdit()->setPlainText(QStringLiteral("Checked on site."));
    child<QComboBox>(&dialog, "comboBoxUserLogoPosition")->setCurrentIndex(1);
    child<QLineEdit>(&dialog, "lineEditUserLogoPath")->setText(QStringLiteral("/logo.png"));
    child<QRadioButton>(&dialog, "radioButtonLogoHeight")->setChecked(true);
    auto *version = child<QComboBox>(&dialog, "comboBoxMinimumHeatResVersion");
    QCOMPARE(version->currentIndex(), 0);
    version->setCurrentIndex(1);
    auto *kind = child<QComboBox>(&dialog, "comboBoxMinimumHeatResConstruction");
    QVERIFY(kind->count() > 1);
    kind->setCurrentIndex(1);
    const int kindCode = kind->currentData().toInt();
    dialog.changesAccepted();

    QCOMPARE(m_settings->m_defaultFrames, (std::set<int>{0, 1, 9, 12, 13}));
    QVERIFY(m_settings->m_pageNumbersVisible);
    const ReportSettings &report = m_settings->m_reportSettings;
    QCOMPARE(report.m_dryingReserve, 0.1);
    QCOMPARE(report.m_din4108_3AccordanceType, 0);
    QVERIFY(report.m_printDisclaimer);
    QVERIFY(report.m_disclaimerText.contains(QStringLiteral("Checked on site.")));
    QCOMPARE(report.m_minimumHeatResVersion, 1);
    QCOMPARE(report.m_minimumHeatResConstruction, kindCode);
    QCOMPARE(m_settings->m_defaultUserLogo.m_position, 1);
    QCOMPARE(m_settings->m_defaultUserLogo.m_path, QStringLiteral("/logo.png"));
    QVERIFY(!m_settings->m_defaultUserLogo.m_scaleByWidth);
}

void tst_ConfigDialog::cancelStoresNothing()
{
    const Settings before;
    ConfigDialog dialog(*m_settings, m_materials.get(), m_constructions.get(), m_dialogs);
    child<QComboBox>(&dialog, "comboBoxWidthUnit")->setCurrentIndex(3);
    child<QLineEdit>(&dialog, "lineEditUserMatDir")->setText(QStringLiteral("relative"));
    dialog.reject();
    QCOMPARE(m_settings->m_layerWidthUnit, before.m_layerWidthUnit);
    QCOMPARE(m_settings->m_userMaterialsDirectory, m_dbDir);
    QVERIFY(m_dialogs.criticals.isEmpty());
}

void tst_ConfigDialog::preferencesTakeEffectInTheWindow_data()
{
    QTest::addColumn<int>("widthIndex");
    QTest::addColumn<int>("awIndex");
    QTest::addColumn<QString>("widthLabel");
    QTest::addColumn<double>("widthFactor"); // shown width / width in m
    QTest::addColumn<double>("awFactor");    // shown A_w / A_w per second
    QTest::newRow("cm, per hour") << 1 << 1 << "Layer width/height [cm]:" << 100.0 << 60.0;
    QTest::newRow("m, per second") << 3 << 0 << "Layer width/height [m]:" << 1.0 << 1.0;
}

void tst_ConfigDialog::preferencesTakeEffectInTheWindow()
{
    QFETCH(int, widthIndex);
    QFETCH(int, awIndex);
    QFETCH(QString, widthLabel);
    QFETCH(double, widthFactor);
    QFETCH(double, awFactor);
    // start from mm and the other A_w unit, so that both change
    m_settings->m_layerWidthUnit = 1000;
    m_settings->m_awInSeconds = awIndex == 1;
    Project project;
    MainWindow window(
        AppContext{*m_settings, *m_materials, *m_constructions, project, QStringLiteral("en")},
        nullptr);
    auto dialogs = std::make_unique<ScriptedDialogs>();
    window.setUserDialogs(std::move(dialogs));
    window.show();
    InputData input;
    input.insertLayer(0, MaterialLayer(brick(), 0.24));
    project.createNew(input, ProjectInformation());
    window.constructionTable()->setCurrentCell(0, 1);
    MaterialEditWidget *editor = window.materialEditWidget();
    const double widthBefore = editor->widthEdit()->value();
    const double awBefore = editor->awEdit()->value();
    QCOMPARE(widthBefore, 240.0);

    bool answered = false;
    QTimer::singleShot(0, this, [&]() {
        auto *dialog = qobject_cast<ConfigDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        child<QComboBox>(dialog, "comboBoxWidthUnit")->setCurrentIndex(widthIndex);
        child<QComboBox>(dialog, "comboBoxAwUnitSeconds")->setCurrentIndex(awIndex);
        answered = true;
        dialog->changesAccepted();
    });
    QSignalSpy recalculated(&project, &Project::changed);
    QSignalSpy announced(m_settings.get(), &Settings::changed);
    const int diagramBuilds = window.diagramView()->rebuildCount();
    window.findChild<QAction *>(QStringLiteral("actionPreferences"))->trigger();
    QVERIFY(answered);
    // units are a matter of display: the settings announce them, the editor follows, and
    // nothing is calculated or drawn afresh
    QCOMPARE(announced.count(), 1);
    QCOMPARE(announced.at(0).at(0).value<SettingsGroups>(), SettingsGroups(SettingsGroup::Units));
    QCOMPARE(recalculated.count(), 0);
    QCOMPARE(window.diagramView()->rebuildCount(), diagramBuilds);
    QCOMPARE(editor->widthEdit()->value(), 0.24 * widthFactor);
    const QList<QLabel *> labels = editor->findChildren<QLabel *>();
    bool labelFound = false;
    for (QLabel *l : labels)
        labelFound = labelFound || l->text() == widthLabel;
    QVERIFY(labelFound);
    const double aw = project.inputData().layer(0).m_A_w;
    QCOMPARE(editor->awEdit()->value(), aw * awFactor);
    // the A_w values shown change by the factor 60 between the two units
    QCOMPARE(awBefore * (awIndex == 1 ? 60 : 1.0 / 60), editor->awEdit()->value());
    project.close();
}

void tst_ConfigDialog::preferencesSurviveARestart()
{
    const QString target = m_home.filePath(QStringLiteral("restart-db"));
    {
        ConfigDialog dialog(*m_settings, m_materials.get(), m_constructions.get(), m_dialogs);
        child<QComboBox>(&dialog, "comboBoxDefaultStartUp")->setCurrentIndex(0);
        child<QComboBox>(&dialog, "comboBoxWidthUnit")->setCurrentIndex(2);
        child<QComboBox>(&dialog, "comboBoxAwUnitSeconds")->setCurrentIndex(0);
        child<QCheckBox>(&dialog, "checkBoxMoistureDependentLambda")->setChecked(false);
        child<QLineEdit>(&dialog, "lineEditUserMatDir")->setText(target);
        child<QLineEdit>(&dialog, "lineEditProjectName")->setText(QStringLiteral("Villa"));
        child<QLineEdit>(&dialog, "lineEditCompany")->setText(QStringLiteral("HTL"));
        ConfigPrintDefaults *print = dialog.printDefaultsPage();
        print->frameCheckBox(10)->setChecked(true);
        print->dryingReserveSettings()->radioButton(DryingReserveSettings::Roofs)->click();
        print->dinCriteriaSettings()->radioButton(3)->click();
        print->dinCriteriaSettings()->nonCapillarAwEdit()->setText(QStringLiteral("0.25"));
        dialog.changesAccepted();
        QVERIFY(m_dialogs.criticals.isEmpty());
    }
    QVERIFY(m_settings->write());

    Settings restarted;
    QVERIFY(restarted.read());
    QCOMPARE(restarted.m_restartMode, 0);
    QCOMPARE(restarted.m_layerWidthUnit, 10);
    QCOMPARE(restarted.m_awInSeconds, true);
    QCOMPARE(restarted.m_moistureDependentLambda, false);
    QCOMPARE(restarted.m_userMaterialsDirectory, target);
    QCOMPARE(restarted.userDatabaseDir(), target);
    QCOMPARE(restarted.m_defaultProjectSettings.m_projectName, QStringLiteral("Villa"));
    QCOMPARE(restarted.m_defaultProjectSettings.m_company, QStringLiteral("HTL"));
    QVERIFY(restarted.m_defaultFrames.count(10) == 1);
    QCOMPARE(restarted.m_reportSettings.m_dryingReserve, 0.25);
    QCOMPARE(restarted.m_reportSettings.m_din4108_3AccordanceType, 3);
    QCOMPARE(restarted.m_reportSettings.m_nonCapillarAw, 0.25 / 60);
    QVERIFY(restarted.m_reportSettings == m_settings->m_reportSettings);
    QVERIFY(restarted.m_defaultProjectSettings == m_settings->m_defaultProjectSettings);

    // and the dialog of the restarted program shows them
    ConfigDialog again(restarted, nullptr, nullptr, m_dialogs);
    QCOMPARE(child<QComboBox>(&again, "comboBoxWidthUnit")->currentIndex(), 2);
    QCOMPARE(child<QLineEdit>(&again, "lineEditUserMatDir")->text(),
             QDir::toNativeSeparators(target));
    QCOMPARE(again.printDefaultsPage()->dinCriteriaSettings()->nonCapillarAwEdit()->value(), 0.25);
}

M2_TEST_MAIN(tst_ConfigDialog)
#include "tst_ConfigDialog.moc"
