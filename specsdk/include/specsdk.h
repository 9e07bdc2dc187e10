/* specsdk: spectrometer and colour functions with a plain C interface.
 *
 * Every function uses the cdecl calling convention and takes scalars and
 * caller-owned buffers only; buffer sizes are given in elements. Colour
 * functions report no status: degenerate input gives IEEE infinite or
 * not-a-number results, and a null pointer argument makes a colour function
 * write nothing (each one's description says so).
 *
 * The spectrometer is reached through the USB access library (TesselUSB.dll
 * on Windows, libTesselUSB.so elsewhere), loaded by bare file name when this
 * library is loaded. Its entry points OpenDevice, CloseDevice, ReadData,
 * WriteData, CmdRead, CmdWrite, CmdSpeic and CmdCmd must all be present
 * (GetDeviceList may be missing).
 *   Windows: if that binding fails, loading specsdk.dll fails.
 *   Linux: a library cannot refuse to be loaded, so the load succeeds, one
 *   line explaining the failure goes to stderr, and every device function
 *   answers "device not available" (-1, or the value its description gives).
 *
 * Every device function opens the device itself (device index 0 unless
 * stated) and keeps no state between calls; "device not available" means
 * that OpenDevice failed. Device functions take no locks: use the device
 * from one thread at a time. Pixel counts are the detector's unsigned
 * 16-bit values; wavelengths are in nm.
 */
#ifndef SPECSDK_H
#define SPECSDK_H

/* SPECSDK_VERSION_MAJOR, _MINOR, _PATCH, SPECSDK_VERSION ("MAJOR.MINOR.PATCH")
 * and SPECSDK_VERSION_NUMBER (MAJOR * 10000 + MINOR * 100 + PATCH): the
 * version of this header, which is the pkg-config version. On Linux the library's SONAME carries the major
 * version (libspecsdk.so.1); it changes only when an export changes in a
 * way that breaks existing callers. */
#include "specsdk_version.h"

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

#ifndef __cplusplus
#include <stdbool.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Device ------------------------------------------------------------ */

/* Opens device `index`. 0 opened; -1 not available. */
SPECSDK_API int SPECSDK_CALL QSP_SpectrometerOpen(int index);

/* Closes the device; returns the USB library's CloseDevice result
 * unchanged (-1 when that library is not bound). */
SPECSDK_API int SPECSDK_CALL QSP_SpectrometerClose(void);

/* Sets the integration time, 0 to 6553 (the device holds ten times the
 * value in 16 bits). 0 when the device took the new time; -1 when the
 * device is not available or the time is out of range (then nothing is
 * sent), or when the device refuses the write (it then keeps its old
 * time). */
SPECSDK_API int SPECSDK_CALL QSP_SetIntegrationTime(int time);

/* The integration time (tenths dropped); 0 when the device is not
 * available or the read fails. ReadIntegrationTime is the same function
 * under a second name. */
SPECSDK_API int SPECSDK_CALL QSP_GetIntegrationTime(void);
SPECSDK_API int SPECSDK_CALL ReadIntegrationTime(void);

/* The USB library's GetDeviceList result for a 200-byte list of capacity 5
 * (the list itself is not passed out); needs no open device. -1 when the
 * USB library is not bound or lacks GetDeviceList. */
SPECSDK_API int SPECSDK_CALL QSP_GetDeviceList(void);

/* Copies the 14-character device identifier (no terminator added) into
 * `id`, at least 14 bytes, then closes the device (also after a failed
 * read). 1 when the identifier was read; -1 when the device is not
 * available, the identifier read fails or `id` is null, `id` then
 * untouched. */
SPECSDK_API int SPECSDK_CALL GetDeviceId(char *id);

/* Reads the instrument information block: five texts of 16 bytes each
 * (copied as sent, no terminator added), two unsigned 32-bit values, five
 * unsigned 16-bit values widened to int, and `table`, 60 signed 32-bit
 * values. Outputs are written only when the read succeeds; null pointers
 * are skipped. Reports nothing. */
SPECSDK_API void SPECSDK_CALL ReadSpectroInfo(char *text1, char *text2, char *text3, char *text4,
                                              char *text5, unsigned int *value1,
                                              unsigned int *value2, int *short1, int *short2,
                                              int *short3, int *short4, int *short5, int *table);

