// The file operations both programs use. Paths are Texts in the ANSI code page and use
// "\" as the separator, as the programs build them; failures are results, never exceptions.
#pragma once

#include <cstdint>

#include "common/text.h"

namespace common {

inline constexpr std::uint32_t kAttributeHidden = 0x2;

// The folder of the running program's own file, without a trailing separator
// (a program in a drive root gives the bare drive, such as "C:").
Text runDirectory();

// Makes `directory` (as runDirectory() gives it) the current directory.
bool enterDirectory(const Text& directory);

// True when a file or folder exists at `path`.
bool fileExists(const Text& path);

// The whole file; an empty block when the path is empty, the file cannot be opened,
// or it cannot be read whole (too large to hold, read error).
ByteBlock readFile(const Text& path);

// Creates or replaces the file. The new bytes go to a temporary file in the same folder
// first, so afterwards `path` holds either its old bytes or all of the new ones.
bool writeFile(const Text& path, ByteView bytes);

// Sets the file's attributes to exactly `attributes` (FILE_ATTRIBUTE_* values).
bool setFileAttributes(const Text& path, std::uint32_t attributes);

// Joins a folder and a name with one "\".
inline Text pathIn(const Text& directory, const Text& name) { return directory + "\\" + name; }

}  // namespace common
