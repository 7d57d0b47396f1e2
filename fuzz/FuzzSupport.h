#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

// What the fuzz targets share: Qt on the offscreen platform, a scratch folder for the
// readers that take a file, and the way a target reports a broken promise.
namespace quenna::fuzz {

// Starts Qt once, without a display: with widgets for the game's windows, without for the
// data kit's painting and measuring.
void StartQt(int* argc, char*** argv, bool widgets);

// A file in this run's scratch folder (made on first use, removed at exit), holding the
// bytes given.
std::filesystem::path ScratchFile(const std::string& name, const std::uint8_t* data,
                                  std::size_t size);

// The input as text.
inline std::string_view Text(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A reader broke one of its promises: says which, and ends the run so that libFuzzer
// keeps the input.
[[noreturn]] void Broken(const std::string& promise);

}  // namespace quenna::fuzz
