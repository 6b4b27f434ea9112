#pragma once
// The program's pictures are drawn by the library murolab_rysunki (rysunki/Rysunki.h); this name is
// kept for the sheets that still include it from here.
#include "rysunki/Rysunki.h"
