#include "persistence/ConstructionList.h"

#include "htl/HTL_MessageHandler.h"
#include "persistence/AtomicFile.h"
#include "persistence/MaterialDatabaseFileBounds.h"
#include "settings/Directories.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

const int FileVersion = 1;
const int StreamVersion = QDataStream::Qt_5_15;

QString constructionFileName()
{
    return QStringLiteral("ConstructionData.constr");
}

/*! Result of parsing a construction file. */
struct ParseResult
{
    bool m_opened = false;
    bool m_complete = false;
    int m_version = 0;
    /*! Why the file could not be read completely (translated); empty when it was. */
    QString m_error;
};

ParseResult parseFile(const QString &fileName, std::vector<Construction> &constructions)
{
    namespace B = MaterialDatabaseFileBounds;
    ParseResult result;
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return result;
    result.m_opened = true;
    const QString damaged = QCoreApplication::translate(
        "Construction", "The stored construction is incomplete or damaged.");
    if (f.size() > B::MaxFileSize) {
        result.m_error =
            QCoreApplication::translate("ConstructionList", "The file is larger than %1 MiB.")
                .arg(B::MaxFileSize / (1024 * 1024));
        return result;
    }
    QBuffer buffer;
    buffer.setData(f.readAll());
    buffer.open(QIODevice::ReadOnly);
    QDataStream in(&buffer);
    in.setVersion(StreamVersion);

    qint32 version = 0;
    in >> version;
    result.m_version = version;
    // A construction is at least its version, layer count and two empty strings.
    qint32 count = 0;
    if (in.status() != QDataStream::Ok || !B::readCount(in, count, 4 + 4 + 4 + 4)) {
        result.m_error = damaged;
        return result;
    }
    for (qint32 i = 0; i < count; ++i) {
        Construction c;
        QString reason;
        if (!c.read(in, &reason)) {
            result.m_error =
                QCoreApplication::translate("ConstructionList", "Construction %1 of %2: %3")
                    .arg(i + 1)
                    .arg(count)
                    .arg(reason);
            return result;
        }
        constructions.push_back(c);
    }
    result.m_complete = true;
    return result;
}

} // namespace

ConstructionList::ConstructionList(const QString &langId, QObject *parent)
    : ConstructionList(langId, Directories::userDataDir(), parent)
{
}

ConstructionList::ConstructionList(const QString &langId, const QString &directory, QObject *parent)
    : QObject(parent)
    , m_langId(langId)
    , m_directory(directory)
{
}

ConstructionList::~ConstructionList()
{
    // Every change has been written when it was made; only a failed write is tried again.
    if (m_unsavedChanges)
        write();
}

void ConstructionList::readOrAddTypical(const QString &typicalDir)
{
    if (QFile::exists(filePath())) {
        read();
        return;
    }
    const QString typical = typicalConstructionsFile(typicalDir, m_langId);
    bool complete = false;
    std::vector<Construction> constructions = readFile(typical, &complete);
    if (!complete) {
        HTL::message("Typical constructions not found or damaged: '" + typical.toStdString() + "'.",
                     HTL::MSG_WARNING, "ConstructionList::readOrAddTypical", 1);
        return;
    }
    for (const Construction &c : constructions)
        if (std::find(m_constructions.begin(), m_constructions.end(), c) == m_constructions.end())
            m_constructions.push_back(c);
    save();
}

QString ConstructionList::typicalConstructionsFile(const QString &dir, const QString &langId)
{
    const QString pattern = dir + QStringLiteral("/TypicalConstructions_%1.constr");
    const QString localised = pattern.arg(langId);
    return QFile::exists(localised) ? localised : pattern.arg(QStringLiteral("en"));
}

void ConstructionList::setDirectory(const QString &directory)
{
    m_directory = directory;
}

QString ConstructionList::filePath() const
{
    return filePathIn(m_directory);
}

QString ConstructionList::filePathIn(const QString &directory)
{
    return directory + QLatin1Char('/') + constructionFileName();
}

int ConstructionList::mergeFile(const QString &fileName)
{
    int appended = 0;
    for (const Construction &c : readFile(fileName)) {
        if (std::find(m_constructions.begin(), m_constructions.end(), c) != m_constructions.end())
            continue;
        m_constructions.push_back(c);
        ++appended;
        emit constructionAdded(&m_constructions.back());
    }
    return appended;
}

