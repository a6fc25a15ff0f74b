// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/arguments.h"

#include "frontend/whole_number.h"

#include <algorithm>
#include <cstddef>

namespace wumpel::cli {
namespace {

constexpr std::string_view CountOption = "--count";
constexpr std::string_view SeedOption = "--seed";

// Reads the option in arguments[next - 1] into request, and its value too
// unless it follows an "=". Moves next past what it read.
std::optional<UsageError> ReadOption(std::span<const std::string_view> arguments, std::size_t& next,
                                     VerseRequest& request)
{
    const std::string_view argument = arguments[next - 1];
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
    const std::optional<std::uint64_t> number = ParseUnsigned64(value);
    if (name == CountOption && (!number || *number == 0)) {
        return UsageError{"invalid count " + Quoted(value) +
                          ": expected a whole number from 1 to 18446744073709551615"};
    }
    if (!number) {
        return UsageError{"invalid seed " + Quoted(value) +
                          ": expected a whole number from 0 to 18446744073709551615"};
    }
    if (name == CountOption) {
        request.Count = *number;
    } else {
        request.Seed = *number;
    }
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
        } else if (auto error = ReadOption(arguments, next, request)) {
            return *error;
        }
    }
    return request;
}

// Built by appending: GCC 12 at -O3 warns falsely (-Wrestrict) on "'" + std::string.
std::string Quoted(std::string_view text)
{
    return std::string(1, '\'').append(text).append(1, '\'');
}

} // namespace wumpel::cli
