#include "CatalogueCsv.h"

#include "TestSupport.h"

#include <QFile>

QString CatalogueCsv::sourcePath()
{
    return TestSupport::dataDir() + QStringLiteral("/../../data/materials/materials.csv");
}

QList<QStringList> CatalogueCsv::read(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QString text = QString::fromUtf8(f.readAll());
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quoted && field.isEmpty() && row.isEmpty() && c == QLatin1Char('#')) {
            i = text.indexOf(QLatin1Char('\n'), i);
            if (i < 0)
                break;
            continue;
        }
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"'))
                field += text[++i];
            else if (c == QLatin1Char('"'))
                quoted = false;
            else
                field += c;
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            row << field;
            field.clear();
        } else if (c == QLatin1Char('\n')) {
            row << field;
            field.clear();
            rows << row;
            row.clear();
        } else {
            field += c;
        }
    }
    return rows;
}

QString CatalogueCsv::field(const QStringList &header, const QStringList &row, const char *name)
{
    return row.value(header.indexOf(QLatin1String(name)));
}
