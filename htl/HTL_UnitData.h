#pragma once

#include <string>

namespace HTL {

/*! One physical unit of the unit list: its position in the list, its name and how a value in
    this unit follows from the value in the base unit of its family.

    Operations: 0 this is the base unit, 1 "+" (value = base value + factor), 2 "-" (value =
    base value - factor), 3 "*" (value = base value * factor), 4 "/" (value = base value /
    factor), 5 "%" (special conversion by name, e.g. square roots and logarithms; factor
    unused).
*/
struct UnitData
{
    enum Operation
    {
        OP_BASE = 0,
        OP_ADD = 1,
        OP_SUB = 2,
        OP_MUL = 3,
        OP_DIV = 4,
        OP_SPECIAL = 5
    };

    UnitData() = default;
    UnitData(unsigned int id, const std::string &name, unsigned int baseId, double factor,
             int operation)
        : m_id(id)
        , m_name(name)
        , m_baseId(baseId)
        , m_factor(factor)
        , m_operation(operation)
    {
    }

    unsigned int m_id = 0;     ///< position in the unit list
    std::string m_name;        ///< UTF-8, case-sensitive, e.g. "kg/m3", "µg/m3"
    unsigned int m_baseId = 0; ///< identifier of the base unit of the family
    double m_factor = 1;       ///< factor or offset of the operation
    int m_operation = OP_BASE;
};

} // namespace HTL
