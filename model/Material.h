#pragma once

#include "settings/HeatFlowDirection.h"

#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <set>
#include <vector>

/*  One building material with the thermal and hygric properties the Glaser and moisture-storage
    calculations need. The same plain value type is an entry of the material databases, the
    material copy inside each construction layer and the material element of the project file.
    The file forms are read and written in persistence/.

    Air layers are ordinary materials carrying the air flag: their effective conductivity and
    vapour diffusion resistance factor follow from the layer width (lambda(), mu()).

    All numbers are SI values; the user interface converts only for display.
*/
class Material
{
public:
    /*! Material flags kept in m_flags. */
    enum Flag
    {
        F_Wood = 0,
        F_WoodBased = 1,
        F_Air = 2,
        F_Foil = 3
    };

    /*! Category "Unknown": the default, never a valid material. */
    static const int UnknownCategory = 13;

    Material() = default;

    /*! Full construction. mu_min and mu_max take mu, sd_value is 0, the dates are null, the flag
        set is empty and the colour is a random opaque colour drawn from std::rand(). */
    Material(const QString &name, int category, const QString &notes, const QString &productName,
             const QString &producer, const QString &dataSource, double rho, double lambda,
             double mu, double w_80, double w_sat, double A_w, int materialId);

    /*! Clears the flag set and inserts the flag of each argument that is true. */
    void setFlags(bool air, bool wood, bool woodBased, bool foil);

    bool isAir() const { return m_flags.count(F_Air) != 0; }
    bool isWood() const { return m_flags.count(F_Wood) != 0; }
    bool isWoodBased() const { return m_flags.count(F_WoodBased) != 0; }
    bool isFoil() const { return m_flags.count(F_Foil) != 0; }

    /*! Name not empty, rho > 0, lambda > 0, mu > 0, 0 < w_80 < w_sat <= 1, A_w >= 0, a
        category 0..12, a summer sd-value only beside an sd-value (summerSdRule()), and every
        number acceptable() on its own. */
    bool isValid() const;

    /*! The numbers of a material that have physical bounds. */
    enum Quantity
    {
        Q_Rho,
        Q_Lambda,
        Q_Mu,
        Q_MuMin,
        Q_MuMax,
        Q_W80,
        Q_WSat,
        Q_Aw,
        Q_SdValue,
        Q_SdSummer
    };
    /*! Every quantity, in the order of the checks. */
    static const Quantity Quantities[10];
    /*! The value of a quantity of this material. */
    double value(Quantity quantity) const;
    /*! Whether value (SI unit of the field) is a physically possible value of the quantity on
        its own: a finite number inside the bounds of the quantity (relations between values,
        such as w_80 < w_sat, are isValid()'s). Infinite, NaN and subnormal numbers never are.
        When not, reason (if given) receives a translated text naming the quantity, the value
        and the bounds (context "Material"). The one rule for readers, validation and edits. */
    static bool acceptable(Quantity quantity, double value, QString *reason = nullptr);

    /*! Longest text (name, notes, product name, producer, data source, descriptions) kept from
        a file; longer texts are cut when read, and the reader notes it. */
    static constexpr int MaxTextLength = 10000;
    /*! Cuts text to MaxTextLength characters; true when it was longer. */
    static bool capText(QString &text);
    /*! capText() on the five texts of the material; true when one was cut. */
    bool capTexts();

    /*! Effective thermal conductivity in W/(m·K) for a layer of width_m (m): the stored m_lambda,
        or for an air material of positive width the equivalent conductivity of the air layer.
        The heat-flow direction matters for air layers only. */
    double lambda(double width_m, HeatFlowDirection heatFlowDirection) const;

    /*! Effective vapour diffusion resistance factor (-) for a layer of width_m (m): the stored
        m_mu, or for an air material the factor of the air layer. This is the factor of the
        condensation (winter) period. */
    double mu(double width_m) const;

