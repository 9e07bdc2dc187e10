#pragma once

// What the program makes of frames: dark subtraction, transmission and
// absorbance against a reference, the saturation check and the next step of
// the automatic integration time.

#include <QVector>

#include <optional>

namespace specview {

// a − b value by value (the shorter length when they differ).
QVector<double> subtracted(const QVector<double> &a, const QVector<double> &b);

// 100 · sample / reference in %; NaN where the reference is not above 0.
QVector<double> transmissionPercent(const QVector<double> &sample,
                                    const QVector<double> &reference);

// −log10(T / 100); NaN where T is not above 0.
QVector<double> absorbance(const QVector<double> &transmission);

// Pixels at or above the converter's full scale.
int saturatedPixels(const QVector<int> &pixels, int fullScale);

// The automatic integration time aims the frame's peak at this share of full scale.
inline constexpr double kAutoTargetShare = 0.8;
// Close enough: within this share of the target.
inline constexpr double kAutoTolerance = 0.05;
inline constexpr int kAutoMaxFrames = 8;

struct IntegrationLimits {
  int shortest = 1;
  int longest = 6553;
};

// The time for the next frame, or nothing when `peak` already lies within
// the tolerance of the target. Counts scale with time above the dark level,
// so the step is proportional; a saturated peak says only "too much", so
// the time is halved.
std::optional<int> nextIntegrationTime(int time, int peak, int darkLevel, int fullScale,
                                       const IntegrationLimits &limits);

} // namespace specview
