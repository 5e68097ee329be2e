#include "fuzz/FuzzEntryPoints.h"

#include "calculation/Calculation.h"
#include "htl/HTL_Exception.h"
#include "htl/HTL_MessageHandler.h"
#include "htl/HTL_MessageRouter.h"
#include "model/InputData.h"
#include "model/Material.h"
#include "model/MaterialLayer.h"
#include "model/ProjectInformation.h"
#include "persistence/ConstructionList.h"
#include "persistence/Document.h"
#include "persistence/LegacyFormat.h"
#include "persistence/MaterialDatabaseFile.h"
#include "persistence/MaterialDatabaseFileCipher.h"
#include "persistence/MaterialList.h"
#include "persistence/ProjectFile.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>
#include <string>

namespace FuzzEntryPoints {

namespace {

// The versions whose keyword blocks differ: "1.3" gives W_hyg at 95 % relative humidity, older
// files at 80 %.
const char *const KeywordVersions[] = {"1.3", "1.2"};

std::string bytes(const QByteArray &data)
{
    return std::string(data.constData(), std::size_t(data.size()));
}

/*! One directory for the whole process: the file readers take names, and a fuzzer calls them
    thousands of times a second. */
const QTemporaryDir &scratchDirectory()
{
    static const QTemporaryDir dir;
    return dir;
}

/*! Writes data to name in the scratch directory and returns the path; empty when it cannot be
    written, which is a fault of the machine, not of the input. */
QString scratchFile(const QString &name, const QByteArray &data)
{
    if (!scratchDirectory().isValid())
        return QString();
    const QString path = scratchDirectory().filePath(name);
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size())
        return QString();
    return path;
}

/*! What the program does once a project is read: validate, then calculate whatever the status
    (the calculation itself refuses invalid input). */
void recalculate(InputData &input)
{
    input.validate();
    const CalculationOutcome outcome = Calculation::calculate(input);
    (void)outcome;
}

/*! Reads one keyword block in every file version: read(stream, version, message) returns the
    number of items read, or -1 for a refusal. Accepted when every version reads it; items of
    the last version that did. */
Outcome eachVersion(const QByteArray &data,
                    const std::function<int(std::istream &, const char *, QString &)> &read)
{
    Outcome r;
    r.accepted = true;
    for (const char *version : KeywordVersions) {
        std::istringstream in(bytes(data));
        QString message;
        const int items = read(in, version, message);
        if (items < 0) {
            r.accepted = false;
            r.message = message;
        } else {
            r.items = items;
        }
    }
    return r;
}

/*! Writes the bytes to the scratch file name and loads it as the open command does. */
bool loadProject(const QString &name, const QByteArray &data, InputData &input,
                 ProjectInformation &info, QString &message)
{
    const QString path = scratchFile(name, data);
    if (path.isEmpty()) {
        message = QStringLiteral("scratch file not written");
        return false;
    }
    return ProjectFile::load(path, input, info, &message);
}

} // namespace

Outcome roundTrip(const QByteArray &data)
{
    Outcome r;
    const bool xml = data.startsWith('<');
    InputData input;
    ProjectInformation info;
    r.accepted = loadProject(xml ? QStringLiteral("round.m2p") : QStringLiteral("round.mpj"), data,
                             input, info, r.message);
    if (!r.accepted)
        return r;
    r.items = input.layerCount();

    auto fail = [](const char *what) {
        std::fprintf(stderr, "round trip: %s\n", what);
        std::abort();
    };
    QBuffer first;
    first.open(QIODevice::WriteOnly);
    if (!ProjectFile::write(first, input, info))
        fail("the loaded project cannot be written");
    const QString again = scratchFile(QStringLiteral("again.m2p"), first.data());
    if (again.isEmpty()) {
        r.message = QStringLiteral("scratch file not written");
        return r;
    }
    InputData input2;
    ProjectInformation info2;
    QString message;
    if (!ProjectFile::load(again, input2, info2, &message))
        fail("the written project cannot be read back");
    // Compared as the program holds them after loading: validated (a reader's findings are
    // replaced by the status of the values read). Identical values are equal, NaN included
    // (operator== on doubles is not, and a tolerance on two infinities gives NaN): the values
    // of both documents are compared in their written form, which keeps every double exactly,
    // where the plain comparison disagrees.
    input.validate();
    input2.validate();
    QBuffer second;
    second.open(QIODevice::WriteOnly);
    const bool secondWritten = ProjectFile::write(second, input2, info2);
    const bool identical = second.data() == first.data() && input2.status() == input.status();
    if (!(input2 == input) && !identical)
        fail("the input data differ after saving and reading");
    if (input2.climate().assessmentCondition() != input.climate().assessmentCondition() &&
        !identical)
        fail("the recognised assessment condition differs after saving and reading");
    if (!(info2 == info))
        fail("the project information differs after saving and reading");
    if (!secondWritten || second.data() != first.data())
        fail("the second file differs from the first");
    return r;
}

