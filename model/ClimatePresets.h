#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "model/ClimateCondition.h"

/*  The fixed table of named climate presets (DIN 4108-3, DIN EN ISO 6946, DIN EN ISO 13788,
    DIN 4108-8) and the preset identifiers each assessment condition allows.

    The table is built once on first use. Look-ups by value walk the rows in the order of their
    untranslated English names, so which preset a set of values matches - and with it the
    recognised assessment condition - never depends on the interface language. Lists meant for
    display are ordered by the translated names.

    Side codes: 0 indoor (inside), 1 outdoor (outside). Assessment condition codes are those of
    Climate::AssessmentConditions (0 custom, 1 DIN 4108-3 2001, 2 DIN 4108-3 2014 and later).
*/
class ClimatePresets
{
public:
    /*! An identifier that is in no row of the table: "no preferred preset". */
    static const int NoPreset = 17;

    /*! "Equal within 1e-4", inclusive: |a - b| <= 1e-4. */
    static bool equalWithinTolerance(double a, double b);

    /*! Identifier of the first preset whose T, rh and Rs match c within 1e-4 and whose kind and
        side equal those of c; 0 when none matches. */
    static int presetIdForCondition(const ClimateCondition &c);

    /*! Translated name of the first preset whose T, rh and Rs match c within 1e-4 (kind and side
        are not compared); empty when none matches. */
    static QString presetNameForCondition(const ClimateCondition &c);

    /*! Translated names of the presets allowed for the assessment condition at the side, ordered
        by translated name. Unknown conditions or sides give an empty list. */
    static QStringList presetNames(int assessmentCondition, int side);

    /*! Identifiers matching presetNames(assessmentCondition, side), element by element. */
    static std::vector<int> presetIds(int assessmentCondition, int side);

    /*! Copies all five fields of the preset with the identifier into c. The row is the first in
        the order of the English names that carries the identifier (for identifier 0 the custom
        indoor row). Returns false and leaves c unchanged for an unknown identifier. */
    static bool copyPreset(int id, ClimateCondition &c);

    /*! As copyPreset(id, c), but prefers the row of the given side (0 indoor, 1 outdoor). This
        matters only for identifier 0, which names both custom rows. */
    static bool copyPreset(int id, int side, ClimateCondition &c);

    /*! Translated name of the preset with the identifier at the side (side preferred as in
        copyPreset); empty for an unknown identifier. */
    static QString presetName(int id, int side);

    /*! Identifier of the preset with the translated name; -1 when there is none. */
    static int presetIdForName(const QString &translatedName);

    /*! Allowed preset identifiers for the assessment condition at the side, ascending; empty for
        an unknown condition or side. */
    static const std::vector<int> &allowedPresets(int assessmentCondition, int side);

    /*! True when the identifier is allowed for the assessment condition at the side. */
    static bool isAllowed(int id, int assessmentCondition, int side);

    /*! Translated text of an assessment condition (context "AssessmentConditions"); "Unknown
        condition" for any other value. */
    static QString assessmentConditionText(int assessmentCondition);
};
