#include "ui/preferences/ConfigPageGeneral.h"

#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"
#include "settings/Settings.h"
#include "ui/UserDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Display factors from metres in the order of the width-unit items: mm, cm, dm, m.
const int WidthUnits[] = {1000, 100, 10, 1};

} // namespace

ConfigPageGeneral::ConfigPageGeneral(UserDialogs &dialogs, MaterialList *materials,
                                     ConstructionList *constructions, QWidget *parent)
    : QWidget(parent)
    , m_dialogs(dialogs)
    , m_materials(materials)
    , m_constructions(constructions)
{
    m_startUp = new QComboBox(this);
    m_startUp->setObjectName(QStringLiteral("comboBoxDefaultStartUp"));
    m_startUp->addItem(tr("Start Program without project"), 0);
    m_startUp->addItem(tr("Start Program with last recent project"), 1);

    m_widthUnit = new QComboBox(this);
    m_widthUnit->setObjectName(QStringLiteral("comboBoxWidthUnit"));
    m_widthUnit->addItem(tr("Construction layer width in [mm]"), WidthUnits[0]);
    m_widthUnit->addItem(tr("Construction layer width in [cm]"), WidthUnits[1]);
    m_widthUnit->addItem(tr("Construction layer width in [dm]"), WidthUnits[2]);
    m_widthUnit->addItem(tr("Construction layer width in [m]"), WidthUnits[3]);

    const QString square = QString(QChar(0x00B2));
    const QString half = QString(QChar(0x00BD));
    m_awUnit = new QComboBox(this);
    m_awUnit->setObjectName(QStringLiteral("comboBoxAwUnitSeconds"));
    m_awUnit->addItem(tr("Use kg/m%1s%2 as unit for Aw").arg(square, half), 0);
    m_awUnit->addItem(tr("Use kg/m%1h%2 as unit for Aw").arg(square, half), 1);

    m_userMaterialDir = new QLineEdit(this);
    m_userMaterialDir->setObjectName(QStringLiteral("lineEditUserMatDir"));
    m_chooseDir = new QToolButton(this);
    m_chooseDir->setObjectName(QStringLiteral("toolButtonUserMaterialDir"));
    m_chooseDir->setText(QStringLiteral("..."));

    m_moistureDependentLambda =
        new QCheckBox(tr("Use moisture dependent thermal conductivity"), this);
    m_moistureDependentLambda->setObjectName(QStringLiteral("checkBoxMoistureDependentLambda"));

    auto *dirRow = new QHBoxLayout;
    dirRow->addWidget(m_userMaterialDir, 1);
    dirRow->addWidget(m_chooseDir);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_startUp);
    layout->addWidget(m_widthUnit);
    layout->addWidget(m_awUnit);
    layout->addSpacing(8);
    layout->addWidget(
        new QLabel(tr("Directory for user material database and construction database:"), this));
    layout->addLayout(dirRow);
    layout->addSpacing(8);
    layout->addWidget(m_moistureDependentLambda);
    layout->addStretch(1);

    connect(m_chooseDir, &QToolButton::clicked, this,
            &ConfigPageGeneral::chooseUserMaterialDirectory);
}

void ConfigPageGeneral::updateUi(const Settings &settings)
{
    m_startUp->setCurrentIndex(settings.m_restartMode != 0 ? 1 : 0);
    int widthIndex = 0;
    switch (settings.m_layerWidthUnit) {
    case 1:
        widthIndex = 3;
        break;
    case 10:
        widthIndex = 2;
        break;
    case 100:
        widthIndex = 1;
        break;
    default:
        break;
    }
    m_widthUnit->setCurrentIndex(widthIndex);
    m_awUnit->setCurrentIndex(settings.m_awInSeconds ? 0 : 1);
    const QString dir = QDir::toNativeSeparators(settings.userDatabaseDir());
    m_userMaterialDir->setText(dir);
    m_userMaterialDir->setToolTip(dir);
    m_moistureDependentLambda->setChecked(settings.m_moistureDependentLambda);
}

void ConfigPageGeneral::storeSettings(Settings &settings)
{
    settings.m_restartMode = m_startUp->currentIndex() == 0 ? 0 : 1;
    storeUserMaterialDirectory(settings);
    settings.setDisplayUnits(
        DisplayUnits(m_widthUnit->currentData().toInt(), m_awUnit->currentIndex() == 0));
    settings.setMoistureDependentLambda(m_moistureDependentLambda->isChecked());
}

