/* Opens the spectrometer, sets the integration time, acquires one spectrum
 * (380 to 779 nm at 1 nm) and prints its colour quantities.
 *
 *   acquire [integration-time]     default 100
 *
 * Exit status 0 on success, 1 when the spectrometer cannot be used. */
#include <specsdk.h>

#include <stdio.h>
#include <stdlib.h>

#define POINTS 400

int main(int argc, char **argv) {
  int wavelengths[POINTS], counts[POINTS];
  float spectrum[POINTS];
  double X, Y, Z, x, y, u, v, cct, ra, dominant;
  int time = argc > 1 ? atoi(argv[1]) : 100;
  int i;

  if (QSP_SpectrometerOpen(0) != 0) {
    fprintf(stderr, "acquire: spectrometer not available\n");
    return 1;
  }
  if (QSP_SetIntegrationTime(time) != 0) {
    fprintf(stderr, "acquire: integration time %d refused\n", time);
    return 1;
  }
  if (QSP_SpectrometerDataAcquire(wavelengths, counts) != 0) {
    fprintf(stderr, "acquire: acquisition failed\n");
    return 1;
  }
  QSP_SpectrometerClose();

  /* The intensities carry the spectrum times 10000. */
  for (i = 0; i < POINTS; ++i) {
    spectrum[i] = (float)counts[i] / 10000.0f;
  }
  QSP_ColorGetXYZ(spectrum, POINTS, &X, &Y, &Z);
  GetCIE1931XY(X, Y, Z, &x, &y);
  GetCIE1960XY(X, Y, Z, &u, &v);
  QSP_ColorGetCCT(u, v, &cct);
  QSP_ColorGetCRI(spectrum, &ra);
  QSP_ColorGetDominantWavelength(x, y, &dominant);

  printf("integration time %d\n", QSP_GetIntegrationTime());
  printf("wavelengths %d to %d nm\n", wavelengths[0], wavelengths[POINTS - 1]);
  printf("CCT %.0f K\n", cct);
  printf("Ra %.1f\n", ra);
  printf("x %.4f y %.4f\n", x, y);
  printf("dominant wavelength %.1f nm\n", dominant);
  return 0;
}
