#include "CatalogueSource.h"

#include "model/Material.h"

#include <QFile>
#include <QSet>

#include <cmath>

namespace CatalogueSource {

QList<QStringList> parseCsv(const QString &text, QString *errorMessage)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool inQuotes = false;
    bool lineStart = true;
    bool commentLine = false;
    const int n = text.size();
    for (int i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (lineStart) {
            lineStart = false;
            commentLine = c == QLatin1Char('#');
        }
        if (commentLine) {
            if (c == QLatin1Char('\n'))
                lineStart = true;
            continue;
        }
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                    field += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field += c;
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row << field;
            field.clear();
            if (!(row.size() == 1 && row.first().trimmed().isEmpty()))
                rows << row;
            row.clear();
            lineStart = true;
        } else if (c != QLatin1Char('\r')) {
            field += c;
        }
    }
    if (inQuotes && errorMessage)
        *errorMessage = QStringLiteral("Unterminated quoted field at the end of the file.");
    if (!row.isEmpty() || !field.isEmpty()) {
        row << field;
        rows << row;
    }
    return rows;
}

namespace {

bool toNumber(const QString &text, double &value, bool emptyIsZero)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        value = 0;
        return emptyIsZero;
    }
    bool ok = false;
    value = t.toDouble(&ok); // C locale: '.' as decimal separator
    return ok && std::isfinite(value);
}

} // namespace

bool readCsvFile(const QString &fileName, QList<QStringList> &rows, QString *errorMessage,
                 int optionalColumns)
{
    auto fail = [errorMessage](const QString &msg) {
        if (errorMessage)
            *errorMessage = msg;
        return false;
    };
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("Cannot open '%1': %2").arg(fileName, f.errorString()));
    QString parseError;
    rows = parseCsv(QString::fromUtf8(f.readAll()), &parseError);
    if (!parseError.isEmpty())
        return fail(parseError);
    if (rows.isEmpty())
        return fail(QStringLiteral("No header line."));
    const int columns = rows.first().size();
    for (int r = 1; r < rows.size(); ++r) {
        QStringList &row = rows[r];
        if (row.size() < columns && row.size() >= columns - optionalColumns)
            while (row.size() < columns)
                row << QString();
        if (row.size() != columns)
            return fail(QStringLiteral("Row %1: %2 fields, the header has %3.")
                            .arg(r + 1)
                            .arg(rows.at(r).size())
                            .arg(rows.first().size()));
    }
    return true;
}

