#include "htl/HTL_Unit.h"

#include "htl/HTL_Exception.h"
#include "htl/HTL_PlaceholderText.h"
#include "htl/HTL_UnitList.h"

namespace HTL {

Unit::Unit(const std::string &name)
{
    const UnitData *unit = UnitList::instance().find(name);
    if (unit == nullptr)
        throw Exception(PlaceholderText("Unit '%1' not found.").arg(name), "[Unit::Unit]");
    m_id = unit->m_id;
}

Unit::Unit(const char *name)
    : Unit(std::string(name))
{
}

Unit::Unit(unsigned int index)
{
    const std::size_t count = UnitList::instance().size();
    if (index >= count)
        throw Exception(PlaceholderText("Unit index %1 out of range 0..%2.")
                            .arg(index)
                            .arg(static_cast<long long>(count) - 1),
                        "[Unit::Unit]");
    m_id = index;
}

const std::string &Unit::name() const
{
    return UnitList::instance().retrieve(m_id).m_name;
}

unsigned int Unit::base_id() const
{
    return UnitList::instance().retrieve(m_id).m_baseId;
}

} // namespace HTL
