#pragma once

#include <QImage>
#include <vector>

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

    struct Name
    {
        int id;
        const char *type; // a string literal
    };
    // Starts decoding these images on a worker thread, in the order they will be asked for;
    // a Load of one of them takes the worker's result. Once per run, from the GUI thread.
    static void DecodeAhead(const std::vector<Name> &names);

private:
    QImage m_image;
};
