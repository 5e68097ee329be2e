// The element "Material" of the project file: a layer's complete copy of its material.

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

QString boolText(bool b)
{
    return b ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

bool Material::readXML(QXmlStreamReader &reader)
{
    using namespace XMLHelpers;
    const QXmlStreamAttributes a = reader.attributes();

    m_name = a.value(QLatin1String("name")).toString();
    if (m_name.isEmpty())
        m_name = unknownName();
    readIntAttribute(reader, QStringLiteral("materialId"), m_materialId);
    // the category is kept as read: a value outside 0..12 makes the material invalid
    readIntAttribute(reader, QStringLiteral("cat"), m_category);
    m_productName = a.value(QLatin1String("productName")).toString();
    m_producer = a.value(QLatin1String("producer")).toString();
    m_dataSource = a.value(QLatin1String("dataSource")).toString();
    m_notes = a.value(QLatin1String("notes")).toString();
    readDoubleAttribute(reader, QStringLiteral("rho"), m_rho);
    readDoubleAttribute(reader, QStringLiteral("lambda"), m_lambda);
    readDoubleAttribute(reader, QStringLiteral("mu"), m_mu);
    readDoubleAttribute(reader, QStringLiteral("mu_min"), m_mu_min);
    readDoubleAttribute(reader, QStringLiteral("mu_max"), m_mu_max);
    readDoubleAttribute(reader, QStringLiteral("w_80"), m_w_80);
    readDoubleAttribute(reader, QStringLiteral("w_sat"), m_w_sat);
    readDoubleAttribute(reader, QStringLiteral("m_Aw"), m_A_w);
    readDoubleAttribute(reader, QStringLiteral("sd_value"), m_sd_value);
    const bool valid = isValid();

    bool colorValid = false;
    if (!reader.hasError()) {
        const QString colorText = a.value(QLatin1String("color")).toString();
        colorValid = parseColor(colorText, m_color);
        if (!colorValid)
            reader.raiseError(
                QCoreApplication::translate("Material", "Invalid encoding '%1' of material color.")
                    .arg(colorText));
    }
    if (colorValid) {
        int air = 0, wood = 0, woodBased = 0, foil = 0;
        readIntAttribute(reader, QStringLiteral("isAir"), air);
        readIntAttribute(reader, QStringLiteral("isWood"), wood);
        readIntAttribute(reader, QStringLiteral("isWoodbased"), woodBased);
        readIntAttribute(reader, QStringLiteral("isFoil"), foil);
        setFlags(air != 0, wood != 0, woodBased != 0, foil != 0);
    }
    // Child elements carry nothing; skipping stops by itself once the reader is in error.
    if (!reader.hasError())
        reader.skipCurrentElement();
    return valid && colorValid && !reader.hasError();
}

void Material::writeXML(QXmlStreamWriter &writer) const
{
    using XMLHelpers::formatDouble;
    writer.writeStartElement(QStringLiteral("Material"));
    writer.writeAttribute(QStringLiteral("name"), m_name);
    writer.writeAttribute(QStringLiteral("materialId"), QString::number(m_materialId));
    writer.writeAttribute(QStringLiteral("cat"), QString::number(m_category));
    writer.writeAttribute(QStringLiteral("productName"), m_productName);
    writer.writeAttribute(QStringLiteral("producer"), m_producer);
    writer.writeAttribute(QStringLiteral("dataSource"), m_dataSource);
    writer.writeAttribute(QStringLiteral("notes"), m_notes);
    writer.writeAttribute(QStringLiteral("rho"), formatDouble(m_rho));
    writer.writeAttribute(QStringLiteral("lambda"), formatDouble(m_lambda));
    writer.writeAttribute(QStringLiteral("mu"), formatDouble(m_mu));
    writer.writeAttribute(QStringLiteral("mu_min"), formatDouble(m_mu_min));
    writer.writeAttribute(QStringLiteral("mu_max"), formatDouble(m_mu_max));
    writer.writeAttribute(QStringLiteral("w_80"), formatDouble(m_w_80));
    writer.writeAttribute(QStringLiteral("w_sat"), formatDouble(m_w_sat));
    writer.writeAttribute(QStringLiteral("m_Aw"), formatDouble(m_A_w));
    writer.writeAttribute(QStringLiteral("sd_value"), formatDouble(m_sd_value));
    // An invalid colour (a material that never got one) is written as black so that the file
    // reads back; the reader accepts only three integers.
    const QColor c = m_color.isValid() ? m_color : QColor(0, 0, 0);
    writer.writeAttribute(QStringLiteral("color"),
                          QStringLiteral("%1 %2 %3").arg(c.red()).arg(c.green()).arg(c.blue()));
    writer.writeAttribute(QStringLiteral("isAir"), boolText(isAir()));
    writer.writeAttribute(QStringLiteral("isWood"), boolText(isWood()));
    writer.writeAttribute(QStringLiteral("isWoodbased"), boolText(isWoodBased()));
    writer.writeAttribute(QStringLiteral("isFoil"), boolText(isFoil()));
    writer.writeEndElement();
}
