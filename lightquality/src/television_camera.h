#pragma once

// The standard television camera and display the television lighting
// figures look through: 24 test patches filmed on the camera's 5 nm grid,
// white-balanced, matrixed, gamma-encoded, shown on a BT.709 display and
// measured in CIE L*a*b*, and the colour difference that scores them.

#include "lightquality/spectrum.h"

#include <array>

namespace lightquality::television {

// The camera tables run from 380 to 760 nm at 5 nm; every sum runs on that
// grid, so a 1 nm spectrum is taken at every fifth value from 380 nm.
inline constexpr int kCameraFirstNm = 380;
inline constexpr int kCameraStepNm = 5;
inline constexpr int kCameraSamples = 77;
inline constexpr int kPatches = 24;
inline constexpr int kColouredPatches = 18; // the grey scale follows them

using CameraSpectrum = std::array<double, kCameraSamples>;
using Rgb = std::array<double, 3>;

struct Lab {
  double l, a, b;
};
using PatchColours = std::array<Lab, kPatches>;

// The values of a 1 nm spectrum on the camera grid.
CameraSpectrum cameraSamples(const Spectrum &spectrum);

// The raw camera signals of a light: each patch, and the flat 90 %
// reflector the camera is white-balanced on.
struct CameraSignals {
  std::array<Rgb, kPatches> patches;
  Rgb grey;
};
CameraSignals film(const CameraSpectrum &light);

// Whether every channel of a balance grey is positive: the camera can only
// be balanced on a light each of its channels sees.
bool balances(const Rgb &grey);

// The patches as the display shows them when every raw signal is divided,
// channel by channel, by `balance` (a raw 90 % grey) and then by `gain`.
PatchColours displayed(const CameraSignals &signals, const Rgb &balance, double gain);

// The luma of the signals' 90 % grey divided by `balance`, after the
// camera matrix: the gain that brings a light to the exposure of another.
double balancedGreyLuma(const CameraSignals &signals, const Rgb &balance);

// ΔEa: the fourth-power mean of the CIEDE2000 differences of the first
// `patches` patches.
double averageDifference(const PatchColours &reference, const PatchColours &test, int patches);

// Qa = 100 / (1 + (ΔEa / 3.16)^2.4): 50 at ΔEa = 3.16.
double qualityFromDifference(double deltaE);

// CIEDE2000 with kL = kC = kH = 1.
double ciede2000(const Lab &first, const Lab &second);

} // namespace lightquality::television
