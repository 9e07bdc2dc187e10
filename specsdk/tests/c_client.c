/* Compiled as C: specsdk.h must declare the exports with C linkage and its
 * version macros, and the shared library must resolve the exports. Exit
 * status 0 on success. */
#include "specsdk.h"

#include <math.h>
#include <stdio.h>
#include <string.h>

#if !defined(SPECSDK_VERSION_MAJOR) || !defined(SPECSDK_VERSION_MINOR) ||                          \
    !defined(SPECSDK_VERSION_PATCH) || !defined(SPECSDK_VERSION)
#error "specsdk.h lacks its version macros"
#endif
#if SPECSDK_VERSION_NUMBER !=                                                                      \
    SPECSDK_VERSION_MAJOR * 10000 + SPECSDK_VERSION_MINOR * 100 + SPECSDK_VERSION_PATCH
#error "SPECSDK_VERSION_NUMBER does not match its parts"
#endif

int main(void) {
  float equalEnergy[81];
  double X, Y, Z, x, y, cct;
  int i, kelvin;
  char version[40];

  sprintf(version, "%d.%d.%d", SPECSDK_VERSION_MAJOR, SPECSDK_VERSION_MINOR,
          SPECSDK_VERSION_PATCH);
  if (strcmp(version, SPECSDK_VERSION) != 0) {
    fprintf(stderr, "SPECSDK_VERSION %s, parts %s\n", SPECSDK_VERSION, version);
    return 1;
  }

  for (i = 0; i < 81; ++i) {
    equalEnergy[i] = 1.0f;
  }
  QSP_ColorGetXYZ(equalEnergy, 81, &X, &Y, &Z);
  GetCIE1931XY(X, Y, Z, &x, &y);
  kelvin = QSP_ColorGetCCT(0.19784, 0.31221, &cct);

  if (fabs(x - 1.0 / 3.0) > 1e-3 || fabs(y - 1.0 / 3.0) > 1e-3 || kelvin != 6505 || cct != 6505.0) {
    fprintf(stderr, "unexpected results: x %f y %f cct %d\n", x, y, kelvin);
    return 1;
  }
  return 0;
}
