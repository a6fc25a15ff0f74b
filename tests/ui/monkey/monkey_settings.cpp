// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "monkey_settings.h"

#include <charconv>
#include <cstdlib>
#include <random>
#include <string_view>

namespace wumpel::monkey {
namespace {

template <typename Number> bool parse(const char* name, Number& value, std::string& error)
{
    const char* text = std::getenv(name);
    if (text == nullptr || *text == '\0') {
        return true;
    }
    const std::string_view view(text);
    const auto [end, status] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (status != std::errc() || end != view.data() + view.size()) {
        error = std::string(name) + " is not a whole number: " + text;
        return false;
    }
    return true;
}

} // namespace

bool MonkeySettings::fromEnvironment(MonkeySettings& settings, std::string& error)
{
    settings.events = WUMPEL_MONKEY_DEFAULT_EVENTS;
    settings.peakMib = WUMPEL_MONKEY_PEAK_MIB;
    std::random_device device;
    settings.seed = (std::uint64_t{device()} << 32U) | device();
    return parse("WUMPEL_MONKEY_EVENTS", settings.events, error) &&
           parse("WUMPEL_MONKEY_SEED", settings.seed, error);
}

} // namespace wumpel::monkey
