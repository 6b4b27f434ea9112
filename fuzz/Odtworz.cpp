// Replays inputs through a fuzz target without libFuzzer: every file of the folders (or the files)
// named on the command line is handed to LLVMFuzzerTestOneInput once. The normal build runs the
// seed corpora this way as plain tests, so an input that once crashed, once added to the corpus,
// stays a regression test; the sanitizer build runs them under ASan and UBSan.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar);

int main(int argc, char** argv) {
    namespace fs = std::filesystem;
    std::vector<fs::path> pliki;
    for (int i = 1; i < argc; ++i) {
        if (fs::is_directory(argv[i])) {
            for (const auto& wpis : fs::directory_iterator(argv[i]))
                if (wpis.is_regular_file())
                    pliki.push_back(wpis.path());
        } else if (fs::is_regular_file(argv[i])) {
            pliki.emplace_back(argv[i]);
        } else {
            std::fprintf(stderr, "Nie ma takiego pliku ani katalogu: %s\n", argv[i]);
            return 2;
        }
    }
    if (pliki.empty()) {
        std::fprintf(stderr, "Brak danych wejściowych\n");
        return 2;
    }
    std::sort(pliki.begin(), pliki.end());
    for (const fs::path& plik : pliki) {
        std::ifstream f(plik, std::ios::binary);
        const std::vector<char> bajty{std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
        std::printf("%s (%zu B)\n", plik.filename().c_str(), bajty.size());
        std::fflush(stdout); // the name stays on screen when the input aborts
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bajty.data()), bajty.size());
    }
    std::printf("%zu danych wejściowych bez błędu\n", pliki.size());
    return 0;
}
