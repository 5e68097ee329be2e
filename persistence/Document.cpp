#include "persistence/Document.h"

#include "htl/HTL_EOLStreamBuffer.h"
#include "htl/HTL_Exception.h"
#include "model/InputData.h"
#include "model/ProjectInformation.h"
#include "persistence/LegacyFormat.h"
#include "persistence/LegacyKeywordText.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <exception>
#include <fstream>
#include <istream>

namespace {

// Reads a physical value of the document block into the unit targetUnit. False with the
// message "Error reading parameter '<keyword>'!" (plus the reason of a unit error).
bool readDocumentQuantity(const LegacyKeywordText::Line &line, const char *keyword,
                          const char *targetUnit, double &value, QString &message)
{
    const QString error = QCoreApplication::translate("Document", "Error reading parameter '%1'!")
                              .arg(QLatin1String(keyword));
    try {
        if (LegacyKeywordText::readQuantity(keyword, line.m_value, targetUnit, value))
            return true;
        message = error;
    } catch (const HTL::Exception &ex) {
        message = error + QLatin1Char('\n') + LegacyKeywordText::exceptionText(ex);
    }
    return false;
}

// A descriptive text: the rest of the line; a keyword followed by nothing at all is an error.
bool readDocumentText(const LegacyKeywordText::Line &line, const char *keyword, QString &text,
                      QString &message)
{
    if (!line.m_hasValue) {
        message = QCoreApplication::translate("Document", "Error reading parameter '%1'!")
                      .arg(QLatin1String(keyword));
        return false;
    }
    text = LegacyKeywordText::fromFile(line.m_value);
    return true;
}

} // namespace

Document::Document(InputData &input, ProjectInformation &info)
    : m_input(input)
    , m_info(info)
{
}

bool Document::readOld(const QString &fileName, QString &message)
{
    const qint64 size = QFileInfo(fileName).size();
    if (size > MaxFileSize) {
        message = QCoreApplication::translate(
                      "Document", "[Document::readOld]  Error reading project file '%1'\n")
                      .arg(fileName) +
                  QCoreApplication::translate(
                      "Document",
                      "The file holds %1 bytes; project files of the old format are read up to "
                      "%2 MB.")
                      .arg(size)
                      .arg(MaxFileSize / (1024 * 1024));
        return false;
    }
    std::ifstream in(QFile::encodeName(fileName).constData(), std::ios::in | std::ios::binary);
    if (!in) {
        message = QCoreApplication::translate(
                      "Document", "[Document::readOld]  Error reading project file '%1'\n")
                      .arg(fileName) +
                  QCoreApplication::translate("Document", "Cannot open file.");
        return false;
    }
    return readOld(in, fileName, message);
}

bool Document::readOld(std::istream &in, const QString &fileName, QString &message)
{
    using namespace LegacyKeywordText;

    // Every line end (LF, CR LF, CR) arrives as one line feed; the stream gets its own buffer
    // back when the filter goes out of scope.
    HTL::EOLStreamBuffer lineEnds(in);

    Line first;
    if (!nextLine(in, first) || first.m_keyword.find("FileVersion") == std::string::npos) {
        message = QCoreApplication::translate(
            "Document", "[Document::readOld]  Keyword 'FileVersion' missing!");
        return false;
    }
    // the version is the second word of the line
    const std::string version = first.m_value.substr(0, first.m_value.find_first_of(" \t"));

    QString inner;
    bool ok = false;
    try {
        ok = readDocumentBlock(in, version, inner);
    } catch (const HTL::Exception &ex) {
        inner = exceptionText(ex);
    } catch (const std::exception &ex) {
        inner = QString::fromLocal8Bit(ex.what());
    }
    if (!ok) {
        message = QCoreApplication::translate(
                      "Document", "[Document::readOld]  Error reading project file '%1'\n")
                      .arg(fileName) +
                  inner;
        return false;
    }
    return true;
}

