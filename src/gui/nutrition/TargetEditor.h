// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "nutrition/PersonalTargets.h"

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

// The person's own target for the chosen nutrient: typed in the nutrient's unit, none when the
// box is left empty, or the chosen person's default again with Default.
class TargetEditor : public QWidget
{
    Q_OBJECT

public:
    explicit TargetEditor(QWidget *parent = nullptr);

    // -1: no nutrient chosen; the editor is disabled.
    void setNutrient(int id, const PersonalTargets &targets,
                     const std::optional<ReferenceIntakes::Profile> &profile);
    QLineEdit *box() const { return m_box; }
    QPushButton *defaultButton() const { return m_default; }

signals:
    void targetChosen(int id, std::optional<double> target); // nullopt: no target
    void targetReset(int id);

private:
    void typed();

    int m_id = -1;
    std::optional<double> m_shown; // the target the box shows
    QLabel *m_label = nullptr;
    QLineEdit *m_box = nullptr;
    QLabel *m_unit = nullptr;
    QPushButton *m_default = nullptr;
};
