// The processing state without a window: dark and reference stored from
// frames, the modes they allow, and the values each view shows.

#include "processing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using specview::Frame;
using specview::Processing;

// A valid frame whose processed intensity is `intensity` at 500, 501, ... nm.
Frame frame(const QVector<double> &intensity, int integrationTime = 100) {
  Frame f;
  f.integrationTime = integrationTime;
  f.pixels = QVector<int>(specview::kPixels, 7);
  f.dark = QVector<int>(specview::kDarkPixels, 3);
  f.spectrum = QVector<int>(specview::kSpectrumPoints, 25000);
  for (int i = 0; i < intensity.size(); ++i) {
    f.wavelengths.append(500 + i);
  }
  f.intensity = intensity;
  return f;
}

TEST(Processing, DarkIsSubtractedFromSampleAndReference) {
  Processing p;
  EXPECT_FALSE(p.storeDark(Frame{})); // nothing acquired yet
  EXPECT_FALSE(p.hasDark());
  ASSERT_TRUE(p.storeDark(frame({10, 10, 10}, 250)));
  EXPECT_EQ(p.darkTime(), 250);
  EXPECT_TRUE(p.darkShown());
  EXPECT_EQ(p.processedValues(frame({110, 60, 10})), (QVector<double>{100, 50, 0}));

  // Transmission of (sample - dark) against (reference - dark), and its absorbance.
  ASSERT_TRUE(p.storeReference(frame({210, 110, 10}, 300)));
  EXPECT_EQ(p.referenceTime(), 300);
  ASSERT_TRUE(p.setMode(Processing::Transmission));
  const QVector<double> transmission = p.processedValues(frame({110, 110, 10}));
  EXPECT_DOUBLE_EQ(transmission[0], 50);
  EXPECT_DOUBLE_EQ(transmission[1], 100);
  EXPECT_TRUE(std::isnan(transmission[2])); // no light in the reference there
  ASSERT_TRUE(p.setMode(Processing::Absorbance));
  EXPECT_NEAR(p.processedValues(frame({110, 110, 10}))[0], -std::log10(0.5), 1e-12);

  p.clearDark();
  EXPECT_FALSE(p.darkShown());
  EXPECT_NEAR(p.processedValues(frame({105, 110, 10}))[0], -std::log10(105.0 / 210), 1e-12);
}

TEST(Processing, ModesNeedTheReferenceAndLeaveWithIt) {
  Processing p;
  EXPECT_FALSE(p.setMode(Processing::Transmission));
  EXPECT_EQ(p.mode(), Processing::Intensity);
  ASSERT_TRUE(p.storeReference(frame({1, 2})));
  ASSERT_TRUE(p.setMode(Processing::Absorbance));
  p.clearReference();
  EXPECT_EQ(p.mode(), Processing::Intensity);
  EXPECT_EQ(p.processedValues(frame({4, 5})), (QVector<double>{4, 5}));

  // A new processing clears both, and says whether there was anything.
  EXPECT_FALSE(p.processingChanged());
  ASSERT_TRUE(p.storeDark(frame({1, 1})));
  ASSERT_TRUE(p.storeReference(frame({3, 3})));
  ASSERT_TRUE(p.setMode(Processing::Transmission));
  EXPECT_TRUE(p.processingChanged());
  EXPECT_FALSE(p.hasDark() || p.hasReference());
  EXPECT_EQ(p.mode(), Processing::Intensity);
}

TEST(Processing, EachViewShowsItsOwnSeries) {
  Processing p;
  const Frame f = frame({8, 9});
  EXPECT_TRUE(p.shownSeries(Frame{}).x.isEmpty());

  const specview::Series processed = p.shownSeries(f);
  EXPECT_EQ(processed.x, (QVector<double>{500, 501}));
  EXPECT_EQ(processed.values, (QVector<double>{8, 9}));

  p.setView(Processing::RawCounts);
  const specview::Series raw = p.shownSeries(f);
  ASSERT_EQ(raw.x.size(), specview::kPixels + specview::kDarkPixels);
  EXPECT_EQ(raw.x.last(), 2063);
  EXPECT_EQ(raw.values[specview::kPixels - 1], 7);
  EXPECT_EQ(raw.values[specview::kPixels], 3); // the dark pixels follow
  ASSERT_TRUE(p.storeDark(f));
  EXPECT_FALSE(p.darkShown()); // raw counts are never subtracted

  p.setView(Processing::CalibratedSpectrum);
  const specview::Series calibrated = p.shownSeries(f);
  ASSERT_EQ(calibrated.x.size(), specview::kSpectrumPoints);
  EXPECT_EQ(calibrated.x.first(), 380);
  EXPECT_EQ(calibrated.x.last(), 779);
  EXPECT_DOUBLE_EQ(calibrated.values.first(), 2.5);
}

} // namespace

