// driftwing-gen-audio OUTDIR: writes the game's sounds and music into OUTDIR.
#include <exception>
#include <iostream>

#include "tools/gen_audio/audiogen.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: " << argv[0] << " OUTDIR\n";
    return 2;
  }
  try {
    audiogen::writeAll(argv[1]);
  } catch (const std::exception& e) {
    std::cerr << argv[0] << ": " << e.what() << '\n';
    return 1;
  }
  return 0;
}
