// SPDX-License-Identifier: GPL-2.0-or-later
// pixora-emf2svg: an enhanced metafile on standard input, its SVG drawing on standard output.
//
// libemf2svg may be used under GPL-2 terms only, which the editor's other libraries (Apache-2.0
// ones among them) cannot share a process with; so the conversion runs here, as a filter the
// editor starts, and this program links libemf2svg and the C/C++ runtime and nothing else.
// Exit 0 with the SVG, or non-zero with nothing on standard output.
#include <emf2svg.h>
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

// The editor's loader reads no larger file, so no larger input can be meant for us.
constexpr size_t kMaxInputBytes = size_t{256} * 1024 * 1024;

enum ExitCode { kConverted = 0, kUnusable = 1, kTooLarge = 2, kSystemError = 3 };

struct MallocDeleter {
    void operator()(char* p) const { std::free(p); }
};

// Whole standard input, or false when it cannot be read or exceeds the limit.
bool ReadAll(int fd, std::vector<char>& out, bool& tooLarge) {
    tooLarge = false;
    constexpr size_t kChunk = 64 * 1024;
    for (;;) {
        const size_t used = out.size();
        if (used > kMaxInputBytes) {
            tooLarge = true;
            return false;
        }
        out.resize(used + kChunk);
        const ssize_t got = read(fd, out.data() + used, kChunk);
        if (got < 0 && errno == EINTR) {
            out.resize(used);
            continue;
        }
        if (got <= 0) {
            out.resize(used);
            return got == 0;
        }
        out.resize(used + static_cast<size_t>(got));
    }
}

bool WriteAll(int fd, const char* data, size_t length) {
    while (length > 0) {
        const ssize_t put = write(fd, data, length);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        data += put;
        length -= static_cast<size_t>(put);
    }
    return true;
}

}  // namespace

int main() {
    // The library's own chatter must not end up in the SVG: standard output goes to standard
    // error while it works, and the drawing is written to a copy of the real one.
    const int svgOut = fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3);
    if (svgOut < 0 || dup2(STDERR_FILENO, STDOUT_FILENO) < 0) {
        return kSystemError;
    }
    std::vector<char> emf;
    bool tooLarge = false;
    if (!ReadAll(STDIN_FILENO, emf, tooLarge)) {
        return tooLarge ? kTooLarge : kSystemError;
    }
    if (emf.empty()) {
        return kUnusable;
    }
    char nameSpace[] = "";
    generatorOptions options{};
    options.nameSpace = nameSpace;
    options.verbose = false;
    // EMF+ drawing in libemf2svg is partial; dual files carry plain EMF records as well.
    options.emfplus = false;
    options.svgDelimiter = true;
    char* rawSvg = nullptr;
    size_t svgLength = 0;
    const int converted = emf2svg(emf.data(), emf.size(), &rawSvg, &svgLength, &options);
    const std::unique_ptr<char, MallocDeleter> svg(rawSvg);
    std::fflush(stdout);
    if (converted == 0 || !svg || svgLength == 0) {
        return kUnusable;
    }
    return WriteAll(svgOut, svg.get(), svgLength) ? kConverted : kSystemError;
}
