#include "platform/Text8.h"

namespace Text8 {

QString toQString(std::string_view text)
{
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQString(const QString &text)
{
    return text.toLocal8Bit().toStdString();
}

std::string lower(std::string_view text)
{
    return fromQString(toQString(text).toLower());
}

} // namespace Text8
