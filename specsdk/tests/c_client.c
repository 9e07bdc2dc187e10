/* Compiled as C: specsdk.h must declare the exports with C linkage, and the
 * shared library must resolve them. Exit status 0 on success. */
#include "specsdk.h"

#include <math.h>
#include <stdio.h>

int main(void) {
  float equalEnergy[81];
  double X, Y, Z, x, y, cct;
  int i, kelvin;

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
