#pragma once

#include <QColor>
#include <QDate>
#include <QString>
#include <QStringList>
#include <iosfwd>
#include <optional>
#include <set>
#include <vector>

class QDataStream;
class QXmlStreamReader;
class QXmlStreamWriter;

/*  One building material with the thermal and hygric properties the Glaser and moisture-storage
    calculations need. The same plain value type is an entry of the material databases, the
    material copy inside each construction layer and the material element of the project file.

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

    /*! Name not empty, rho > 0, lambda > 0, mu > 0, 0 < w_80 < w_sat <= 1, A_w >= 0 and a
        category 0..12. */
    bool isValid() const;

    /*! Effective thermal conductivity in W/(m·K) for a layer of width_m (m): the stored m_lambda,
        or for an air material of positive width the equivalent conductivity of the air layer.
        heatFlowDirection: 0 downwards, 1 upwards, 2 horizontal (others count as downwards). */
    double lambda(double width_m, int heatFlowDirection) const;

    /*! Effective vapour diffusion resistance factor (-) for a layer of width_m (m): the stored
        m_mu, or for an air material the factor of the air layer. */
    double mu(double width_m) const;

    /*! Compares colour, category, name, air flag, notes, data source, rho, lambda, mu, mu_min,
        mu_max, A_w, w_80, w_sat, product name and producer (doubles exactly). */
    bool operator==(const Material &other) const;
    bool operator!=(const Material &other) const { return !(*this == other); }

    /*! Writes the data-stream form of the given stream version (1..4). */
    void write(QDataStream &out, int version) const;

    /*! Reads the data-stream form of the given version (1..4). Fields the version does not
        contain keep their values; the flag set is replaced by the flags read; m_materialId takes
        materialId. Returns true when the stream status is good. On failure (bad stream or an
        unknown version) the material is left unchanged. */
    bool read(QDataStream &in, int version, int materialId);

    /*! Reads the project-file element "Material"; the reader stands on its start element and is
        left on its end element. Missing attributes keep the current values (texts become empty).
        A colour that is not three integers 0..255 raises the reader error "Invalid encoding '%1'
        of material color.", an unconvertible number "Invalid value for attribute '%1'.".
        Returns true when the colour was read and the material is valid. */
    bool readXML(QXmlStreamReader &reader);
    /*! Writes the element "Material" with all its attributes. */
    void writeXML(QXmlStreamWriter &writer) const;

    /*! Reads a material block of the first program generation's keyword text (old project
        files, version-1 material lists) up to and including its closing "}"; the line with the
        block's opening "{" has been read. version is the file's version string ("1.3" files
        give W_hyg at 95 % relative humidity, older ones at 80 %). Values not in the block keep
        their current values. Returns false with a message starting "[Material::readOld]"; any
        exception raised while reading is caught and turned into that message. */
    bool readOld(std::istream &in, const std::string &version, QString &message);

    /*! Category of a category text of the keyword files: the German category names of the
        first program generation first, then the translated names (categoryIndex()); 13 when
        neither matches. */
    static int categoryFromOldText(const QString &text);

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
