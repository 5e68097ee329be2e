#include "persistence/ProjectFile.h"

#include "model/InputData.h"
#include "model/ProjectInformation.h"
#include "persistence/AtomicFile.h"
#include "persistence/Document.h"
#include "persistence/ProjectFileXml.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace ProjectFile {

namespace {

QString legacyErrorText(const QString &readerMessage)
{
    return QCoreApplication::translate("Project", "Error reading file as MIRELO 1 version.\n") +
           readerMessage;
}

/*! Calls f on every text of the project that comes from a file: the project information and
    the texts of each layer's material. f returns true to stop. */
template <typename F>
bool anyText(InputData &input, ProjectInformation &info, F f)
{
    for (QString *text : {&info.m_projectName, &info.m_constructionID, &info.m_userName,
                          &info.m_company, &info.m_description, &info.m_disclaimerText})
        if (f(*text))
            return true;
    for (int i = 0; i < input.layerCount(); ++i) {
        MaterialLayer &layer = input.layer(i);
        for (QString *text : {&layer.m_name, &layer.m_notes, &layer.m_productName,
                              &layer.m_producer, &layer.m_dataSource})
            if (f(*text))
                return true;
    }
    return false;
}

/*! Whether a text of the project was changed by the keyword reader's replacement of control
    characters: Latin-1 has no U+FFFD, so every one in a text read from such a file is one. */
bool hasReplacedCharacters(InputData &input, ProjectInformation &info)
{
    return anyText(input, info, [](const QString &text) {
        return text.contains(QChar(QChar::ReplacementCharacter));
    });
}

/*! Cuts every text to Material::MaxTextLength characters; true when one was longer. A name of
    a million characters is no name, and the report would lay it out for minutes. */
bool capTexts(InputData &input, ProjectInformation &info)
{
    bool cut = false;
    anyText(input, info, [&cut](QString &text) {
        cut = Material::capText(text) || cut;
        return false;
    });
    return cut;
}

/*! The most attributes an element of a project file has is about twenty (the material). */
const int MaxAttributes = 64;

/*! The line of the first start tag with more than MaxAttributes attributes, 0 when there is
    none. Qt's parser checks each attribute of a tag against all before it, so a tag with tens
    of thousands of attributes takes it minutes; this scan of the bytes is linear. It counts the
    "=" outside quoted values of each tag; declarations, comments and processing instructions
    ("<!", "<?") are skipped. */
qint64 lineOfCrowdedTag(const QByteArray &data)
{
    qint64 line = 1;
    enum
    {
        Text,
        Tag,
        Skipped
    } state = Text;
    char quote = 0;
    int count = 0;
    for (int i = 0; i < data.size(); ++i) {
        const char c = data.at(i);
        if (c == '\n')
            ++line;
        switch (state) {
        case Text:
            if (c == '<') {
                const char next = i + 1 < data.size() ? data.at(i + 1) : 0;
                state = next == '!' || next == '?' ? Skipped : Tag;
                count = 0;
                quote = 0;
            }
            break;
        case Skipped:
            if (c == '>')
                state = Text;
            break;
        case Tag:
            if (quote) {
                if (c == quote)
                    quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '=') {
                if (++count > MaxAttributes)
                    return line;
            } else if (c == '>') {
                state = Text;
            }
            break;
        }
    }
    return 0;
}

/*! The kind and the table row are properties of the file, not descriptive values kept from
    the open project: a file that does not name them is an external wall that follows the
    report setting. */
void resetConstructionKind(ProjectInformation &info)
{
    info.m_constructionKind = ConstructionKind::ExternalWall;
    info.m_minimumResistanceType = ProjectInformation::NoMinimumResistanceType;
}

/*! The file stores the summer states, not the saturation pressure of the evaporation period
    that they were made from: the kind tells it (2000 Pa for roofs), so that a roof's DIN 4108-3
    evaporation period is recognised as the assessment condition again. For a wall the record
    already holds the pressure and nothing changes. */
void applyEvaporationOfKind(InputData &input, const ProjectInformation &info)
{
    Climate &climate = input.climate();
    const double psat = ConstructionKinds::evaporationSaturationPressure(info.m_constructionKind);
    if (psat != climate.psat_summer())
        climate.setSummerPressures(climate.pv_i_summer(), climate.pv_e_summer(), psat);
}

} // namespace

QString extension()
{
    return QStringLiteral("m2p");
}

bool write(QIODevice &device, const InputData &input, const ProjectInformation &info)
{
    QXmlStreamWriter writer(&device);
    writer.setAutoFormatting(true);
    writer.setAutoFormattingIndent(4);
    writer.writeStartDocument(); // <?xml version="1.0" encoding="UTF-8"?>
    writer.writeDTD(QStringLiteral("<!DOCTYPE MireloProject>"));
    writer.writeStartElement(QStringLiteral("MireloProject"));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("2.0"));
    ProjectFileXml::writeXML(writer, input);
    ProjectFileXml::writeXML(writer, info);
    writer.writeEndDocument();
    return !writer.hasError();
}

