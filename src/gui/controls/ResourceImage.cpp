#include "controls/ResourceImage.h"

#include "platform/Resources.h"

#include <QHash>

namespace {

// Every view keeps its own ResourceImage of the main background; decoding it once and sharing
// the pixels (QImage is implicitly shared) keeps start-up fast.
QImage decode(int id, const char *type)
{
    static QHash<QString, QImage> decoded;
    const QString key = Resources::path(type, id);
    const auto found = decoded.constFind(key);
    if (found != decoded.cend())
        return *found;
    const QByteArray bytes = Resources::bytes(type, id);
    QImage image;
    if (!bytes.isEmpty() && image.loadFromData(bytes))
        decoded.insert(key, image);
    return image;
}

} // namespace

bool ResourceImage::Load(int id, const char *type)
{
    m_image = decode(id, type);
    return !m_image.isNull();
}
