#pragma once
// The one way Murolab writes a file and the one way it reads a whole file from outside.
//
// Writing: the bytes go to a new, uniquely named file beside the target, are flushed to the disk and
// only then renamed over the target, so that at every moment either the old or the new file exists
// whole. Every saved file (project, catalogue group, report, climate file) goes through here.
//
// Reading: only regular files, opened without blocking and refused before reading when they are
// larger than the caller allows, so that a FIFO, a device or a huge sparse file given as a data file
// neither hangs the program nor is mistaken for an empty file.

#include "core/Bledy.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace murolab {

// Writes `bajty` as the file `sciezka`. Returns nothing on success, else the Polish message.
// - A link is written through: the file it finally points to is replaced, and the link stays.
// - A target that exists and is not a regular file (a device, a FIFO, a socket, a directory) is
//   refused and left alone; so is a regular file the user may not write.
// - A replaced file keeps its permission bits (and, where the process may set it, its owner).
// - The temporary file has a short name of its own in the target's folder (so a target name of the
//   full 255 bytes still works), is created exclusively and never through a link, and is removed on
//   every path that fails. On failure the target is as it was.
// - With `juzIstnial` given, an existing target is never replaced: the new file is linked into place
//   only where nothing is yet (also when another process creates one meanwhile), and *juzIstnial
//   tells whether something was there, in which case nothing is written.
TBlad ZapiszAtomowo(const std::string& sciezka, std::span<const std::uint8_t> bajty,
                    bool* juzIstnial = nullptr);

// The bytes of the regular file `sciezka` (links followed), or the Polish message why not: missing,
// unreadable, not a regular file (checked before opening and again on the open descriptor, which is
// opened with O_NONBLOCK so that a FIFO put in its place cannot block), or larger than `maksimum`
// bytes (refused before anything is read).
TWynik<std::vector<std::uint8_t>> CzytajPlikRegularny(const std::string& sciezka, std::uint64_t maksimum);

// True when both paths name one existing file (links followed, the same device and inode), so
// that an output never replaces the input it is made from.
bool TenSamPlik(const std::string& a, const std::string& b);

} // namespace murolab
