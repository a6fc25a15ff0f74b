// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "monkey_progress.h"

#include <algorithm>
#include <new>
#include <sys/mman.h>

namespace wumpel::monkey {

MonkeyProgress* MonkeyProgress::createShared()
{
    void* memory = mmap(nullptr, sizeof(MonkeyProgress), PROT_READ | PROT_WRITE,
                        MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    if (memory == MAP_FAILED) {
        throw std::bad_alloc();
    }
    return new (memory) MonkeyProgress();
}

void MonkeyProgress::begin(std::int64_t index, std::string_view description)
{
    auto& line = lines.at(static_cast<std::size_t>(performed) % Recent);
    const std::string text = std::to_string(index) + ": " + std::string(description);
    const std::size_t length = std::min(text.size(), LineLength - 1);
    std::copy_n(text.begin(), length, line.begin());
    line.at(length) = '\0';
    started = index + 1;
    ++performed;
}

std::string MonkeyProgress::recentEvents() const
{
    std::string text;
    const std::int64_t first =
        std::max<std::int64_t>(0, performed - static_cast<std::int64_t>(Recent));
    for (std::int64_t index = first; index < performed; ++index) {
        text += "  ";
        text += lines.at(static_cast<std::size_t>(index) % Recent).data();
        text += '\n';
    }
    return text;
}

} // namespace wumpel::monkey
