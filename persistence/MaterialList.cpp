#include "persistence/MaterialList.h"

#include "htl/HTL_EOLStreamBuffer.h"
#include "htl/HTL_Exception.h"
#include "htl/HTL_MessageHandler.h"
#include "persistence/AtomicFile.h"
#include "persistence/LegacyFormat.h"
#include "persistence/LegacyKeywordText.h"
#include "persistence/MaterialDatabaseFile.h"
#include "persistence/MaterialDatabaseFileBounds.h"
#include "persistence/MaterialStream.h"
#include "settings/Directories.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <fstream>

namespace {

const char *const ReadContext = "MaterialList::read";
const char *const WriteContext = "MaterialList::writeUserMaterials";

// Stream form of the user file: the stored negative value is the material stream version, 4
// unless a material needs the newer form (MaterialStream::versionFor).
const int UserFileMaterialVersion = 4;
const int UserFileStreamVersion = QDataStream::Qt_5_15;

// The application-wide counter of user material ids.
int &userIdCounter()
{
    static int counter = MaterialList::FirstUserMaterialId;
    return counter;
}

QString userFileName()
{
    return QStringLiteral("UserData.mmat");
}

// The failure of one material block of a version-1 list, from the message of the block reader:
// a missing name, a keyword the block does not know, or else data that are missing or cannot be
// read (a value without its unit, a block that ends with the file).
QString version1BlockMessage(const QString &readerMessage)
{
    auto materialText = [](const char *text) {
        return QCoreApplication::translate("Material", text);
    };
    if (readerMessage == materialText("[Material::readOld]  Error reading material name!"))
        return QCoreApplication::translate("MaterialList", "Error reading material name!");
    const QString invalidKeyword = materialText("[Material::readOld]  Invalid keyword '%1'")
                                       .section(QStringLiteral("%1"), 0, 0);
    if (readerMessage.startsWith(invalidKeyword))
        return QCoreApplication::translate("MaterialList", "Invalid keyword!");
    return QCoreApplication::translate("MaterialList", "Missing data!");
}

} // namespace

MaterialList::MaterialList(const QString &langId, QObject *parent)
    : MaterialList(langId, Directories::resourcesDir() + QStringLiteral("/DB_materials"),
                   Directories::userDataDir(), parent)
{
}

MaterialList::MaterialList(const QString &langId, const QString &databaseDir,
                           const QString &userDir, QObject *parent)
    : QObject(parent)
    , m_langId(langId)
    , m_databaseDir(QDir(databaseDir).absolutePath())
    , m_userDir(userDir)
{
}

MaterialList::~MaterialList()
{
    // Every change has been written when it was made; only a failed write is tried again.
    if (m_unsavedChanges)
        writeUserMaterials();
}

int MaterialList::nextUserMaterialId()
{
    return userIdCounter();
}

void MaterialList::setUserDirectory(const QString &directory)
{
    m_userDir = directory;
}

QString MaterialList::userFilePath() const
{
    return userFilePathIn(m_userDir);
}

QString MaterialList::userFilePathIn(const QString &directory)
{
    return directory + QLatin1Char('/') + userFileName();
}

Material MaterialList::airMaterial()
{
    Material air(QCoreApplication::translate("MaterialList", "Air space (not ventilated)"), 12,
                 QCoreApplication::translate("MaterialList",
                                             "Thermal conductivity will be calculated from "
                                             "construction and heat flow according DIN EN ISO "
                                             "6946 5.3.") +
                     QCoreApplication::translate(
                         "MaterialList", "Vapor diffusion resistance factor will be calculated "
                                         "from construction according DIN EN ISO 13788 4.1."),
                 QString(), QString(), QString(), 1.23, 0.025, 1, 0.00001, 1, 0, 0);
    air.setFlags(true, false, false, false);
    air.m_applicationCodes = {0, 1, 2, 6, 7, 8};
    return air;
}

bool MaterialList::read()
{
    HTL::message("Path for material database: " + m_databaseDir.toStdString() + "\n",
                 HTL::MSG_PROGRESS, ReadContext, 1);

    m_databaseMaterials.clear();
    m_otherNames.clear();
    // Sorted by name, so that the order of the catalogue does not depend on the file system.
    const QDir dir(m_databaseDir);
    const QStringList files =
        dir.entryList(QStringList() << QStringLiteral("*.m2m"), QDir::Files, QDir::Name);
    for (const QString &f : files)
        readDatabaseFile(dir.absoluteFilePath(f));

    m_databaseMaterials.push_back(std::make_unique<Material>(airMaterial()));
    readUserFileIntoList();
    return count() > 0;
}

