#pragma once

#include "htl/HTL_UnitData.h"
#include "htl/HTL_ptr_list.h"

#include <iosfwd>
#include <string>
#include <utility>

namespace HTL {

/*! The process-wide list of physical units.

    Every unit belongs to a family headed by a base unit (an SI-style unit such as "m",
    "kg/m3", "Pa") and is related to it by one operation and one factor, so any two units of the
    same family convert into each other through the base. A unit's identifier is its position in
    the list. The list is filled from the unit table compiled into the program on first use of
    instance() and is only read afterwards.

    Unit table format, one family per line: the base unit name, then any number of triples
    (operation character, factor, unit name), separated by blanks or tabs, e.g.
    "m  * 1e+03 mm  * 1e+02 cm". Operation characters: "+", "-", "*", "/" and "%" (special
    conversion by name).

    Every error throws HTL::Exception with a context "[UnitList::<operation>]".
*/
class UnitList : public ptr_list<UnitData>
{
public:
    UnitList() = default;

    /*! The application's unit list, filled from the built-in table on first use. */
    static UnitList &instance();

    /*! The built-in unit table (UTF-8). */
    static const char *builtInTable();

    /*! Reads a unit table. Returns false without changing anything when the stream is not in a
        good state. With clearFirst the list is emptied first. A name that occurs twice in the
        table throws "Duplicate unit '%1' defined." and leaves the units read so far in the list.
        Returns true when the list is not empty afterwards. */
    bool read(std::istream &in, bool clearFirst);

    /*! The unit with this name (after translating aliases such as "l/m2h" -> "L/m2h"), or
        nullptr. Exact, case-sensitive comparison. */
    const UnitData *find(const std::string &name) const;

    /*! The unit with this identifier; an index at or beyond size() throws. */
    const UnitData &retrieve(std::size_t index) const;

    /*! Number of units that came from the built-in table. */
    std::size_t builtInCount() const { return m_builtInCount; }

    /*! How a value in source becomes a value in target: (factor, code) with code 0 no change,
        1 add the factor, 3 multiply by the factor, 5 special conversion needed. Units of
        different families, or a mix of additive and multiplicative units, throw. */
    std::pair<double, int> relate_units(const UnitData &source, const UnitData &target) const;

    /*! Converts value in place from the unit sourceIndex to the unit targetIndex. */
    void convert(std::size_t sourceIndex, std::size_t targetIndex, double &value) const;

    /*! Conversion through the base unit where source or target is special (square root of a
        time, decadic logarithm of a concentration). A square root of a negative or a logarithm
        of a non-positive value throws. A special target without a known rule leaves value
        unchanged. */
    void convert_special(const UnitData &source, const UnitData &target, double &value) const;

private:
    std::size_t m_builtInCount = 0;
};

} // namespace HTL
