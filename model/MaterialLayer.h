#pragma once

#include "model/LayerBridge.h"
#include "model/Material.h"

#include <optional>

/*  One construction layer: a complete copy of a material plus the layer's width. Editing the
    layer's material never touches the material database, and a project file is self-contained.

    A material specified by its sd-value (sd_value > 0: foils, membranes, coatings) fixes the
    width of its layer: width = sd / mu. Such a layer ignores setWidth(); its width changes only
    when its material changes.

    A layer may be inhomogeneous: a second material (studs, rafters, battens) with its area
    fraction bridges it (m_bridge). The layer's own material is then the field between the
    bridging members; the U-value follows DIN EN ISO 6946 for inhomogeneous layers, and the
    condensation assessments run on the field section.

    Width unit codes: 1 m, 10 dm, 100 cm, 1000 mm; any other value counts as metres.
*/
class MaterialLayer : public Material
{
public:
    MaterialLayer() = default;
    /*! Copies the material, sets the width (m) and applies the sd rule. */
    MaterialLayer(const Material &material, double width_m);

    /*! Width converted to the unit code. */
    double width(int unitCode = 1) const;
    /*! Stores the value converted from the unit code to metres; does nothing when the material
        has an sd-value other than 0. No range check. */
    void setWidth(double value, int unitCode = 1);

    using Material::lambda;
    using Material::mu;
    using Material::muSummer;

    /*! Effective thermal conductivity in W/(m·K) at this layer's width. */
    double lambda(HeatFlowDirection heatFlowDirection) const
    {
        return Material::lambda(m_width, heatFlowDirection);
    }
    /*! Effective vapour diffusion resistance factor (-) at this layer's width. */
    double mu() const { return Material::mu(m_width); }
    /*! Effective vapour diffusion resistance factor (-) in the evaporation (summer) period at
        this layer's width: mu() unless the material is a humidity-variable retarder. */
    double muSummer() const { return Material::muSummer(m_width); }

    /*! Replaces the material copy, keeps the width, then applies the sd rule. A material that
        cannot carry a second material (canCarryBridge()) takes the layer's bridge away. */
    void changeMaterial(const Material &material);

    /*! Whether width_m (m) is a physically possible layer width: a finite number from 1e-12 m
        to 100 m. A wider layer is a unit or typing error, and a width below a picometre (or a
        subnormal number) makes quotients of the calculation overflow. When not, reason (if
        given) receives a translated text with the value and the bounds (context "Material").
        The one rule for readers, validation and edits. */
    static bool acceptableWidth(double width_m, QString *reason = nullptr);

    /*! The material part of the layer. */
    const Material &material() const { return *this; }

    /*! The layer carries a second, bridging material. */
    bool hasBridge() const { return m_bridge.has_value(); }

    /*! Whether a layer of the material can carry a second material: not when the material is
        given by its sd-value. A foil, a membrane or a coating is a sheet of a fraction of a
        millimetre; studs do not run through it, and its width is not a thickness that a
        bridging member could fill. The one rule for edits, readers and the database. */
    static bool canCarryBridge(const Material &material) { return material.m_sd_value == 0; }

    /*! Widths exactly equal, materials equal and bridges equal (or both absent). */
    bool operator==(const MaterialLayer &other) const;
    bool operator!=(const MaterialLayer &other) const { return !(*this == other); }

    double m_width = 0; ///< layer thickness in m
    /*! The second material with its area fraction; absent for a homogeneous layer. */
    std::optional<LayerBridge> m_bridge;

private:
    /*! Width of an sd-specified material: sd / mu evaluated at the current width. */
    void applySdRule();
};
