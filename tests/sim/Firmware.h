#pragma once

#include "KeyboardState.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace sim {

// The keyboard's command table: what each complete command does to the state and what it answers.
class Firmware
{
public:
    // Returns the reply payload, or nothing for commands the keyboard does not answer.
    static std::optional<std::vector<std::uint8_t>> execute(
        KeyboardState& state, std::uint8_t cmd, const std::vector<std::uint8_t>& payload);

    // Commands that change something and answer with a status byte.
    static bool isSetCommand(std::uint8_t cmd);
};

} // namespace sim
