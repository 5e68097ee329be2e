// mkconstructiondb: builds the typical constructions that a new construction database starts
// with, one construction database file per language, from their readable source (CSV) and the
// compiled material catalogue, read as the program reads it.
//
//   mkconstructiondb MATERIAL_DB_DIR INPUT.csv OUTPUT_DIR

#include "TypicalConstructionSource.h"
#include "persistence/ConstructionList.h"
#include "persistence/MaterialList.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: mkconstructiondb MATERIAL_DB_DIR INPUT.csv OUTPUT_DIR\n");
        return 2;
    }
    // An empty user directory: the constructions are made of shipped materials only.
    QTemporaryDir noUserData;
    if (!QDir().mkpath(args.at(3)) || !noUserData.isValid()) {
        std::fprintf(stderr, "mkconstructiondb: cannot create directories\n");
        return 1;
    }
    for (const QString &lang : {QStringLiteral("en"), QStringLiteral("de"), QStringLiteral("pl")}) {
        MaterialList materials(lang, args.at(1), noUserData.path());
        materials.read();
        std::vector<Construction> constructions;
        QString error;
        if (!TypicalConstructionSource::read(args.at(2), lang, materials, constructions, &error)) {
            std::fprintf(stderr, "mkconstructiondb: %s (%s): %s\n", qPrintable(args.at(2)),
                         qPrintable(lang), qPrintable(error));
            return 1;
        }
        // The file name that ConstructionList::typicalConstructionsFile() looks for.
        const QString out =
            args.at(3) + QStringLiteral("/TypicalConstructions_%1.constr").arg(lang);
        if (!ConstructionList::writeFile(out, constructions)) {
            std::fprintf(stderr, "mkconstructiondb: cannot write %s\n", qPrintable(out));
            return 1;
        }
        std::printf("mkconstructiondb: %d constructions written to %s\n", int(constructions.size()),
                    qPrintable(out));
    }
    return 0;
}
