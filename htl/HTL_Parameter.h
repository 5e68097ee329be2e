#pragma once

#include "htl/HTL_Unit.h"

#include <iosfwd>
#include <string>

namespace HTL {

/*! A named physical value as written in keyword files, e.g. "Width = 20 mm".

    The value is stored in the base unit of its unit's family (here 0.02, in m); the unit in
    which it was written is kept as input/output unit, so the value can be given back in that
    or any other unit of the family.
*/
class Parameter
{
public:
    Parameter() = default;
    Parameter(const std::string &name, double value, const Unit &unit);

    /*! Reads "name separator value unit" (the separator word, normally "=", is discarded), or
        with valueOnly just "value unit". A failing stream throws "Error reading parameter.", an
        unknown unit the error of HTL::Unit, a failed conversion its text, all with context
        "[Parameter::read]". */
    void read(std::istream &in, bool valueOnly = false);

    /*! Stores unit as input/output unit and value converted into the base unit. On a conversion
        error returns false with its text in errorText. */
    bool set(double value, const Unit &unit, std::string &errorText);

    /*! The value converted into unit; a conversion error throws "Error converting unit in
        parameter '%1'." with context "[Parameter::get_value]" around the cause. */
    double get_value(const Unit &unit) const;

    const std::string &name() const { return m_name; }
    void setName(const std::string &name) { m_name = name; }
    /*! The value in the base unit of the input/output unit. */
    double value() const { return m_value; }
    const Unit &IO_unit() const { return m_IO_unit; }

private:
    std::string m_name;
    double m_value = 0; ///< in the base unit of m_IO_unit's family
    Unit m_IO_unit;
};

} // namespace HTL
