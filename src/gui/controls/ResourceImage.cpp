// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls/ResourceImage.h"

#include "platform/Resources.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QPainter>
#include <atomic>
#include <future>
#include <memory>
#include <vector>

namespace {

// The resource standing for an image on screens of this device pixel ratio, in the window's
// language where the image carries words: the 2x painting where the ratio is above 1 and the skin
// has one, else the plain one. Ratios between 1 and 2 take the 2x painting too, and Qt scales it
// down.
struct Source
{
    QString path;
    int ratio = 1;
};

Source sourceFor(int id, const char *type, qreal screenRatio)
{
    QString plain = Resources::localizedPath(type, id);
    if (screenRatio > 1) {
        QString twice = plain + QStringLiteral("@2x");
        if (QFile::exists(twice))
            return {std::move(twice), 2};
    }
    return {std::move(plain), 1};
}

// The highest ratio of all screens: one decoded image serves windows on any of them.
qreal screenRatio()
{
    const auto *application = qobject_cast<QGuiApplication *>(QCoreApplication::instance());
    return application ? application->devicePixelRatio() : 1.0;
}

QImage decodeNow(const Source &source)
{
    QByteArray bytes = Resources::bytes(source.path);
    if (bytes.isEmpty())
        return {};
    // Every skin image is a PNG: Qt reads those itself, and guessing would load every image
    // format plugin first.
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (!image.isNull())
        image.setDevicePixelRatio(source.ratio);
    return image;
}

// An image named for decoding ahead: whichever thread claims it first decodes it, the other
// one waits for that result instead of decoding it twice.
struct Ahead
{
    Source source;
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
    const Source source = sourceFor(id, type, screenRatio());
    const QString &key = source.path;
    const auto found = decoded.constFind(key);
    if (found != decoded.cend())
        return *found;
    QImage image;
    bool done = false;
    for (const std::unique_ptr<Ahead> &ahead : aheadList()) {
        if (ahead->source.path != key)
            continue;
        if (ahead->claimed.exchange(true)) {
            image = ahead->result.get();
        } else {
            image = decodeNow(source);
            ahead->promise.set_value(image);
        }
        done = true;
        break;
    }
    if (!done)
        image = decodeNow(source);
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

void ResourceImage::smoothWhenScaled(QPainter &painter, const QImage &image)
{
    if (painter.device() && painter.device()->devicePixelRatio() != image.devicePixelRatio())
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

void ResourceImage::DecodeAhead(const std::vector<Name> &names)
{
    if (!aheadList().empty())
        return;
    const qreal ratio = screenRatio();
    for (const Name &name : names) {
        auto ahead = std::make_unique<Ahead>();
        ahead->source = sourceFor(name.id, name.type, ratio);
        aheadList().push_back(std::move(ahead));
    }
    // The owners decode on first use, mostly when they first paint; by then the worker has
    // most of them ready.
    aheadWorker() = std::async(std::launch::async, [] {
        for (const std::unique_ptr<Ahead> &ahead : aheadList()) {
            if (!ahead->claimed.exchange(true))
                ahead->promise.set_value(decodeNow(ahead->source));
        }
    });
}
