// The folder that holds the program's executable, and paths in it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tess::files {

//! The folder of the running executable. When the system cannot tell (which does not happen on
//! Windows or Linux), the current folder.
std::filesystem::path programFolder();

//! folder joined with a file name, with the platform's separator.
std::filesystem::path joinPath(const std::filesystem::path& folder, std::string_view fileName);

//! A path as UTF-8 text, for messages.
std::string pathToUtf8(const std::filesystem::path& path);

//! UTF-8 text as a path.
std::filesystem::path utf8ToPath(std::string_view text);

}  // namespace tess::files
