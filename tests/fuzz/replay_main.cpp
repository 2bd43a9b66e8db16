// SPDX-License-Identifier: GPL-2.0-or-later
// Runs a fuzz target over files and folders of files, so the stored corpus and every past
// finding are replayed as an ordinary test without libFuzzer.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {
int RunFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::cerr << "cannot read " << path << "\n";
        return 1;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return 0;
}
}  // namespace

int main(int argc, char** argv) {
    int failures = 0;
    int runs = 0;
    for (int i = 1; i < argc; ++i) {
        std::filesystem::path arg(argv[i]);
        if (std::filesystem::is_directory(arg)) {
            for (const auto& entry : std::filesystem::recursive_directory_iterator(arg)) {
                if (entry.is_regular_file()) {
                    failures += RunFile(entry.path());
                    ++runs;
                }
            }
        } else {
            failures += RunFile(arg);
            ++runs;
        }
    }
    // Also feed a few degenerate inputs, so a target with an empty corpus still runs.
    const uint8_t zeros[16] = {};
    LLVMFuzzerTestOneInput(zeros, 0);
    LLVMFuzzerTestOneInput(zeros, sizeof zeros);
    std::cout << "replayed " << runs << " inputs\n";
    return failures == 0 ? 0 : 1;
}