bool read(const QString &fileName, MaterialDatabaseFile::Content &content, QString *errorMessage)
{
    auto fail = [errorMessage](const QString &msg) {
        if (errorMessage)
            *errorMessage = msg;
        return false;
    };
    QList<QStringList> rows;
    // sd_summer, the last column, is given by the few humidity-variable retarders only.
    if (!readCsvFile(fileName, rows, errorMessage, 1))
        return false;

    const QStringList header = rows.first();
    const QStringList required = {
        QStringLiteral("id"),       QStringLiteral("category"), QStringLiteral("name_en"),
        QStringLiteral("name_de"),  QStringLiteral("name_pl"),  QStringLiteral("rho"),
        QStringLiteral("lambda"),   QStringLiteral("mu"),       QStringLiteral("sd_value"),
        QStringLiteral("w_80"),     QStringLiteral("w_sat"),    QStringLiteral("A_w"),
        QStringLiteral("flags"),    QStringLiteral("source"),   QStringLiteral("notes"),
        QStringLiteral("sd_summer")};
    QHash<QString, int> column;
    for (const QString &name : required) {
        const int c = header.indexOf(name);
        if (c < 0)
            return fail(QStringLiteral("Column '%1' missing.").arg(name));
        column.insert(name, c);
    }

    content = MaterialDatabaseFile::Content();
    content.m_version = MaterialDatabaseFile::NewestVersion;
    content.m_languages =
        QStringList{QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("pl")};
    QSet<int> ids;
    for (int r = 1; r < rows.size(); ++r) {
        const QStringList &row = rows.at(r);
        const QString where = QStringLiteral("Row %1: ").arg(r + 1);
        auto at = [&](const char *name) { return row.at(column.value(QLatin1String(name))); };

        MaterialDatabaseFile::Record rec;
        bool ok = false;
        rec.m_id = at("id").trimmed().toInt(&ok);
        if (!ok || rec.m_id <= 0 || rec.m_id >= 0x8000)
            return fail(where + QStringLiteral("id must be an integer 1 .. 32767."));
        if (ids.contains(rec.m_id))
            return fail(where + QStringLiteral("id %1 used twice.").arg(rec.m_id));
        ids.insert(rec.m_id);
        rec.m_category = at("category").trimmed().toInt(&ok);
        if (!ok || rec.m_category < 0 || rec.m_category > 12)
            return fail(where + QStringLiteral("category must be 0 .. 12."));

        const struct
        {
            const char *name;
            double *value;
            bool emptyIsZero;
        } numbers[] = {{"rho", &rec.m_rho, false},   {"lambda", &rec.m_lambda, false},
                       {"mu", &rec.m_mu, false},     {"sd_value", &rec.m_sd_value, true},
                       {"w_80", &rec.m_w_80, false}, {"w_sat", &rec.m_w_sat, false},
                       {"A_w", &rec.m_A_w, false},   {"sd_summer", &rec.m_sd_summer, true}};
        for (const auto &num : numbers)
            if (!toNumber(at(num.name), *num.value, num.emptyIsZero))
                return fail(where +
                            QStringLiteral("'%1' is not a number.").arg(QLatin1String(num.name)));
        rec.m_mu_min = rec.m_mu;
        rec.m_mu_max = rec.m_mu;

        const QStringList flags = at("flags").split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &flag : flags) {
            if (flag == QLatin1String("wood"))
                rec.m_wood = true;
            else if (flag == QLatin1String("woodbased"))
                rec.m_woodBased = true;
            else if (flag == QLatin1String("foil"))
                rec.m_foil = true;
            else
                return fail(where + QStringLiteral("unknown flag '%1' (the database has its own "
                                                   "air material).")
                                        .arg(flag));
        }
        rec.m_applicationCodes = {1};

        const char *nameColumns[] = {"name_en", "name_de", "name_pl"};
        for (const char *nameColumn : nameColumns) {
            MaterialDatabaseFile::LanguageTexts t;
            t.m_name = at(nameColumn).trimmed();
            if (t.m_name.isEmpty())
                return fail(where +
                            QStringLiteral("'%1' is empty.").arg(QLatin1String(nameColumn)));
            t.m_dataSource = at("source").trimmed();
            t.m_notes = at("notes").trimmed();
            rec.m_texts.push_back(t);
        }
        if (rec.m_texts.front().m_dataSource.isEmpty())
            return fail(where + QStringLiteral("the source of the figures is missing."));

        // The program refuses to calculate with an invalid material, so the catalogue must not
        // ship one.
        Material m(rec.m_texts.front().m_name, rec.m_category, QString(), QString(), QString(),
                   QString(), rec.m_rho, rec.m_lambda, rec.m_mu, rec.m_w_80, rec.m_w_sat, rec.m_A_w,
                   rec.m_id);
        m.m_sd_value = rec.m_sd_value;
        m.m_sd_summer = rec.m_sd_summer;
        if (!m.isValid())
            return fail(where + QStringLiteral("material '%1' is not valid (rho, lambda, mu > 0, "
                                               "0 < w_80 < w_sat <= 1, A_w >= 0, sd_summer "
                                               "only beside sd_value).")
                                    .arg(m.m_name));
        content.m_records.push_back(rec);
    }
    return true;
}

} // namespace CatalogueSource
