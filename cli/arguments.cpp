// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/arguments.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <system_error>

namespace wumpel::cli {
namespace {

constexpr std::string_view CountOption = "--count";
constexpr std::string_view SeedOption = "--seed";
constexpr std::string_view Range = " to 18446744073709551615";

// A whole decimal number without sign or blanks that fits in 64 bits: for an
// unsigned type, from_chars takes digits only, so all of text must be read.
std::optional<std::uint64_t> ParseUnsigned64(std::string_view text)
{
    std::uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

// Sets the option called name to value in request.
std::optional<UsageError> SetOption(std::string_view name, std::string_view value,
                                    VerseRequest& request)
{
    const std::optional<std::uint64_t> number = ParseUnsigned64(value);
    if (name == CountOption) {
        if (!number || *number == 0) {
            return UsageError{"invalid count " + Quoted(value) +
                              ": expected a whole number from 1" + std::string(Range)};
        }
        request.Count = *number;
        return std::nullopt;
    }
    if (!number) {
        return UsageError{"invalid seed " + Quoted(value) + ": expected a whole number from 0" +
                          std::string(Range)};
    }
    request.Seed = *number;
    return std::nullopt;
}

} // namespace

Arguments ParseArguments(std::span<const std::string_view> arguments)
{
    const auto optionsEnd = std::find(arguments.begin(), arguments.end(), "--");
    for (auto argument = arguments.begin(); argument != optionsEnd; ++argument) {
        if (*argument == "-h" || *argument == "--help") {
            return HelpRequest{};
        }
        if (*argument == "--version") {
            return VersionRequest{};
        }
    }
    VerseRequest request;
    bool inputNamed = false;
    bool optionsEnded = false;
    for (std::size_t next = 0; next < arguments.size();) {
        const std::string_view argument = arguments[next++];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (optionsEnded || argument.size() < 2 || !argument.starts_with('-')) {
            if (inputNamed) {
                return UsageError{"more than one input file: " + Quoted(request.Input) + " and " +
                                  Quoted(argument)};
            }
            request.Input = argument;
            inputNamed = true;
        } else {
            const std::size_t equals = argument.find('=');
            const std::string_view name = argument.substr(0, equals);
            if (name != CountOption && name != SeedOption) {
                return UsageError{"unknown option " + Quoted(argument)};
            }
            std::string_view value;
            if (equals != std::string_view::npos) {
                value = argument.substr(equals + 1);
            } else if (next < arguments.size()) {
                value = arguments[next++];
            } else {
                return UsageError{std::string(name) + " needs a value"};
            }
            if (auto error = SetOption(name, value, request)) {
                return *error;
            }
        }
    }
    return request;
}

std::string Quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

} // namespace wumpel::cli