std::vector<Construction> ConstructionList::readFile(const QString &fileName, bool *complete,
                                                     QString *error)
{
    std::vector<Construction> constructions;
    const ParseResult r = parseFile(fileName, constructions);
    if (complete)
        *complete = r.m_complete;
    if (error)
        *error = r.m_error;
    if (r.m_opened && !r.m_complete)
        HTL::message("Construction file '" + fileName.toStdString() +
                         "' could not be read completely: " + r.m_error.toStdString(),
                     HTL::MSG_WARNING, "ConstructionList::readFile", 1);
    return constructions;
}

bool ConstructionList::read()
{
    HTL::message("Construction directory: " + QDir(m_directory).absolutePath().toStdString() + "\n",
                 HTL::MSG_PROGRESS, "ConstructionList::read", 1);
    if (!QFile::exists(filePath()))
        return false;
    std::vector<Construction> constructions;
    const ParseResult r = parseFile(filePath(), constructions);
    if (!r.m_opened)
        return false;
    HTL::message("Read construction file: " + filePath().toStdString() +
                     " with version: " + std::to_string(r.m_version) + "\n",
                 HTL::MSG_PROGRESS, "ConstructionList::read2", 1);
    m_constructions = std::move(constructions);
    emit constructionsReplaced();
    if (!r.m_complete) {
        // Keep the file that could not be read before a later write replaces it.
        const QString keep = filePath() + QStringLiteral(".damaged");
        QFile::remove(keep);
        QFile::copy(filePath(), keep);
        HTL::message("Construction file could not be read completely (" + r.m_error.toStdString() +
                         "); a copy is kept as '" + keep.toStdString() + "'.",
                     HTL::MSG_WARNING, "ConstructionList::read2", 1);
        return false;
    }
    return !m_constructions.empty();
}

bool ConstructionList::write(QString *message)
{
    return writeTo(m_directory, message);
}

bool ConstructionList::writeTo(const QString &directory, QString *message) const
{
    auto fail = [&](const QString &text) {
        HTL::message(text.toStdString(), HTL::MSG_WARNING, "ConstructionList::write", 1);
        if (message)
            *message = text;
        return false;
    };
    const QString fileName = directory + QLatin1Char('/') + constructionFileName();
    if (!QDir().mkpath(directory))
        return fail(QCoreApplication::translate("MaterialList", "Cannot create directory '%1'.")
                        .arg(directory));
    HTL::message("Write construction file: " + fileName.toStdString() + "\n", HTL::MSG_PROGRESS,
                 "ConstructionList::write", 1);
    if (m_constructions.empty()) {
        // Only an existing file replaces the backup: writing an empty list twice must not
        // destroy the last copy of the user's constructions.
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
    QString reason;
    if (!writeFile(fileName, m_constructions, &reason))
        return fail(reason);
    return true;
}

bool ConstructionList::writeFile(const QString &fileName,
                                 const std::vector<Construction> &constructions, QString *message)
{
    QByteArray data;
    {
        QDataStream out(&data, QIODevice::WriteOnly);
        out.setVersion(StreamVersion);
        out << qint32(FileVersion) << qint32(constructions.size());
        for (const Construction &c : constructions)
            c.write(out);
    }
    return AtomicFile::write(fileName, data, message);
}

QString ConstructionList::save()
{
    QString message;
    m_unsavedChanges = !write(&message);
    return m_unsavedChanges ? message : QString();
}

void ConstructionList::reportFailure(const QString &failure)
{
    if (!failure.isEmpty())
        emit writeFailed(failure);
}

void ConstructionList::addConstruction(const Construction &construction)
{
    for (const Construction &c : m_constructions)
        if (c == construction)
            return;
    m_constructions.push_back(construction);
    const QString failure = save();
    emit constructionAdded(&m_constructions.back());
    reportFailure(failure);
}

bool ConstructionList::removeConstruction(const Construction &construction)
{
    for (auto it = m_constructions.begin(); it != m_constructions.end(); ++it) {
        if (*it == construction) {
            m_constructions.erase(it);
            const QString failure = save();
            emit constructionRemoved();
            reportFailure(failure);
            return true;
        }
    }
    return false;
}

bool ConstructionList::replaceConstruction(int index, const Construction &construction)
{
    if (index < 0 || index >= count())
        return false;
    bool duplicate = false;
    for (int i = 0; i < count(); ++i)
        duplicate = duplicate || (i != index && m_constructions[std::size_t(i)] == construction);
    if (duplicate)
        m_constructions.erase(m_constructions.begin() + index);
    else
        m_constructions[std::size_t(index)] = construction;
    const QString failure = save();
    emit constructionChanged(index);
    reportFailure(failure);
    return true;
}

int ConstructionList::maxLayerCount() const
{
    std::size_t n = 0;
    for (const Construction &c : m_constructions)
        n = std::max(n, c.m_layers.size());
    return int(n);
}
