// Runs a harness once over each file named on the command line, or over every
// file of each folder named there (sorted by name): the corpus as a
// regression check, without libFuzzer. A failing property aborts the program.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool runFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return false;
    }
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::fprintf(stderr, "running %s (%zu bytes)\n", file.c_str(), bytes.size());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    // Absolute before the first input runs: a harness may change the working directory.
    std::vector<fs::path> args;
    for (int i = 1; i < argc; ++i) args.push_back(fs::absolute(argv[i]));
    int ran = 0;
    for (const fs::path& arg : args) {
        std::vector<fs::path> files;
        if (fs::is_directory(arg)) {
            for (const auto& entry : fs::directory_iterator(arg))
                if (entry.is_regular_file()) files.push_back(entry.path());
            std::sort(files.begin(), files.end());
        } else {
            files.push_back(arg);
        }
        for (const fs::path& f : files) {
            if (!runFile(f)) return 2;
            ++ran;
        }
    }
    std::printf("%d inputs ran without a finding\n", ran);
    // An empty corpus checks nothing: that is a failure of the check itself.
    return ran > 0 ? 0 : 1;
}
