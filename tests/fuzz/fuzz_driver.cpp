// The main() of a fuzz target built without libFuzzer: runs the target's entry once on every
// file named on the command line (a folder: every file under it, in name order), so that the
// targets build with any compiler and replay a corpus or a finding. Options of libFuzzer
// ("-max_total_time=…") are ignored.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);
#ifdef ORVANE_FUZZ_INITIALIZE
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv);
#endif

int main(int argc, char **argv) {
#ifdef ORVANE_FUZZ_INITIALIZE
    LLVMFuzzerInitialize(&argc, &argv);
#endif
    namespace fs = std::filesystem;
    std::vector<fs::path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-')
            continue;
        const fs::path named(argv[i]);
        std::error_code ec;
        if (!fs::is_directory(named, ec)) {
            inputs.push_back(named);
            continue;
        }
        std::vector<fs::path> found;
        for (const auto &entry : fs::recursive_directory_iterator(named, ec))
            if (entry.is_regular_file(ec))
                found.push_back(entry.path());
        std::sort(found.begin(), found.end());
        inputs.insert(inputs.end(), found.begin(), found.end());
    }
    for (const fs::path &input : inputs) {
        std::ifstream in(input, std::ios::binary);
        if (!in) {
            std::fprintf(stderr, "cannot read %s\n", input.string().c_str());
            return 2;
        }
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs run\n", inputs.size());
    return 0;
}
