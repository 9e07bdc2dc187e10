/* Prints what the specsdk C calls give, for the Python package's tests to
 * compare with: one value (or pair) per line.
 *
 *   specsdk_py_reference acquire | raw | lumbda | id | time
 *   specsdk_py_reference intensity SCANS WIDTH CUTLOW CUTHIGH KEEPDARK
 *   specsdk_py_reference colour < 400 values, one per line
 *
 * Exit status 0, or 1 when a call reports failure. */
#include <specsdk.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define PIXELS 2048
#define DARK 16
#define POINTS 400

static int fail(const char *what) {
  fprintf(stderr, "specsdk_py_reference: %s failed\n", what);
  return 1;
}

static int acquire(void) {
  int wavelengths[POINTS], intensities[POINTS], i;
  if (QSP_SpectrometerDataAcquire(wavelengths, intensities) != 0) {
    return fail("QSP_SpectrometerDataAcquire");
  }
  for (i = 0; i < POINTS; ++i) {
    printf("%d %d\n", wavelengths[i], intensities[i]);
  }
  return 0;
}

static int raw(void) {
  static int pixels[PIXELS];
  int dark[DARK], i;
  if (GetOrgIntesnsity(pixels, dark) != 0) {
    return fail("GetOrgIntesnsity");
  }
  for (i = 0; i < PIXELS; ++i) {
    printf("%d\n", pixels[i]);
  }
  for (i = 0; i < DARK; ++i) {
    printf("%d\n", dark[i]);
  }
  return 0;
}

static int lumbda(void) {
  static float wavelengths[PIXELS];
  int i;
  if (GetLumbda(wavelengths) != 0) {
    return fail("GetLumbda");
  }
  for (i = 0; i < PIXELS; ++i) {
    printf("%.9g\n", wavelengths[i]);
  }
  return 0;
}

static int intensity(char **argv) {
  static float values[PIXELS], wavelengths[PIXELS];
  int i;
  if (GetIntensity(values, wavelengths, atoi(argv[0]), 0, atoi(argv[1]), atoi(argv[2]),
                   atoi(argv[3]), atoi(argv[4])) != 0) {
    return fail("GetIntensity");
  }
  for (i = 0; i < PIXELS; ++i) {
    printf("%.9g %.9g\n", wavelengths[i], values[i]);
  }
  return 0;
}

static int colour(void) {
  float spectrum[POINTS];
  double X, Y, Z, x, y, u, v, cct, ra, dominant, purity;
  int i;
  for (i = 0; i < POINTS; ++i) {
    if (scanf("%f", &spectrum[i]) != 1) {
      return fail("reading the spectrum");
    }
  }
  QSP_ColorGetXYZ(spectrum, POINTS, &X, &Y, &Z);
  GetCIE1931XY(X, Y, Z, &x, &y);
  GetCIE1960XY(X, Y, Z, &u, &v);
  QSP_ColorGetCCT(u, v, &cct);
  QSP_ColorGetCRI(spectrum, &ra);
  QSP_ColorGetDominantWavelength(x, y, &dominant);
  QSP_ColorGetPurity(x, y, &purity);
  printf("%.17g %.17g %.17g %.17g %.17g %.17g %.17g %.17g %.17g %.17g %.17g\n", X, Y, Z, x, y, u,
         v, cct, ra, dominant, purity);
  return 0;
}

int main(int argc, char **argv) {
  char id[15] = {0};
  if (argc >= 2 && strcmp(argv[1], "acquire") == 0) {
    return acquire();
  }
  if (argc >= 2 && strcmp(argv[1], "raw") == 0) {
    return raw();
  }
  if (argc >= 2 && strcmp(argv[1], "lumbda") == 0) {
    return lumbda();
  }
  if (argc == 7 && strcmp(argv[1], "intensity") == 0) {
    return intensity(argv + 2);
  }
  if (argc >= 2 && strcmp(argv[1], "colour") == 0) {
    return colour();
  }
  if (argc >= 2 && strcmp(argv[1], "id") == 0) {
    if (GetDeviceId(id) != 1) {
      return fail("GetDeviceId");
    }
    printf("%s\n", id);
    return 0;
  }
  if (argc >= 2 && strcmp(argv[1], "time") == 0) {
    printf("%d\n", QSP_GetIntegrationTime());
    return 0;
  }
  fprintf(stderr, "usage: specsdk_py_reference acquire|raw|lumbda|id|time|colour|"
                  "intensity SCANS WIDTH CUTLOW CUTHIGH KEEPDARK\n");
  return 2;
}
