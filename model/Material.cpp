#include "model/Material.h"

#include <QCoreApplication>
#include <cstdlib>

#include "model/PhysicsFunctions.h"

namespace {

// The disambiguation "MaterialCategory" separates these texts from equal ones elsewhere
// ("Unknown").
struct CategoryText
{
    const char *m_source;
    const char *m_disambiguation;
};

const CategoryText CATEGORY_NAMES[] = {
    QT_TRANSLATE_NOOP3("MaterialCategory", "Coating", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Plaster and mortar", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Building brick", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Natural stones", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Concrete containing building materials",
                       "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Insulation materials", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Building boards", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Timber", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Natural materials", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Soil", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Cladding panels and ceramic tiles", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Foils and waterproofing products", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Miscellaneous", "MaterialCategory"),
    QT_TRANSLATE_NOOP3("MaterialCategory", "Unknown", "MaterialCategory"),
};
const int CATEGORY_COUNT = 13; // valid categories 0..12; index 13 is "Unknown"

QString translatedCategory(int index)
{
    return QCoreApplication::translate("MaterialCategory", CATEGORY_NAMES[index].m_source,
                                       CATEGORY_NAMES[index].m_disambiguation);
}

/*! One draw of the C library generator reduced to 0..32767. The colour formula scales by 32767;
    glibc's RAND_MAX is 2^31-1, so only the low 15 bits are used. */
int rand15()
{
    return std::rand() % 32768;
}

} // namespace

Material::Material(const QString &name, int category, const QString &notes,
                   const QString &productName, const QString &producer, const QString &dataSource,
                   double rho, double lambda, double mu, double w_80, double w_sat, double A_w,
                   int materialId)
    : m_name(name)
    , m_category(category)
    , m_notes(notes)
    , m_productName(productName)
    , m_producer(producer)
    , m_dataSource(dataSource)
    , m_rho(rho)
    , m_mu_min(mu)
    , m_mu_max(mu)
    , m_w_80(w_80)
    , m_w_sat(w_sat)
    , m_A_w(A_w)
    , m_lambda(lambda)
    , m_mu(mu)
    , m_materialId(materialId)
{
    // three separate statements: the order of the draws is part of the behaviour
    const int r1 = rand15();
    const int r2 = rand15();
    const int r3 = rand15();
    m_color = QColor(r3 * 255 / 32767, r2 * 255 / 32767, r1 * 255 / 32767, 255);
}

void Material::setFlags(bool air, bool wood, bool woodBased, bool foil)
{
    m_flags.clear();
    if (air)
        m_flags.insert(F_Air);
    if (wood)
        m_flags.insert(F_Wood);
    if (woodBased)
        m_flags.insert(F_WoodBased);
    if (foil)
        m_flags.insert(F_Foil);
}

bool Material::isValid() const
{
    // written with positive conditions so that NaN values are not valid; a negative category
    // (an XML file stores the value as read) is out of range like 13 and above
    if (!(!m_name.isEmpty() && m_rho > 0 && m_lambda > 0 && m_mu > 0 && m_w_80 > 0 &&
          m_w_80 < m_w_sat && m_w_sat <= 1 && m_A_w >= 0 && m_category >= 0 && m_category <= 12))
        return false;
    if (!summerSdRule(m_sd_summer, m_sd_value))
        return false;
    for (Quantity q : Quantities)
        if (!acceptable(q, value(q)))
            return false;
    return true;
}

const Material::Quantity Material::Quantities[10] = {Q_Rho, Q_Lambda, Q_Mu, Q_MuMin,   Q_MuMax,
                                                     Q_W80, Q_WSat,   Q_Aw, Q_SdValue, Q_SdSummer};

double Material::value(Quantity quantity) const
{
    switch (quantity) {
    case Q_Rho:
        return m_rho;
    case Q_Lambda:
        return m_lambda;
    case Q_Mu:
        return m_mu;
    case Q_MuMin:
        return m_mu_min;
    case Q_MuMax:
        return m_mu_max;
    case Q_W80:
        return m_w_80;
    case Q_WSat:
        return m_w_sat;
    case Q_Aw:
        return m_A_w;
    case Q_SdValue:
        return m_sd_value;
    case Q_SdSummer:
        return m_sd_summer;
    }
    return 0;
}

namespace {

/*! The bounds of one quantity: a value passes when it lies in [low, high]; zeroAllowed admits
    an exact 0 (a field that is not given) besides. */
struct Bounds
{
    const char *name; ///< translated in context "Material"
    const char *unit;
    double low;
    double high;
    bool zeroAllowed;
};

// Beyond these bounds a number is a typing or file error, not a material: the densest solids
// have about 22,600 kg/m³; the best vacuum insulation about 0.002 W/(m·K), copper about
// 400 W/(m·K); the tightest metal foils have a vapour diffusion resistance factor of some 10^7
// and an sd-value of some thousand metres; water absorption coefficients of building materials
// stay below 1 kg/(m²·s^0.5). The lower bounds keep every quotient of the calculation finite.
const Bounds &boundsOf(Material::Quantity q)
{
    static const Bounds table[] = {
        {QT_TRANSLATE_NOOP("Material", "bulk density"), "kg/m³", 1e-3, 30000, false},
        {QT_TRANSLATE_NOOP("Material", "thermal conductivity"), "W/(m·K)", 1e-6, 1000, false},
        {QT_TRANSLATE_NOOP("Material", "vapour diffusion resistance factor"), "", 1e-6, 1e9, false},
        {QT_TRANSLATE_NOOP("Material", "lower vapour diffusion resistance factor"), "", 1e-6, 1e9,
         true},
        {QT_TRANSLATE_NOOP("Material", "upper vapour diffusion resistance factor"), "", 1e-6, 1e9,
         true},
        {QT_TRANSLATE_NOOP("Material", "moisture content at 80 %RH"), "m³/m³", 1e-9, 1, false},
        {QT_TRANSLATE_NOOP("Material", "saturation moisture content"), "m³/m³", 1e-9, 1, false},
        {QT_TRANSLATE_NOOP("Material", "water absorption coefficient"), "kg/(m²·s^0.5)", 1e-12, 100,
         true},
        {QT_TRANSLATE_NOOP("Material", "sd-value"), "m", 1e-12, 1e5, true},
        {QT_TRANSLATE_NOOP("Material", "sd-value in the evaporation period"), "m", 1e-12, 1e5,
         true},
    };
    return table[q];
}

QString number(double x)
{
    return QString::number(x, 'g');
}

} // namespace

bool Material::acceptable(Quantity quantity, double value, QString *reason)
{
    const Bounds &b = boundsOf(quantity);
    if (value == 0 && b.zeroAllowed)
        return true;
    // written positively, so that NaN fails
    if (value >= b.low && value <= b.high)
        return true;
    if (reason) {
        const QString unit = QString::fromUtf8(b.unit);
        const QString unitSuffix = unit.isEmpty() ? QString() : QLatin1Char(' ') + unit;
        *reason = QCoreApplication::translate("Material",
                                              "%1 %2%3, must be a finite number from %4 to %5%3.")
                      .arg(QCoreApplication::translate("Material", b.name), number(value),
                           unitSuffix, number(b.low), number(b.high));
    }
    return false;
}

bool Material::capText(QString &text)
{
    if (text.size() <= MaxTextLength)
        return false;
    // a character outside the basic plane is not split in two
    text.truncate(text.at(MaxTextLength - 1).isHighSurrogate() ? MaxTextLength - 1 : MaxTextLength);
    return true;
}

bool Material::capTexts()
{
    bool cut = false;
    for (QString *text : {&m_name, &m_notes, &m_productName, &m_producer, &m_dataSource})
        cut = capText(*text) || cut;
    return cut;
}

double Material::lambda(double width_m, HeatFlowDirection heatFlowDirection) const
{
    if (!isAir() || width_m <= 0)
        return m_lambda;
    return lambda_air(width_m, heatFlowDirection);
}

double Material::mu(double width_m) const
{
    if (!isAir())
        return m_mu;
    return mu_air(width_m);
}

double Material::muSummer(double width_m) const
{
    const double mu_winter = mu(width_m);
    if (!hasSummerSd())
        return mu_winter;
    // The layer is sd_value / mu thick; the same thickness gives sd_summer in summer.
    return mu_winter * (m_sd_summer / m_sd_value);
}

bool Material::summerSdRule(double sdSummer, double sdValue, QString *reason)
{
    if (sdSummer == 0 || (sdSummer > 0 && sdValue > 0))
        return true;
    if (reason)
        *reason = QCoreApplication::translate(
            "Material", "An sd-value for the evaporation period needs the sd-value of the "
                        "condensation period: only a material given by its sd-value (a foil, "
                        "a membrane, a coating) can have one.");
    return false;
}

bool Material::operator==(const Material &other) const
{
    return m_color == other.m_color && m_category == other.m_category && m_name == other.m_name &&
           isAir() == other.isAir() && m_notes == other.m_notes &&
           m_dataSource == other.m_dataSource && m_rho == other.m_rho &&
           m_lambda == other.m_lambda && m_mu == other.m_mu && m_mu_min == other.m_mu_min &&
           m_mu_max == other.m_mu_max && m_A_w == other.m_A_w && m_w_80 == other.m_w_80 &&
           m_w_sat == other.m_w_sat && m_sd_summer == other.m_sd_summer &&
           m_productName == other.m_productName && m_producer == other.m_producer;
}

QStringList Material::categoryNames()
{
    QStringList names;
    for (int i = 0; i < CATEGORY_COUNT; ++i)
        names << translatedCategory(i);
    return names;
}

QString Material::categoryName(int category)
{
    if (category < 0 || category >= CATEGORY_COUNT)
        return translatedCategory(UnknownCategory);
    return translatedCategory(category);
}

int Material::categoryIndex(const QString &translatedName)
{
    for (int i = 0; i < CATEGORY_COUNT; ++i) {
        if (translatedCategory(i) == translatedName)
            return i;
    }
    return UnknownCategory;
}

int Material::clampCategory(int category)
{
    if (category < 0 || category > UnknownCategory)
        return UnknownCategory;
    return category;
}

QString Material::unknownName()
{
    return QCoreApplication::translate("Material", "Unknown");
}

QColor Material::defaultColor()
{
    return QColor(200, 200, 200);
}
