#include "persistence/MaterialDatabaseFile.h"

#include "htl/HTL_MessageHandler.h"
#include "model/Material.h"
#include "persistence/AtomicFile.h"
#include "persistence/MaterialDatabaseFileBounds.h"
#include "persistence/MaterialDatabaseFileCipher.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>

#include <cmath>

namespace MaterialDatabaseFile {

namespace {

const char *const LogContext = "MaterialList::read";

// The stored version is shifted by this offset, so that a stray small integer at the start of a
// foreign file does not pass as a version.
const qint32 VersionOffset = 32;

// Stream format of the payload: Qt 4.6 (12), whose dates are unsigned 32-bit Julian days.
const int PayloadStreamVersion = QDataStream::Qt_4_6;

// Records end when fewer bytes than this remain in the payload.
const qint64 MinRecordRest = 9;

// Upper bound of languages in one file; a real file has a handful.
const qint32 MaxLanguages = 256;

using MaterialDatabaseFileBounds::readCount;
using MaterialDatabaseFileBounds::readString;
using MaterialDatabaseFileBounds::remaining;

void writeDate(QDataStream &out, const QDate &d)
{
    out << quint32(d.isValid() ? quint32(d.toJulianDay()) : 0u);
}

QDate readDate(QDataStream &in)
{
    quint32 jd = 0;
    in >> jd;
    return jd == 0 ? QDate() : QDate::fromJulianDay(qint64(jd));
}

void writeRecord(QDataStream &out, const Record &r, int languageCount, int version)
{
    out << qint32(r.m_id);
    for (int l = 0; l < languageCount; ++l) {
        const LanguageTexts t =
            std::size_t(l) < r.m_texts.size() ? r.m_texts[std::size_t(l)] : LanguageTexts();
        out << t.m_name << t.m_dataSource << t.m_producer << t.m_productName << t.m_notes;
    }
    out << qint32(r.m_category);
    out << r.m_rho << r.m_lambda << r.m_mu << r.m_A_w << r.m_w_80 << r.m_w_sat;
    out << r.m_air << r.m_wood << r.m_woodBased << r.m_foil;
    out << qint32(r.m_applicationCodes.size());
    for (int code : r.m_applicationCodes)
        out << qint32(code);
    out << r.m_mu_min << r.m_mu_max << r.m_sd_value;
    out << qint32(r.m_additionalInteger);
    if (version >= 6) {
        writeDate(out, r.m_measuringDate);
        writeDate(out, r.m_samplingDate);
        writeDate(out, r.m_productionDate);
    }
    if (version >= 7)
        out << r.m_sd_summer;
}

bool readRecord(QDataStream &in, int languageCount, int version, Record &r)
{
    qint32 id = 0;
    in >> id;
    r.m_id = id;
    r.m_texts.assign(std::size_t(languageCount), LanguageTexts());
    for (LanguageTexts &t : r.m_texts) {
        if (!readString(in, t.m_name) || !readString(in, t.m_dataSource) ||
            !readString(in, t.m_producer) || !readString(in, t.m_productName) ||
            !readString(in, t.m_notes))
            return false;
    }
    qint32 category = 0;
    in >> category;
    r.m_category = category;
    in >> r.m_rho >> r.m_lambda >> r.m_mu >> r.m_A_w >> r.m_w_80 >> r.m_w_sat;
    in >> r.m_air >> r.m_wood >> r.m_woodBased >> r.m_foil;
    qint32 codeCount = 0;
    if (!readCount(in, codeCount, 4))
        return false;
    r.m_applicationCodes.clear();
    r.m_applicationCodes.reserve(std::size_t(codeCount));
    for (qint32 i = 0; i < codeCount; ++i) {
        qint32 code = 0;
        in >> code;
        r.m_applicationCodes.push_back(code);
    }
    in >> r.m_mu_min >> r.m_mu_max >> r.m_sd_value;
    qint32 additional = 0;
    in >> additional;
    r.m_additionalInteger = additional;
    if (version >= 6) {
        r.m_measuringDate = readDate(in);
        r.m_samplingDate = readDate(in);
        r.m_productionDate = readDate(in);
    }
    if (version >= 7)
        in >> r.m_sd_summer;
    return in.status() == QDataStream::Ok;
}

/*! The log of one file: the progress parts are collected into one line ("Read file: ... with
    version: 6 finished. 64 materials read.") and problems follow as warnings. */
class FileLog
{
public:
    explicit FileLog(const QString &fileName)
        : m_line("Read file: " + fileName.toStdString())
    {
    }
    void add(const std::string &part) { m_line += part; }
    /*! Ends the progress line and logs the given lines as warnings; returns false. */
    bool fail(std::initializer_list<std::string> lines)
    {
        flush();
        for (const std::string &l : lines)
            HTL::message(l, HTL::MSG_WARNING, LogContext, 1);
        return false;
    }
    std::string take()
    {
        std::string l;
        l.swap(m_line);
        return l;
    }
    void flush()
    {
        if (!m_line.empty())
            HTL::message(m_line + "\n", HTL::MSG_PROGRESS, LogContext, 1);
        m_line.clear();
    }

private:
    std::string m_line;
};

} // namespace

QString marker()
{
    return QStringLiteral("MIRELO2");
}

QByteArray toBytes(const Content &content)
{
    if (content.m_version < OldestVersion || content.m_version > NewestVersion)
        return QByteArray();
    const int languageCount = content.m_languages.size();

    QByteArray plain;
    {
        QDataStream out(&plain, QIODevice::WriteOnly);
        out.setVersion(PayloadStreamVersion);
        out << marker();
        for (const Record &r : content.m_records)
            writeRecord(out, r, languageCount, content.m_version);
    }

    QByteArray header;
    {
        QDataStream out(&header, QIODevice::WriteOnly);
        out.setVersion(PayloadStreamVersion);
        out << qint32(content.m_version + VersionOffset) << qint32(languageCount);
        for (const QString &lang : content.m_languages)
            out << lang;
        out << marker();
    }

    const QByteArray block = MaterialDatabaseFileCipher::encipher(plain, header);
    if (block.isEmpty())
        return QByteArray();

    QByteArray file = header;
    QDataStream out(&file, QIODevice::WriteOnly | QIODevice::Append);
    out.setVersion(PayloadStreamVersion);
    out << quint32(block.size());
    out.writeRawData(block.constData(), block.size());
    return file;
}

bool write(const QString &fileName, const Content &content, QString *errorMessage)
{
    const QByteArray data = toBytes(content);
    if (data.isEmpty()) {
        if (errorMessage)
            *errorMessage = QStringLiteral("Material data cannot be encoded.");
        return false;
    }
    return AtomicFile::write(fileName, data, errorMessage);
}

bool read(const QString &fileName, Content &content, std::string *pendingLogLine)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly) || f.size() > MaterialDatabaseFileBounds::MaxFileSize) {
        FileLog log(fileName);
        return log.fail({"Cannot open file!"});
    }
    const QByteArray data = f.readAll();
    return readBytes(data, fileName, content, pendingLogLine);
}

