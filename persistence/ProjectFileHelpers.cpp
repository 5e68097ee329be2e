#include "persistence/ProjectFileHelpers.h"

#include <QCoreApplication>
#include <QXmlStreamReader>

#include <charconv>
#include <cmath>

namespace XMLHelpers {

QString formatDouble(double value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    // std::to_chars without a precision yields the shortest digit string that converts back to
    // the identical double; the general format switches to exponent notation as printf's %g
    // does. It never depends on the global locale.
    char buffer[64];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof(buffer), value, std::chars_format::general);
    if (r.ec != std::errc())
        return QString::number(value, 'g', 17); // cannot happen with 64 bytes
    return QString::fromLatin1(buffer, int(r.ptr - buffer));
}

QString invalidAttributeText(const QString &name)
{
    return QCoreApplication::translate("XMLHelpers", "Invalid value for attribute '%1'.").arg(name);
}

QString invalidAttributeText(const QString &name, qint64 line, int layer)
{
    if (layer > 0)
        return QCoreApplication::translate(
                   "XMLHelpers", "Invalid value for attribute '%1' of layer %2 (line %3).")
            .arg(name)
            .arg(layer)
            .arg(line);
    return QCoreApplication::translate("XMLHelpers", "Invalid value for attribute '%1' (line %2).")
        .arg(name)
        .arg(line);
}

namespace {

template <typename T, typename Convert>
bool readAttribute(QXmlStreamReader &reader, const QString &name, T &value, int layer,
                   Convert convert)
{
    if (reader.hasError())
        return false;
    const QXmlStreamAttributes attributes = reader.attributes();
    if (!attributes.hasAttribute(name))
        return false;
    bool ok = false;
    const T converted = convert(attributes.value(name).toString().trimmed(), &ok);
    if (!ok) {
        value = T(0);
        reader.raiseError(invalidAttributeText(name, reader.lineNumber(), layer));
        return false;
    }
    value = converted;
    return true;
}

} // namespace

bool readDoubleAttribute(QXmlStreamReader &reader, const QString &name, double &value, int layer)
{
    // QString::toDouble always converts in the C locale, whatever the default locale is. It
    // also takes "inf" and "nan", which no physical quantity of a project can be.
    return readAttribute(reader, name, value, layer, [](const QString &text, bool *ok) {
        const double x = text.toDouble(ok);
        *ok = *ok && std::isfinite(x);
        return x;
    });
}

bool readIntAttribute(QXmlStreamReader &reader, const QString &name, int &value, int layer)
{
    return readAttribute(reader, name, value, layer,
                         [](const QString &text, bool *ok) { return text.toInt(ok, 10); });
}

} // namespace XMLHelpers
