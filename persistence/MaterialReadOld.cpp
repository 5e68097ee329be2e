// The material block of the first program generation's keyword text.

#include "persistence/LegacyFormat.h"

#include "htl/HTL_Exception.h"
#include "htl/HTL_Unit.h"
#include "model/Material.h"
#include "persistence/LegacyKeywordText.h"

#include <QCoreApplication>

#include <exception>
#include <istream>
#include <sstream>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Material", text);
}

// Category names of the first program generation, which wrote German texts whatever the
// language of the user interface was (two generations of names per category).
struct OldCategory
{
    const char *m_text; // UTF-8
    int m_category;
};

const OldCategory OLD_CATEGORIES[] = {
    {"Natursteine", 3},
    {"Mauersteine", 2},
    {"Mauerwerk", 2},
    {"Putze/M\xC3\xB6rtel/Estriche", 1},
    {"Putze, M\xC3\xB6rtel und Ausfachungen", 1},
    {"Beton/Betonbauteile", 4},
    {"Zementhaltige Baustoffe", 4},
    {"W\xC3\xA4rmed\xC3\xA4mmstoffe", 5},
    {"D\xC3\xA4mmstoffe", 5},
    {"Holz/Holzwerkstoffe", 7},
    {"Holz", 7},
    {"Sonstiges", 12},
    {"Abdichtungen/Folien", 11},
    {"Folien und Abdichtungsstoffe", 11},
    {"Bauplatten", 6},
    {"Fassadenbekleidungen, Bodenbel\xC3\xA4ge und Eindeckungen", 10},
    {"Erden und B\xC3\xB6"
     "den",
     9},
};

int oldCategory(const QString &text)
{
    for (const OldCategory &entry : OLD_CATEGORIES)
        if (text == QString::fromUtf8(entry.m_text))
            return entry.m_category;
    return Material::categoryIndex(text);
}

} // namespace

namespace LegacyFormat {

int categoryFromOldText(const QString &text)
{
    return oldCategory(text);
}

bool readOld(std::istream &in, const std::string &version, Material &material, QString &message)
{
    using namespace LegacyKeywordText;

    // "1.3" files give W_hyg at 95 % relative humidity, older ones at 80 %.
    const bool hygAt95 = version.find("1.3") != std::string::npos;

    try {
        Line line;
        while (nextLine(in, line)) {
            if (line.m_isBlockEnd) {
                // A block without a "Name" line gives a material that cannot be told apart
                // from others and would make the project invalid.
                if (material.m_name.isEmpty())
                    material.m_name = Material::unknownName();
                return true;
            }

            const std::string &key = line.m_key;
            const std::string &value = line.m_value;
            double v = 0;
            if (key == "Name") {
                // a material without a name cannot be chosen or told apart: an error
                if (value.empty()) {
                    message = tr("[Material::readOld]  Error reading material name!");
                    return false;
                }
                material.m_name = fromFile(value);
            } else if (key == "Kategorie") {
                // The files are Latin-1; a file edited in a UTF-8 editor still finds its
                // category.
                int category = categoryFromOldText(fromFile(value));
                if (category == Material::UnknownCategory) {
                    const QString utf8 = QString::fromUtf8(value.data(), int(value.size()));
                    if (!utf8.contains(QChar::ReplacementCharacter))
                        category = categoryFromOldText(utf8);
                }
                material.m_category = Material::clampCategory(category);
            } else if (key == "ProduktID" || key == "Produktname") {
                material.m_productName = fromFile(value);
            } else if (key == "Hersteller") {
                material.m_producer = fromFile(value);
            } else if (key == "Anmerkungen") {
                material.m_notes = fromFile(value);
            } else if (key == "Datenquelle" || key == "Quelle") {
                material.m_dataSource = fromFile(value);
            } else if (key == "Rho") {
                if (!readQuantity("Rho", value, "kg/m3", v)) {
                    message = tr("[Material::readOld]  Error reading parameter 'rho'!");
                    return false;
                }
                material.m_rho = v;
            } else if (key == "Lambda") {
                if (!readQuantity("Lambda", value, "W/mK", v)) {
                    message = tr("[Material::readOld]  Error reading parameter 'Lambda'!");
                    return false;
                }
                material.m_lambda = v;
            } else if (key == "Mew") {
                double number;
                std::string unitName;
                if (!readNumberAndUnit(value, number, unitName)) {
                    message = tr("[Material::readOld]  Error reading parameter 'Mew'!");
                    return false;
                }
                // A factor without dimension: written with the unit "-" or as a plain ratio of
                // the "---" family ("1").
                const bool ratio = HTL::Unit(unitName).base_id() == HTL::Unit("---").id();
                v = convert("Mew", number, unitName, ratio ? "1" : "-");
                material.m_mu = v;
                material.m_mu_min = v;
                material.m_mu_max = v;
            } else if (key == "W_hyg") {
                if (!readQuantity("W_hyg", value, "m3/m3", v)) {
                    message = tr("[Material::readOld]  Error reading parameter 'W_hyg'!");
                    return false;
                }
                if (hygAt95) {
                    material.m_w_95 = v;
                    material.m_w_80 = v * 0.8 / 0.95;
                } else {
                    material.m_w_80 = v;
                    material.m_w_95 = v * 0.95 / 0.8;
                }
            } else if (key == "W_h80") {
                if (!readQuantity("W_h80", value, "m3/m3", v)) {
                    message = tr("[Material::readOld]  Error reading parameter 'W_h80'!");
                    return false;
                }
                material.m_w_80 = v;
                material.m_w_95 = v * 0.95 / 0.8;
            } else if (key == "W_sat") {
                if (!readQuantity("W_sat", value, "m3/m3", v)) {
                    message = tr("[Material::readOld]  Error reading parameter 'W_sat'!");
                    return false;
                }
                material.m_w_sat = v;
            } else if (key == "A_w") {
                std::istringstream words(value);
                skipEqualsSign(words);
                double number;
                if (!(words >> number))
                    throw HTL::Exception("missing data", "[Material::readOld]");
                std::string unitName;
                if (!(words >> unitName)) {
                    message = tr("[Material::readOld]  Error reading parameter 'A_w'!");
                    return false;
                }
                // The old program wrote the unit of kg/(m²·s^0.5) in its own spelling.
                if (unitName == "kg/m2*s^0.5")
                    unitName = "kg/m2s05";
                material.m_A_w = convert("A_w", number, unitName, "kg/m2s05");
            } else if (key == "Flags") {
                // air, wood, wood-based; missing numbers count as 0, the foil flag did not exist
                std::istringstream numbers(value);
                int flags[3] = {0, 0, 0};
                for (int &flag : flags)
                    if (!(numbers >> flag)) {
                        flag = 0;
                        break;
                    }
                material.setFlags(flags[0] != 0, flags[1] != 0, flags[2] != 0, false);
            } else {
                message =
                    tr("[Material::readOld]  Invalid keyword '%1'").arg(fromFile(line.m_keyword));
                return false;
            }
        }
        message = tr("[Material::readOld]  Block end '}' missing!");
        return false;
    } catch (const HTL::Exception &ex) {
        message = tr("[Material::readOld]  Error reading material data!\n") + exceptionText(ex);
    } catch (const std::exception &ex) {
        message = tr("[Material::readOld]  Error reading material data!\n") +
                  QString::fromLocal8Bit(ex.what());
    }
    return false;
}

} // namespace LegacyFormat
