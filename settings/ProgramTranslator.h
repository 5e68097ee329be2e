#pragma once

#include <QTranslator>

/*  The translator of the program's own catalogue. The catalogues name a class of the QtExt
    widgets by its bare name ("MaterialTableModel"), while tr() in a class declared inside the
    namespace asks with the qualified one ("QtExt::MaterialTableModel"): looked up as asked,
    every text of those widgets (the columns and filters of the material database, the reasons
    of the input fields) would stay English. This translator answers the qualified context
    from the bare one when the catalogue has no entry under the qualified name.
*/
class ProgramTranslator : public QTranslator
{
    Q_OBJECT

public:
    using QTranslator::QTranslator;

    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
};
