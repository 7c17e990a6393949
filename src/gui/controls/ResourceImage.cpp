#include "controls/ResourceImage.h"

#include "platform/Resources.h"

#include <QBuffer>
#include <QHash>
#include <QImageReader>
#include <atomic>
#include <future>
#include <memory>
#include <vector>

namespace {

QImage decodeNow(int id, const char *type)
{
    QByteArray bytes = Resources::bytes(type, id);
    if (bytes.isEmpty())
        return {};
    // Every skin image is a PNG: Qt reads those itself, and guessing would load every image
    // format plugin first.
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// An image named for decoding ahead: whichever thread claims it first decodes it, the other
// one waits for that result instead of decoding it twice.
struct Ahead
{
    QString key;
    int id = 0;
    const char *type = nullptr;
    std::atomic<bool> claimed {false};
    std::promise<QImage> promise;
    std::shared_future<QImage> result = promise.get_future().share();
};

// Set up once on the GUI thread before the worker starts, and never changed afterwards.
std::vector<std::unique_ptr<Ahead>> &aheadList()
{
    static std::vector<std::unique_ptr<Ahead>> list;
    return list;
}

std::future<void> &aheadWorker()
{
    static std::future<void> worker;
    return worker;
}

// Every view keeps its own ResourceImage of the main background; decoding it once and sharing
// the pixels (QImage is implicitly shared) keeps start-up fast.
QImage decode(int id, const char *type)
{
    static QHash<QString, QImage> decoded;
    const QString key = Resources::path(type, id);
    const auto found = decoded.constFind(key);
    if (found != decoded.cend())
        return *found;
    QImage image;
    bool done = false;
    for (const std::unique_ptr<Ahead> &ahead : aheadList()) {
        if (ahead->key != key)
            continue;
        if (ahead->claimed.exchange(true)) {
            image = ahead->result.get();
        } else {
            image = decodeNow(id, type);
            ahead->promise.set_value(image);
        }
        done = true;
        break;
    }
    if (!done)
        image = decodeNow(id, type);
    if (!image.isNull())
        decoded.insert(key, image);
    return image;
}

} // namespace

bool ResourceImage::Load(int id, const char *type)
{
    m_type = nullptr;
    m_image = decode(id, type);
    return !m_image.isNull();
}

void ResourceImage::decodePending() const
{
    const char *type = m_type;
    m_type = nullptr;
    m_image = decode(m_id, type);
}

void ResourceImage::DecodeAhead(const std::vector<Name> &names)
{
    if (!aheadList().empty())
        return;
    for (const Name &name : names) {
        auto ahead = std::make_unique<Ahead>();
        ahead->key = Resources::path(name.type, name.id);
        ahead->id = name.id;
        ahead->type = name.type;
        aheadList().push_back(std::move(ahead));
    }
    // The owners decode on first use, mostly when they first paint; by then the worker has
    // most of them ready.
    aheadWorker() = std::async(std::launch::async, [] {
        for (const std::unique_ptr<Ahead> &ahead : aheadList()) {
            if (!ahead->claimed.exchange(true))
                ahead->promise.set_value(decodeNow(ahead->id, ahead->type));
        }
    });
}
