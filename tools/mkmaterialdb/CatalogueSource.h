#pragma once

#include "persistence/MaterialDatabaseFile.h"

#include <QString>
#include <QStringList>

/*  The readable source of the shipped material catalogue: a UTF-8 CSV file (RFC 4180 quoting,
    '#' comment lines) with one material per line and the columns id, category, name_en,
    name_de, name_pl, rho, lambda, mu, sd_value, w_80, w_sat, A_w, flags, source, notes and the
    optional last column sd_summer (the sd-value of a humidity-variable vapour retarder in the
    evaporation period), which rows without one leave off. Every row becomes one record of the
    material database file, with the three languages "en", "de" and "pl".
*/
namespace CatalogueSource {

/*! Splits CSV text into rows of fields; comment lines and empty lines are dropped. A quoted
    field may contain commas, doubled quotes and line feeds. */
QList<QStringList> parseCsv(const QString &text, QString *errorMessage);

/*! Reads a CSV file into rows (the header first). False with a message when the file cannot be
    opened, a quoted field is not terminated, there is no header line or a row has another
    number of fields than the header. A row may leave off the last optionalColumns columns,
    which then read as empty fields. */
bool readCsvFile(const QString &fileName, QList<QStringList> &rows, QString *errorMessage,
                 int optionalColumns = 0);

/*! Reads the catalogue into content (version 6, languages en, de, pl). Every material must be
    valid for the program and every id unique; otherwise false with a message naming the row. */
bool read(const QString &fileName, MaterialDatabaseFile::Content &content, QString *errorMessage);

} // namespace CatalogueSource
