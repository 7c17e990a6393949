#pragma once

#include <QImage>
#include <vector>

// A PNG from the program's resources, decoded once and kept for the owner's lifetime.
class ResourceImage
{
public:
    ResourceImage() = default;
    // Decoded when first used: most owners are built long before they paint, and meanwhile a
    // worker may have decoded it (DecodeAhead).
    ResourceImage(int id, const char *type) : m_id(id), m_type(type) { }

    // Replaces what the object held. On failure the object is empty and can be loaded again.
    bool Load(int id, const char *type);

    bool isNull() const { return image().isNull(); }
    const QImage &image() const
    {
        if (m_type != nullptr)
            decodePending();
        return m_image;
    }
    int width() const { return image().width(); }
    int height() const { return image().height(); }

    struct Name
    {
        int id;
        const char *type; // a string literal
    };
    // Starts decoding these images on a worker thread, in the order they will be asked for;
    // a Load of one of them takes the worker's result. Once per run, from the GUI thread.
    static void DecodeAhead(const std::vector<Name> &names);

private:
    void decodePending() const;

    mutable QImage m_image;
    mutable int m_id = 0;
    mutable const char *m_type = nullptr; // set while the image is still to be decoded
};