#include "figures.h"
#include "scan_uncertainty.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

// Scans of a broad light that differ a little from one another.
QVector<QVector<double>> scansOfBroadLight(int count) {
  QVector<QVector<double>> scans(count, QVector<double>(specview::kSpectrumPoints));
  for (int j = 0; j < count; ++j) {
    for (int i = 0; i < specview::kSpectrumPoints; ++i) {
      const double nm = specview::kSpectrumFirstNm + i;
      scans[j][i] = std::exp(-std::pow((nm - 560) / 90, 2)) * (1 + 0.01 * std::sin(i * (j + 1)));
    }
  }
  return scans;
}

TEST(ScanUncertainty, RefusesFewerThanFourScansInWords) {
  EXPECT_EQ(specview::scansRefusal(3),
            "uncertainty from repeated scans needs at least 4 scans, got 3");
  EXPECT_EQ(specview::scansRefusal(4), "");
  lightquality::UncertaintyResult result;
  QString error;
  EXPECT_FALSE(specview::scanUncertainty(scansOfBroadLight(2), {}, &result, &error));
  EXPECT_EQ(error, "uncertainty from repeated scans needs at least 4 scans, got 2");
}

// The values are those the panel shows for the mean of the scans; the
// spectrometer has no illuminance, so only the relative figures get one.
TEST(ScanUncertainty, ValuesAreThoseOfTheMeanOfTheScans) {
  const QVector<QVector<double>> scans = scansOfBroadLight(5);
  specview::Frame frame;
  frame.scanSpectra = scans;
  const specview::Figures figures = specview::computeFigures(frame.spectrumValues());
  lightquality::UncertaintySettings settings;
  settings.adaptive = false;
  settings.draws = 1000;
  lightquality::UncertaintyResult result;
  QString error;
  ASSERT_TRUE(specview::scanUncertainty(scans, settings, &result, &error));
  EXPECT_EQ(error, "");
  const std::vector<lightquality::UncertainFigure> &keys = lightquality::uncertainFigures();
  for (std::size_t f = 0; f < keys.size(); ++f) {
    const std::string key = keys[f].key;
    SCOPED_TRACE(key);
    EXPECT_EQ(std::isnan(result.figures[f].u), keys[f].absolute);
    if (key == "cct_K") {
      EXPECT_NEAR(result.figures[f].value, figures.quality.cct.kelvin, 1e-6);
      EXPECT_GT(result.figures[f].u, 0);
    } else if (key == "rf") {
      EXPECT_NEAR(result.figures[f].value, figures.quality.fidelity.rf, 1e-9);
    }
  }
}

// A new start stops the run before: only the newest run reports, and it
// reports once; a run still drawing when the object goes ends with it.
TEST(ScanUncertainty, OnlyTheNewestRunReports) {
  int argc = 1;
  char name[] = "specview_analysis_tests";
  char *argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  specview::ScanUncertainty uncertainty;
  QVector<int> reported;
  int lastProgress = 0;
  QEventLoop loop;
  QObject::connect(&uncertainty, &specview::ScanUncertainty::finished,
                   [&](const lightquality::UncertaintyResult &result, int scans) {
                     reported.append(scans);
                     EXPECT_EQ(result.draws, specview::ScanUncertainty::kDraws);
                     QTimer::singleShot(300, &loop, &QEventLoop::quit); // a late report would come
                   });
  QObject::connect(&uncertainty, &specview::ScanUncertainty::progressed,
                   [&](int done, int most) {
                     EXPECT_EQ(most, specview::ScanUncertainty::kDraws);
                     lastProgress = done;
                   });
  QTimer::singleShot(60000, &loop, &QEventLoop::quit);
  uncertainty.start(scansOfBroadLight(4));
  uncertainty.start(scansOfBroadLight(6));
  loop.exec();
  EXPECT_EQ(reported, QVector<int>{6});
  EXPECT_EQ(lastProgress, specview::ScanUncertainty::kDraws);

  specview::ScanUncertainty abandoned;
  abandoned.start(scansOfBroadLight(5));
}

} // namespace
