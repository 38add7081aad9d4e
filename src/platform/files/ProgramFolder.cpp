#include "platform/files/ProgramFolder.h"

#include <system_error>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace tess::files {

std::filesystem::path programFolder() {
  std::error_code error;
#ifdef _WIN32
  // The name can be longer than MAX_PATH; grow the buffer until it fits.
  std::vector<wchar_t> buffer(MAX_PATH);
  for (int attempt = 0; attempt < 8; ++attempt) {
    const DWORD size = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (size == 0) break;
    if (size < buffer.size()) {
      return std::filesystem::path(std::wstring(buffer.data(), size)).parent_path();
    }
    buffer.resize(buffer.size() * 2);
  }
#else
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error && !executable.empty()) return executable.parent_path();
#endif
  const std::filesystem::path current = std::filesystem::current_path(error);
  return error ? std::filesystem::path(".") : current;
}

std::filesystem::path joinPath(const std::filesystem::path& folder, std::string_view fileName) {
  return folder / utf8ToPath(fileName);
}

std::string pathToUtf8(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::filesystem::path utf8ToPath(std::string_view text) {
  return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace tess::files
