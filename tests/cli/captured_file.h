// SPDX-FileCopyrightText: 2026 The Wumpel developers
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <string>
#include <sys/types.h>
#include <unistd.h>

namespace wumpel::testing_support {

// Collects what a writer sends to a file descriptor.
class CapturedFile {
public:
    CapturedFile() : m_file(std::tmpfile()) {}
    CapturedFile(const CapturedFile&) = delete;
    CapturedFile(CapturedFile&&) = delete;
    CapturedFile& operator=(const CapturedFile&) = delete;
    CapturedFile& operator=(CapturedFile&&) = delete;
    ~CapturedFile() { std::fclose(m_file); }

    int Fd() const { return ::fileno(m_file); }

    std::string Content() const
    {
        std::string content;
        std::array<char, 4096> buffer{};
        ssize_t count = 0;
        off_t offset = 0;
        while ((count = ::pread(Fd(), buffer.data(), buffer.size(), offset)) > 0) {
            content.append(buffer.data(), static_cast<std::size_t>(count));
            offset += count;
        }
        return content;
    }

private:
    std::FILE* m_file;
};

} // namespace wumpel::testing_support
