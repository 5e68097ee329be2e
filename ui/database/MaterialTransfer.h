#pragma once

#include "model/Material.h"
#include "qtext/MaterialBase.h"

#include <QCoreApplication>

/*  Shows one of the program's materials in the material table of QtExt: a copy of the material
    behind the generic material interface, with the program's number formats.

    Towards the table the category "Unknown" counts as "Miscellaneous", and conductivity and
    resistance factor are those of a layer of width 0 (an air layer's factor is 1 there).
*/
class MaterialTransfer : public QtExt::MaterialBase
{
    Q_DECLARE_TR_FUNCTIONS(MaterialTransfer)
public:
    /*! Where a material comes from (the source code of the table). */
    enum Source
    {
        DatabaseMaterial = 0,
        UserMaterial = 1
    };

    /*! otherNames: the material's names in the other languages of its database. */
    MaterialTransfer(const Material &material, int identifier, int sourceCode,
                     const QStringList &otherNames = QStringList());

    /*! The table's text of a property value (see QtExt::MaterialBase::Property); locale-aware,
        without group separators. Empty for an unknown property. */
    static QString formatValue(int property, double value);

    const Material &material() const { return m_material; }

    QString name() const override { return m_material.m_name; }
    QStringList otherNames() const override { return m_otherNames; }
    int category() const override;
    QColor color() const override { return m_material.m_color; }
    QString description() const override;
    QString productName() const override { return m_material.m_productName; }
    QString producer() const override { return m_material.m_producer; }
    QString dataSource() const override { return m_material.m_dataSource; }
    double rho() const override { return m_material.m_rho; }
    double mu() const override;
    double lambda() const override;
    double w_80() const override { return m_material.m_w_80; }
    double w_sat() const override { return m_material.m_w_sat; }
    double sd_value() const override { return m_material.m_sd_value; }
    double sd_summer() const override
    {
        return m_material.hasSummerSd() ? m_material.m_sd_summer : 0;
    }
    QDate measuringDate() const override { return m_material.m_measuringDate; }
    QDate samplingDate() const override { return m_material.m_samplingDate; }
    QDate productionDate() const override { return m_material.m_productionDate; }
    double A_w() const override { return m_material.m_A_w; }
    bool isWood() const override { return m_material.isWood(); }
    bool isWoodBased() const override { return m_material.isWoodBased(); }
    bool isAir() const override { return m_material.isAir(); }
    bool isFoil() const override { return m_material.isFoil(); }
    int materialId() const override { return m_material.m_materialId; }
    int sourceCode() const override { return m_sourceCode; }
    int propertyMask() const override { return m_material.m_A_w > 0 ? 7 : 3; }

private:
    Material m_material;
    int m_sourceCode;
    QStringList m_otherNames;
};
