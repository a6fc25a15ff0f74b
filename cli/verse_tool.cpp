// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/verse_tool.h"

#include "cli/arguments.h"
#include "cli/text_output.h"
#include "cli/word_list_input.h"
#include "engine/actions.h"
#include "engine/generator_state.h"
#include "engine/random_source.h"
#include "engine/verse_composer.h"
#include "engine/word_list_parser.h"
#include "engine/word_tables.h"

#include <memory>
#include <new>
#include <string>
#include <system_error>
#include <variant>

namespace wumpel::cli {
namespace {

constexpr std::string_view ProgramName = "wumpel-verse";

constexpr std::string_view Usage =
    "Usage: wumpel-verse [--count N] [--seed S] [FILE]\n"
    "       wumpel-verse -h | --help | --version\n"
    "Writes N random German three-line verses made from the word list in FILE,\n"
    "or in standard input when FILE is absent or \"-\". The list holds one noun\n"
    "per line with its article (\"der Hund\"), as UTF-8; at least nine entries.\n"
    "\n"
    "  --count N   how many verses to write, 1 or more (default 1)\n"
    "  --seed S    start the random source at S, 0 to 18446744073709551615:\n"
    "              the same seed and list always give the same verses\n"
    "  -h, --help  show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Exit status: 0 verses written, 1 too few entries, 2 bad arguments or input.\n";

int Fail(const ToolStreams& streams, std::string_view message)
{
    WriteAll(streams.Error, std::string(ProgramName) + ": " + std::string(message) + "\n");
    return ExitError;
}

std::unique_ptr<RandomSource> MakeRandomSource(const VerseRequest& request)
{
    if (request.Seed) {
        return std::make_unique<SeededRandomSource>(*request.Seed);
    }
    return std::make_unique<ClockRandomSource>();
}

// "Übernehmen" and count - 1 clicks on "Zeilen anhängen". The verses are
// composed straight into the output's buffer, which goes out whenever it is
// full: memory stays the same however many verses are asked for.
int WriteVerses(const VerseRequest& request, const ToolStreams& streams)
{
    GeneratorState state;
    InitWordTables(state);
    // The text goes as soon as it is parsed.
    ParseWordList(state, ReadWordList(request.Input, streams.Input));
    if (state.LastEntryIndex < MinimumLastEntryIndex) {
        WriteAll(streams.Error, std::string(TooFewWordsMessage) + "\n");
        return ExitTooFewWords;
    }
    const std::unique_ptr<RandomSource> random = MakeRandomSource(request);
    TextOutput output(streams.Output);
    for (std::uint64_t verse = 0; verse < request.Count; ++verse) {
        ComposeVerse(state, *random, output.Text());
        output.WriteWhenFull();
    }
    output.Flush();
    return ExitVerses;
}

int Run(const Arguments& arguments, const ToolStreams& streams)
{
    if (const auto* request = std::get_if<VerseRequest>(&arguments)) {
        return WriteVerses(*request, streams);
    }
    if (std::holds_alternative<HelpRequest>(arguments)) {
        WriteAll(streams.Output, Usage);
        return ExitVerses;
    }
    if (std::holds_alternative<VersionRequest>(arguments)) {
        WriteAll(streams.Output, std::string(ProgramName) + " " + WUMPEL_VERSION + "\n");
        return ExitVerses;
    }
    return Fail(streams, std::get<UsageError>(arguments).Message + " (see " +
                             std::string(ProgramName) + " --help)");
}

} // namespace

int RunVerseTool(std::span<const std::string_view> arguments, const ToolStreams& streams)
{
    // Standard error itself may be what failed; then there is nowhere left to say
    // so, and the exit status has to do.
    try {
        try {
            return Run(ParseArguments(arguments), streams);
        } catch (const InputError& error) {
            return Fail(streams, error.what());
        } catch (const std::system_error& error) {
            return Fail(streams, "cannot write the output: " + error.code().message());
        } catch (const std::bad_alloc&) {
            // The word list is read whole before it is parsed, and held as
            // its bytes, its text and its entries; within the size limit that
            // can still be more than a tightly limited process may have.
            return Fail(streams, "not enough memory for the word list and its verses");
        }
    } catch (const std::system_error&) {
        return ExitError;
    }
}

} // namespace wumpel::cli