bool save(const QString &fileName, const InputData &input, const ProjectInformation &info,
          QString *message)
{
    QByteArray document;
    {
        QBuffer buffer(&document);
        buffer.open(QIODevice::WriteOnly | QIODevice::Text);
        write(buffer, input, info);
    }
    // Replaced atomically: a full disk or a crash while writing leaves the previous project
    // file as it was.
    return AtomicFile::write(fileName, document, message, true);
}

bool readXML(QIODevice &device, InputData &input, ProjectInformation &info, QString *message,
             QStringList *notes)
{
    input = InputData();
    resetConstructionKind(info);
    const QByteArray data = device.readAll();
    if (const qint64 line = lineOfCrowdedTag(data)) {
        if (message)
            *message = QCoreApplication::translate(
                           "Document", "An element has more than %1 attributes (line %2).")
                           .arg(MaxAttributes)
                           .arg(line);
        return false;
    }
    QXmlStreamReader reader(data);

    if (reader.readNextStartElement()) {
        const QStringRef root = reader.name();
        const QStringRef version = reader.attributes().value(QLatin1String("version"));
        // "QuallixProject" 1.0 files come from a sibling application and have the same content.
        const bool accepted =
            (root == QLatin1String("MireloProject") && version == QLatin1String("2.0")) ||
            (root == QLatin1String("QuallixProject") && version == QLatin1String("1.0"));
        if (!accepted) {
            reader.raiseError(
                QCoreApplication::translate("Document", "File is not a Mirelo 2.0 project file."));
        } else {
            while (reader.readNextStartElement()) {
                if (reader.name() == QLatin1String("InputData"))
                    ProjectFileXml::readXML(reader, input, notes);
                else if (reader.name() == QLatin1String("ProjectInformation"))
                    ProjectFileXml::readXML(reader, info);
                else
                    reader.skipCurrentElement();
            }
        }
    }
    if (reader.hasError()) {
        if (message)
            *message = reader.errorString();
        return false;
    }
    applyEvaporationOfKind(input, info);
    return true;
}

bool readLegacy(const QString &fileName, InputData &input, ProjectInformation &info,
                QString *message)
{
    input = InputData();
    resetConstructionKind(info);
    Document document(input, info);
    QString reason;
    const bool ok = document.readOld(fileName, reason);
    if (message)
        *message = reason;
    return ok;
}

bool load(const QString &fileName, InputData &input, ProjectInformation &info, QString *message,
          QStringList *notes)
{
    QString dummy;
    QString &msg = message ? *message : dummy;

    // A directory may open for reading on some systems and otherwise fails like a file without
    // permissions; neither tells the user what is wrong.
    if (QFileInfo(fileName).isDir()) {
        msg = QCoreApplication::translate("Project", "'%1' is a directory, not a project file.")
                  .arg(fileName);
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        msg = QCoreApplication::translate(
                  "Project", "Cannot open file '%1' for reading (maybe missing permissions).")
                  .arg(fileName);
        return false;
    }
    const QString suffix = QFileInfo(fileName).suffix().toLower();

    bool legacy = false;
    QStringList readNotes;
    if (suffix == QLatin1String("mpj")) {
        file.close();
        QString legacyMessage;
        if (!readLegacy(fileName, input, info, &legacyMessage)) {
            msg = legacyErrorText(legacyMessage);
            return false;
        }
        legacy = true;
    } else {
        QString xmlMessage;
        const bool xmlRead = readXML(file, input, info, &xmlMessage, &readNotes);
        file.close();
        if (!xmlRead) {
            msg = xmlMessage;
            if (suffix == extension())
                return false;
            QString legacyMessage;
            if (!readLegacy(fileName, input, info, &legacyMessage)) {
                msg = legacyErrorText(legacyMessage);
                return false;
            }
            legacy = true;
        }
    }

    if (input.layerCount() == 0) {
        msg = QCoreApplication::translate(
            "Project", "Project doesn't contain any layers. Please create a new project!");
        return false;
    }
    msg.clear();
    if (notes && !legacy)
        *notes << readNotes;
    if (capTexts(input, info) && notes)
        *notes << QCoreApplication::translate(
                      "Project", "Texts longer than %1 characters were shortened to that length.")
                      .arg(Material::MaxTextLength);
    if (notes && legacy && hasReplacedCharacters(input, info))
        *notes << QCoreApplication::translate(
            "Project", "Control characters in texts were replaced by U+FFFD.");
    return true;
}

} // namespace ProjectFile
