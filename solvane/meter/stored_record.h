#pragma once

// The meter's stored record (the 825-byte reply to the stored-record read)
// in program values. Kept free of Qt so that it can be checked on its own,
// also by the fuzz targets.

#include "devlink/meter_protocol.h"

#include <array>
#include <cstdint>
#include <optional>

struct StoredRecord {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  double illuminance = 0;
  double ratio = 0;
  // Samples for 380 to 780 nm at 1 nm, each 0 to 65535.
  std::array<double, devlink::meter::kSpectrumSamples> intensity{};
};

// Decodes the devlink::meter::kRecordBytes bytes at `bytes`; nullopt when the
// year field says that no record exists at this ordinal. The date and time
// fields are passed on as stored, whether or not they make a valid date.
std::optional<StoredRecord> decodeStoredRecord(const std::uint8_t *bytes);
