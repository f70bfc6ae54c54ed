#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "picture/formats/result.h"

namespace qc {

// The user's desktop folder (UTF-8, no trailing "/"): XDG_DESKTOP_DIR of user-dirs.dirs
// when it names an existing folder, otherwise the home folder.
std::string DesktopFolder();

// DesktopFolder with the environment passed in: `home` is $HOME, `configHome` is
// $XDG_CONFIG_HOME (empty when unset).
std::string DesktopFolderFrom(std::string_view home, std::string_view configHome);

// The first of "folder/name.ext", "folder/name (2).ext", "folder/name (3).ext", … that names
// nothing yet. Fails when thousands of names are taken.
Result<std::string> UniqueSavePath(std::string_view folder, std::string_view name,
                                   std::string_view extension);

enum class WriteOutcome {
    Written,
    NameTaken,  // something got the name meanwhile; nothing was written, try another name
};

// Writes the bytes to a temporary file next to `path`, flushes it to disk and only then gives
// it its name, so a reader never sees half a file and an existing file is never replaced.
// On failure nothing is left behind.
Result<WriteOutcome> WriteFileAtomically(const std::string& path,
                                         std::span<const std::uint8_t> bytes);

// UniqueSavePath and WriteFileAtomically until a name sticks; gives the path written.
Result<std::string> SaveNewFile(std::string_view folder, std::string_view name,
                                std::string_view extension, std::span<const std::uint8_t> bytes);

}  // namespace qc
