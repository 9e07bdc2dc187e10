#include "state_json.h"

#include "demo_state.h"
#include "wire_format.h"

#include <nlohmann/json.hpp>

#include "quoting/quoted_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <functional>
#include <limits>
#include <set>
#include <stdexcept>

namespace tesselusb {

namespace {

using nlohmann::json;

constexpr double kMaxIntegrationTime = 6553.5; // the 16-bit wire value over ten

// Why a state text cannot be used. The reader throws it from any depth and
// parseState turns it into its result; it never leaves this file.
class StateError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void fail(const std::string &message) {
  throw StateError(message);
}

// A key's place in the file, for messages: the key comes from the file, so
// it is quoted.
std::string childPath(const std::string &path, const std::string &key) {
  const std::string quotedKey = quoting::quotedText(key);
  return path.empty() ? quotedKey : path + "." + quotedKey;
}

std::string elementPath(const std::string &path, std::size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

void requireType(bool matches, const json &value, const std::string &path, const char *expected) {
  if (!matches) {
    fail(path + " must be " + expected + ", not " + value.type_name());
  }
}

double readNumber(const json &value, const std::string &path) {
  requireType(value.is_number(), value, path, "a number");
  return value.get<double>();
}

// A calibration value, which the device keeps as a meter number.
double readCoefficient(const json &value, const std::string &path) {
  const double number = readNumber(value, path);
  if (!isStorableAsMeterNumber(number)) {
    fail(path + " is " + value.dump() + ", which a meter number cannot hold");
  }
  return number;
}

template <typename Int> Int readInteger(const json &value, const std::string &path) {
  requireType(value.is_number_integer(), value, path, "an integer");
  constexpr auto kMin = static_cast<std::int64_t>(std::numeric_limits<Int>::min());
  constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<Int>::max());
  // The parser keeps every non-negative integer as unsigned, so a signed one
  // is negative and only the lower bound applies to it.
  const bool inRange = value.is_number_unsigned() ? value.get<std::uint64_t>() <= kMax
                                                  : value.get<std::int64_t>() >= kMin;
  if (!inRange) {
    fail(path + " is " + value.dump() + ", expected " + std::to_string(kMin) + " to " +
         std::to_string(kMax));
  }
  return value.get<Int>();
}

std::string readString(const json &value, const std::string &path) {
  requireType(value.is_string(), value, path, "a string");
  return value.get<std::string>();
}

template <typename T, std::size_t N>
void readArray(const json &value, const std::string &path, std::array<T, N> &out,
               const std::function<T(const json &, const std::string &)> &readElement) {
  requireType(value.is_array(), value, path, "an array");
  if (value.size() != N) {
    fail(path + " has " + std::to_string(value.size()) + " values, expected " + std::to_string(N));
  }
  for (std::size_t i = 0; i < N; ++i) {
    out[i] = readElement(value[i], elementPath(path, i));
  }
}

template <std::size_t N>
void readCounts(const json &value, const std::string &path, std::array<std::uint16_t, N> &out) {
  readArray<std::uint16_t, N>(value, path, out, readInteger<std::uint16_t>);
}

template <std::size_t N>
void readCoefficients(const json &value, const std::string &path, std::array<double, N> &out) {
  readArray<double, N>(value, path, out, readCoefficient);
}

// Reads the keys of one JSON object, each optional unless said otherwise,
// and rejects keys that nobody asked for (a misspelt key would otherwise be
// ignored without a word).
class ObjectReader {
public:
  ObjectReader(const json &object, std::string path) : object_(object), path_(std::move(path)) {
    requireType(object_.is_object(), object_, path_.empty() ? "the state" : path_, "an object");
  }

  void optional(const char *key,
                const std::function<void(const json &, const std::string &)> &read) {
    known_.insert(key);
    const auto it = object_.find(key);
    if (it != object_.end()) {
      read(*it, childPath(path_, key));
    }
  }

  void required(const char *key,
                const std::function<void(const json &, const std::string &)> &read) {
    if (!object_.contains(key)) {
      fail(childPath(path_, key) + " is missing");
    }
    optional(key, read);
  }

