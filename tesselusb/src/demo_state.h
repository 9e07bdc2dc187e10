#pragma once

#include "device_state.h"

namespace tesselusb {

// A meter holding eight stored records of common light sources, with
// plausible calibration and raw data; its started tests watch a halogen
// lamp warm up over ten readings.
MeterState demoMeter();

// A spectrometer looking at a cool-white LED.
SpectrometerState demoSpectrometer();

} // namespace tesselusb
