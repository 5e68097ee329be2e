#pragma once

#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

namespace QtExt {

/*  What the material table of QtExt needs to know of one material, without knowing the
    program's material record: a program adapts its own record by deriving from this class.

    The numbers are SI values (kg/m³, W/(m·K), m³/m³, m, kg/(m²·s^0.5)); how they are shown is
    the business of the value formatter that the derived class installs, keyed by the property
    codes below.
*/
class MaterialBase
{
public:
    /*! Property codes of the value formatter: which number format a value gets. */
    enum Property
    {
        P_Rho = 7,           ///< bulk density in kg/m³
        P_Temperature = 8,   ///< a temperature in °C
        P_Lambda = 9,        ///< thermal conductivity in W/(m·K)
        P_Mu = 10,           ///< vapour diffusion resistance factor (-)
        P_Thousandths = 11,  ///< a value shown in thousandths of its unit
        P_Thousandths2 = 12, ///< as P_Thousandths
        P_SmallValue = 13,   ///< moisture contents in m³/m³, water uptake in kg/(m²·s^0.5)
        P_SdValue = 14       ///< diffusion-equivalent air layer thickness in m
    };

    /*! Turns the value of a property into the text shown in the table. */
    using ValueFormatter = std::function<QString(int property, double value)>;

    /*! identifier: an integer the owner of the material keeps with it (an index, a key). */
    explicit MaterialBase(int identifier)
        : m_identifier(identifier)
    {
    }
    virtual ~MaterialBase() = default;

    virtual QString name() const = 0;
    /*! The name in other languages, which the name filter matches as well. */
    virtual QStringList otherNames() const { return QStringList(); }
    /*! Category 0..12 (names are given to the table by the program). */
    virtual int category() const = 0;
    virtual QColor color() const = 0;
    /*! Several lines on data source, notes, flags and dates. */
    virtual QString description() const = 0;
    virtual QString productName() const = 0;
    virtual QString producer() const = 0;
    virtual QString dataSource() const = 0;
    virtual QString text1() const { return QString(); }
    virtual QString text2() const { return QString(); }
    virtual QString text3() const { return QString(); }
    virtual QString text4() const { return QString(); }
    virtual QString text5() const { return QString(); }
    virtual QString text6() const { return QString(); }
    virtual QString text7() const { return QString(); }
    virtual QString text8() const { return QString(); }
    virtual QString text9() const { return QString(); }
    virtual QString text10() const { return QString(); }
    virtual double rho() const = 0;
    virtual double value1() const { return 0; }
    /*! Vapour diffusion resistance factor of a layer of width 0. */
    virtual double mu() const = 0;
    /*! Thermal conductivity of a layer of width 0. */
    virtual double lambda() const = 0;
    virtual double w_80() const = 0;
    virtual double w_sat() const = 0;
    virtual double sd_value() const = 0;
    /*! sd-value of a humidity-variable vapour retarder in the humid summer (m); 0 when the
        material keeps its winter value. */
    virtual double sd_summer() const { return 0; }
    virtual double value2() const { return 0; }
    virtual const void *data() const { return nullptr; }
    virtual QDate measuringDate() const = 0;
    virtual QDate samplingDate() const = 0;
    virtual QDate productionDate() const = 0;
    virtual double A_w() const = 0;
    virtual bool isWood() const = 0;
    virtual bool isWoodBased() const = 0;
    virtual bool isAir() const = 0;
    virtual bool isFoil() const = 0;
    virtual int materialId() const = 0;
    /*! Where the material comes from, as the program counts it (shipped, user, ...). */
    virtual int sourceCode() const = 0;
    /*! Which properties are given: bit 0 thermal, bit 1 vapour, bit 2 liquid transport. */
    virtual int propertyMask() const = 0;

    int identifier() const { return m_identifier; }

    /*! The text of a property value; empty without a formatter. */
    QString formatted(int property, double value) const
    {
        return m_formatter ? m_formatter(property, value) : QString();
    }

protected:
    void setValueFormatter(ValueFormatter formatter) { m_formatter = std::move(formatter); }

private:
    int m_identifier;
    ValueFormatter m_formatter;
};

} // namespace QtExt
