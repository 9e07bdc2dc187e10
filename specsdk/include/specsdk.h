/* specsdk: spectrometer and colour functions with a plain C interface.
 *
 * Every function uses the cdecl calling convention and takes scalars and
 * caller-owned buffers only. Colour functions report no status: degenerate
 * input gives IEEE infinite or not-a-number results.
 */
#ifndef SPECSDK_H
#define SPECSDK_H

#if defined(_WIN32)
#define SPECSDK_CALL __cdecl
#if defined(SPECSDK_BUILDING)
#define SPECSDK_API __declspec(dllexport)
#else
#define SPECSDK_API __declspec(dllimport)
#endif
#else
#define SPECSDK_CALL
#define SPECSDK_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Device ------------------------------------------------------------
 * Opening the spectrometer, integration time, frame acquisition and device
 * information (QSP_SpectrometerOpen, ...) are declared here. */

/* ---- Spectrum processing -----------------------------------------------
 * Raw and calibrated intensities, wavelengths, filtering and resampling
 * (GetOrgIntesnsity, ...) are declared here. */

/* ---- Colour ------------------------------------------------------------ */

/* CIE 1931 2° tristimulus sums of a spectrum whose wavelength grid follows
 * from its length: 81 (380-780 nm, 5 nm), 41 (380-780 nm, 10 nm), 400
 * (380-779 nm, 1 nm), 401 (380-780 nm, 1 nm) or 701 (300-1000 nm, 1 nm).
 * 1 nm input is decimated to 5 nm. The sums carry no normalising factor, so
 * only their ratios are meaningful. Any other count gives X = Y = Z = 0. */
SPECSDK_API void SPECSDK_CALL QSP_ColorGetXYZ(const float *spectrum, int count, double *X,
                                              double *Y, double *Z);

/* CIE 1931 chromaticity x = X / (X + Y + Z), y = Y / (X + Y + Z). */
SPECSDK_API void SPECSDK_CALL GetCIE1931XY(double X, double Y, double Z, double *x, double *y);

/* CIE 1960 UCS u = 4X / (X + 15Y + 3Z), v = 6Y / (X + 15Y + 3Z). */
SPECSDK_API void SPECSDK_CALL GetCIE1960XY(double X, double Y, double Z, double *u, double *v);

/* Correlated colour temperature of a CIE 1960 (u, v) point, rounded down to
 * a multiple of 5 K: 1995 below 2000 K, 50000 at or above 50000 K and for
 * non-finite input. Written to *cct and returned. */
SPECSDK_API int SPECSDK_CALL QSP_ColorGetCCT(double u, double v, double *cct);

/* General colour rendering index Ra (CIE 13.3-1995, samples 1 to 8) of a
 * spectrum of 400 values at 1 nm from 380 to 779 nm. */
SPECSDK_API void SPECSDK_CALL QSP_ColorGetCRI(const float *spectrum, double *ra);

/* Dominant wavelength (nm) of a CIE 1931 (x, y) point relative to the white
 * point (0.3333, 0.3333). Points in the purple region give not-a-number or
 * infinite values. */
SPECSDK_API void SPECSDK_CALL QSP_ColorGetDominantWavelength(double x, double y,
                                                             double *wavelength);

/* Excitation purity of a CIE 1931 (x, y) point as a fraction, 1 on the
 * spectral locus; not-a-number in the purple region. */
SPECSDK_API void SPECSDK_CALL QSP_ColorGetPurity(double x, double y, double *purity);

#ifdef __cplusplus
}
#endif

#endif /* SPECSDK_H */
