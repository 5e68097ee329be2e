#include "calculation/MinimumHeatResistance.h"

#include <cmath>
#include <limits>

namespace {

// One row of table 3. Names are stored untranslated and translated on look-up.
struct TypeRow
{
    int type;
    const char *name;
    const char *row;
    bool rowTranslatable; // the references to text chapters are words, the row numbers are not
    double R_min;         // m²K/W
};

const TypeRow ROWS_2004[] = {
    {0, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Outer wall"), "1", false, 1.2},
    {1, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Partition wall"), "2", false, 0.07},
    {2, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Wall to stair case with temperature <10°C"),
     "3", false, 0.25},
    {3, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Wall to stair case with temperature >10°C"),
     "4", false, 0.07},
    {4, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Common separating ceiling"), "5", false, 0.35},
    {5,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Separating ceiling for officebuilding with central heating"),
     "6", false, 0.17},
    {6, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Floor plate over ground"), "7", false, 0.9},
    {7, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Floor plate to non ventilated cavity"), "8",
     false, 0.9},
    {8, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Ceiling below attic"), "9", false, 0.9},
    {9, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Ceiling for cellar"), "10", false, 0.9},
    {10, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Floor over garage or passage"), "11.1", false,
     1.75},
    {11, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Roof"), "11.2", false, 1.2},
};

const TypeRow ROWS_2013[] = {
    {12,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Wall of heated room to outside, ground, underground garage or similar"),
     "1", false, 1.2},
    {13, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Roof pitch to outside"), "2", false, 1.2},
    {14, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Flat roof or ceiling to outside"), "3.1",
     false, 1.2},
    {8,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Ceiling to ventilated roof space or to non heated room"),
     "3.2 3.3", false, 0.9},
    {15,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Ceiling between insulated roof pitch and jamb wall"),
     "3.4", false, 0.35},
    {10,
     QT_TRANSLATE_NOOP("MinimumHeatResistance", "Floor over outside, underground garage, garage "
                                                "(heated or not), ventilated crawl space etc."),
     "4.1", false, 1.75},
    {9,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Floor over cellar, to ground, non ventilated crawl space"),
     "4.2 4.3 4.4", false, 0.9},
    {16,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Wall between heated room and directly heated stair case"),
     "5.1", false, 0.07},
    {17,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Wall between heated room and indirectly heated stair case"),
     "5.2", false, 0.25},
    {1, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Partition walls between heated rooms"), "6.1",
     false, 0.07},
    {4,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Ceiling between rooms of different use and apartment separating ceiling"),
     "6.2", false, 0.35},
    {18,
     QT_TRANSLATE_NOOP("MinimumHeatResistance",
                       "Construction with mass per area lower than 100kg/m2"),
     QT_TRANSLATE_NOOP("MinimumHeatResistance", "Cap 5.1.2.2"), true, 1.75},
    {19, QT_TRANSLATE_NOOP("MinimumHeatResistance", "Opaque part of transparent constructions"),
     QT_TRANSLATE_NOOP("MinimumHeatResistance", "Cap 5.1.4"), true, 1.2},
};

// Resistance of a type an edition does not list: that of an outer wall.
const double UNKNOWN_R_MIN = 1.2;

template <std::size_t N>
const TypeRow *findIn(const TypeRow (&rows)[N], int type)
{
    for (const TypeRow &r : rows)
        if (r.type == type)
            return &r;
    return nullptr;
}

const TypeRow *find(int edition, int type)
{
    switch (edition) {
    case MinimumHeatResistance::DIN4108_2_2004:
        return findIn(ROWS_2004, type);
    case MinimumHeatResistance::DIN4108_2_2013:
        return findIn(ROWS_2013, type);
    default:
        return nullptr;
    }
}

} // namespace

std::vector<int> MinimumHeatResistance::types(int edition)
{
    std::vector<int> list;
    if (edition == DIN4108_2_2004) {
        for (const TypeRow &r : ROWS_2004)
            list.push_back(r.type);
    } else if (edition == DIN4108_2_2013) {
        for (const TypeRow &r : ROWS_2013)
            list.push_back(r.type);
    }
    return list;
}

QString MinimumHeatResistance::editionName(int edition)
{
    switch (edition) {
    case DIN4108_2_2004:
        return tr("DIN 4108-2 2004 Tab. 3");
    case DIN4108_2_2013:
        return tr("DIN 4108-2 2013 Tab. 3");
    default:
        return tr("Unknown");
    }
}

QString MinimumHeatResistance::name(int edition, int type)
{
    const TypeRow *r = find(edition, type);
    if (r == nullptr)
        return tr("Unknown");
    return tr(r->name);
}

QString MinimumHeatResistance::row(int edition, int type)
{
    const TypeRow *r = find(edition, type);
    if (r == nullptr)
        return QString();
    return r->rowTranslatable ? tr(r->row) : QString::fromLatin1(r->row);
}

double MinimumHeatResistance::R_min(int edition, int type)
{
    const TypeRow *r = find(edition, type);
    return r == nullptr ? UNKNOWN_R_MIN : r->R_min;
}

bool MinimumHeatResistance::requirementFulfilled(int edition, int type, double R_layers)
{
    return R_min(edition, type) <= R_layers;
}

QString MinimumHeatResistance::requirementText(int edition, int type)
{
    return tr("%1 row %2, thermal resistance  R >= %L3 m<sup>2</sup>K/W")
        .arg(editionName(edition), row(edition, type))
        .arg(R_min(edition, type), 0, 'f', 2);
}

double MinimumHeatResistance::requiredTemperatureFactor(double T_i, double rh_i)
{
    // The outside temperature of the mould criterion is −5 °C, hence T_i + 5 = T_i − θ_e.
    const double denominator = T_i + 5;
    // At T_i = −5 °C the temperature factor (θ_si − θ_e)/(θ_i − θ_e) is undefined and the
    // division would give ±inf or NaN. It is reported as undefined, so the check is not
    // fulfilled.
    if (denominator == 0)
        return std::numeric_limits<double>::quiet_NaN();
    // (rh_i/80)^0.1247·(T_i + 109.8) − 109.8 is the surface temperature at which the relative
    // humidity at the surface reaches 80 % (Magnus approximation of the saturation pressure).
    const double numerator = std::pow(rh_i / 80, 0.1247) * (T_i + 109.8) - 109.8 + 5;
    const double tenfold = 10 * numerator / denominator;
    // truncation towards zero to one decimal, in floating point, so that no value can overflow
    // an integer conversion
    return std::trunc(tenfold) / 10;
}

double MinimumHeatResistance::temperatureFactor(double sumR, double R_se)
{
    return (sumR + R_se) / (R_si_f + sumR + R_se);
}

bool MinimumHeatResistance::temperatureFactorFulfilled(double f_min, double f_Rsi)
{
    // a NaN f_min compares false: not fulfilled
    return f_min <= f_Rsi;
}

QString MinimumHeatResistance::temperatureFactorRequirementText(double f_min)
{
    return tr("DIN 4108-2 Check for minmal <i>f</i><sub>Rsi</sub> &gt;= %L1").arg(f_min, 0, 'f', 1);
}

QString MinimumHeatResistance::temperatureFactorResultText(double f_Rsi, bool fulfilled)
{
    QString text = tr("<i>f</i><sub>Rsi</sub> = %L1");
    if (!fulfilled)
        text.replace(QLatin1String("%L1"),
                     QLatin1String("<font color=\"#FF0000\"><b>%L1</b></font>"));
    return text.arg(f_Rsi, 0, 'f', 2);
}

MinimumHeatResistance::Result MinimumHeatResistance::evaluate(int edition, int type,
                                                              double R_layers, double sumR,
                                                              bool frsiCheck, double T_i,
                                                              double rh_i, double R_se)
{
    Result res;
    res.m_edition = edition;
    res.m_type = type;
    res.m_editionName = editionName(edition);
    res.m_name = name(edition, type);
    res.m_row = row(edition, type);
    res.m_R_min = R_min(edition, type);
    res.m_fulfilled = requirementFulfilled(edition, type, R_layers);
    res.m_frsiChecked = frsiCheck;
    if (frsiCheck) {
        res.m_f_min = requiredTemperatureFactor(T_i, rh_i);
        res.m_f_Rsi = temperatureFactor(sumR, R_se);
        res.m_frsiFulfilled = temperatureFactorFulfilled(res.m_f_min, res.m_f_Rsi);
    }
    return res;
}
