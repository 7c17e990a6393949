// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Text8.h"

#include "platform/TextCodec.h"

namespace Text8 {

QString toQString(std::string_view text)
{
#ifdef _WIN32
    return QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size()));
#else
    // Diaries written by older programs hold 8-bit Western text: its letters are kept, not
    // turned into replacement marks that the next save would store for good.
    const std::string utf8 = TextCodec::ToUtf8(text);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
#endif
}

std::string fromQString(QStringView text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

} // namespace Text8