void ConfigPageGeneral::chooseUserMaterialDirectory()
{
    const QString dir =
        m_dialogs.existingDirectory(this, tr("User material directory"), m_userMaterialDir->text());
    if (!dir.isEmpty())
        m_userMaterialDir->setText(QDir::toNativeSeparators(dir));
}

bool ConfigPageGeneral::storeUserMaterialDirectory(Settings &settings)
{
    const QString text = m_userMaterialDir->text().trimmed();
    const QString path = QDir::cleanPath(QDir::fromNativeSeparators(text));
    // the directory in use: nothing to check or move
    if (!text.isEmpty() && path == QDir::cleanPath(settings.userDatabaseDir()))
        return true;

    const QFileInfo info(path);
    if (!text.isEmpty() && info.exists() && !info.isDir()) {
        m_dialogs.critical(this, tr("Directory not valid."),
                           tr("There exist a file with the same name."));
        return false;
    }
    // A relative path would depend on the working directory of each start.
    if (text.isEmpty() || !info.isAbsolute() || text.contains(QChar(0))) {
        m_dialogs.critical(this, tr("Directory not valid."),
                           tr("The given text cannot be used as directory."));
        return false;
    }

    auto notWritable = [this]() {
        m_dialogs.critical(this, tr("Directory not writebale."),
                           tr("The material database cannot be stored here."));
        return false;
    };
    QDir().mkpath(path);
    {
        QFile probe(path + QStringLiteral("/text.tst"));
        probe.open(QIODevice::ReadWrite);
    }
    if (!QFile::exists(path + QStringLiteral("/text.tst")))
        return notWritable();
    // User data already there (a shared folder, another installation) is never replaced
    // unasked: the user takes it or merges the own data into it.
    const QString materialsThere = MaterialList::userFilePathIn(path);
    const QString constructionsThere = ConstructionList::filePathIn(path);
    const bool materialsExist = m_materials && QFile::exists(materialsThere);
    const bool constructionsExist = m_constructions && QFile::exists(constructionsThere);
    UserDialogs::ExistingData choice = UserDialogs::MergeData;
    if (materialsExist || constructionsExist) {
        choice = m_dialogs.existingUserData(this, path);
        if (choice == UserDialogs::KeepDirectory)
            return false;
    }
    if (choice == UserDialogs::MergeData) {
        // a merge rewrites the files there: only complete ones, or their rest would be lost
        bool materialsComplete = true, constructionsComplete = true;
        if (materialsExist)
            MaterialList::readUserFile(materialsThere, &materialsComplete);
        if (constructionsExist)
            ConstructionList::readFile(constructionsThere, &constructionsComplete);
        if (!materialsComplete || !constructionsComplete) {
            m_dialogs.critical(this, tr("Directory not valid."),
                               tr("The user data there cannot be read completely; it is left "
                                  "as it is."));
            return false;
        }
    }
    // Both databases are in the new place before the setting names it, so that a failed
    // write loses nothing: the old files and the old setting stay. A merge writes the union
    // of both; "use" writes only a database the directory does not hold yet.
    if (m_materials && choice == UserDialogs::MergeData && materialsExist)
        m_materials->mergeUserFile(materialsThere);
    if (m_constructions && choice == UserDialogs::MergeData && constructionsExist)
        m_constructions->mergeFile(constructionsThere);
    const bool useMaterials = choice == UserDialogs::UseExistingData && materialsExist;
    const bool useConstructions = choice == UserDialogs::UseExistingData && constructionsExist;
    if (m_materials && !useMaterials && !m_materials->writeUserMaterialsTo(path))
        return notWritable();
    if (m_constructions && !useConstructions && !m_constructions->writeTo(path))
        return notWritable();
    if (m_materials)
        m_materials->setUserDirectory(path);
    if (m_constructions)
        m_constructions->setDirectory(path);
    if (useMaterials)
        m_materials->readUserMaterials();
    if (useConstructions)
        m_constructions->read();
    settings.m_userMaterialsDirectory = path;
    return true;
}