bool MaterialList::readUserMaterials()
{
    if (!QFile::exists(userFilePath()))
        return false;
    m_userMaterials.clear();
    readUserFileIntoList();
    emit userMaterialsChanged();
    return true;
}

int MaterialList::mergeUserFile(const QString &fileName)
{
    int appended = 0;
    for (Material &m : readUserFile(fileName)) {
        const bool known = std::any_of(m_userMaterials.begin(), m_userMaterials.end(),
                                       [&m](const auto &own) { return *own == m; });
        if (known)
            continue;
        // the file stores no ids: readUserFile() gave it a fresh one from the shared counter
        m_userMaterials.push_back(std::make_unique<Material>(std::move(m)));
        ++appended;
    }
    if (appended > 0)
        emit userMaterialsChanged();
    return appended;
}

void MaterialList::readUserFileIntoList()
{
    bool complete = true;
    std::vector<Material> user = readUserFile(userFilePath(), &complete);
    if (!complete) {
        // Keep the file that could not be read before a later write replaces it.
        const QString keep = userFilePath() + QStringLiteral(".damaged");
        QFile::remove(keep);
        QFile::copy(userFilePath(), keep);
        HTL::message("User material file '" + userFilePath().toStdString() +
                         "' could not be read completely; a copy is kept as '" +
                         keep.toStdString() + "'.",
                     HTL::MSG_WARNING, ReadContext, 1);
    }
    if (!user.empty()) {
        m_userMaterials.clear();
        for (Material &m : user)
            m_userMaterials.push_back(std::make_unique<Material>(std::move(m)));
    }
}

void MaterialList::readDatabaseFile(const QString &fileName)
{
    MaterialDatabaseFile::Content content;
    std::string logLine;
    const bool ok = MaterialDatabaseFile::read(fileName, content, &logLine);

    // Texts of the chosen language, names falling back to English.
    int langIndex = content.m_languages.indexOf(m_langId);
    if (langIndex < 0)
        langIndex = 0;
    const int enIndex = content.m_languages.indexOf(QStringLiteral("en"));

    // Records read before a failure are kept.
    for (const MaterialDatabaseFile::Record &r : content.m_records) {
        if (r.m_air) // the list has its own air material
            continue;
        if (std::find(r.m_applicationCodes.begin(), r.m_applicationCodes.end(), ApplicationCode) ==
            r.m_applicationCodes.end())
            continue;
        MaterialDatabaseFile::LanguageTexts texts;
        if (std::size_t(langIndex) < r.m_texts.size())
            texts = r.m_texts[std::size_t(langIndex)];
        QString name = texts.m_name;
        if (name.isEmpty() && enIndex >= 0 && std::size_t(enIndex) < r.m_texts.size())
            name = r.m_texts[std::size_t(enIndex)].m_name;
        if (name.isEmpty())
            name = Material::unknownName();
        auto m = std::make_unique<Material>(name, Material::clampCategory(r.m_category),
                                            texts.m_notes, texts.m_productName, texts.m_producer,
                                            texts.m_dataSource, r.m_rho, r.m_lambda, r.m_mu,
                                            r.m_w_80, r.m_w_sat, r.m_A_w, r.m_id);
        m->setFlags(r.m_air, r.m_wood, r.m_woodBased, r.m_foil);
        m->m_applicationCodes = r.m_applicationCodes;
        m->m_mu_min = r.m_mu_min;
        m->m_mu_max = r.m_mu_max;
        m->m_sd_value = r.m_sd_value;
        m->m_sd_summer = r.m_sd_summer;
        m->m_databaseInteger = r.m_additionalInteger;
        m->m_measuringDate = r.m_measuringDate;
        m->m_samplingDate = r.m_samplingDate;
        m->m_productionDate = r.m_productionDate;
        QStringList others;
        for (std::size_t i = 0; i < r.m_texts.size(); ++i) {
            const QString &other = r.m_texts[i].m_name;
            if (int(i) != langIndex && !other.isEmpty() && other != name && !others.contains(other))
                others << other;
        }
        if (!others.isEmpty())
            m_otherNames.insert(r.m_id, others);
        m_databaseMaterials.push_back(std::move(m));
    }
    if (ok)
        HTL::message(logLine + " finished. " + std::to_string(m_databaseMaterials.size()) +
                         " materials read.\n",
                     HTL::MSG_PROGRESS, ReadContext, 1);
}

