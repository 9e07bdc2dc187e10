// solvane: the desktop program for the spectral light meter.

#include "startup.h"

int main(int argc, char **argv) {
  return solvane::startup::run(argc, argv);
}
