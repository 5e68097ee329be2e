// mkmaterialdb: compiles the readable material catalogue (CSV) into a material database file
// ("*.m2m", version 6) that the program reads from resources/DB_materials.
//
//   mkmaterialdb INPUT.csv OUTPUT.m2m

#include "CatalogueSource.h"
#include "persistence/MaterialDatabaseFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: mkmaterialdb INPUT.csv OUTPUT.m2m\n");
        return 2;
    }
    MaterialDatabaseFile::Content content;
    QString error;
    if (!CatalogueSource::read(args.at(1), content, &error)) {
        std::fprintf(stderr, "mkmaterialdb: %s: %s\n", qPrintable(args.at(1)), qPrintable(error));
        return 1;
    }
    QDir().mkpath(QFileInfo(args.at(2)).absolutePath());
    if (!MaterialDatabaseFile::write(args.at(2), content, &error)) {
        std::fprintf(stderr, "mkmaterialdb: %s: %s\n", qPrintable(args.at(2)), qPrintable(error));
        return 1;
    }
    std::printf("mkmaterialdb: %d materials written to %s\n", int(content.m_records.size()),
                qPrintable(args.at(2)));
    return 0;
}
