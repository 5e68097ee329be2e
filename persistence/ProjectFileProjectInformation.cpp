#include "model/ProjectInformation.h"
#include "persistence/ProjectFileHelpers.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

void ProjectInformation::readXML(QXmlStreamReader &reader)
{
    while (reader.readNextStartElement()) {
        const QStringRef name = reader.name();
        QString *text = nullptr;
        if (name == QLatin1String("ProjectName"))
            text = &m_projectName;
        else if (name == QLatin1String("ConstructionID"))
            text = &m_constructionID;
        else if (name == QLatin1String("UserName"))
            text = &m_userName;
        else if (name == QLatin1String("Company"))
            text = &m_company;
        else if (name == QLatin1String("Description"))
            text = &m_description;
        else if (name == QLatin1String("DisclaimerText"))
            text = &m_disclaimerText;

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
                reader.raiseError(
                    XMLHelpers::invalidAttributeText(QStringLiteral("HeatFlowDirection")));
                break;
            }
            m_heatFlowDirection = direction;
        } else {
            reader.skipCurrentElement();
        }
    }
}

void ProjectInformation::writeXML(QXmlStreamWriter &writer) const
{
    writer.writeStartElement(QStringLiteral("ProjectInformation"));
    writer.writeTextElement(QStringLiteral("ProjectName"), m_projectName);
    writer.writeTextElement(QStringLiteral("ConstructionID"), m_constructionID);
    writer.writeTextElement(QStringLiteral("UserName"), m_userName);
    writer.writeTextElement(QStringLiteral("Company"), m_company);
    writer.writeTextElement(QStringLiteral("Description"), m_description);
    writer.writeTextElement(QStringLiteral("DisclaimerText"), m_disclaimerText);
    writer.writeTextElement(QStringLiteral("HeatFlowDirection"),
                            QString::number(m_heatFlowDirection));
    writer.writeEndElement();
}
