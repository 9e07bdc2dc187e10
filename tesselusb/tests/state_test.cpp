// State loading: invalid states and how they fail every entry point, the
// start-up state from TESSELUSB_STATE, the state text round trip, and the
// library variants.

#include "entry_calls.h"
#include "hostile_text.h"
#include "sim_library.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <thread>
#include <unistd.h>

namespace {

using simtest::Bytes;
using simtest::sim;

std::string recordWithSamples(const std::string &time, std::size_t samples, int value) {
  std::string spectrum;
  for (std::size_t i = 0; i < samples; ++i) {
    spectrum += (i ? "," : "") + std::to_string(i == 5 ? value : 100);
  }
  return R"({"time": ")" + time + R"(", "illuminance": 1, "spectrum": [)" + spectrum + "]}";
}

std::string meterWith(const std::string &record) {
  return R"({"records": [)" + record + "]}";
}

// In the order callEveryEntryPoint calls them.
const char *const kEntryPoints[] = {"OpenDevice",  "CmdRead",  "CmdWrite",
                                    "CmdCmd",      "CmdSpeic", "GetDeviceList",
                                    "CloseDevice", "ReadData", "WriteData"};

std::vector<std::string> allResults(int result) {
  std::vector<std::string> lines;
  for (const char *name : kEntryPoints) {
    lines.push_back(std::string(name) + "=" + std::to_string(result));
  }
  return lines;
}

std::vector<std::string> twice(const std::vector<std::string> &lines) {
  std::vector<std::string> repeated = lines;
  repeated.insert(repeated.end(), lines.begin(), lines.end());
  return repeated;
}

TEST(SimState, InvalidStatesFailEveryEntryPointUntilAGoodOneIsLoaded) {
  const std::string goodTime = "2019-05-21T14:03:09";
  const std::pair<std::string, std::string> cases[] = {
      {meterWith(recordWithSamples(goodTime, 400, 1)),
       "records[0].spectrum has 400 values, expected 401"},
      {meterWith(recordWithSamples(goodTime, 401, 65536)),
       "records[0].spectrum[5] is 65536, expected 0 to 65535"},
      {meterWith(recordWithSamples("2019-02-29T10:00:00", 401, 1)),
       "records[0].time is '2019-02-29T10:00:00'"},
      {meterWith(recordWithSamples("2019-05-21 14:03:09", 401, 1)), "records[0].time is"},
      {meterWith(R"({"time": "2019-05-21T14:03:09", "illuminance": 1})"),
       "records[0].spectrum is missing"},
      {R"({"device": "camera"})", "device is 'camera'"},
      {R"({"integration_time": "fast"})", "integration_time must be a number, not string"},
      {R"({"integration_time": 6553.6})", "integration_time is 6553.6"},
      {R"({"pixels": []})", "unknown key 'pixels' for a meter"},
      {R"({"device": "spectrometer", "dark": [1, 2]})", "dark has 2 values, expected 16"},
      {R"({"device": "spectrometer", "device_id": "short"})", "device_id is 'short'"},
      {R"({"illuminance_coefficient": 1e200})", "illuminance_coefficient is 1e+200"},
      {R"({"faults": [{"command": -1}]})", "faults[0].command is -1"},
      {"{\"records\": [", "not valid JSON"},
      {"[]", "the state must be an object"},
  };
  for (const auto &[text, problem] : cases) {
    EXPECT_EQ(sim().loadState(text.c_str()), 0) << problem;
    EXPECT_EQ(sim().stateError().find("invalid state text: " + problem), 0u) << sim().stateError();
    EXPECT_EQ(simtest::callEveryEntryPoint(sim().library), allResults(0)) << problem;
    EXPECT_EQ(sim().stateJson(), "null");
  }
  EXPECT_EQ(sim().loadStateFile("/nonexistent/state.json"), 0);
  EXPECT_EQ(sim().stateError(),
            "cannot read the state file: /nonexistent/state.json: No such file or directory");
  ASSERT_EQ(sim().loadState("{}"), 1);
  EXPECT_EQ(sim().stateError(), "");
  EXPECT_EQ(simtest::callEveryEntryPoint(sim().library)[1], "CmdRead=1");
}

// Whatever the JSON library refuses fails the load like any other invalid
// state, and the state that was active before is gone.
TEST(SimState, AFailedLoadReplacesTheActiveState) {
  for (const char *text :
       {"{\"ratio\": 1e400}", "[1e400]", "{\"records\": [{\"illuminance\": -1e999}]}"}) {
    ASSERT_EQ(sim().loadState("{}"), 1);
    EXPECT_EQ(sim().loadState(text), 0) << text;
    EXPECT_EQ(
        sim().stateError().find("invalid state text: not valid JSON: number overflow parsing"), 0u)
        << sim().stateError();
    EXPECT_EQ(simtest::callEveryEntryPoint(sim().library), allResults(0)) << text;
  }
}

TEST(SimState, MessagesEscapeControlCharactersFromTheText) {
  const std::pair<std::string, std::string> cases[] = {
      {"{\"a\\nb\": 1}", "invalid state text: unknown key 'a\\x0Ab' for a meter"},
      {"{\"\\u001b[2J\": 1}", "invalid state text: unknown key '\\x1B[2J' for a meter"},
      {"{\"\\u009b2J\\t\": 1}", "invalid state text: unknown key '\\u{009B}2J\\x09' for a meter"},
      {"{\"device\": \"ca\\r\\u007fmera\"}",
       "invalid state text: device is 'ca\\x0D\\x7Fmera', expected \"meter\" or \"spectrometer\""},
  };
  for (const auto &[text, message] : cases) {
    EXPECT_EQ(sim().loadState(text.c_str()), 0) << text;
    EXPECT_EQ(sim().stateError(), message);
  }
}

// `text` as a JSON string; bytes that are not UTF-8 stay raw, which the
// parser refuses with a message of its own.
std::string jsonString(const std::string &text) {
  std::string quoted = "\"";
  for (const char c : text) {
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned char>(c));
    quoted +=
        static_cast<unsigned char>(c) < 0x20 || c == '"' || c == '\\' ? escape : std::string(1, c);
  }
  return quoted + "\"";
}