std::vector<Material> MaterialList::readUserFile(const QString &fileName, bool *complete)
{
    namespace B = MaterialDatabaseFileBounds;
    std::vector<Material> result;
    if (complete)
        *complete = true;
    QFile f(fileName);
    if (!f.exists() || !f.open(QIODevice::ReadOnly))
        return result;
    if (complete)
        *complete = false; // until the last material has been read
    if (f.size() > B::MaxFileSize)
        return result;
    QBuffer buffer;
    buffer.setData(f.readAll());
    buffer.open(QIODevice::ReadOnly);
    QDataStream in(&buffer);
    in.setVersion(UserFileStreamVersion);

    qint32 first = 0;
    in >> first;
    if (in.status() != QDataStream::Ok)
        return result;
    int version = 1;
    qint32 count = first;
    if (first < 0) {
        if (first < -MaterialStream::NewestVersion)
            return result; // written by a newer program
        version = -first;
        in >> count;
        if (in.status() != QDataStream::Ok || count < 0)
            return result;
    }

    // A count larger than the data can hold is a file cut short (a full disk, a copy broken
    // off): the materials before the damage are intact and are kept. Nothing is reserved for
    // the count; every material read consumes its bytes, so a hostile count ends with the data.
    for (qint32 i = 0; i < count; ++i) {
        Material m;
        if (!B::materialFits(in, version) || !MaterialStream::read(in, version, userIdCounter(), m))
            return result;
        ++userIdCounter();
        result.push_back(std::move(m));
    }
    if (complete)
        *complete = true;
    return result;
}

bool MaterialList::writeUserMaterials(QString *message)
{
    return writeUserMaterialsTo(m_userDir, message);
}

bool MaterialList::writeUserMaterialsTo(const QString &directory, QString *message) const
{
    auto fail = [&](const QString &text) {
        HTL::message(text.toStdString(), HTL::MSG_WARNING, WriteContext, 1);
        if (message)
            *message = text;
        return false;
    };
    if (!QDir().mkpath(directory))
        return fail(QCoreApplication::translate("MaterialList", "Cannot create directory '%1'.")
                        .arg(directory));
    const QString fileName = directory + QLatin1Char('/') + userFileName();
    if (m_userMaterials.empty()) {
        if (QFile::exists(fileName)) {
            const QString backup = fileName + QStringLiteral(".backup");
            QFile::remove(backup);
            if (!QFile::rename(fileName, backup))
                return fail(
                    QCoreApplication::translate("MaterialList", "Cannot rename file '%1' to '%2'.")
                        .arg(fileName, backup));
        }
        return true;
    }

    QByteArray data;
    {
        QDataStream out(&data, QIODevice::WriteOnly);
        out.setVersion(UserFileStreamVersion);
        // One version for the whole file: the newer form only when a material needs it, so that
        // a file without a humidity-variable retarder stays readable by older programs.
        int version = UserFileMaterialVersion;
        for (const auto &m : m_userMaterials)
            version = std::max(version, MaterialStream::versionFor(*m));
        out << qint32(-version) << qint32(m_userMaterials.size());
        for (const auto &m : m_userMaterials)
            MaterialStream::write(out, *m, version);
    }
    QString reason;
    if (!AtomicFile::write(fileName, data, &reason))
        return fail(reason);
    return true;
}

QString MaterialList::saveUserMaterials()
{
    QString message;
    m_unsavedChanges = !writeUserMaterials(&message);
    return m_unsavedChanges ? message : QString();
}

void MaterialList::announceChange(const QString &failure)
{
    emit userMaterialsChanged();
    // after the change, so that the views show the list the message speaks of
    if (!failure.isEmpty())
        emit writeFailed(failure);
}

const Material *MaterialList::material(int index) const
{
    if (index < 0)
        return nullptr;
    const std::size_t i = std::size_t(index);
    if (i < m_databaseMaterials.size())
        return m_databaseMaterials[i].get();
    if (i - m_databaseMaterials.size() < m_userMaterials.size())
        return m_userMaterials[i - m_databaseMaterials.size()].get();
    return nullptr;
}

