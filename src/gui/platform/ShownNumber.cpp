// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ShownNumber.h"

#include "platform/DecimalMark.h"
#include "platform/NumberText.h"
#include "platform/Text8.h"

#include <QLocale>

namespace ShownNumber {

namespace {

std::string &shownNumberMark()
{
    static std::string mark = ".";
    return mark;
}

} // namespace

void setLanguage(const QString &language)
{
    shownNumberMark() = language.isEmpty() ? std::string(".")
                                           : Text8::fromQString(QLocale(language).decimalPoint());
}

QString text(std::string_view formatted)
{
    return Text8::toQString(DecimalMark::apply(formatted, shownNumberMark()));
}

QString fixed(double value, int decimals)
{
    return text(NumberText::fixed(value, decimals));
}

} // namespace ShownNumber
