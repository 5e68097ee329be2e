#include "persistence/MaterialStream.h"

#include "htl/HTL_MessageHandler.h"
#include "model/MaterialLayer.h"

#include <QDataStream>

#include <cmath>
#include <string>

namespace MaterialStream {

int versionFor(const Material &material)
{
    return material.m_sd_summer != 0 ? 5 : LayerMaterialVersion;
}

void write(QDataStream &out, const Material &material, int version)
{
    const Material &m = material;
    out << m.m_name;
    out << qint32(m.m_category);
    out << m.m_notes << m.m_productName << m.m_producer << m.m_dataSource;
    out << m.m_rho << m.m_lambda << m.m_mu;
    if (version > 1)
        out << m.m_mu_min << m.m_mu_max << m.m_sd_value;
    out << m.m_w_80 << m.m_w_sat << m.m_A_w;
    // the alpha channel is not stored
    out << qint32(m.m_color.red()) << qint32(m.m_color.green()) << qint32(m.m_color.blue());
    if (version > 2)
        out << m.isAir() << m.isWood() << m.isWoodBased();
    if (version >= 4)
        out << m.isFoil();
    if (version >= 5)
        out << m.m_sd_summer;
}

bool read(QDataStream &in, int version, int materialId, Material &material)
{
    if (version < 1 || version > NewestVersion)
        return false;

    // Read into a copy so that a truncated or corrupt stream leaves the material unchanged;
    // fields the version does not contain keep their values.
    Material m(material);
    qint32 category = 0;
    in >> m.m_name;
    if (m.m_name.isEmpty())
        m.m_name = Material::unknownName();
    in >> category;
    m.m_category = Material::clampCategory(category);
    in >> m.m_notes >> m.m_productName >> m.m_producer >> m.m_dataSource;
    in >> m.m_rho >> m.m_lambda >> m.m_mu;
    if (version > 1)
        in >> m.m_mu_min >> m.m_mu_max >> m.m_sd_value;
    in >> m.m_w_80 >> m.m_w_sat >> m.m_A_w;
    qint32 red = 0, green = 0, blue = 0;
    in >> red >> green >> blue;
    bool air = false, wood = false, woodBased = false, foil = false;
    if (version > 2)
        in >> air >> wood >> woodBased;
    if (version >= 4)
        in >> foil;
    if (version >= 5)
        in >> m.m_sd_summer;
    if (in.status() != QDataStream::Ok)
        return false;
    // The stream keeps doubles bit for bit, infinities and NaN too, which no material has.
    for (Material::Quantity q : Material::Quantities) {
        if (!std::isfinite(m.value(q))) {
            HTL::message("Material '" + m.m_name.left(80).toStdString() +
                             "': a value is not a finite number.",
                         HTL::MSG_WARNING, "MaterialStream::read", 1);
            return false;
        }
    }
    if (m.capTexts())
        HTL::message("Material '" + m.m_name.left(80).toStdString() + "': texts longer than " +
                         std::to_string(Material::MaxTextLength) + " characters were cut.",
                     HTL::MSG_WARNING, "MaterialStream::read", 1);

    // Red, green and blue are set on the existing colour (alpha is not in the stream; an invalid
    // colour becomes opaque). Out-of-range components from a damaged stream are clamped.
    const int alpha = m.m_color.isValid() ? m.m_color.alpha() : 255;
    m.m_color.setRgb(qBound(0, int(red), 255), qBound(0, int(green), 255),
                     qBound(0, int(blue), 255), alpha);
    m.setFlags(air, wood, woodBased, foil);
    m.m_materialId = materialId;
    material = m;
    return true;
}

void write(QDataStream &out, const MaterialLayer &layer)
{
    const int version = versionFor(layer.material());
    out << qint32(version);
    out << layer.m_width;
    write(out, layer.material(), version);
}

bool read(QDataStream &in, MaterialLayer &layer)
{
    qint32 version = 0;
    double width = 0;
    in >> version >> width;
    if (in.status() != QDataStream::Ok || !std::isfinite(width))
        return false;
    Material m(layer.material());
    if (!read(in, version, ConstructionDatabaseMaterialId, m) || in.status() != QDataStream::Ok)
        return false;
    // the width comes from the stream as stored; the sd rule is not re-applied
    static_cast<Material &>(layer) = m;
    layer.m_width = width;
    return true;
}

} // namespace MaterialStream
