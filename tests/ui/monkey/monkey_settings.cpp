// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "monkey_settings.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
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

bool parseRanges(std::vector<std::pair<std::int64_t, std::int64_t>>& ranges, std::string& error)
{
    const char* text = std::getenv("WUMPEL_MONKEY_ONLY");
    if (text == nullptr) {
        return true;
    }
    std::string_view rest(text);
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view item = rest.substr(0, comma);
        rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        const std::size_t dash = item.find('-');
        std::int64_t first = 0;
        std::int64_t last = 0;
        const std::string_view firstText = item.substr(0, dash);
        const std::string_view lastText =
            dash == std::string_view::npos ? firstText : item.substr(dash + 1);
        const auto [firstEnd, firstStatus] =
            std::from_chars(firstText.data(), firstText.data() + firstText.size(), first);
        const auto [lastEnd, lastStatus] =
            std::from_chars(lastText.data(), lastText.data() + lastText.size(), last);
        if (firstStatus != std::errc() || lastStatus != std::errc() ||
            firstEnd != firstText.data() + firstText.size() ||
            lastEnd != lastText.data() + lastText.size() || last < first) {
            error = "WUMPEL_MONKEY_ONLY is not a list of event numbers and ranges: " +
                    std::string(text);
            return false;
        }
        ranges.emplace_back(first, last);
    }
    return true;
}

} // namespace

bool MonkeySettings::performs(std::int64_t index) const
{
    if (only.empty()) {
        return true;
    }
    return std::any_of(only.begin(), only.end(), [index](const auto& range) {
        return range.first <= index && index <= range.second;
    });
}

bool MonkeySettings::fromEnvironment(MonkeySettings& settings, std::string& error)
{
    settings.events = WUMPEL_MONKEY_DEFAULT_EVENTS;
    settings.peakMib = WUMPEL_MONKEY_PEAK_MIB;
    settings.checkEndMemory = WUMPEL_MONKEY_CHECK_END_MEMORY != 0;
    settings.seed = WUMPEL_MONKEY_DEFAULT_SEED;
    const char* trace = std::getenv("WUMPEL_MONKEY_TRACE");
    settings.trace = trace != nullptr && std::string_view(trace) == "1";
    return parse("WUMPEL_MONKEY_EVENTS", settings.events, error) &&
           parse("WUMPEL_MONKEY_SEED", settings.seed, error) && parseRanges(settings.only, error);
}

} // namespace wumpel::monkey
