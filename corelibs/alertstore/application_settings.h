// One application's stored alert settings and the bytes of its settings file.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "notify_method.h"

// The settings file holds every block of one application, so one atomic replacement
// stores a whole set: a crash leaves either the old or the new settings, never a mix.
class ApplicationSettings {
public:
    std::array<std::uint8_t, kFlagBlockSize> flags {};
    std::array<std::uint8_t, kCountBlockSize> counts {};
    std::array<std::uint8_t, kSettingsBlockSize> settings {};
    std::array<std::vector<std::uint8_t>, kNotifyMethods.size()> recipients;
    std::uint32_t serial = 0;  // raised by every successful set
    std::int64_t changedAt = 0;  // seconds since 1970 (UTC) of the last set

    std::size_t RecipientCount(NotifyMethod method) const;
    bool Enabled(NotifyMethod method) const;

    // Stores a method's list as a set call passes it: a method without recipients is
    // always stored disabled. Returns false when the list is not whole records.
    bool SetRecipients(NotifyMethod method, const std::uint8_t* list, std::size_t count, bool enabled);
    // Marks the settings as changed now; the serial keeps two changes within one second apart.
    void Touch(std::int64_t now);

    // The count block as a read hands it out: the stored block with each method's word
    // replaced by the number of records really stored.
    std::array<std::uint8_t, kCountBlockSize> CountBlock() const;

    std::vector<std::uint8_t> Encode() const;
    // Refuses anything that is not a whole, unaltered settings file.
    static std::optional<ApplicationSettings> Decode(const std::vector<std::uint8_t>& bytes);
};
