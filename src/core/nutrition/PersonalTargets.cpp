// SPDX-License-Identifier: GPL-3.0-or-later
#include "nutrition/PersonalTargets.h"

#include "platform/NumberText.h"

#include <cmath>

std::string PersonalTargets::settingsKey(int id)
{
    return std::string(KeyPrefix) + std::string(NutrientCatalogue::info(id).key);
}

PersonalTargets PersonalTargets::FromSettings(const SettingsValue &value)
{
    PersonalTargets targets;
    for (int id = 0; id < NutrientCatalogue::Count; ++id) {
        const std::string key = settingsKey(id);
        if (const std::optional<std::string> text = value(key))
            targets.read(key, *text);
    }
    return targets;
}

bool PersonalTargets::IsTarget(double value)
{
    return std::isfinite(value) && value > 0.0 && value <= Largest;
}

bool PersonalTargets::read(std::string_view key, std::string_view value)
{
    if (!key.starts_with(KeyPrefix))
        return false;
    const int id = NutrientCatalogue::find(key.substr(KeyPrefix.size()));
    if (id < 0)
        return false;
    if (value == "none") {
        set(id, std::nullopt);
        return true;
    }
    const std::optional<double> target = NumberText::whole(value);
    if (!target || !IsTarget(*target))
        return false;
    set(id, *target);
    return true;
}

std::optional<std::string> PersonalTargets::valueText(int id) const
{
    const Own &own = m_own[std::size_t(id)];
    if (!own.set)
        return std::nullopt;
    if (!own.target)
        return "none";
    // Enough decimals for a few hundredths of a µg; no trailing zeros.
    std::string text = NumberText::fixed(*own.target, 4);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text;
}

void PersonalTargets::set(int id, std::optional<double> target)
{
    if (target && !IsTarget(*target))
        return;
    m_own[std::size_t(id)] = {true, target};
}

void PersonalTargets::reset(int id)
{
    m_own[std::size_t(id)] = {};
}

ReferenceIntakes::Intake
PersonalTargets::intake(const std::optional<ReferenceIntakes::Profile> &profile, int id) const
{
    ReferenceIntakes::Intake intake =
        profile ? ReferenceIntakes::of(*profile, id) : ReferenceIntakes::Intake();
    if (const Own &own = m_own[std::size_t(id)]; own.set) {
        intake.target = own.target;
        intake.targetKind =
            own.target ? ReferenceIntakes::TargetKind::Own : ReferenceIntakes::TargetKind::None;
    }
    return intake;
}
