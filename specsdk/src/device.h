#pragma once

// The spectrometer operations behind the device exports, over the bound
// USB access library. Each opens the device where it says so; none keeps
// state between calls.

#include "devlink/spectrometer_frames.h"
#include "processing.h"

namespace specsdk {

// OpenDevice("085F", "0483", index); false when unbound or refused.
bool openDevice(int index = 0);

// Commands 3 to 7 in order, without opening; false at the first failed read
// (the frame then partly written).
bool readRawFrame(devlink::spectrometer::RawFrame &frame);

// Opens the device and reads command 10; c0, c1, c2 become its first three
// numbers rounded to float. False, coefficients untouched, on failure.
bool readWavelengthCoefficients(float (&coefficients)[kPolynomialTerms]);

// Opens the device and reads the 400 intensity coefficients in four parts;
// each successful part fills the next 100 values. Returns the values filled
// (400 when the whole table arrived).
int readIntensityCoefficients(double *table);

// Opens the device and reads the 2000-value QD table in sixteen parts;
// each successful part fills the next 125 values. Returns the values filled.
int readQdTable(float *table);

// Opens the device and reads the instrument information block.
bool readInstrumentInfo(devlink::spectrometer::InstrumentInfo &info);

// The device's integration time, or nothing (-1) when it cannot be read.
int readIntegrationTime();
// Sends time x 10 (0..6553). False when the time is out of range (nothing
// sent), the device is unavailable, or the device refuses the write.
bool writeIntegrationTime(int time);

// CmdSpeic(8, 128-byte buffer, 0, 0); copies the 14 identifier bytes on
// success, then closes the device (also after a failed read). False, `id`
// untouched, when the device cannot be opened or the read fails.
bool readDeviceId(char *id);

} // namespace specsdk
