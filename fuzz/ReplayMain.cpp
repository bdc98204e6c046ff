// Feeds files to a fuzz target without libFuzzer: every file named, and every
// file of every folder named, in name order. A broken invariant aborts.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {
std::vector<char> contents(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void replay(const std::filesystem::path& path) {
    const std::vector<char> bytes = contents(path);
    // A copy on the heap of exactly the file's size, so that a read past its
    // end shows under AddressSanitizer as it would under libFuzzer.
    std::vector<std::uint8_t> input(bytes.begin(), bytes.end());
    static std::uint8_t nothing = 0;
    LLVMFuzzerTestOneInput(input.empty() ? &nothing : input.data(), input.size());
}
} // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int k = 1; k < argc; ++k) {
        const std::filesystem::path given(argv[k]);
        std::error_code error;
        if (std::filesystem::is_directory(given, error)) {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::directory_iterator(given)) {
                if (entry.is_regular_file()) {
                    files.push_back(entry.path());
                }
            }
            std::sort(files.begin(), files.end());
            for (const auto& file : files) {
                replay(file);
                ++replayed;
            }
        } else if (std::filesystem::is_regular_file(given, error)) {
            replay(given);
            ++replayed;
        } else {
            std::fprintf(stderr, "%s: no such file or folder\n", argv[k]);
            return 2;
        }
    }
    std::printf("%d inputs replayed without a broken invariant\n", replayed);
    return replayed > 0 ? 0 : 1;
}
