// The layer block of the first program generation's keyword text.

#include "persistence/LegacyFormat.h"

#include "htl/HTL_Exception.h"
#include "model/MaterialLayer.h"
#include "persistence/LegacyKeywordText.h"

#include <QCoreApplication>

#include <exception>
#include <istream>
#include <sstream>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("MaterialLayer", text);
}

// Width given to a layer whose file gives a width of zero or less: the thickness of a common
// masonry wall, so that the construction stays calculable.
const double DefaultWidth = 0.24; // m

} // namespace

namespace LegacyFormat {

int readOld(std::istream &in, const std::string &version, MaterialLayer &layer, QString &message)
{
    using namespace LegacyKeywordText;
    try {
        Line line;
        while (nextLine(in, line)) {
            if (line.m_isBlockEnd) {
                // also a layer without a material block or colour gets a name and a colour
                if (layer.m_name.isEmpty())
                    layer.m_name = Material::unknownName();
                if (!layer.m_color.isValid())
                    layer.m_color = Material::defaultColor();
                return 0;
            }

            if (line.m_key == "Width") {
                double width = 0;
                if (!readQuantity("Width", line.m_value, "m", width)) {
                    message = tr("[MaterialLayer::readOld]  Error reading parameter 'Width'!");
                    return 1;
                }
                layer.m_width = width <= 0 ? DefaultWidth : width;
            } else if (line.m_key == "Colour") {
                // decimal integer holding 0xRRGGBB
                std::istringstream number(line.m_value);
                long long rgb = 0;
                if (!(number >> rgb)) {
                    message = tr("[MaterialLayer::readOld]  Error reading parameter 'Colour'!");
                    return 1;
                }
                layer.m_color =
                    QColor(int((rgb >> 16) & 0xFF), int((rgb >> 8) & 0xFF), int(rgb & 0xFF));
            } else if (line.m_key == "MATERIAL_DEFINITION") {
                if (!opensBlock(line)) {
                    message = tr("[MaterialLayer::readOld]  Block start '{' of material definition "
                                 "missing!");
                    return 1;
                }
                if (!readOld(in, version, static_cast<Material &>(layer), message))
                    return 2;
            } else {
                message = tr("[MaterialLayer::readOld]  Invalid keyword!");
                return 1;
            }
        }
        message = tr("[MaterialLayer::readOld]  Block end '}' missing!");
    } catch (const HTL::Exception &ex) {
        message = tr("[MaterialLayer::readOld]  Error reading layer data!\n") + exceptionText(ex);
    } catch (const std::exception &ex) {
        message = tr("[MaterialLayer::readOld]  Error reading layer data!\n") +
                  QString::fromLocal8Bit(ex.what());
    }
    return 1;
}

} // namespace LegacyFormat
