#include "MaterialListing.h"

#include "JsonWriter.h"

#include "persistence/MaterialList.h"

#include <QLocale>

namespace MaterialListing {

namespace {

QStringList flagNames(const Material &m)
{
    QStringList flags;
    if (m.isWood())
        flags << QStringLiteral("wood");
    if (m.isWoodBased())
        flags << QStringLiteral("woodBased");
    if (m.isAir())
        flags << QStringLiteral("air");
    if (m.isFoil())
        flags << QStringLiteral("foil");
    return flags;
}

// Shortest text that reads back to the same double.
QString number(double v)
{
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

} // namespace

QString text(const MaterialList &list)
{
    QString out = QStringLiteral(
        "id\tname\tcategory\trho\tlambda\tmu\tsd\tsd_summer\tw_80\tw_sat\tA_w\tflags\t"
        "user\n");
    for (int i = 0; i < list.count(); ++i) {
        const Material &m = *list.material(i);
        const QStringList fields = {
            QString::number(m.m_materialId), m.m_name, QString::number(m.m_category),
            number(m.m_rho), number(m.m_lambda), number(m.m_mu), number(m.m_sd_value),
            // a humidity-variable retarder's sd in the evaporation period
            m.m_sd_summer != 0 ? number(m.m_sd_summer) : QString(), number(m.m_w_80),
            number(m.m_w_sat), number(m.m_A_w), flagNames(m).join(QLatin1Char(',')),
            i >= list.databaseMaterialCount() ? QStringLiteral("yes") : QStringLiteral("no")};
        out += fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return out;
}

QString json(const MaterialList &list)
{
    QStringList objects;
    for (int i = 0; i < list.count(); ++i) {
        const Material &m = *list.material(i);
        JsonObject o;
        o.add(QStringLiteral("id"), JsonWriter::number(m.m_materialId));
        o.add(QStringLiteral("name"), JsonWriter::string(m.m_name));
        o.add(QStringLiteral("category"), JsonWriter::number(m.m_category));
        o.add(QStringLiteral("rho"), JsonWriter::number(m.m_rho));
        o.add(QStringLiteral("lambda"), JsonWriter::number(m.m_lambda));
        o.add(QStringLiteral("mu"), JsonWriter::number(m.m_mu));
        o.add(QStringLiteral("sd"), JsonWriter::number(m.m_sd_value));
        o.add(QStringLiteral("sd_summer"),
              m.m_sd_summer != 0 ? JsonWriter::number(m.m_sd_summer) : QStringLiteral("null"));
        o.add(QStringLiteral("w_80"), JsonWriter::number(m.m_w_80));
        o.add(QStringLiteral("w_sat"), JsonWriter::number(m.m_w_sat));
        o.add(QStringLiteral("A_w"), JsonWriter::number(m.m_A_w));
        o.add(QStringLiteral("flags"), JsonWriter::array(flagNames(m)));
        o.add(QStringLiteral("user"), JsonWriter::boolean(i >= list.databaseMaterialCount()));
        objects << o.toString(2);
    }
    return JsonWriter::arrayOfFragments(objects, 0);
}

} // namespace MaterialListing