bool readBytes(const QByteArray &data, const QString &fileName, Content &content,
               std::string *pendingLogLine)
{
    content = Content();
    FileLog log(fileName);

    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QDataStream in(&buffer);
    in.setVersion(PayloadStreamVersion);

    qint32 storedVersion = 0, languageCount = 0;
    in >> storedVersion >> languageCount;
    if (in.status() != QDataStream::Ok)
        return log.fail({"Material file version not valid."});
    const qint64 version = qint64(storedVersion) - VersionOffset;
    log.add(" with version: " + std::to_string(version));
    if (version < 0 || version > NewestVersion)
        return log.fail({"Material file version not valid."});
    if (version < OldestVersion)
        return log.fail({"Material file version too old."});
    content.m_version = int(version);

    // Each language code takes at least its 4-byte length.
    if (languageCount < 0 || languageCount > MaxLanguages ||
        qint64(languageCount) * 4 > remaining(in))
        return log.fail({"Material file not valid for this software.",
                         " Number of languages: " + std::to_string(languageCount)});
    for (qint32 i = 0; i < languageCount; ++i) {
        QString lang;
        if (!readString(in, lang))
            break;
        content.m_languages << lang;
    }
    QString fileMarker;
    readString(in, fileMarker);
    if (in.status() != QDataStream::Ok || fileMarker != marker())
        return log.fail({"Material file not valid for this software.",
                         " Material file version is: '" + fileMarker.toStdString() + "'",
                         " Program version is: '" + marker().toStdString() + "'"});

    // Everything up to here is authenticated together with the payload.
    const QByteArray header = data.left(int(buffer.pos()));
    quint32 blockSize = 0;
    in >> blockSize;
    if (in.status() != QDataStream::Ok || qint64(blockSize) > remaining(in))
        return log.fail({"Material data not valid (ECR 1)"});
    QByteArray block(int(blockSize), Qt::Uninitialized);
    if (in.readRawData(block.data(), int(blockSize)) != int(blockSize))
        return log.fail({"Material data not valid (ECR 1)"});

    QByteArray plain;
    if (!MaterialDatabaseFileCipher::decipher(block, header, plain))
        return log.fail({"Material data not valid (ECR 1)"});

    QBuffer payloadBuffer;
    payloadBuffer.setData(plain);
    payloadBuffer.open(QIODevice::ReadOnly);
    QDataStream payload(&payloadBuffer);
    payload.setVersion(PayloadStreamVersion);
    QString payloadMarker;
    readString(payload, payloadMarker);
    if (payload.status() != QDataStream::Ok || payloadMarker != fileMarker)
        return log.fail({"Key mismatch in material file",
                         "  Version is: '" + payloadMarker.toStdString() + "'.",
                         "  Version necessary: '" + fileMarker.toStdString() + "'."});

    while (remaining(payload) >= MinRecordRest) {
        Record r;
        if (!readRecord(payload, languageCount, int(version), r))
            return log.fail(
                {"Material record " + std::to_string(content.m_records.size() + 1) + " damaged."});
        // doubles are stored bit for bit: infinities and NaN, which no material has, too
        for (double x : {r.m_rho, r.m_lambda, r.m_mu, r.m_A_w, r.m_w_80, r.m_w_sat, r.m_mu_min,
                         r.m_mu_max, r.m_sd_value, r.m_sd_summer})
            if (!std::isfinite(x))
                return log.fail({"Material record " + std::to_string(content.m_records.size() + 1) +
                                 " (id " + std::to_string(r.m_id) +
                                 "): a value is not a finite number."});
        bool cut = false;
        for (LanguageTexts &t : r.m_texts)
            for (QString *text :
                 {&t.m_name, &t.m_dataSource, &t.m_producer, &t.m_productName, &t.m_notes})
                cut = Material::capText(*text) || cut;
        if (cut)
            HTL::message("Material record " + std::to_string(content.m_records.size() + 1) +
                             ": texts longer than " + std::to_string(Material::MaxTextLength) +
                             " characters were cut.",
                         HTL::MSG_WARNING, LogContext, 1);
        content.m_records.push_back(std::move(r));
    }
    if (pendingLogLine)
        *pendingLogLine = log.take();
    else
        log.flush();
    return true;
}

} // namespace MaterialDatabaseFile
