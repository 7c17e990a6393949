// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/CoreText.h"

#include "meals/NutrientText.h"
#include "platform/Text8.h"
#include "platform/TypedNumber.h"

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

QString numberProblem(const TypedNumber &number, const QString &typed)
{
    if (number.problem == nullptr)
        return {};
    return QCoreApplication::translate("TypedNumber", number.problem)
        .arg(QStringLiteral("\u201c%1\u201d").arg(typed));
}

QString thousandsProblem(const QString &typed)
{
    const TypedNumber number = TypedNumber::read(Text8::fromQString(typed.trimmed()));
    return number.thousands ? numberProblem(number, typed.trimmed()) : QString();
}

QString nutrientName(int nutrient)
{
    QString name =
        QCoreApplication::translate("NutrientText", NutrientText::Label(nutrient).data());
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name;
}

} // namespace CoreText
