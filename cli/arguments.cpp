// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/arguments.h"

#include "cli/quoted.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <system_error>

namespace wumpel::cli {
namespace {

constexpr std::string_view CountOption = "--count";
constexpr std::string_view SeedOption = "--seed";

// Splits "--name=value" into its name and value; other arguments have no value.
std::pair<std::string_view, std::optional<std::string_view>> SplitOption(std::string_view argument)
{
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos) {
        return {argument, std::nullopt};
    }
    return {argument.substr(0, equals), argument.substr(equals + 1)};
}

class ArgumentParser {
public:
    explicit ArgumentParser(std::span<const std::string_view> arguments) : m_arguments(arguments) {}

    Arguments Parse()
    {
        for (const std::string_view argument : m_arguments) {
            if (argument == "--") {
                break;
            }
            if (argument == "--help") {
                return HelpRequest{};
            }
            if (argument == "--version") {
                return VersionRequest{};
            }
        }
        VerseRequest request;
        bool inputNamed = false;
        bool optionsEnded = false;
        while (m_next < m_arguments.size()) {
            const std::string_view argument = m_arguments[m_next++];
            if (!optionsEnded && argument == "--") {
                optionsEnded = true;
                continue;
            }
            if (!optionsEnded && argument.size() > 1 && argument.front() == '-') {
                if (auto error = ParseOption(argument, request)) {
                    return *error;
                }
                continue;
            }
            if (inputNamed) {
                return UsageError{"more than one input file: " + Quoted(request.Input) + " and " +
                                  Quoted(argument)};
            }
            request.Input = argument;
            inputNamed = true;
        }
        return request;
    }

private:
    std::optional<UsageError> ParseOption(std::string_view argument, VerseRequest& request)
    {
        const auto [name, attachedValue] = SplitOption(argument);
        if (name != CountOption && name != SeedOption) {
            return UsageError{"unknown option " + Quoted(argument)};
        }
        std::string_view value;
        if (attachedValue) {
            value = *attachedValue;
        } else if (m_next < m_arguments.size()) {
            value = m_arguments[m_next++];
        } else {
            return UsageError{std::string(name) + " needs a value"};
        }
        const std::optional<std::uint64_t> number = ParseUnsigned64(value);
        if (name == CountOption) {
            if (!number || *number == 0) {
                return UsageError{"invalid count " + Quoted(value) +
                                  ": expected a whole number from 1 to 18446744073709551615"};
            }
            request.Count = *number;
        } else {
            if (!number) {
                return UsageError{"invalid seed " + Quoted(value) +
                                  ": expected a whole number from 0 to 18446744073709551615"};
            }
            request.Seed = *number;
        }
        return std::nullopt;
    }

    std::span<const std::string_view> m_arguments;
    std::size_t m_next = 0;
};

} // namespace

Arguments ParseArguments(std::span<const std::string_view> arguments)
{
    return ArgumentParser(arguments).Parse();
}

std::optional<std::uint64_t> ParseUnsigned64(std::string_view text)
{
    // from_chars alone would accept a leading minus for signed types and stop at
    // the first non-digit; the checks make it all or nothing.
    const bool allDigits = !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
        return c >= '0' && c <= '9';
    });
    if (!allDigits) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace wumpel::cli
