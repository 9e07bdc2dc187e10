#pragma once

// What specview does with a frame before showing or saving it: the stored
// dark and reference with the integration times they were taken at, the view
// and the processed mode, and the values that follow from them. No widgets:
// the window shows what this holds.

#include "device.h"
#include "export.h"

#include <QVector>

namespace specview {

class Processing {
public:
  enum View { RawCounts, ProcessedIntensity, CalibratedSpectrum };
  enum Mode { Intensity, Transmission, Absorbance };

  // Keep the frame's processed intensity as the dark (the reference); false,
  // keeping the earlier one, for a frame that is not valid.
  bool storeDark(const Frame &frame);
  bool storeReference(const Frame &frame);
  void clearDark();
  // Transmission and absorbance need the reference: the mode returns to
  // intensity with it.
  void clearReference();
  // A new boxcar or filter makes dark and reference meaningless; true when
  // there was one to clear.
  bool processingChanged();

  bool hasDark() const { return !dark_.isEmpty(); }
  bool hasReference() const { return !reference_.isEmpty(); }
  int darkTime() const { return darkTime_; }
  int referenceTime() const { return referenceTime_; }

  View view() const { return view_; }
  void setView(View view) { view_ = view; }
  Mode mode() const { return mode_; }
  // False, leaving the mode, for transmission or absorbance without a
  // reference.
  bool setMode(Mode mode);

  // The frame's processed intensity less the dark, as it is or as
  // transmission (%) or absorbance against the reference (less the dark).
  QVector<double> processedValues(const Frame &frame) const;
  // What the view shows of the frame: the 2048 pixels and the 16 dark
  // pixels by index, the processed values by wavelength, or the calibrated
  // spectrum from 380 nm. Empty for a frame that is not valid.
  Series shownSeries(const Frame &frame) const;
  // Whether what the view shows has the dark subtracted.
  bool darkShown() const { return hasDark() && view_ == ProcessedIntensity; }

private:
  QVector<double> dark_;
  QVector<double> reference_;
  int darkTime_ = 0;
  int referenceTime_ = 0;
  View view_ = ProcessedIntensity;
  Mode mode_ = Intensity;
};

// The calibrated spectrum of a frame, by wavelength from 380 nm.
Series calibratedSpectrum(const Frame &frame);

} // namespace specview