const Material *MaterialList::findMaterial(int id) const
{
    for (const auto &m : m_databaseMaterials)
        if (m->m_materialId == id)
            return m.get();
    for (const auto &m : m_userMaterials)
        if (m->m_materialId == id)
            return m.get();
    return nullptr;
}

bool MaterialList::isUserMaterial(int id) const
{
    for (const auto &m : m_userMaterials)
        if (m->m_materialId == id)
            return true;
    return false;
}

int MaterialList::addUserMaterial(const Material &material)
{
    auto m = std::make_unique<Material>(material);
    const int id = userIdCounter()++;
    m->m_materialId = id;
    Material *added = m.get();
    m_userMaterials.push_back(std::move(m));
    const QString failure = saveUserMaterials();
    emit materialAdded(added);
    announceChange(failure);
    return id;
}

bool MaterialList::replaceUserMaterial(int id, const Material &material)
{
    for (auto &m : m_userMaterials) {
        if (m->m_materialId == id) {
            *m = material;
            m->m_materialId = id;
            announceChange(saveUserMaterials());
            return true;
        }
    }
    return false;
}

bool MaterialList::removeUserMaterial(int id)
{
    for (auto it = m_userMaterials.begin(); it != m_userMaterials.end(); ++it) {
        if ((*it)->m_materialId == id) {
            m_userMaterials.erase(it);
            announceChange(saveUserMaterials());
            return true;
        }
    }
    return false;
}

std::vector<Material> MaterialList::readVersion1List(const QString &fileName)
{
    using namespace LegacyKeywordText;
    const char *const listContext = "[M2_MaterialList read_1_9_list]";
    const char *const materialContext = "[M2_MaterialList read_1_9_material]";
    auto listError = [&](const QString &inner) {
        return QCoreApplication::translate("MaterialList",
                                           "Error reading material list from file '%1'!\n%2")
            .arg(fileName, inner)
            .toStdString();
    };
    auto tr = [](const char *text) {
        return QCoreApplication::translate("MaterialList", text).toStdString();
    };

    std::ifstream in(QFile::encodeName(fileName).constData(), std::ios::in | std::ios::binary);
    if (!in)
        throw HTL::Exception(
            listError(QCoreApplication::translate("MaterialList", "Cannot open file.")),
            listContext);
    // LF, CR LF and CR all end a line.
    HTL::EOLStreamBuffer lineEnds(in);

    Line line;
    if (!nextLine(in, line) || line.m_keyword.find("FileVersion") == std::string::npos)
        throw HTL::Exception(tr("Keyword 'FileVersion' missing!"), listContext);
    const std::string version = line.m_value.substr(0, line.m_value.find_first_of(" \t"));

    if (!nextLine(in, line) || line.m_key != "MATERIAL_LIST")
        throw HTL::Exception(tr("Keyword 'MATERIAL_LIST' missing!"), listContext);
    if (!opensBlock(line))
        throw HTL::Exception(tr("Missing block start!"), listContext);

    std::vector<Material> materials;
    while (nextLine(in, line)) {
        if (line.m_isBlockEnd)
            break;
        if (line.m_key != "MATERIAL_DEFINITION")
            throw HTL::Exception(tr("Invalid keyword!"), listContext);
        if (!opensBlock(line))
            throw HTL::Exception(tr("Block start '{' of material definition missing!"),
                                 listContext);
        // The full constructor gives the random colour that the list does not hold.
        Material m(QString(), Material::UnknownCategory, QString(), QString(), QString(), QString(),
                   0, 0, 0, 0, 0, 0, 0);
        QString message;
        if (!LegacyFormat::readOld(in, version, m, message)) {
            // The block reader's own text (naming the parameter or keyword) stays innermost in
            // the message stack for the log; the list reports one of its three block failures.
            const HTL::Exception detail(message.toStdString(), "[Material::readOld]");
            const QString blockMessage = version1BlockMessage(message);
            const HTL::Exception block(detail, blockMessage.toStdString(), materialContext);
            throw HTL::Exception(block, listError(blockMessage), listContext);
        }
        if (m.capTexts())
            HTL::message("Material '" + m.m_name.left(80).toStdString() + "': texts longer than " +
                             std::to_string(Material::MaxTextLength) + " characters were cut.",
                         HTL::MSG_WARNING, listContext, 1);
        materials.push_back(m);
    }
    // Ids are handed out only once the whole list has been read.
    for (Material &m : materials)
        m.m_materialId = userIdCounter()++;
    return materials;
}
