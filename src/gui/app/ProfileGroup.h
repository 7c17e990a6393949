// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "nutrition/ReferenceIntakes.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QSpinBox;

// Whom the Nutrients page's targets are for: sex, age, and pregnant or breastfeeding. The
// published reference intakes for that person give the targets and upper limits. Until a
// person is chosen there are none.
class ProfileGroup : public QWidget
{
    Q_OBJECT

public:
    explicit ProfileGroup(QWidget *parent = nullptr);

    // Fills the boxes; no signal.
    void setProfile(const std::optional<ReferenceIntakes::Profile> &profile);
    std::optional<ReferenceIntakes::Profile> profile() const;

    QComboBox *whoBox() const { return m_who; }
    QSpinBox *ageBox() const { return m_age; }

signals:
    void profileChanged(const std::optional<ReferenceIntakes::Profile> &profile);

private:
    void changed();

    QComboBox *m_who = nullptr;
    QSpinBox *m_age = nullptr;
};
