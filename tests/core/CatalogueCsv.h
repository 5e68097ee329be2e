#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/*! The shipped material catalogue read by the tests, independently of the build tool that
    compiles it: RFC 4180 fields, '#' comment lines. */
namespace CatalogueCsv {

/*! Path of data/materials/materials.csv in the source tree. */
QString sourcePath();

/*! All rows of a CSV file, the header first; empty when the file cannot be read. */
QList<QStringList> read(const QString &path);

/*! Field of a row by its header name; empty when the column does not exist. */
QString field(const QStringList &header, const QStringList &row, const char *name);

} // namespace CatalogueCsv
