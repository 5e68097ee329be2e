#pragma once

#include <QString>

class MaterialList;

/*  The material database as mirelo2-batch --materials prints it: every material (database
    materials first, then the user's) with id, name, category, rho (kg/m³), lambda (W/(m·K)),
    mu (-), sd (m), w_80 and w_sat (m³/m³), A_w (kg/(m²·s^0.5)), flags and whether it is a user
    material.
*/
namespace MaterialListing {

/*! A tab-separated table with a header line. */
QString text(const MaterialList &list);

/*! A JSON array with one object per material. */
QString json(const MaterialList &list);

} // namespace MaterialListing
