#include "htl/HTL_UnitList.h"

#include "htl/HTL_Exception.h"
#include "htl/HTL_Math.h"
#include "htl/HTL_PlaceholderText.h"

#include <cmath>
#include <istream>
#include <map>
#include <set>
#include <sstream>

namespace HTL {

namespace {

// Spellings of older files that mean a unit of the table under another name.
const std::map<std::string, std::string> &unitAliases()
{
    static const std::map<std::string, std::string> aliases = {{"l/m2s", "L/m2s"},
                                                               {"l/m2h", "L/m2h"},
                                                               {"l/m2d", "L/m2d"},
                                                               {"l/m3s", "L/m3s"},
                                                               {"l/m3h", "L/m3h"}};
    return aliases;
}

int operationCode(char c)
{
    switch (c) {
    case '%':
        return UnitData::OP_SPECIAL;
    case '*':
        return UnitData::OP_MUL;
    case '+':
        return UnitData::OP_ADD;
    case '-':
        return UnitData::OP_SUB;
    case '/':
        return UnitData::OP_DIV;
    default:
        return UnitData::OP_BASE;
    }
}

std::string conversionText(const UnitData &source, const UnitData &target)
{
    return "(tried to convert [" + source.m_name + "] to [" + target.m_name + "] )!";
}

void throwDuplicate(const std::string &name)
{
    throw Exception(PlaceholderText("Duplicate unit '%1' defined.").arg(name), "[UnitList::read]");
}

const char *const RelateContext = "[UnitList::relate_units]";
const char *const SpecialContext = "[UnitList::convert_special]";

} // namespace

// 80 families, 264 units. Identifiers follow the order of this table, and other code may rely
// on them only through names. The "µ" in unit names is the UTF-8 micro sign.
const char *UnitList::builtInTable()
{
    return "undefined\n"
           "m  * 1e+03 mm  * 1e+02 cm  * 1e+01 dm\n"
           "m2  * 1e+06 mm2  * 1e+04 cm2  * 1e+02 dm2\n"
           "m3  * 1e+09 mm3  * 1e+06 cm3  * 1e+03 dm3  * 1e+03 L\n"
           "s  / 60 min  / 3600 h  / 86400 d  / 3.1536e+07 a  % 0 sqrt(s)  % 0 sqrt(h)  * 1000 ms\n"
           "s/s  / 60 min/s  / 3600 h/s  / 86400 d/s  / 3.1536e+07 a/s\n"
           "m/s  * 100 cm/s  * 360000 cm/h  * 8.64e+06 cm/d\n"
           "m2/s  * 10000 cm2/s  * 3600 m2/h  * 3.6e+07 cm2/h\n"
           "m/s2\n"
           "s/m  * 1 kg/m2sPa\n"
           "s2/m2\n"
           "kg  * 1000 g  * 1e+06 mg  / 1000 t\n"
           "kg/ms\n"
           "kg/s  * 3600 kg/h  * 86400 kg/d  * 1000 g/s  * 3.6e6 g/h  * 8.64e+07 g/d  * 31536e6 "
           "g/a  * 1e6 mg/s  * 1e9 µg/s\n"
           "kg/m2  / 100 kg/dm2  * 10 g/dm2  / 10 g/cm2  * 1e6 mg/m2\n"
           "kg/m2s  * 1000 g/m2s  * 3.6e+06 g/m2h  * 86.4e+06 g/m2d  * 3600 kg/m2h  * 1e6 mg/m2s  "
           "* 1e9 µg/m2s  * 3.6e9 mg/m2h  * 3.6e12 µg/m2h\n"
           "kg/m3  / 1000 kg/dm3  * 1 g/dm3  / 1000 g/cm3  * 1000 g/m3  * 1e6 mg/m3  / 1000 kg/L  "
           "* 1 g/L  * 1000 mg/L  * 1e9 µg/m3  % 0 log(kg/m3)  % 0 log(g/m3)  % 0 log(mg/m3)  % 0 "
           "log(µg/m3)\n"
           "kg/m3s  * 1000 g/m3s  * 3.6e+06 g/m3h  * 3600 kg/m3h  * 1e6 mg/m3s  * 1e9 µg/m3s  * "
           "3.6e9 mg/m3h  * 3.6e12 µg/m3h\n"
           "kg/m  * 1000 g/m  * 1 g/mm  / 1000 kg/mm\n"
           "kg/kg  * 1000 g/kg  * 1e6 mg/kg\n"
           "kg/m2s05  * 60 kg/m2h05\n"
           "J  / 1000 kJ  / 1e+06 MJ  / 3.6e+09 MWh  / 3.6e+06 kWh  / 3600 Wh\n"
           "J/m2  / 1000 kJ/m2  / 1e+06 MJ/m2  / 1e+09 GJ/m2  / 1e+02 J/dm2  / 1e+04 J/cm2  / "
           "3.6e+06 kWh/m2\n"
           "J/m3  * 1 Ws/m3  / 1000 kJ/m3  / 1e+06 MJ/m3  / 1e+09 GJ/m3  / 1e+03 J/dm3  / 1e+06 "
           "J/cm3  / 3.6e+06 kWh/m3\n"
           "J/m3s  / 1000 kJ/m3s  / 1e+06 MJ/m3s  / 1000 J/dm3s  / 1e+06 J/cm3s  * 3600 J/m3h  * 1 "
           "W/m3  / 1000 kW/m3  / 1e+06 MW/m3  / 1000 W/dm3  / 1e+06 W/cm3  / 1e+09 W/mm3\n"
           "J/m3K  / 1000 kJ/m3K\n"
           "J/s  * 3600 J/h  * 86400 J/d  * 86.4 kJ/d  * 1 W  / 1000 kW  / 1e+06 MW  * 1 Nm/s\n"
           "J/kg  / 1000 kJ/kg\n"
           "J/kgK  / 1000 kJ/kgK  * 1 Ws/kgK  / 1000 J/gK  / 1000 Ws/gK\n"
           "J/K  / 1000 kJ/K\n"
           "J/m2s  * 1 W/m2  / 1000 kW/m2  / 1e+06 MW/m2  / 100 W/dm2  / 10000 W/cm2\n"
           "W/mK  / 1000 kW/mK\n"
           "W/m2K\n"
           "W/m2K2\n"
           "W/mK2\n"
           "L/m2s  * 3600 L/m2h  * 86400 L/m2d  * 86400 mm/d  * 3600 mm/h\n"
           "L/m3s  * 3600 L/m3h\n"
           "m3/m2s  * 3600 m3/m2h  * 1000 dm3/m2s  * 3.6e+06 dm3/m2h\n"
           "m3/m2sPa  * 3600 m3/m2hPa\n"
           "m3/s  * 3600 m3/h  * 1000 dm3/s  * 3.6e+06 dm3/h\n"
           "m3/m3  * 100 Vol%\n"
           "m3/m3d  * 100 Vol%/d\n"
           "---  * 100 %  * 1 1  * 10 1/10  * 8 1/8\n"
           "---/d  * 100 %/d\n"
           "K  - 273.15 C\n"
           "1/K\n"
           "K/m\n"
           "m2s/kg\n"
           "Pa  / 100 hPa  / 1000 kPa  * 1e-02 mBar  * 1e-05 Bar  * 0.000145038 PSI  * 0.00750062 "
           "Torr\n"
           "1/Pa\n"
           "Pa/m  / 1000 kPa/m\n"
           "Lux  / 1000 kLux\n"
           "Rad  * 57.2958 Deg\n"
           "m2/kg\n"
           "m2K/W\n"
           "1/m  / 100 1/cm\n"
           "logcm\n"
           "logm\n"
           "logPa\n"
           "K/Pa\n"
           "mol/kg  / 1000 mol/g\n"
           "kg/mol  * 1000 g/mol\n"
           "J/mol  / 1000 kJ/mol\n"
           "1/logcm\n"
           "mol/m3  / 1000 mol/L  / 1000 mol/dm3  / 1e+06 mol/cm3  / 1 mmol/L  / 1 mM\n"
           "mol  * 1e+03 mmol\n"
           "-\n"
           "mm/mK  / 1000 m/mK\n"
           "m3m/m3m  * 1000 m3mm/m3m  * 1 m/m  * 1000 mm/m\n"
           "kg/m3sK  * 1000 g/m3sK  * 3.6e+06 g/m3hK  * 3600 kg/m3hK  * 1e6 mg/m3sK  * 1e9 µg/m3sK "
           " * 3.6e9 mg/m3hK  * 3.6e12 µg/m3hK\n"
           "1/s  * 60 1/min  * 3600 1/h\n"
           "W/m2s  * 3600.0000000 W/m2h  / 1000.0000000 kW/m2s  / 1.000000e+06 MW/m2s  / "
           "100.0000000 W/dm2s  / 10000.0000000 W/cm2s\n"
           "Person/m2\n"
           "m2/Person\n"
           "W/Person  / 1000 kW/Person\n"
           "W/K\n"
           "kWh/m2a\n"
           "kWh/a\n"
           "m2/m3\n"
           "Kh\n";
}

UnitList &UnitList::instance()
{
    // Filled once; the initialisation of a local static is thread-safe.
    struct BuiltIn
    {
        UnitList m_list;
        BuiltIn()
        {
            std::istringstream in(builtInTable());
            m_list.read(in, true);
            m_list.m_builtInCount = m_list.size();
        }
    };
    static BuiltIn builtIn;
    return builtIn.m_list;
}

bool UnitList::read(std::istream &in, bool clearFirst)
{
    if (!in.good())
        return false;
    if (clearFirst)
        clear();

    // Identifiers are positions in the list, so numbering continues after the units already
    // present (at 0 after clearing).
    unsigned int id = static_cast<unsigned int>(size());
    unsigned int baseId = id;
    std::set<std::string> seen;

    std::string line;
    while (std::getline(in, line)) {
        std::istringstream lineStream(line);
        std::string name;
        if (!(lineStream >> name))
            continue; // empty line
        if (!seen.insert(name).second)
            throwDuplicate(name);
        add(new UnitData(id, name, baseId, 1, UnitData::OP_BASE));

        char op;
        double factor;
        while (lineStream >> op >> factor >> name) {
            if (!seen.insert(name).second)
                throwDuplicate(name);
            ++id;
            add(new UnitData(id, name, baseId, factor, operationCode(op)));
        }
        ++id;
        baseId = id;
    }
    return !empty();
}

const UnitData *UnitList::find(const std::string &name) const
{
    const std::map<std::string, std::string> &aliases = unitAliases();
    const auto alias = aliases.find(name);
    const std::string &wanted = alias == aliases.end() ? name : alias->second;
    for (std::size_t i = 0; i < size(); ++i)
        if ((*this)[i]->m_name == wanted)
            return (*this)[i];
    return nullptr;
}

const UnitData &UnitList::retrieve(std::size_t index) const
{
    if (index >= size()) {
        std::ostringstream text;
        text << "[UnitList::retrieve]  Unit index " << index << " out of range 0.."
             << static_cast<long long>(size()) - 1 << "!";
        throw Exception(text.str(), "[UnitList::retrieve]");
    }
    return *(*this)[index];
}

std::pair<double, int> UnitList::relate_units(const UnitData &source, const UnitData &target) const
{
    if (source.m_id == target.m_id)
        return {1.0, 0};
    if (source.m_baseId != target.m_baseId)
        throw Exception("Can't relate unit [" + source.m_name + "] to [" + target.m_name + "]!",
                        RelateContext);
    if (source.m_operation == UnitData::OP_SPECIAL || target.m_operation == UnitData::OP_SPECIAL)
        return {1.0, 5};

    const std::string divByZero = "Div by zero! " + conversionText(source, target);

    switch (source.m_operation) {
    case UnitData::OP_BASE:
        switch (target.m_operation) {
        case UnitData::OP_ADD:
            return {target.m_factor, 1};
        case UnitData::OP_SUB:
            return {-target.m_factor, 1};
        case UnitData::OP_MUL:
            return {target.m_factor, 3};
        case UnitData::OP_DIV:
            if (target.m_factor == 0)
                throw Exception(divByZero, RelateContext);
            return {1 / target.m_factor, 3};
        default:
            return {1.0, 0};
        }

    case UnitData::OP_MUL:
    case UnitData::OP_DIV: {
        // d takes the source value back into the base unit.
        double d;
        if (source.m_operation == UnitData::OP_MUL) {
            if (source.m_factor == 0)
                throw Exception(divByZero, RelateContext);
            d = 1 / source.m_factor;
        } else {
            d = source.m_factor;
        }
        switch (target.m_operation) {
        case UnitData::OP_ADD:
        case UnitData::OP_SUB:
            throw Exception("+ and - operations not allowed when using * and / operations! " +
                                conversionText(source, target),
                            RelateContext);
        case UnitData::OP_MUL:
            return {d * target.m_factor, 3};
        case UnitData::OP_DIV:
            if (target.m_factor == 0)
                throw Exception(divByZero, RelateContext);
            return {d / target.m_factor, 3};
        default:
            return {d, 3};
        }
    }

    default: { // "+" or "-"
        // e is the offset that takes the source value back into the base unit.
        const double e =
            source.m_operation == UnitData::OP_ADD ? -source.m_factor : source.m_factor;
        switch (target.m_operation) {
        case UnitData::OP_ADD:
            return {e + target.m_factor, 1};
        case UnitData::OP_SUB:
            return {e - target.m_factor, 1};
        case UnitData::OP_MUL:
        case UnitData::OP_DIV:
            throw Exception("* and / operations not allowed when using + and - operations! " +
                                conversionText(source, target),
                            RelateContext);
        default:
            return {e, 1};
        }
    }
    }
}

void UnitList::convert(std::size_t sourceIndex, std::size_t targetIndex, double &value) const
{
    const UnitData &source = retrieve(sourceIndex);
    const UnitData &target = retrieve(targetIndex);
    const std::pair<double, int> relation = relate_units(source, target);
    switch (relation.second) {
    case 1:
        value += relation.first;
        break;
    case 3:
        value *= relation.first;
        break;
    case 5:
        convert_special(source, target, value);
        break;
    default:
        break;
    }
}

void UnitList::convert_special(const UnitData &source, const UnitData &target, double &value) const
{
    static const std::string microLog = "log(\xC2\xB5g/m3)";
    double v = value;

    // into the base unit of the family
    if (source.m_operation == UnitData::OP_SPECIAL) {
        const std::string &n = source.m_name;
        if (n == "sqrt(s)")
            v = v * v;
        else if (n == "sqrt(h)")
            v = v * v * 3600;
        else if (n == "log(kg/m3)")
            v = f_pow10(v);
        else if (n == "log(g/m3)")
            v = f_pow10(v) / 1000;
        else if (n == "log(mg/m3)")
            v = f_pow10(v) / 1e6;
        else if (n == microLog)
            v = f_pow10(v) / 1e9;
    } else {
        convert(source.m_id, source.m_baseId, v);
    }

    // from the base unit into the target
    if (target.m_operation == UnitData::OP_SPECIAL) {
        const std::string &n = target.m_name;
        if (n == "sqrt(s)" || n == "sqrt(h)") {
            if (v < 0)
                throw Exception("Trying to take square root of negative number!", SpecialContext);
            v = n == "sqrt(s)" ? std::sqrt(v) : std::sqrt(v / 3600);
        } else if (n == "log(kg/m3)" || n == "log(g/m3)" || n == "log(mg/m3)" || n == microLog) {
            if (v <= 0)
                throw Exception("Trying to take logarithm of zero or negative number!",
                                SpecialContext);
            if (n == "log(kg/m3)")
                v = f_log10(v);
            else if (n == "log(g/m3)")
                v = f_log10(v * 1000);
            else if (n == "log(mg/m3)")
                v = f_log10(v * 1e6);
            else
                v = f_log10(v * 1e9);
        } else {
            return; // no rule for this special unit: the caller's value stays as it was
        }
    } else {
        convert(target.m_baseId, target.m_id, v);
    }
    value = v;
}

} // namespace HTL
