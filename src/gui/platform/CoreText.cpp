#include "platform/CoreText.h"

#include <QCoreApplication>

namespace CoreText {

std::string problem(const char *phrase)
{
    // The export's reports are made of its own phrases and the save problems'.
    for (const char *context : {"SaveProblem", "DiaryExport"}) {
        const QString translated = QCoreApplication::translate(context, phrase);
        if (translated != QString::fromUtf8(phrase))
            return translated.toStdString();
    }
    return phrase;
}

} // namespace CoreText
