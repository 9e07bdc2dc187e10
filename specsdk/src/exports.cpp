// The exported colour functions: thin cdecl wrappers over colour_internal.h.

#include "specsdk.h"

#include "colour_internal.h"

extern "C" {

void SPECSDK_CALL QSP_ColorGetXYZ(const float *spectrum, int count, double *X, double *Y,
                                  double *Z) {
  const colorimetry::Tristimulus t = specsdk::tristimulus5nm(spectrum, count);
  *X = t.X;
  *Y = t.Y;
  *Z = t.Z;
}

void SPECSDK_CALL GetCIE1931XY(double X, double Y, double Z, double *x, double *y) {
  *x = X / (X + Y + Z);
  *y = Y / (X + Y + Z);
}

void SPECSDK_CALL GetCIE1960XY(double X, double Y, double Z, double *u, double *v) {
  const colorimetry::UV uv = colorimetry::cie1960(X, Y, Z);
  *u = uv.u;
  *v = uv.v;
}

int SPECSDK_CALL QSP_ColorGetCCT(double u, double v, double *cct) {
  const int kelvin = specsdk::correlatedColourTemperature(u, v);
  *cct = kelvin;
  return kelvin;
}

void SPECSDK_CALL QSP_ColorGetCRI(const float *spectrum, double *ra) {
  *ra = specsdk::generalRenderingIndex400(spectrum);
}

void SPECSDK_CALL QSP_ColorGetDominantWavelength(double x, double y, double *wavelength) {
  *wavelength = specsdk::dominantWavelength(x, y);
}

void SPECSDK_CALL QSP_ColorGetPurity(double x, double y, double *purity) {
  *purity = specsdk::excitationPurity(x, y);
}

} // extern "C"
