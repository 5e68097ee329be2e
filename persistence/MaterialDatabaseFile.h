#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

/*  The material database file ("*.m2m"): the shipped, read-only material catalogue.

    Layout (a Qt data stream, big-endian):
      int32 format version + 32 (versions 5, 6 and 7 are read), int32 language count L,
      L language codes, the marker "MIRELO2", uint32 n and n bytes of enciphered payload.
    The payload deciphers to a data stream of format version 12 holding the marker again and
    then the records, until fewer than 9 bytes remain. Version 6 records carry three dates more
    than version 5 records; version 7 records add the sd-value of the evaporation period
    (humidity-variable retarders; 0 for every other material).

    The same record code serves the reader in the program and the build-time catalogue
    compiler, so the shipped files are always readable by the program they ship with.
*/
namespace MaterialDatabaseFile {

/*! The marker in the file header and at the start of the payload. */
QString marker();

/*! Oldest and newest version this program reads; the compiler writes NewestVersion. */
constexpr int OldestVersion = 5;
constexpr int NewestVersion = 7;

/*! The texts of a record in one language. */
struct LanguageTexts
{
    QString m_name;
    QString m_dataSource;
    QString m_producer;
    QString m_productName;
    QString m_notes;
};

/*! One material record as stored in the file. */
struct Record
{
    int m_id = 0;
    std::vector<LanguageTexts> m_texts; ///< one entry per language of the file
    int m_category = 13;                ///< as stored; readers clamp to 0..13
    double m_rho = 0;                   ///< bulk density in kg/m³
    double m_lambda = 0;                ///< thermal conductivity in W/(m·K)
    double m_mu = 0;                    ///< vapour diffusion resistance factor (-)
    double m_A_w = 0;                   ///< water uptake coefficient in kg/(m²·s^0.5)
    double m_w_80 = 0;                  ///< moisture content at 80 % RH in m³/m³
    double m_w_sat = 0;                 ///< free saturation moisture content in m³/m³
    bool m_air = false;
    bool m_wood = false;
    bool m_woodBased = false;
    bool m_foil = false;
    std::vector<int> m_applicationCodes; ///< code 1: the record is meant for this program
    double m_mu_min = 0;                 ///< (-)
    double m_mu_max = 0;                 ///< (-)
    double m_sd_value = 0;               ///< diffusion-equivalent air layer thickness in m
    int m_additionalInteger = 0;
    QDate m_measuringDate;  ///< version 6 only
    QDate m_samplingDate;   ///< version 6 only
    QDate m_productionDate; ///< version 6 only
    double m_sd_summer = 0; ///< sd-value (m) in the evaporation period; version 7 only
};

/*! The whole content of one file. */
struct Content
{
    int m_version = NewestVersion;
    QStringList m_languages; ///< language codes, e.g. "en", "de", "pl"
    std::vector<Record> m_records;
};

/*! The complete file as bytes. Records with fewer text entries than languages get empty texts
    for the missing ones. Returns an empty array when the version is not 5 or 6 or the cipher
    fails. */
QByteArray toBytes(const Content &content);

/*! Writes the file through an atomic replace. False (with a reason in errorMessage, if given)
    when the content cannot be encoded or the file cannot be written. */
bool write(const QString &fileName, const Content &content, QString *errorMessage = nullptr);

/*! Reads a file, logging each step with the context "MaterialList::read". Returns false when
    the file fails; content then holds the header and the complete records read before the
    failure. On success the progress line of the file ("Read file: ... with version: 6") is
    handed to pendingLogLine, if given, so that the caller can complete it; otherwise it is
    logged. */
bool read(const QString &fileName, Content &content, std::string *pendingLogLine = nullptr);

/*! Reads the file from bytes already in memory; fileName only names it in the log. */
bool readBytes(const QByteArray &data, const QString &fileName, Content &content,
               std::string *pendingLogLine = nullptr);

} // namespace MaterialDatabaseFile