TEST(SimState, HostileKeysValuesAndPathsGiveOneSafeLine) {
  for (const std::string &hostile : quoting::testing::hostileTexts()) {
    const std::string text = jsonString(hostile);
    for (const std::string &state :
         {"{" + text + ": 1}", "{\"device\": " + text + "}", "{\"device_id\": " + text + "}"}) {
      EXPECT_EQ(sim().loadState(state.c_str()), 0) << state;
      EXPECT_TRUE(quoting::testing::isOneSafeLine(sim().stateError())) << sim().stateError();
    }
    EXPECT_EQ(sim().loadStateFile(("/nonexistent/" + hostile).c_str()), 0);
    EXPECT_TRUE(quoting::testing::isOneSafeLine(sim().stateError())) << sim().stateError();
  }
}

TEST(SimState, SizeAndNestingAreBounded) {
  // Sixteen levels in all (the object and fifteen arrays) read; one more
  // does not.
  const std::string fifteen = std::string(15, '[') + std::string(15, ']');
  EXPECT_EQ(sim().loadState(("{\"comment\": " + fifteen + "}").c_str()), 1) << sim().stateError();
  EXPECT_EQ(sim().loadState(("{\"comment\": [" + fifteen + "]}").c_str()), 0);
  EXPECT_EQ(sim().stateError(), "invalid state text: nested deeper than 16 levels");

  const std::size_t limit = 4u << 20;
  std::string padded = "{\"comment\": \"\"}";
  padded.insert(13, limit - padded.size(), 'c');
  EXPECT_EQ(sim().loadState(padded.c_str()), 1) << sim().stateError();
  padded.insert(13, "c");
  EXPECT_EQ(sim().loadState(padded.c_str()), 0);
  EXPECT_EQ(sim().stateError(), "invalid state text: larger than 4194304 bytes");
}

TEST(SimState, TextRoundTripsAndMissingKeysTakeDemoValues) {
  for (const char *start : {"{}", R"({"device": "spectrometer"})"}) {
    ASSERT_EQ(sim().loadState(start), 1);
    const std::string text = sim().stateJson();
    ASSERT_EQ(sim().loadState(text.c_str()), 1) << sim().stateError();
    EXPECT_EQ(sim().stateJson(), text);
  }
  ASSERT_EQ(sim().loadState(R"({"integration_time": 12.5, "comment": "demo records kept"})"), 1);
  Bytes reply;
  EXPECT_EQ(sim().read(1, 0, 2, reply), 1);
  EXPECT_EQ(reply, (Bytes{125, 0}));
  EXPECT_EQ(sim().read(17, 7, 825, reply), 1);
  EXPECT_NE(simtest::u16At(reply, 0), 0xFFFF);
}

TEST(SimState, ResetReturnsToTheStartUpStateAndClearsTheLog) {
  if (std::getenv("TESSELUSB_STATE") != nullptr) {
    GTEST_SKIP() << "start-up state comes from TESSELUSB_STATE";
  }
  ASSERT_EQ(sim().loadState(R"({"device": "spectrometer"})"), 1);
  Bytes reply;
  EXPECT_EQ(sim().read(17, 0, 825, reply), 0);
  EXPECT_EQ(sim().reset(), 1);
  EXPECT_EQ(sim().logSize(), 0);
  EXPECT_EQ(sim().read(17, 0, 825, reply), 1);
}

