// The element "ProjectInformation" of the project file.

#include "persistence/ProjectFileXml.h"

#include "model/ProjectInformation.h"
#include "persistence/ProjectFileHelpers.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace ProjectFileXml {

void readXML(QXmlStreamReader &reader, ProjectInformation &info)
{
    // Optional attributes: what the construction is and its row of DIN 4108-2 table 3. A file
    // without them is an external wall whose minimum resistance follows the report setting.
    const QXmlStreamAttributes attributes = reader.attributes();
    if (attributes.hasAttribute(QLatin1String("constructionKind"))) {
        const QString key = attributes.value(QLatin1String("constructionKind")).toString();
        if (!ConstructionKinds::fromKey(key, info.m_constructionKind)) {
            reader.raiseError(XMLHelpers::invalidAttributeText(QStringLiteral("constructionKind"),
                                                               reader.lineNumber(), 0));
            return;
        }
    }
    int type = info.m_minimumResistanceType;
    if (XMLHelpers::readIntAttribute(reader, QStringLiteral("minimumResistanceType"), type)) {
        if (type < 0) {
            reader.raiseError(XMLHelpers::invalidAttributeText(
                QStringLiteral("minimumResistanceType"), reader.lineNumber(), 0));
            return;
        }
        info.m_minimumResistanceType = type;
    }
    if (reader.hasError())
        return;

    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        QString *text = nullptr;
        if (name == QLatin1String("ProjectName"))
            text = &info.m_projectName;
        else if (name == QLatin1String("ConstructionID"))
            text = &info.m_constructionID;
        else if (name == QLatin1String("UserName"))
            text = &info.m_userName;
        else if (name == QLatin1String("Company"))
            text = &info.m_company;
        else if (name == QLatin1String("Description"))
            text = &info.m_description;
        else if (name == QLatin1String("DisclaimerText"))
            text = &info.m_disclaimerText;

        if (text) {
            const QString value = reader.readElementText();
            if (!reader.hasError())
                *text = value;
        } else if (name == QLatin1String("HeatFlowDirection")) {
            const QString value = reader.readElementText().trimmed();
            if (reader.hasError())
                break;
            bool ok = false;
            const int direction = value.toInt(&ok, 10);
            if (!ok) {
                reader.raiseError(XMLHelpers::invalidAttributeText(
                    QStringLiteral("HeatFlowDirection"), reader.lineNumber(), 0));
                break;
            }
            info.m_heatFlowDirection = heatFlowDirectionFromCode(direction);
        } else {
            reader.skipCurrentElement();
        }
    }
}

void writeXML(QXmlStreamWriter &writer, const ProjectInformation &info)
{
    writer.writeStartElement(QStringLiteral("ProjectInformation"));
    // Written for every project that has a kind of its own; a project without either value
    // (an external wall following the report's row) is written as before the kind existed.
    const bool ownRow = info.m_minimumResistanceType != ProjectInformation::NoMinimumResistanceType;
    if (ownRow || info.m_constructionKind != ConstructionKind::ExternalWall)
        writer.writeAttribute(QStringLiteral("constructionKind"),
                              ConstructionKinds::key(info.m_constructionKind));
    if (ownRow)
        writer.writeAttribute(QStringLiteral("minimumResistanceType"),
                              QString::number(info.m_minimumResistanceType));
    writer.writeTextElement(QStringLiteral("ProjectName"), info.m_projectName);
    writer.writeTextElement(QStringLiteral("ConstructionID"), info.m_constructionID);
    writer.writeTextElement(QStringLiteral("UserName"), info.m_userName);
    writer.writeTextElement(QStringLiteral("Company"), info.m_company);
    writer.writeTextElement(QStringLiteral("Description"), info.m_description);
    writer.writeTextElement(QStringLiteral("DisclaimerText"), info.m_disclaimerText);
    writer.writeTextElement(QStringLiteral("HeatFlowDirection"),
                            QString::number(heatFlowDirectionCode(info.m_heatFlowDirection)));
    writer.writeEndElement();
}

} // namespace ProjectFileXml
