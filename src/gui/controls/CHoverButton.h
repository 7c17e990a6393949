// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controls/StripButton.h"

// A skin button for any parent: it paints its frame over a snapshot of what its parent shows
// under it, taken once per size, position or set-up change rather than on every paint.
// Disabled, it shows its normal frame washed out; a double click counts as a second click.
class CHoverButton : public StripButton
{
    Q_OBJECT

public:
    explicit CHoverButton(QWidget *parent = nullptr);

    void SetupButton(int stringId, int imageId, const char *type);

    bool snapshotValid() const { return m_snapshotValid; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void refreshSnapshot();
    void captureSnapshot();

    QImage m_snapshot;
    bool m_snapshotValid = false;
    QPoint m_lastPos {-1, -1};
    QSize m_lastSize {-1, -1};
    QImage m_disabledFrame;
};
