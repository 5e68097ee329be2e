// The element "Material" of the project file: a layer's complete copy of its material.

#include "persistence/ProjectFileXml.h"

#include "model/Material.h"
#include "persistence/ProjectFileHelpers.h"

#include <QCoreApplication>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

/*! Splits "r g b" at blanks (runs of blanks allowed) into three integers 0..255. */
bool parseColor(const QString &text, QColor &color)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 3)
        return false;
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        rgb[i] = parts[i].toInt(&ok, 10);
        // A component outside 0..255 cannot be a colour; accepting it would leave an invalid
        // QColor in the layer, which every painter and the equality test trip over.
        if (!ok || rgb[i] < 0 || rgb[i] > 255)
            return false;
    }
    color = QColor(rgb[0], rgb[1], rgb[2], 255);
    return true;
}

/*! "Invalid encoding '%1' of material color." saying where: the line and, within the
    construction, the layer (1-based). */
QString invalidColorText(const QString &colorText, qint64 line, int layer)
{
    if (layer > 0)
        return QCoreApplication::translate(
                   "Material", "Invalid encoding '%1' of material color of layer %2 (line %3).")
            .arg(colorText)
            .arg(layer)
            .arg(line);
    return QCoreApplication::translate("Material",
                                       "Invalid encoding '%1' of material color (line %2).")
        .arg(colorText)
        .arg(line);
}

QString boolText(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

namespace ProjectFileXml {

bool readXML(QXmlStreamReader &reader, Material &material, int layer)
{
    using namespace XMLHelpers;
    const QXmlStreamAttributes a = reader.attributes();

    material.m_name = a.value(QLatin1String("name")).toString();
    if (material.m_name.isEmpty())
        material.m_name = Material::unknownName();
    readIntAttribute(reader, QStringLiteral("materialId"), material.m_materialId, layer);
    // the category is kept as read: a value outside 0..12 makes the material invalid
    readIntAttribute(reader, QStringLiteral("cat"), material.m_category, layer);
    material.m_productName = a.value(QLatin1String("productName")).toString();
    material.m_producer = a.value(QLatin1String("producer")).toString();
    material.m_dataSource = a.value(QLatin1String("dataSource")).toString();
    material.m_notes = a.value(QLatin1String("notes")).toString();
    readDoubleAttribute(reader, QStringLiteral("rho"), material.m_rho, layer);
    readDoubleAttribute(reader, QStringLiteral("lambda"), material.m_lambda, layer);
    readDoubleAttribute(reader, QStringLiteral("mu"), material.m_mu, layer);
    readDoubleAttribute(reader, QStringLiteral("mu_min"), material.m_mu_min, layer);
    readDoubleAttribute(reader, QStringLiteral("mu_max"), material.m_mu_max, layer);
    readDoubleAttribute(reader, QStringLiteral("w_80"), material.m_w_80, layer);
    readDoubleAttribute(reader, QStringLiteral("w_sat"), material.m_w_sat, layer);
    readDoubleAttribute(reader, QStringLiteral("m_Aw"), material.m_A_w, layer);
    readDoubleAttribute(reader, QStringLiteral("sd_value"), material.m_sd_value, layer);
    readDoubleAttribute(reader, QStringLiteral("sd_summer"), material.m_sd_summer, layer);
    const bool valid = material.isValid();

    bool colorValid = false;
    if (!reader.hasError()) {
        const QString colorText = a.value(QLatin1String("color")).toString();
        colorValid = parseColor(colorText, material.m_color);
        if (!colorValid)
            reader.raiseError(invalidColorText(colorText, reader.lineNumber(), layer));
    }
    if (colorValid) {
        int air = 0, wood = 0, woodBased = 0, foil = 0;
        readIntAttribute(reader, QStringLiteral("isAir"), air, layer);
        readIntAttribute(reader, QStringLiteral("isWood"), wood, layer);
        readIntAttribute(reader, QStringLiteral("isWoodbased"), woodBased, layer);
        readIntAttribute(reader, QStringLiteral("isFoil"), foil, layer);
        material.setFlags(air != 0, wood != 0, woodBased != 0, foil != 0);
    }
    // Child elements carry nothing; skipping stops by itself once the reader is in error.
    if (!reader.hasError())
        reader.skipCurrentElement();
    return valid && colorValid && !reader.hasError();
}

void writeXML(QXmlStreamWriter &writer, const Material &material)
{
    using XMLHelpers::formatDouble;
    writer.writeStartElement(QStringLiteral("Material"));
    writer.writeAttribute(QStringLiteral("name"), material.m_name);
    writer.writeAttribute(QStringLiteral("materialId"), QString::number(material.m_materialId));
    writer.writeAttribute(QStringLiteral("cat"), QString::number(material.m_category));
    writer.writeAttribute(QStringLiteral("productName"), material.m_productName);
    writer.writeAttribute(QStringLiteral("producer"), material.m_producer);
    writer.writeAttribute(QStringLiteral("dataSource"), material.m_dataSource);
    writer.writeAttribute(QStringLiteral("notes"), material.m_notes);
    writer.writeAttribute(QStringLiteral("rho"), formatDouble(material.m_rho));
    writer.writeAttribute(QStringLiteral("lambda"), formatDouble(material.m_lambda));
    writer.writeAttribute(QStringLiteral("mu"), formatDouble(material.m_mu));
    writer.writeAttribute(QStringLiteral("mu_min"), formatDouble(material.m_mu_min));
    writer.writeAttribute(QStringLiteral("mu_max"), formatDouble(material.m_mu_max));
    writer.writeAttribute(QStringLiteral("w_80"), formatDouble(material.m_w_80));
    writer.writeAttribute(QStringLiteral("w_sat"), formatDouble(material.m_w_sat));
    writer.writeAttribute(QStringLiteral("m_Aw"), formatDouble(material.m_A_w));
    writer.writeAttribute(QStringLiteral("sd_value"), formatDouble(material.m_sd_value));
    // Only a humidity-variable retarder has a second sd-value: every other material is written
    // exactly as before, and older versions of the program read the file unchanged.
    if (material.m_sd_summer != 0)
        writer.writeAttribute(QStringLiteral("sd_summer"), formatDouble(material.m_sd_summer));
    // A material that never got a colour is written with the colour the readers give a layer
    // without one, so that the file reads back (the reader accepts only three integers).
    const QColor c = material.m_color.isValid() ? material.m_color : Material::defaultColor();
    writer.writeAttribute(QStringLiteral("color"),
                          QStringLiteral("%1 %2 %3").arg(c.red()).arg(c.green()).arg(c.blue()));
    writer.writeAttribute(QStringLiteral("isAir"), boolText(material.isAir()));
    writer.writeAttribute(QStringLiteral("isWood"), boolText(material.isWood()));
    writer.writeAttribute(QStringLiteral("isWoodbased"), boolText(material.isWoodBased()));
    writer.writeAttribute(QStringLiteral("isFoil"), boolText(material.isFoil()));
    writer.writeEndElement();
}

} // namespace ProjectFileXml
