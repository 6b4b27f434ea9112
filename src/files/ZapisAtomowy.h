#pragma once
// The one way Murolab writes a file and the one way it reads a whole file from outside.
//
// Writing: the bytes go to a new file beside the target, are flushed to the disk and only then put in
// the target's place, so that at every moment either the old or the new file exists whole. Every
// saved file (project, catalogue group, report, climate file) goes through here.
//
// Reading: only regular files, opened without blocking and refused before reading when they are
// larger than the caller allows, so that a FIFO, a device or a huge sparse file given as a data file
// neither hangs the program nor is mistaken for an empty file.

#include "core/Bledy.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace murolab {

// Writes `bajty` as the file `sciezka`. Returns nothing on success, else the Polish message.
// - A link is written through: the file it finally points to is replaced, and the link stays.
// - A target that exists and is not a regular file (a device, a FIFO, a socket, a directory) is
//   refused and left alone; so is a regular file the user may not write.
// - A replaced file keeps its permission bits (and, where the process may set it, its owner).
// - The new file is first a file without a name (O_TMPFILE) in the target's folder: a process killed
//   while writing leaves nothing. Complete, it is linked under a short temporary name (so a target
//   name of the full 255 bytes still works) and renamed over the target at once. Where the file
//   system has no unnamed files, it is written under that temporary name from the start, created
//   exclusively and never through a link. The temporary file is removed on every path that fails;
//   on failure the target is as it was.
// - Temporary files of this program that a killed save left in the folder (NazwaTymczasowegoPliku,
//   older than a minute and not locked by a save in progress) are removed first.
// - With `juzIstnial` given, an existing target is never replaced: the new file is linked into place
//   only where nothing is yet (also when another process creates one meanwhile), and *juzIstnial
//   tells whether something was there, in which case nothing is written.
TBlad ZapiszAtomowo(const std::string& sciezka, std::span<const std::uint8_t> bajty,
                    bool* juzIstnial = nullptr);

// ".ml" and eight hexadecimal digits: the name of the writer's temporary files, and nothing else.
bool NazwaTymczasowegoPliku(std::string_view nazwa);

// Removes the abandoned temporary files of the writer in `katalog`: the user's own regular files of
// that name, older than a minute and not locked by a save in progress; never through a link.
// Returns how many went.
int UsunPorzuconeTymczasowe(const std::string& katalog);

// The bytes of the regular file `sciezka` (links followed), or the Polish message why not: missing,
// unreadable, not a regular file (checked before opening and again on the open descriptor, which is
// opened with O_NONBLOCK so that a FIFO put in its place cannot block), or larger than `maksimum`
// bytes (refused before anything is read).
TWynik<std::vector<std::uint8_t>> CzytajPlikRegularny(const std::string& sciezka, std::uint64_t maksimum);

// True when both paths name one existing file (links followed, the same device and inode), so
// that an output never replaces the input it is made from.
bool TenSamPlik(const std::string& a, const std::string& b);

} // namespace murolab
