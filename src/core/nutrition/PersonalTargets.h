// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "food/NutrientCatalogue.h"
#include "nutrition/ReferenceIntakes.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// The targets a person set for themselves, over the defaults of their profile: a number in the
// nutrient's unit, or no target at all. The diary's settings keep one line for each:
//
//   Targets/vitamin_c=120
//   Targets/sodium=none
//
// A nutrient without a line has the profile's target. Limits are not the person's to change.
class PersonalTargets
{
public:
    static constexpr std::string_view KeyPrefix = "Targets/";
    // Targets above this are typing slips in any unit the catalogue uses.
    static constexpr double Largest = 1.0e6;

    static std::string settingsKey(int id);
    // Reads every nutrient's line through `value`, which gives a settings key's value, if any.
    using SettingsValue = std::function<std::optional<std::string>(const std::string &key)>;
    static PersonalTargets FromSettings(const SettingsValue &value);
    // One settings line; false (and nothing kept) when the key is not a nutrient's or the value
    // neither a target nor "none".
    bool read(std::string_view key, std::string_view value);
    // The value of the nutrient's line; nullopt when it has none.
    std::optional<std::string> valueText(int id) const;

    // nullopt clears the target. A number must be above 0 and at most Largest.
    static bool IsTarget(double value);
    void set(int id, std::optional<double> target);
    void reset(int id); // back to the profile's target
    bool isSet(int id) const { return m_own[std::size_t(id)].set; }

    // The profile's intake with the person's target in its place, where they set one.
    ReferenceIntakes::Intake intake(const std::optional<ReferenceIntakes::Profile> &profile,
                                    int id) const;

private:
    struct Own
    {
        bool set = false;
        std::optional<double> target;
    };
    std::array<Own, NutrientCatalogue::Count> m_own {};
};
