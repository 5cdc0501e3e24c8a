// A fuzz target's entry point run over the inputs of the folders named, once each, without
// libFuzzer: any compiler builds it, so the committed inputs are replayed on every machine the
// tests run on, big-endian ones included. A target aborts on what it finds wrong.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> inputs;
  for (int i = 1; i < argc; ++i) {
    for (const auto& entry : std::filesystem::directory_iterator(argv[i])) {
      inputs.push_back(entry.path());
    }
  }
  std::sort(inputs.begin(), inputs.end());
  for (const auto& input : inputs) {
    std::ifstream file(input, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    if (file.bad()) {
      std::fprintf(stderr, "%s: cannot be read\n", input.c_str());
      return 1;
    }
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
  }
  std::printf("%zu inputs replayed\n", inputs.size());
  std::fflush(stdout);
  // Ended as libFuzzer ends a run, without static destructors: a target keeps its QApplication in
  // a static, which newer Qt cannot tear down once its own globals are gone.
  std::_Exit(inputs.empty() ? 1 : 0);
}