TEST(SimState, ConcurrentCallersEachGetWholeExchanges) {
  ASSERT_EQ(sim().loadState("{}"), 1);
  sim().clearLog();
  constexpr int kThreads = 4, kReads = 100;
  std::atomic<int> failures{0};
  std::vector<std::thread> threads;
  for (std::uint32_t ordinal = 0; ordinal < kThreads; ++ordinal) {
    threads.emplace_back([ordinal, &failures] {
      for (int i = 0; i < kReads; ++i) {
        Bytes record;
        const bool whole =
            sim().read(17, ordinal, 825, record) == 1 && simtest::u16At(record, 0) == 2019;
        failures += whole ? 0 : 1;
      }
    });
  }
  for (auto &thread : threads) {
    thread.join();
  }
  EXPECT_EQ(failures, 0);
  EXPECT_EQ(sim().logSize(), kThreads * kReads);
}

struct ProbeRun {
  std::vector<std::string> results; // "name=result" lines
  std::vector<std::string> errors;  // stderr lines
};

std::string temporaryFile(const std::string &name, const std::string &content) {
  const std::string path = ::testing::TempDir() + "tesselusb_" + std::to_string(getpid()) + name;
  std::ofstream(path) << content;
  return path;
}

std::vector<std::string> takeLines(const std::string &path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  std::remove(path.c_str());
  return lines;
}

// Runs the probe beside this test program with TESSELUSB_STATE set.
ProbeRun runProbe(const std::string &statePath) {
  char self[4096] = {};
  const ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
  const std::string exe(self, static_cast<std::size_t>(std::max<ssize_t>(length, 0)));
  const std::string probe = exe.substr(0, exe.rfind('/') + 1) + "tesselusb_state_probe";
  const std::string out = temporaryFile("_probe.out", "");
  const std::string err = temporaryFile("_probe.err", "");
  const std::string command =
      "TESSELUSB_STATE='" + statePath + "' '" + probe + "' >'" + out + "' 2>'" + err + "'";
  EXPECT_EQ(std::system(command.c_str()), 0);
  return {takeLines(out), takeLines(err)};
}

TEST(SimStartUpState, BadFileFailsEveryEntryPointWithOneLineOnStderr) {
  const std::string missing = ::testing::TempDir() + "tesselusb_missing.json";
  const std::string notJson = temporaryFile("_not.json", "records: none");
  const std::string wrongSize =
      temporaryFile("_size.json", meterWith(recordWithSamples("2019-05-21T14:03:09", 400, 1)));
  const std::string overflow = temporaryFile("_overflow.json", R"({"ratio": 1e400})");
  const std::string huge = temporaryFile("_huge.json", std::string(5u << 20, ' '));
  const std::pair<std::string, std::string> cases[] = {
      {missing, "cannot read the state file: " + missing + ": No such file or directory"},
      {notJson, "invalid state file: " + notJson + ": not valid JSON: "},
      {wrongSize,
       "invalid state file: " + wrongSize + ": records[0].spectrum has 400 values, expected 401"},
      {overflow,
       "invalid state file: " + overflow + ": not valid JSON: number overflow parsing '1e400'"},
      {huge, "invalid state file: " + huge + ": larger than 4194304 bytes"},
      {::testing::TempDir(), "cannot read the state file: " + ::testing::TempDir() + ": "},
  };
  for (const auto &[path, problem] : cases) {
    const ProbeRun run = runProbe(path);
    EXPECT_EQ(run.results, twice(allResults(0))) << path;
    ASSERT_EQ(run.errors.size(), 1u) << path;
    EXPECT_EQ(run.errors[0].find("libTesselUSB: " + problem), 0u) << run.errors[0];
  }
  for (const std::string &path : {notJson, wrongSize, overflow, huge}) {
    std::remove(path.c_str());
  }
}

TEST(SimStartUpState, GoodFileIsServedSilently) {
  const ProbeRun run = runProbe(simtest::examplePath("meter_three_records.json"));
  EXPECT_TRUE(run.errors.empty());
  // A meter has no special command; raw transfers are never supported.
  std::vector<std::string> expected = allResults(1);
  for (std::size_t i : {4, 7, 8}) {
    expected[i].back() = '0';
  }
  EXPECT_EQ(run.results, twice(expected));
}

TEST(SimVariants, EachLacksExactlyItsEntryPoint) {
  const std::pair<const char *, std::string> variants[] = {
      {"libTesselUSB.so", ""},
      {"libTesselUSB_noSpeic.so", "CmdSpeic"},
      {"libTesselUSB_noDeviceList.so", "GetDeviceList"}};
  for (const auto &[file, missing] : variants) {
    devlink::SharedLibrary lib;
    ASSERT_TRUE(lib.open(file)) << lib.lastError();
    for (const char *name : kEntryPoints) {
      EXPECT_EQ(lib.symbol(name) == nullptr, missing == name) << file << " " << name;
    }
    EXPECT_NE(lib.symbol("tsim_load_state"), nullptr) << file;
    // Internals, and the static libraries linked in, stay hidden.
    EXPECT_EQ(lib.symbol("_ZN9tesselusb9demoMeterEv"), nullptr) << file;
    EXPECT_EQ(lib.symbol("_ZN7devlink17decodeMeterNumberEPKh"), nullptr) << file;
  }
}

} // namespace
