#include "model/ClimatePresets.h"

#include <QCoreApplication>
#include <QMap>
#include <algorithm>
#include <cmath>

namespace {

struct PresetRow
{
    int m_id;
    ClimateCondition m_condition;
    const char *m_name; ///< untranslated English name (context "Climate")
};

// kind tag: 2 indoor presets, 0 outdoor presets. A surface resistance of 1e-8 m²K/W stands for
// "no surface resistance" at a boundary to ground; it must stay positive for the calculation.
const PresetRow PRESET_ROWS[] = {
    {0, {20, 50, 0.125, 2, 0}, QT_TRANSLATE_NOOP("Climate", "Custom climate conditions, indoor")},
    {0, {-10, 70, 0.04, 0, 1}, QT_TRANSLATE_NOOP("Climate", "Custom climate conditions, outdoor")},
    {1,
     {20, 50, 0.13, 2, 0},
     QT_TRANSLATE_NOOP(
         "Climate", "DIN 4108-3 2001 Indoor climate, heat flow direction horizontal and upwards")},
    {2,
     {20, 50, 0.17, 2, 0},
     QT_TRANSLATE_NOOP("Climate", "DIN 4108-3 2001 Indoor climate, heat flow direction downwards")},
    {3,
     {20, 50, 0.13, 2, 0},
     QT_TRANSLATE_NOOP("Climate",
                       "DIN EN ISO 6946 Indoor climate, heat flow direction horizontal")},
    {4,
     {20, 50, 0.17, 2, 0},
     QT_TRANSLATE_NOOP("Climate", "DIN EN ISO 6946 Indoor climate, heat flow direction downwards")},
    {5,
     {20, 50, 0.10, 2, 0},
     QT_TRANSLATE_NOOP("Climate", "DIN EN ISO 6946 Indoor climate, heat flow direction upwards")},
    {6,
     {20, 50, 0.25, 2, 0},
     QT_TRANSLATE_NOOP("Climate", "DIN EN ISO 13788 Indoor climate, all other surfaces")},
    {7,
     {20, 50, 0.13, 2, 0},
     QT_TRANSLATE_NOOP("Climate",
                       "DIN EN ISO 13788 Indoor climate, on glazings and window frames")},
    {8,
     {20, 50, 1.0, 2, 0},
     QT_TRANSLATE_NOOP("Climate",
                       "DIN 4108-8 Indoor climate, in built in cupboards, mould protection")},
    {9,
     {20, 50, 0.5, 2, 0},
     QT_TRANSLATE_NOOP("Climate",
                       "DIN 4108-8 Indoor climate, behaind normal cupboards, mould protection")},
    {10, {20, 50, 0.25, 2, 0}, QT_TRANSLATE_NOOP("Climate", "DIN 4108-3_2024 Indoor climate")},
    {11,
     {-10, 80, 0.04, 0, 1},
     QT_TRANSLATE_NOOP("Climate", "DIN 4108-3 2001 Outdoor, boundary to outside")},
    {12,
     {-10, 80, 0.08, 0, 1},
     QT_TRANSLATE_NOOP("Climate", "DIN 4108-3 2001 Outdoor, boundary to ventilated air space")},
    {13, {-5, 80, 0.04, 0, 1}, QT_TRANSLATE_NOOP("Climate", "DIN 4108-3_2024 Outdoor climate")},
    {14,
     {-10, 80, 0.00000001, 0, 1},
     QT_TRANSLATE_NOOP("Climate", "DIN 4108-3 2001 Outdoor, boundary to ground")},
    {15,
     {-5, 80, 0.00000001, 0, 1},
     QT_TRANSLATE_NOOP("Climate", "DIN 4108-3 2024 Outdoor, boundary to ground")},
    {16, {-10, 80, 0.04, 0, 1}, QT_TRANSLATE_NOOP("Climate", "DIN EN ISO 6946 Outdoor climate")},
};

QString translatedName(const PresetRow &row)
{
    return QCoreApplication::translate("Climate", row.m_name);
}

/*! The rows in the order of their untranslated names (QString ordering, as a name-keyed map
    would hold them). Built once on first use. */
const std::vector<const PresetRow *> &rowsByEnglishName()
{
    static const std::vector<const PresetRow *> rows = [] {
        std::vector<const PresetRow *> v;
        for (const PresetRow &r : PRESET_ROWS)
            v.push_back(&r);
        std::stable_sort(v.begin(), v.end(), [](const PresetRow *a, const PresetRow *b) {
            return QString::fromLatin1(a->m_name) < QString::fromLatin1(b->m_name);
        });
        return v;
    }();
    return rows;
}

bool valuesMatch(const ClimateCondition &a, const ClimateCondition &b)
{
    return ClimatePresets::equalWithinTolerance(a.m_T, b.m_T) &&
           ClimatePresets::equalWithinTolerance(a.m_rh, b.m_rh) &&
           ClimatePresets::equalWithinTolerance(a.m_Rs, b.m_Rs);
}

/*! First row (English name order) with the identifier, preferring the side when side is 0 or 1. */
const PresetRow *findRow(int id, int side)
{
    const PresetRow *first = nullptr;
    for (const PresetRow *r : rowsByEnglishName()) {
        if (r->m_id != id)
            continue;
        if (r->m_condition.m_side == side)
            return r;
        if (first == nullptr)
            first = r;
    }
    return first;
}

} // namespace

