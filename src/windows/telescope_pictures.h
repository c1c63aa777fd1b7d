#pragma once

#include <array>

namespace kestrom {

// The views through the alignment telescope, in the order the window steps
// through them (index 1..12): the landmark in the sight, then drifting one way a
// step at a time, then coming back from the other side. `step` is how far the
// landmark stands off the sight, in picture steps, negative for the other side.
// This is the one list of the files: the build draws each of them, the package
// installs them and the window looks them up.
struct TelescopePicture {
  const char* file;
  int step;
};

inline constexpr std::array<TelescopePicture, 12> kTelescopePictures = {{
    {"tele.gif", 0},
    {"tele1.gif", 1},
    {"tele2.gif", 2},
    {"tele3.gif", 3},
    {"tele4.gif", 4},
    {"tele5.gif", 5},
    {"tele6.gif", 6},
    {"tele15.gif", -5},
    {"tele14.gif", -4},
    {"tele13.gif", -3},
    {"tele12.gif", -2},
    {"tele11.gif", -1},
}};

}  // namespace kestrom