  void rejectUnknownKeys(const std::string &context) const {
    for (const auto &item : object_.items()) {
      if (known_.count(item.key()) == 0) {
        fail("unknown key '" + childPath(path_, item.key()) + "'" + context);
      }
    }
  }

private:
  const json &object_;
  std::string path_;
  std::set<std::string> known_;
};

int daysInMonth(int year, int month) {
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : days[month - 1];
}

// "YYYY-MM-DDTHH:MM:SS", a real calendar date and time of day.
RecordTime readTime(const json &value, const std::string &path) {
  const std::string text = readString(value, path);
  const std::string pattern = "0000-00-00T00:00:00";
  bool wellFormed = text.size() == pattern.size();
  for (std::size_t i = 0; wellFormed && i < text.size(); ++i) {
    wellFormed = pattern[i] == '0' ? std::isdigit(static_cast<unsigned char>(text[i])) != 0
                                   : text[i] == pattern[i];
  }
  RecordTime t;
  if (wellFormed) {
    std::sscanf(text.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d", &t.year, &t.month, &t.day, &t.hour,
                &t.minute, &t.second);
  }
  if (!wellFormed || t.year < 1 || t.month < 1 || t.month > 12 || t.day < 1 ||
      t.day > daysInMonth(t.year, t.month) || t.hour > 23 || t.minute > 59 || t.second > 59) {
    fail(path + " is '" + quoting::quotedText(text) +
         "', expected a date and time like 2019-05-21T14:03:09");
  }
  return t;
}

std::string formatTime(const RecordTime &t) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                t.minute, t.second);
  return text;
}

// Interface units: the wire carries ten times the value in 16 bits.
std::uint16_t readIntegrationTime(const json &value, const std::string &path) {
  const double time = readNumber(value, path);
  const double tenths = std::round(time * 10);
  if (time < 0 || time > kMaxIntegrationTime || std::fabs(time * 10 - tenths) > 1e-6) {
    fail(path + " is " + value.dump() + ", expected a multiple of 0.1 from 0 to 6553.5");
  }
  return static_cast<std::uint16_t>(tenths);
}

json integrationTimeJson(std::uint16_t tenths) {
  return tenths % 10 == 0 ? json(tenths / 10) : json(tenths / 10.0);
}

