#pragma once

#include <optional>

#include <QUuid>

#include "engine/DomainPreset.h"

namespace halvex {

// Which screen fills the popover: a new streak (seeded with a preset set of
// sites, or blank), the edit screen of one streak, or the streak list.
// Routes are equal when their kinds and their payloads are.
class PopoverRoute final {
public:
    enum class Kind { newStreak, edit, list };

    PopoverRoute() = default; // the list
    static PopoverRoute newStreak(std::optional<DomainPreset> preset = std::nullopt)
    {
        PopoverRoute r;
        r.m_kind = Kind::newStreak;
        r.m_preset = preset;
        return r;
    }
    static PopoverRoute edit(const QUuid &streakId)
    {
        PopoverRoute r;
        r.m_kind = Kind::edit;
        r.m_streakId = streakId;
        return r;
    }
    static PopoverRoute list() { return {}; }

    Kind kind() const { return m_kind; }
    // The seed of a new streak; none otherwise.
    const std::optional<DomainPreset> &preset() const { return m_preset; }
    // The edited streak; null otherwise.
    const QUuid &streakId() const { return m_streakId; }

    friend bool operator==(const PopoverRoute &, const PopoverRoute &) = default;

private:
    Kind m_kind = Kind::list;
    std::optional<DomainPreset> m_preset;
    QUuid m_streakId;
};

} // namespace halvex
