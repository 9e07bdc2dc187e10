// The exported colour functions: thin cdecl wrappers over colour_internal.h.
// A null pointer never reaches the computations: such a call writes nothing
// (QSP_ColorGetCCT still returns its temperature).

#include "specsdk.h"

#include "colour_internal.h"

extern "C" {

void SPECSDK_CALL QSP_ColorGetXYZ(const float *spectrum, int count, double *X, double *Y,
                                  double *Z) {
  if (!spectrum || !X || !Y || !Z) {
    return;
  }
  const colorimetry::Tristimulus t = specsdk::tristimulus5nm(spectrum, count);
  *X = t.X;
  *Y = t.Y;
  *Z = t.Z;
}

void SPECSDK_CALL GetCIE1931XY(double X, double Y, double Z, double *x, double *y) {
  if (!x || !y) {
    return;
  }
  *x = X / (X + Y + Z);
  *y = Y / (X + Y + Z);
}

void SPECSDK_CALL GetCIE1960XY(double X, double Y, double Z, double *u, double *v) {
  if (!u || !v) {
    return;
  }
  const colorimetry::UV uv = colorimetry::cie1960(X, Y, Z);
  *u = uv.u;
  *v = uv.v;
}

int SPECSDK_CALL QSP_ColorGetCCT(double u, double v, double *cct) {
  const int kelvin = specsdk::cctOnFiveKelvinGrid(u, v);
  if (cct) {
    *cct = kelvin;
  }
  return kelvin;
}

void SPECSDK_CALL QSP_ColorGetCRI(const float *spectrum, double *ra) {
  if (!spectrum || !ra) {
    return;
  }
  *ra = specsdk::generalRenderingIndex400(spectrum);
}

void SPECSDK_CALL QSP_ColorGetDominantWavelength(double x, double y, double *wavelength) {
  if (!wavelength) {
    return;
  }
  *wavelength = specsdk::dominantWavelength(x, y);
}

void SPECSDK_CALL QSP_ColorGetPurity(double x, double y, double *purity) {
  if (!purity) {
    return;
  }
  *purity = specsdk::excitationPurity(x, y);
}

} // extern "C"