bool Document::readDocumentBlock(std::istream &in, const std::string &version, QString &message)
{
    using namespace LegacyKeywordText;

    Line line;
    if (!nextLine(in, line) || line.m_key != "DOCUMENT" || !opensBlock(line)) {
        message = QCoreApplication::translate("Document", "Block start '{' missing!");
        return false;
    }

    while (nextLine(in, line)) {
        if (line.m_isBlockEnd) {
            // The old files give one surface resistance per side. The summer periods use the
            // same ones, as after reading an XML project, which stores only the winter values:
            // otherwise a record of a DIN condition is recognised as a custom climate once the
            // project is saved and opened again.
            m_input.climate().setSummerSurfaceResistancesFromWinter();
            return true;
        }

        const std::string &key = line.m_key;
        double v = 0;
        if (key == "CLIMATE_LIST") {
            if (!opensBlock(line)) {
                message = QCoreApplication::translate("Document",
                                                      "Block start '{' missing for climatelist!");
                return false;
            }
            if (!LegacyFormat::readClimateOld(in, m_input, message))
                return false;
        } else if (key == "STRUCTURE") {
            if (!opensBlock(line)) {
                message = QCoreApplication::translate("Document",
                                                      "Block start '{' missing for wall data!");
                return false;
            }
            if (!LegacyFormat::readConstructionOld(in, version, m_input, message))
                return false;
        } else if (key == "RO_Left") {
            // the old program drew the exterior on the left
            if (!readDocumentQuantity(line, "RO_Left", "m2K/W", v, message))
                return false;
            m_input.climate().setValue(Climate::Outside, Climate::Winter, Climate::Q_Rs, v);
        } else if (key == "RO_Right") {
            if (!readDocumentQuantity(line, "RO_Right", "m2K/W", v, message))
                return false;
            m_input.climate().setValue(Climate::Inside, Climate::Winter, Climate::Q_Rs, v);
        } else if (key == "wintertime") {
            if (!readDocumentQuantity(line, "wintertime", "s", v, message))
                return false;
            m_input.climate().setTT(v / 24 / 3600);
        } else if (key == "summertime") {
            if (!readDocumentQuantity(line, "summertime", "s", v, message))
                return false;
            m_input.climate().setTT_summer(v / 24 / 3600);
        } else if (key == "Project_name") {
            if (!readDocumentText(line, "Project_name", m_info.m_projectName, message))
                return false;
        } else if (key == "Construction") {
            if (!readDocumentText(line, "Construction", m_info.m_constructionID, message))
                return false;
        } else if (key == "Consultant") {
            if (!readDocumentText(line, "Consultant", m_info.m_userName, message))
                return false;
        } else if (key == "Project_work") {
            if (!readDocumentText(line, "Project_work", m_info.m_description, message))
                return false;
        } else if (key == "Remarks") {
            if (!opensBlock(line)) {
                message =
                    QCoreApplication::translate("Document", "Block start '{' missing for remarks!");
                return false;
            }
            // A 32-bit little-endian byte count, then that many bytes of formatted text that
            // this program does not use. Both are binary: they are taken from the file as they
            // stand, past the line-end translation, which would otherwise turn a count byte 13
            // or the line breaks of the text into other bytes and lose the count. The bytes are
            // skipped, never stored: a damaged count costs no memory and ends at the end of
            // the data.
            auto *lineEnds = dynamic_cast<HTL::EOLStreamBuffer *>(in.rdbuf());
            unsigned char bytes[4];
            const std::streamsize got =
                lineEnds ? lineEnds->readRaw(reinterpret_cast<char *>(bytes), 4)
                         : (in.read(reinterpret_cast<char *>(bytes), 4), in.gcount());
            if (got != 4) {
                message =
                    QCoreApplication::translate("Document", "Unexpected end of file in remarks!");
                return false;
            }
            const std::uint32_t count = std::uint32_t(bytes[0]) | std::uint32_t(bytes[1]) << 8 |
                                        std::uint32_t(bytes[2]) << 16 |
                                        std::uint32_t(bytes[3]) << 24;
            const std::streamsize skipped = lineEnds
                                                ? lineEnds->skipRaw(std::streamsize(count))
                                                : (in.ignore(std::streamsize(count)), in.gcount());
            if (skipped != std::streamsize(count)) {
                message =
                    QCoreApplication::translate("Document", "Unexpected end of file in remarks!");
                return false;
            }
        } else {
            message =
                QCoreApplication::translate("Document", "Invalid keyword '%1' in project file!")
                    .arg(fromFile(line.m_keyword));
            return false;
        }
    }
    message = QCoreApplication::translate("Document", "Block end '}' missing!");
    return false;
}
