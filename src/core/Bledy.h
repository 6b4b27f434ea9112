#pragma once
// Input-output errors in the user's language: the system's error numbers that a user of a desktop
// program meets (missing file, no permission, full disk), described in Polish.

#include <string>

namespace murolab {

// A Polish description of errno `kod`; the C library's text for numbers without one.
std::string OpisBleduSystemu(int kod);

} // namespace murolab
