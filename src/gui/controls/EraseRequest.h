// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Qt has no erase step. A view whose work belongs to an erase records the request here and
// its next real paint consumes it; being shown counts as a request. Rendering a widget into a
// snapshot or a test image is not an erase, so it must never consume one.
class EraseRequest
{
public:
    void request() { m_pending = true; }

    // True once per request, and never while a snapshot is being rendered.
    bool consume()
    {
        if (s_snapshotDepth > 0 || !m_pending)
            return false;
        m_pending = false;
        return true;
    }

    bool pending() const { return m_pending; }

    // Marks a render that only copies pixels (a button's snapshot of its parent, a test's grab).
    class SnapshotScope
    {
    public:
        SnapshotScope() { ++s_snapshotDepth; }
        ~SnapshotScope() { --s_snapshotDepth; }
        SnapshotScope(const SnapshotScope &) = delete;
        SnapshotScope &operator=(const SnapshotScope &) = delete;
    };

private:
    bool m_pending = false;
    static inline int s_snapshotDepth = 0;
};