void silenceMessages()
{
    HTL::MessageHandler *handler = HTL::MessageRouter::instance().current();
    handler->setConsoleStream(nullptr);
    handler->closeLogFile();
}

Outcome projectXml(const QByteArray &data)
{
    Outcome r;
    InputData input;
    ProjectInformation info;
    r.accepted = loadProject(QStringLiteral("project.m2p"), data, input, info, r.message);
    if (r.accepted) {
        r.items = input.layerCount();
        recalculate(input);
    }
    return r;
}

Outcome legacyProject(const QByteArray &data)
{
    Outcome r;
    std::istringstream in(bytes(data));
    InputData input;
    ProjectInformation info;
    r.accepted = Document(input, info).readOld(in, QStringLiteral("fuzz.mpj"), r.message);
    if (r.accepted) {
        r.items = input.layerCount();
        recalculate(input);
    }
    return r;
}

Outcome legacyMaterial(const QByteArray &data)
{
    return eachVersion(data, [](std::istream &in, const char *version, QString &message) {
        Material material;
        return LegacyFormat::readOld(in, version, material, message) ? 1 : -1;
    });
}

Outcome legacyLayer(const QByteArray &data)
{
    return eachVersion(data, [](std::istream &in, const char *version, QString &message) {
        MaterialLayer layer;
        return LegacyFormat::readOld(in, version, layer, message) == 0 ? 1 : -1;
    });
}

Outcome legacyClimate(const QByteArray &data)
{
    Outcome r;
    std::istringstream in(bytes(data));
    InputData input;
    r.accepted = LegacyFormat::readClimateOld(in, input, r.message);
    return r;
}

Outcome legacyConstruction(const QByteArray &data)
{
    return eachVersion(data, [](std::istream &in, const char *version, QString &message) {
        InputData input;
        return LegacyFormat::readConstructionOld(in, version, input, message) ? input.layerCount()
                                                                              : -1;
    });
}

Outcome materialListVersion1(const QByteArray &data)
{
    Outcome r;
    const QString path = scratchFile(QStringLiteral("materials.txt"), data);
    if (path.isEmpty()) {
        r.message = QStringLiteral("scratch file not written");
        return r;
    }
    try {
        r.items = int(MaterialList::readVersion1List(path).size());
        r.accepted = true;
    } catch (const HTL::Exception &e) {
        r.message = QString::fromStdString(e.what());
    }
    return r;
}

Outcome materialDatabase(const QByteArray &data)
{
    Outcome r;
    MaterialDatabaseFile::Content content;
    if (data.isEmpty() || data.at(0) == 0) {
        r.accepted =
            MaterialDatabaseFile::readBytes(data.mid(1), QStringLiteral("fuzz.m2m"), content);
        r.items = int(content.m_records.size());
        return r;
    }

    // The header as the catalogue compiler writes it, then the rest of the input enciphered and
    // authenticated together with that header, as the payload.
    const int mode = static_cast<unsigned char>(data.at(0));
    const int version = (mode & 0x02) ? 6 : 5;
    const int languageCount = (mode >> 2) & 0x03;
    const char *const languages[] = {"de", "en", "pl"};
    QByteArray file;
    {
        QDataStream out(&file, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_4_6);
        out << qint32(version + 32) << qint32(languageCount);
        for (int i = 0; i < languageCount; ++i)
            out << QString::fromLatin1(languages[i]);
        out << MaterialDatabaseFile::marker();
    }
    const QByteArray block = MaterialDatabaseFileCipher::encipher(data.mid(1), file);
    {
        QDataStream out(&file, QIODevice::WriteOnly | QIODevice::Append);
        out.setVersion(QDataStream::Qt_4_6);
        out << quint32(block.size());
        out.writeRawData(block.constData(), block.size());
    }
    r.accepted = MaterialDatabaseFile::readBytes(file, QStringLiteral("fuzz.m2m"), content);
    r.items = int(content.m_records.size());
    return r;
}

Outcome userMaterials(const QByteArray &data)
{
    Outcome r;
    const QString path = scratchFile(QStringLiteral("UserData.mmat"), data);
    if (path.isEmpty()) {
        r.message = QStringLiteral("scratch file not written");
        return r;
    }
    bool complete = false;
    r.items = int(MaterialList::readUserFile(path, &complete).size());
    r.accepted = complete;
    return r;
}

Outcome constructionList(const QByteArray &data)
{
    Outcome r;
    if (!scratchDirectory().isValid()) {
        r.message = QStringLiteral("scratch directory not made");
        return r;
    }
    ConstructionList list(QStringLiteral("en"), scratchDirectory().path());
    QFile::remove(list.filePath() + QStringLiteral(".damaged"));
    QFile f(list.filePath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(data) != data.size()) {
        r.message = QStringLiteral("scratch file not written");
        return r;
    }
    f.close();
    r.accepted = list.read();
    r.items = list.count();
    return r;
}

} // namespace FuzzEntryPoints