bool ClimatePresets::equalWithinTolerance(double a, double b)
{
    return std::fabs(a - b) <= 1e-4;
}

int ClimatePresets::presetIdForCondition(const ClimateCondition &c)
{
    for (const PresetRow *r : rowsByEnglishName()) {
        if (valuesMatch(r->m_condition, c) && r->m_condition.m_kind == c.m_kind &&
            r->m_condition.m_side == c.m_side)
            return r->m_id;
    }
    return 0;
}

QString ClimatePresets::presetNameForCondition(const ClimateCondition &c)
{
    for (const PresetRow *r : rowsByEnglishName()) {
        if (valuesMatch(r->m_condition, c))
            return translatedName(*r);
    }
    return QString();
}

namespace {

/*! Rows allowed for the condition at the side, ordered by translated name. Only rows of that
    side are offered (identifier 0 names both custom rows). */
std::vector<const PresetRow *> allowedRowsForDisplay(int assessmentCondition, int side)
{
    QMap<QString, const PresetRow *> byName;
    for (const PresetRow &r : PRESET_ROWS) {
        if (r.m_condition.m_side != side)
            continue;
        if (!ClimatePresets::isAllowed(r.m_id, assessmentCondition, side))
            continue;
        byName.insert(translatedName(r), &r);
    }
    return std::vector<const PresetRow *>(byName.cbegin(), byName.cend());
}

} // namespace

QStringList ClimatePresets::presetNames(int assessmentCondition, int side)
{
    QStringList names;
    for (const PresetRow *r : allowedRowsForDisplay(assessmentCondition, side))
        names << translatedName(*r);
    return names;
}

std::vector<int> ClimatePresets::presetIds(int assessmentCondition, int side)
{
    std::vector<int> ids;
    for (const PresetRow *r : allowedRowsForDisplay(assessmentCondition, side))
        ids.push_back(r->m_id);
    return ids;
}

bool ClimatePresets::copyPreset(int id, ClimateCondition &c)
{
    return copyPreset(id, -1, c);
}

bool ClimatePresets::copyPreset(int id, int side, ClimateCondition &c)
{
    const PresetRow *r = findRow(id, side);
    if (r == nullptr)
        return false;
    c = r->m_condition;
    return true;
}

QString ClimatePresets::presetName(int id, int side)
{
    const PresetRow *r = findRow(id, side);
    if (r == nullptr)
        return QString();
    return translatedName(*r);
}

int ClimatePresets::presetIdForName(const QString &translatedNameText)
{
    for (const PresetRow *r : rowsByEnglishName()) {
        if (translatedName(*r) == translatedNameText)
            return r->m_id;
    }
    return -1;
}

const std::vector<int> &ClimatePresets::allowedPresets(int assessmentCondition, int side)
{
    static const std::vector<int> none;
    static const std::vector<int> inside[3] = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {1, 2}, {10}};
    static const std::vector<int> outside[3] = {{0, 11, 12, 13, 14, 16}, {11, 12, 14}, {13}};
    if (assessmentCondition < 0 || assessmentCondition > 2)
        return none;
    if (side == 0)
        return inside[assessmentCondition];
    if (side == 1)
        return outside[assessmentCondition];
    return none;
}

bool ClimatePresets::isAllowed(int id, int assessmentCondition, int side)
{
    const std::vector<int> &ids = allowedPresets(assessmentCondition, side);
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

QString ClimatePresets::assessmentConditionText(int assessmentCondition)
{
    switch (assessmentCondition) {
    case 0:
        return QCoreApplication::translate("AssessmentConditions", "Custom conditions");
    case 1:
        return QCoreApplication::translate("AssessmentConditions",
                                           "German Standard DIN 4108-3 from 2001");
    case 2:
        return QCoreApplication::translate("AssessmentConditions",
                                           "German Standard DIN 4108-3 from 2014, 2018 and 2024");
    default:
        return QCoreApplication::translate("AssessmentConditions", "Unknown condition");
    }
}
