#include "settings/ProgramTranslator.h"

#include <cstring>

QString ProgramTranslator::translate(const char *context, const char *sourceText,
                                     const char *disambiguation, int n) const
{
    QString text = QTranslator::translate(context, sourceText, disambiguation, n);
    if (!text.isNull() || !context)
        return text;
    // "Namespace::Class" is looked up once more as "Class"
    const char *bare = std::strrchr(context, ':');
    if (!bare || bare == context || bare[-1] != ':')
        return text;
    return QTranslator::translate(bare + 1, sourceText, disambiguation, n);
}
