#pragma once

#include <QString>
#include <QStringList>

/*  The command line of mirelo2-batch as one record: what to do (print results, list the
    materials, write pictures or reports), for which files, with which settings overrides and in
    which language. parse() checks everything that can be checked without reading a file or the
    settings; the overrides are checked when they are applied.
*/
struct BatchOptions
{
    bool help = false;
    bool json = false;
    bool materials = false;
    /*! Language code of this run ("de", "pt_br"), lower case; empty for the stored language. */
    QString langId;
    /*! "KEY=VALUE" as given, in order. */
    QStringList overrides;
    QStringList files;
    QString diagramFile;
    QString sketchFile;
    QString reportFile;
    QString reportDir;
    /*! Profile of the diagram: 2 vapour pressure, 3 moisture content. */
    int diagramMode = 3;

    bool writesPictures() const { return !diagramFile.isEmpty() || !sketchFile.isEmpty(); }
    bool writesReports() const { return !reportFile.isEmpty() || !reportDir.isEmpty(); }

    /*! Reads the arguments (the program name first). False for a usage error, with the reason
        in error; with --help nothing else is checked. */
    static bool parse(const QStringList &arguments, BatchOptions &options, QString &error);

    /*! The help text, also shown after a usage error. */
    static QString usageText();
};
