#include "JsonWriter.h"

#include "persistence/ProjectFileHelpers.h"

#include <cmath>

QString JsonWriter::string(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        case '\b':
            out += QLatin1String("\\b");
            break;
        case '\f':
            out += QLatin1String("\\f");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString JsonWriter::number(double value)
{
    if (!std::isfinite(value))
        return string(XMLHelpers::formatDouble(value));
    return XMLHelpers::formatDouble(value);
}

QString JsonWriter::number(int value)
{
    return QString::number(value);
}

QString JsonWriter::boolean(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

QString JsonWriter::array(const std::vector<double> &values)
{
    QStringList parts;
    for (double v : values)
        parts << number(v);
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString JsonWriter::array(const QStringList &texts)
{
    QStringList parts;
    for (const QString &t : texts)
        parts << string(t);
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString JsonWriter::pairs(const std::vector<std::pair<unsigned int, unsigned int>> &values)
{
    QStringList parts;
    for (const auto &p : values)
        parts << QStringLiteral("[%1, %2]").arg(p.first).arg(p.second);
    return QLatin1Char('[') + parts.join(QStringLiteral(", ")) + QLatin1Char(']');
}

QString JsonWriter::arrayOfFragments(const QStringList &fragments, int indent)
{
    if (fragments.isEmpty())
        return QStringLiteral("[]");
    const QString pad(indent + 2, QLatin1Char(' '));
    QString out = QStringLiteral("[\n");
    for (int i = 0; i < fragments.size(); ++i) {
        out += pad + fragments[i];
        out += i + 1 < fragments.size() ? QStringLiteral(",\n") : QStringLiteral("\n");
    }
    out += QString(indent, QLatin1Char(' ')) + QLatin1Char(']');
    return out;
}

QString JsonObject::toString(int indent) const
{
    if (m_members.empty())
        return QStringLiteral("{}");
    const QString pad(indent + 2, QLatin1Char(' '));
    QString out = QStringLiteral("{\n");
    for (std::size_t i = 0; i < m_members.size(); ++i) {
        out += pad + JsonWriter::string(m_members[i].first) + QStringLiteral(": ") +
               m_members[i].second;
        out += i + 1 < m_members.size() ? QStringLiteral(",\n") : QStringLiteral("\n");
    }
    out += QString(indent, QLatin1Char(' ')) + QLatin1Char('}');
    return out;
}
