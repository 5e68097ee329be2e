#pragma once

#include <string>

namespace HTL {

/*! A handle of one unit of the process-wide unit list: just the unit's identifier (its
    position in the list), cheap to copy. A handle can only be made for a unit that exists, so
    it never dangles. */
class Unit
{
public:
    /*! The unit "undefined" (identifier 0). */
    Unit() = default;
    /*! The unit of this name (aliases accepted); an unknown name throws HTL::Exception
        "Unit '%1' not found." with context "[Unit::Unit]". */
    explicit Unit(const std::string &name);
    explicit Unit(const char *name);
    /*! The unit with this identifier; an index not below the number of units throws
        "Unit index %1 out of range 0..%2." with context "[Unit::Unit]". */
    explicit Unit(unsigned int index);

    unsigned int id() const { return m_id; }
    /*! The unit's name in the unit list. */
    const std::string &name() const;
    /*! Identifier of the base unit of the unit's family. */
    unsigned int base_id() const;

    bool operator==(const Unit &other) const { return m_id == other.m_id; }
    bool operator!=(const Unit &other) const { return m_id != other.m_id; }

private:
    unsigned int m_id = 0;
};

} // namespace HTL