    /*! Whether the material gives a second sd-value for the evaporation (summer) period: a
        humidity-variable vapour retarder, whose resistance falls when the air around it is
        humid. Only a material specified by its sd-value (sd_value > 0) can; air never. */
    bool hasSummerSd() const { return m_sd_summer > 0 && m_sd_value > 0 && !isAir(); }

    /*! Effective vapour diffusion resistance factor (-) in the evaporation (summer) period for a
        layer of width_m (m): mu(width_m) scaled by sd_summer / sd_value for a humidity-variable
        retarder, so that the layer's summer sd is sd_summer; otherwise exactly mu(width_m). */
    double muSummer(double width_m) const;

    /*! Whether a summer sd-value sdSummer (m; 0: none) fits beside the sd-value sdValue (m):
        none always; a positive one only for a material specified by its sd-value. When not,
        reason (if given) receives a translated text (context "Material"). The one rule for
        readers, validation and edits, besides acceptable(Q_SdSummer, ...). */
    static bool summerSdRule(double sdSummer, double sdValue, QString *reason = nullptr);

    /*! Compares colour, category, name, air flag, notes, data source, rho, lambda, mu, mu_min,
        mu_max, A_w, w_80, w_sat, the summer sd-value, product name and producer (doubles
        exactly). */
    bool operator==(const Material &other) const;
    bool operator!=(const Material &other) const { return !(*this == other); }

    // --- categories (translated in context "MaterialCategory", disambiguation "MaterialCategory")

    /*! The translated names of the categories 0..12. */
    static QStringList categoryNames();
    /*! Translated name of a category; "Unknown" for 13, above and below 0. */
    static QString categoryName(int category);
    /*! Index of a translated category name among 0..12; 13 when none matches. */
    static int categoryIndex(const QString &translatedName);
    /*! Values above 13 and negative values become 13. */
    static int clampCategory(int category);
    /*! The translated text "Unknown" (context "Material") that replaces an empty name read from
        a file. */
    static QString unknownName();
    /*! The fill colour of a layer whose file gives none (a layer without material data, an old
        file without a colour): a light grey that stands out from the white page and from
        black outlines. */
    static QColor defaultColor();

    // --- data, in declaration order ---

    QString m_name;
    int m_category = UnknownCategory; ///< 0..12, 13 = unknown
    QColor m_color;                   ///< fill colour in tables, sketch and report
    QString m_notes;
    QString m_productName;
    QString m_producer;
    QString m_dataSource;
    double m_rho = 0;      ///< bulk density in kg/m³
    double m_mu_min = 0;   ///< lower value of the vapour diffusion resistance factor (-)
    double m_mu_max = 0;   ///< upper value of the vapour diffusion resistance factor (-)
    double m_w_80 = 0;     ///< moisture content at 80 % relative humidity in m³/m³
    double m_w_sat = 0;    ///< free saturation moisture content in m³/m³
    double m_sd_value = 0; ///< diffusion-equivalent air layer thickness in m; > 0 for foils etc.
    /*! Diffusion-equivalent air layer thickness in m in the evaporation (summer) period of a
        humidity-variable vapour retarder (the humid-range or wet-cup value of its data sheet);
        sd_value is then its winter (dry-range) value. 0: the material has one sd-value. */
    double m_sd_summer = 0;
    std::optional<int>
        m_databaseInteger; ///< additional integer of a database record; unset otherwise
    QDate m_measuringDate;
    QDate m_samplingDate;
    QDate m_productionDate;
    double m_A_w = 0;  ///< water uptake coefficient in kg/(m²·s^0.5)
    double m_w_95 = 0; ///< moisture content at 95 % relative humidity in m³/m³ (legacy files only)
    double m_lambda = 0;   ///< thermal conductivity in W/(m·K)
    double m_mu = 0;       ///< vapour diffusion resistance factor (-) used by the calculation
    std::set<int> m_flags; ///< 0 wood, 1 wood-based, 2 air, 3 foil
    int m_materialId = 0;  ///< identifier within its database (65536: construction database)
    std::vector<int> m_applicationCodes; ///< applications a database record is meant for
};
