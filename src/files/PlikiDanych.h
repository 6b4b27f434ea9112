#pragma once
// Where the program finds the files it reads by bare name (ula.dat, the catalogue *.ath, the
// pictures, the example project): the working directory first, as the program always did, then its
// data directory, so that it also works when started from anywhere.

#include <string>
#include <vector>

namespace murolab {

// The places searched, in order: "" (the working directory), the directory of the running
// executable + "/dane", and the data directory fixed when the program was built.
std::vector<std::string> KatalogiDanych();

// The path under which `nazwa` exists, the first found in KatalogiDanych(); the bare name when it
// exists nowhere (so that opening it reports the usual "no such file" for the name the user knows).
std::string ZnajdzPlikDanych(const std::string& nazwa);

} // namespace murolab