std::string readDeviceId(const json &value, const std::string &path) {
  const std::string id = readString(value, path);
  const bool printable =
      std::all_of(id.begin(), id.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
  if (id.size() != kDeviceIdLength || !printable) {
    fail(path + " is '" + quoting::quotedText(id) + "', expected " +
         std::to_string(kDeviceIdLength) + " printable ASCII characters");
  }
  return id;
}

void readCommonSettings(ObjectReader &reader, CommonSettings &settings) {
  reader.optional("device_id", [&](const json &v, const std::string &path) {
    settings.deviceId = readDeviceId(v, path);
  });
  reader.optional("integration_time", [&](const json &v, const std::string &path) {
    settings.integrationTimeTenths = readIntegrationTime(v, path);
  });
}

StoredRecord readRecord(const json &value, const std::string &path) {
  StoredRecord record;
  ObjectReader reader(value, path);
  reader.required("time",
                  [&](const json &v, const std::string &p) { record.time = readTime(v, p); });
  reader.required("illuminance", [&](const json &v, const std::string &p) {
    record.illuminance = readNumber(v, p);
  });
  reader.optional("ratio",
                  [&](const json &v, const std::string &p) { record.ratio = readNumber(v, p); });
  reader.required("spectrum",
                  [&](const json &v, const std::string &p) { readCounts(v, p, record.samples); });
  reader.rejectUnknownKeys("");
  return record;
}

// Keys left out keep the values `result` holds, unless every key is required.
void readTestResult(const json &value, const std::string &path, TestResult &result,
                    bool everyKeyRequired = false) {
  ObjectReader reader(value, path);
  const auto key = [&](const char *name,
                       const std::function<void(const json &, const std::string &)> &read) {
    everyKeyRequired ? reader.required(name, read) : reader.optional(name, read);
  };
  key("illuminance",
      [&](const json &v, const std::string &p) { result.illuminance = readCoefficient(v, p); });
  key("spectrum", [&](const json &v, const std::string &p) { readCounts(v, p, result.samples); });
  reader.rejectUnknownKeys("");
}

// A scripted series: at least one result, each one complete.
std::vector<TestResult> readTestResults(const json &value, const std::string &path) {
  requireType(value.is_array(), value, path, "an array");
  if (value.empty()) {
    fail(path + " is empty, expected at least one test result");
  }
  std::vector<TestResult> results(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    readTestResult(value[i], elementPath(path, i), results[i], true);
  }
  return results;
}

MeterState readMeter(ObjectReader &reader) {
  MeterState meter = demoMeter();
  readCommonSettings(reader, meter);
  reader.optional("records", [&](const json &v, const std::string &path) {
    requireType(v.is_array(), v, path, "an array");
    meter.records.clear();
    for (std::size_t i = 0; i < v.size(); ++i) {
      meter.records.push_back(readRecord(v[i], elementPath(path, i)));
    }
  });
  reader.optional("illuminance_coefficient", [&](const json &v, const std::string &path) {
    meter.illuminanceCoefficient = readCoefficient(v, path);
  });
  reader.optional("wavelength_coefficients", [&](const json &v, const std::string &path) {
    readCoefficients(v, path, meter.wavelengthCoefficients);
  });
  reader.optional("intensity_coefficients", [&](const json &v, const std::string &path) {
    readCoefficients(v, path, meter.intensityCoefficients);
  });
  // One result, whose keys left out take the demo's first: the whole series.
  bool singleTestResult = false;
  reader.optional("test_result", [&](const json &v, const std::string &path) {
    TestResult result = meter.testResults.front();
    readTestResult(v, path, result);
    meter.testResults = {result};
    singleTestResult = true;
  });
  reader.optional("test_results", [&](const json &v, const std::string &path) {
    if (singleTestResult) {
      fail(path + " and test_result both given, expected one of them");
    }
    meter.testResults = readTestResults(v, path);
  });
  reader.optional("ready_after_polls", [&](const json &v, const std::string &path) {
    meter.readyAfterPolls = readInteger<std::uint32_t>(v, path);
  });
  reader.optional("raw_counts", [&](const json &v, const std::string &path) {
    readCounts(v, path, meter.rawCounts);
  });
  return meter;
}

void readInfo(const json &value, const std::string &path, SpectrometerInfo &info) {
  ObjectReader reader(value, path);
  reader.optional("texts", [&](const json &v, const std::string &p) {
    readArray<std::string, kInfoTexts>(v, p, info.texts, [](const json &t, const std::string &tp) {
      std::string text = readString(t, tp);
      if (text.size() > kInfoTextBytes) {
        fail(tp + " has " + std::to_string(text.size()) + " bytes, expected at most " +
             std::to_string(kInfoTextBytes));
      }
      return text;
    });
  });
  reader.optional("uint32", [&](const json &v, const std::string &p) {
    readArray<std::uint32_t, kInfoUint32Values>(v, p, info.uint32Values,
                                                readInteger<std::uint32_t>);
  });
  reader.optional("uint16", [&](const json &v, const std::string &p) {
    readArray<std::uint16_t, kInfoUint16Values>(v, p, info.uint16Values,
                                                readInteger<std::uint16_t>);
  });
  reader.optional("int32", [&](const json &v, const std::string &p) {
    readArray<std::int32_t, kInfoInt32Values>(v, p, info.int32Values, readInteger<std::int32_t>);
  });
  reader.rejectUnknownKeys("");
}

SpectrometerState readSpectrometer(ObjectReader &reader) {
  SpectrometerState spectrometer = demoSpectrometer();
  readCommonSettings(reader, spectrometer);
  reader.optional("pixels", [&](const json &v, const std::string &path) {
    readCounts(v, path, spectrometer.pixels);
  });
  reader.optional("dark", [&](const json &v, const std::string &path) {
    readCounts(v, path, spectrometer.dark);
  });
  reader.optional("wavelength_coefficients", [&](const json &v, const std::string &path) {
    readCoefficients(v, path, spectrometer.wavelengthCoefficients);
  });
  reader.optional("intensity_coefficients", [&](const json &v, const std::string &path) {
    readCoefficients(v, path, spectrometer.intensityCoefficients);
  });
  reader.optional("qd", [&](const json &v, const std::string &path) {
    readCoefficients(v, path, spectrometer.qd);
  });
  reader.optional("info", [&](const json &v, const std::string &path) {
    readInfo(v, path, spectrometer.info);
  });
  reader.optional("pixels_integration_time", [&](const json &v, const std::string &path) {
    spectrometer.pixelsTimeTenths = readIntegrationTime(v, path);
    if (*spectrometer.pixelsTimeTenths == 0) {
      fail(path + " is 0, expected a time of at least 0.1");
    }
  });
  return spectrometer;
}

std::vector<Fault> readFaults(const json &value, const std::string &path) {
  requireType(value.is_array(), value, path, "an array");
  std::vector<Fault> faults;
  for (std::size_t i = 0; i < value.size(); ++i) {
    Fault fault;
    ObjectReader reader(value[i], elementPath(path, i));
    reader.required("command", [&](const json &v, const std::string &p) {
      fault.command = readInteger<std::uint32_t>(v, p);
    });
    reader.optional("loc", [&](const json &v, const std::string &p) {
      fault.loc = readInteger<std::uint32_t>(v, p);
    });
    reader.rejectUnknownKeys("");
    faults.push_back(fault);
  }
  return faults;
}

// The JSON library's message without its "[json.exception.<kind>.<id>] "
// prefix, quoted: it may repeat what it last read from the text.
std::string withoutExceptionId(const json::exception &error) {
  const std::string_view message = error.what();
  const std::size_t start = message.find("] ");
  return quoting::quotedText(start == std::string::npos ? message : message.substr(start + 2));
}

json parseJson(const std::string &text) {
  if (text.size() > kMaxStateBytes) {
    fail("larger than " + std::to_string(kMaxStateBytes) + " bytes");
  }
  const json::parser_callback_t limitDepth = [](int depth, json::parse_event_t, json &) {
    if (depth >= kMaxStateDepth) {
      fail("nested deeper than " + std::to_string(kMaxStateDepth) + " levels");
    }
    return true;
  };
  try {
    return json::parse(text, limitDepth, true, /*ignore_comments=*/true);
  } catch (const json::exception &error) {
    // Syntax errors, and numbers such as 1e400 that a double cannot hold.
    fail("not valid JSON: " + withoutExceptionId(error));
  }
}

json recordJson(const StoredRecord &record) {
  return {{"time", formatTime(record.time)},
          {"illuminance", record.illuminance},
          {"ratio", record.ratio},
          {"spectrum", record.samples}};
}

json deviceJson(const MeterState &meter) {
  json records = json::array();
  for (const StoredRecord &record : meter.records) {
    records.push_back(recordJson(record));
  }
  json testResults = json::array();
  for (const TestResult &result : meter.testResults) {
    testResults.push_back({{"illuminance", result.illuminance}, {"spectrum", result.samples}});
  }
  return {{"device", kMeterKind},
          {"device_id", meter.deviceId},
          {"integration_time", integrationTimeJson(meter.integrationTimeTenths)},
          {"records", records},
          {"illuminance_coefficient", meter.illuminanceCoefficient},
          {"wavelength_coefficients", meter.wavelengthCoefficients},
          {"intensity_coefficients", meter.intensityCoefficients},
          {"test_results", testResults},
          {"ready_after_polls", meter.readyAfterPolls},
          {"raw_counts", meter.rawCounts}};
}

json deviceJson(const SpectrometerState &spectrometer) {
  const SpectrometerInfo &info = spectrometer.info;
  json state = {{"device", kSpectrometerKind},
          {"device_id", spectrometer.deviceId},
          {"integration_time", integrationTimeJson(spectrometer.integrationTimeTenths)},
          {"pixels", spectrometer.pixels},
          {"dark", spectrometer.dark},
          {"wavelength_coefficients", spectrometer.wavelengthCoefficients},
          {"intensity_coefficients", spectrometer.intensityCoefficients},
          {"qd", spectrometer.qd},
          {"info",
           {{"texts", info.texts},
            {"uint32", info.uint32Values},
            {"uint16", info.uint16Values},
            {"int32", info.int32Values}}}};
  if (spectrometer.pixelsTimeTenths) {
    state["pixels_integration_time"] = integrationTimeJson(*spectrometer.pixelsTimeTenths);
  }
  return state;
}

json faultsJson(const std::vector<Fault> &faults) {
  json list = json::array();
  for (const Fault &fault : faults) {
    json entry = {{"command", fault.command}};
    if (fault.loc) {
      entry["loc"] = *fault.loc;
    }
    list.push_back(entry);
  }
  return list;
}

DeviceState readState(const json &root) {
  ObjectReader reader(root, "");
  std::string device = kMeterKind;
  reader.optional("device", [&](const json &v, const std::string &path) {
    device = readString(v, path);
    if (device != kMeterKind && device != kSpectrometerKind) {
      fail(path + " is '" + quoting::quotedText(device) +
           "', expected \"meter\" or \"spectrometer\"");
    }
  });
  DeviceState state;
  if (device == kMeterKind) {
    state.device = readMeter(reader);
  } else {
    state.device = readSpectrometer(reader);
  }
  reader.optional("faults", [&](const json &v, const std::string &path) {
    state.faults = readFaults(v, path);
  });
  reader.optional("comment", [](const json &, const std::string &) {});
  reader.rejectUnknownKeys(" for a " + device);
  return state;
}

} // namespace

bool parseState(const std::string &jsonText, DeviceState *state, std::string *error) {
  std::string problem;
  try {
    *state = readState(parseJson(jsonText));
    return true;
  } catch (const StateError &refused) {
    problem = refused.what();
  } catch (const json::exception &refused) {
    // Whatever else the library refuses, such as a string that is not
    // UTF-8 where a value is written back into a message.
    problem = withoutExceptionId(refused);
  } catch (const std::exception &refused) {
    // Running out of memory on a huge text, say: still a refusal.
    problem = "cannot be read (" + quoting::quotedText(refused.what()) + ")";
  }
  if (error != nullptr) {
    *error = problem;
  }
  return false;
}

std::string stateToJson(const DeviceState &state) {
  json root = std::visit([](const auto &device) { return deviceJson(device); }, state.device);
  root["faults"] = faultsJson(state.faults);
  return root.dump();
}

} // namespace tesselusb
