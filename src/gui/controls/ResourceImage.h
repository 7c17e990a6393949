// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <vector>

class QPainter;

// A PNG from the program's resources, decoded once and kept for the owner's lifetime. On a
// high-density screen it is the skin's 2x painting: image() then has twice the pixels and a
// device pixel ratio of 2, and width() and height() stay in layout pixels.
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
    int width() const { return qRound(image().deviceIndependentSize().width()); }
    int height() const { return qRound(image().deviceIndependentSize().height()); }

    struct Name
    {
        int id;
        const char *type; // a string literal
    };
    // Asks for smooth scaling where `image` meets a device of another pixel density (a 2x image
    // on a 1.5 screen); at equal densities it is drawn pixel for pixel and nothing changes.
    static void smoothWhenScaled(QPainter &painter, const QImage &image);

    // Starts decoding these images on a worker thread, in the order they will be asked for;
    // a Load of one of them takes the worker's result. Once per run, from the GUI thread.
    static void DecodeAhead(const std::vector<Name> &names);

private:
    void decodePending() const;

    mutable QImage m_image;
    mutable int m_id = 0;
    mutable const char *m_type = nullptr; // set while the image is still to be decoded
};
