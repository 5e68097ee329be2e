#include "htl/HTL_Parameter.h"

#include "htl/HTL_Exception.h"
#include "htl/HTL_PlaceholderText.h"
#include "htl/HTL_UnitList.h"

#include <istream>

namespace HTL {

Parameter::Parameter(const std::string &name, double value, const Unit &unit)
    : m_name(name)
{
    std::string errorText;
    if (!set(value, unit, errorText))
        throw Exception(errorText, "[Parameter::Parameter]");
}

void Parameter::read(std::istream &in, bool valueOnly)
{
    std::string name;
    std::string separator;
    double value = 0;
    std::string unitName;
    if (!valueOnly)
        in >> name >> separator;
    in >> value >> unitName;
    if (!in)
        throw Exception("Error reading parameter.", "[Parameter::read]");

    const Unit unit(unitName);
    std::string errorText;
    if (!set(value, unit, errorText))
        throw Exception(errorText, "[Parameter::read]");
    if (!valueOnly)
        m_name = name;
}

bool Parameter::set(double value, const Unit &unit, std::string &errorText)
{
    try {
        double v = value;
        UnitList::instance().convert(unit.id(), unit.base_id(), v);
        m_IO_unit = unit;
        m_value = v;
    } catch (const Exception &ex) {
        errorText = ex.what();
        return false;
    }
    return true;
}

double Parameter::get_value(const Unit &unit) const
{
    try {
        double v = m_value;
        UnitList::instance().convert(m_IO_unit.base_id(), unit.id(), v);
        return v;
    } catch (const Exception &ex) {
        throw Exception(ex, PlaceholderText("Error converting unit in parameter '%1'.").arg(m_name),
                        "[Parameter::get_value]");
    }
}

} // namespace HTL