/* Reads the 2000-value intensity correction table into `table` (2000
 * floats), in sixteen parts of 125; each part that arrives fills the next
 * 125 values, so values after a failed part stay as they were. Reports
 * nothing; a null `table` reads nothing. */
SPECSDK_API void SPECSDK_CALL ReadQD(float *table);

/* Acquires one calibrated spectrum: a detector frame less its dark level,
 * FFT-smoothed, resampled to 1 nm at the pixel wavelengths of the device's
 * wavelength coefficients, divided by the device's 400 intensity
 * coefficients and smoothed over 5 nm. Writes 400 values each:
 * wavelengths[i] = 380 + i, intensities[i] the spectrum at that wavelength
 * times 10000, truncated (saturated at the int range). 0 acquired; -1,
 * outputs untouched, when a pointer is null, the device is not available,
 * or a read fails: a frame read, the wavelength-coefficient read (without
 * it there are no pixel wavelengths to resample at) or any of the four
 * intensity-coefficient reads (without them the spectrum would keep the
 * detector's own spectral response, and so the wrong colour). */
SPECSDK_API int SPECSDK_CALL QSP_SpectrometerDataAcquire(int *wavelengths, int *intensities);

/* ---- Spectrum processing ----------------------------------------------- */

/* One raw detector frame: 2048 pixel counts into `pixels` and 16 dark
 * counts into `dark`, unchanged. 0; -1 when the device is not available, a
 * read fails or a pointer is null (outputs then partly written or untouched). */
SPECSDK_API int SPECSDK_CALL GetOrgIntesnsity(int *pixels, int *dark);

/* One frame less its mean dark count (negative results 0), FFT-filtered so
 * that frequency bins 0-123 and 1924-2047 pass, truncated: 2048 values,
 * never negative, into `pixels`. 0; -1 as GetOrgIntesnsity. */
SPECSDK_API int SPECSDK_CALL GetOrgIntesnsity2(int *pixels);

/* Averages `scans` frames (at least 1), subtracts the mean dark count
 * unless the low byte of `keepDark` is non-zero (negative results 0),
 * removes the FFT bins 1024 - h to 1024 + h - 1 with
 * h = (cutHigh - cutLow) / 2 (none when h <= 0, at most all 2048), and
 * resamples the result at the pixel wavelengths onto 300..1000 nm with the
 * boxcar of CalceBoxcar and `width`. intensity[0..700] receive the
 * spectrum at 300 + j nm (a wavelength no pixel reaches keeps the filtered
 * count of the same index); wavelength[0..2047] receive 300 + j. Both hold
 * 2048 floats; width 0 passes the pixel wavelengths and filtered counts
 * through instead. `unused` is ignored. 0; -1 when `scans` < 1, `width` < 0
 * or a pointer is null (nothing read), or when the device is not available
 * or a read fails, the wavelength-coefficient read included (outputs
 * untouched). */
SPECSDK_API int SPECSDK_CALL GetIntensity(float *intensity, float *wavelength, int scans,
                                          int unused, int width, int cutLow, int cutHigh,
                                          int keepDark);

/* The 2048 pixel wavelengths c0 + c1*i + c2*i^2 from the device's
 * wavelength coefficients into `wavelength` (2048 floats). 0; -1,
 * `wavelength` untouched, when the device is not available, the
 * coefficient read fails or `wavelength` is null. */
SPECSDK_API int SPECSDK_CALL GetLumbda(float *wavelength);

/* Divides spectrum[i] by the correction factor i (ReadQD) for i = 0 to 750;
 * `spectrum` holds at least 751 doubles. When the table cannot be read
 * completely (or `spectrum` is null) the spectrum is left unchanged.
 * Always 1: this function has no failure value, so a caller that must know
 * whether the correction was applied reads the table with ReadQD itself. */
SPECSDK_API int SPECSDK_CALL GetAdjustIntensity(double *spectrum);

