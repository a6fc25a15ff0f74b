// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#include "cli/write_all.h"

#include <cerrno>
#include <cstddef>
#include <system_error>
#include <unistd.h>

namespace wumpel::cli {

void WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw std::system_error(errno, std::generic_category(), "cannot write");
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

} // namespace wumpel::cli
