#pragma once

#include "controls/BackgroundSlice.h"

#include <QWidget>

// The Diary page: a note for the selected day.
class CDiary : public QWidget
{
    Q_OBJECT

public:
    explicit CDiary(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    BackgroundSlice m_background;
};