/* Window-method FIR low-pass filter (single precision) of `count` samples
 * taken at rate `fs`: pass band up to `fp`, transition width `df`, cut-off
 * fp + df/2; the window follows the stop-band attenuation in dB
 * (rectangular below 32, Hanning to 44, Hamming to 64, Blackman from 65)
 * and has K*fs/df taps rounded, made odd (K = 0.91, 3.32, 3.44, 5.98).
 * Input outside in[0..count-1] counts as 0; a length below 1 gives zeros.
 * Reentrant. 0; -1 (out untouched) when a pointer is null with count > 0
 * or the length is not finite or above 1048576 taps. */
SPECSDK_API int SPECSDK_CALL LowPassIntensity(float fs, float df, float fp, int attenuation,
                                              const float *in, float *out, int count);

/* Weighted boxcar resampling of the `count` points (x[j], y[j]), x
 * ascending, onto the wavelengths start..end (outY[i - start]): a sample
 * within +-width/2 of i weighs (width - |x - i|) / width, from 1 at the
 * centre to 0.5 at the edges; single precision. A wavelength with no
 * sample in its window keeps its value in outY. outX[j] = start + j for
 * j < count. Width 0 copies x to outX and y to outY instead. outY holds
 * end - start + 1 values (count with width 0), outX count values.
 * False (nothing written) when end < start, width < 0 or a pointer is
 * null; else true. */
SPECSDK_API bool SPECSDK_CALL CalceBoxcar(int start, int end, int width, int count, const float *x,
                                          const float *y, float *outX, float *outY);

/* ---- Colour ------------------------------------------------------------ */

/* CIE 1931 2° tristimulus sums of a spectrum whose wavelength grid follows
 * from its length: 81 (380-780 nm, 5 nm), 41 (380-780 nm, 10 nm), 400
 * (380-779 nm, 1 nm), 401 (380-780 nm, 1 nm) or 701 (300-1000 nm, 1 nm).
 * 1 nm input is decimated to 5 nm. The sums carry no normalising factor, so
 * only their ratios are meaningful. Any other count gives X = Y = Z = 0.
 * A null pointer among spectrum, X, Y, Z: nothing is written. */
SPECSDK_API void SPECSDK_CALL QSP_ColorGetXYZ(const float *spectrum, int count, double *X,
                                              double *Y, double *Z);

/* CIE 1931 chromaticity x = X / (X + Y + Z), y = Y / (X + Y + Z).
 * A null x or y: nothing is written. */
SPECSDK_API void SPECSDK_CALL GetCIE1931XY(double X, double Y, double Z, double *x, double *y);

/* CIE 1960 UCS u = 4X / (X + 15Y + 3Z), v = 6Y / (X + 15Y + 3Z).
 * A null u or v: nothing is written. */
SPECSDK_API void SPECSDK_CALL GetCIE1960XY(double X, double Y, double Z, double *u, double *v);

/* Correlated colour temperature of a CIE 1960 (u, v) point, rounded down to
 * a multiple of 5 K: 1995 below 2000 K, 50000 at or above 50000 K and for
 * non-finite input. Written to *cct and returned; a null cct is not
 * written, the temperature is still returned. */
SPECSDK_API int SPECSDK_CALL QSP_ColorGetCCT(double u, double v, double *cct);

/* General colour rendering index Ra (CIE 13.3-1995, samples 1 to 8) of a
 * spectrum of 400 values at 1 nm from 380 to 779 nm. A null spectrum or
 * ra: nothing is written. */
SPECSDK_API void SPECSDK_CALL QSP_ColorGetCRI(const float *spectrum, double *ra);

/* Dominant wavelength (nm) of a CIE 1931 (x, y) point relative to the white
 * point (0.3333, 0.3333). Points in the purple region give not-a-number or
 * infinite values. A null wavelength: nothing is written. */
SPECSDK_API void SPECSDK_CALL QSP_ColorGetDominantWavelength(double x, double y,
                                                             double *wavelength);

/* Excitation purity of a CIE 1931 (x, y) point as a fraction, 1 on the
 * spectral locus; not-a-number in the purple region. A null purity:
 * nothing is written. */
SPECSDK_API void SPECSDK_CALL QSP_ColorGetPurity(double x, double y, double *purity);

#ifdef __cplusplus
}
#endif

#endif /* SPECSDK_H */
