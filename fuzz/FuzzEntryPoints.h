#pragma once

#include <QByteArray>
#include <QString>

/*  The readers of user files, each driven by one input of arbitrary bytes as a file or stream of
    that kind, and the recalculation that follows a successful project read. The libFuzzer targets
    and the corpus regression test call these same functions, so what the fuzzer has explored is
    replayed by every ordinary test run.

    None of them may crash, hang or leak an exception for any input: a reader either accepts the
    bytes or refuses them with its own message (the binary database readers have no message and
    report only whether they read the whole file).
*/
namespace FuzzEntryPoints {

/*! What one reader made of an input. */
struct Outcome
{
    bool accepted = false; ///< the reader succeeded (read the whole file)
    QString message;       ///< the reader's message on refusal; empty for the binary readers
    int items = 0;         ///< layers, materials or constructions read
};

/*! A project file of the current XML form, opened as the open command does ("*.m2p"), then
    validated and calculated as after loading. */
Outcome projectXml(const QByteArray &data);
/*! A project file of the first program generation (keyword text), read from a stream, then
    validated and calculated. */
Outcome legacyProject(const QByteArray &data);
/*! The body of a MATERIAL_DEFINITION block, read as file versions 1.3 and 1.2. */
Outcome legacyMaterial(const QByteArray &data);
/*! The body of a LAYER_DEFINITION block, read as file versions 1.3 and 1.2. */
Outcome legacyLayer(const QByteArray &data);
/*! The body of a CLIMATE_LIST block. */
Outcome legacyClimate(const QByteArray &data);
/*! The body of a STRUCTURE block, read as file versions 1.3 and 1.2. */
Outcome legacyConstruction(const QByteArray &data);
/*! A version-1 material list ("*.txt"), read from a file. */
Outcome materialListVersion1(const QByteArray &data);
/*! A material database file. The first byte chooses what the rest is: 0 the whole file as it
    lies on disk (header, then the enciphered payload), anything else the deciphered payload,
    which is enciphered under a well-formed header so that the record reader behind the cipher is
    reached (bit 1 of the first byte: version 6 rather than 5, bits 2-3: 0 to 3 languages). */
Outcome materialDatabase(const QByteArray &data);
/*! A user-material file ("UserData.mmat"). */
Outcome userMaterials(const QByteArray &data);
/*! A construction database file ("ConstructionData.constr"), read as at start-up and as an
    import. */
Outcome constructionList(const QByteArray &data);

/*! A project (XML when the input starts with '<', the keyword form otherwise) loaded, written,
    loaded again and written again: the second document must equal the first (layers, climate
    with its recognised assessment condition, status, project information) and the second file
    the first byte for byte. A difference aborts the process, so the fuzzer reports it as a
    crash. */
Outcome roundTrip(const QByteArray &data);

/*! Sends the messages and progress lines of the readers nowhere, so that a fuzzer run spends its
    time in the readers rather than on the console. */
void silenceMessages();

} // namespace FuzzEntryPoints
