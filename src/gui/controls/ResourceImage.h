#pragma once

#include <QImage>

// A PNG from the program's resources, decoded once and kept for the owner's lifetime.
class ResourceImage
{
public:
    ResourceImage() = default;
    ResourceImage(int id, const char *type) { Load(id, type); }

    // Replaces what the object held. On failure the object is empty and can be loaded again.
    bool Load(int id, const char *type);

    bool isNull() const { return m_image.isNull(); }
    const QImage &image() const { return m_image; }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

private:
    QImage m_image;
};
