// Frames the simulated device must refuse, and the buffer bounds it keeps.

#include "sim_library.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using simtest::Bytes;
using simtest::kFill;
using simtest::sim;

enum class Via { Read, Write, Cmd };

struct FrameCase {
  Via via;
  std::uint32_t id, loc, count;
};

int send(const FrameCase &frame, std::uint8_t *buf) {
  const auto entry = frame.via == Via::Read    ? sim().cmdRead
                     : frame.via == Via::Write ? sim().cmdWrite
                                               : sim().cmdCmd;
  return entry(frame.id, frame.loc, frame.count, buf, 2000, nullptr, 3);
}

bool untouchedFrom(const Bytes &bytes, std::size_t from) {
  return std::all_of(bytes.begin() + static_cast<std::ptrdiff_t>(from), bytes.end(),
                     [](std::uint8_t b) { return b == kFill; });
}

// Sends each frame with `count` bytes plus guard bytes; true when every
// frame got `result` and nothing was written past count.
void expectResultWithinCount(const std::vector<FrameCase> &frames, int result) {
  for (const FrameCase &frame : frames) {
    Bytes buffer(std::min<std::uint32_t>(frame.count, 1024) + 64, kFill);
    EXPECT_EQ(send(frame, buffer.data()), result) << frame.id << " loc " << frame.loc;
    EXPECT_TRUE(untouchedFrom(buffer, result ? frame.count : 0))
        << frame.id << " loc " << frame.loc;
    EXPECT_EQ(sim().lastExchange().result, result);
  }
}

class SimFrameCheck : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_EQ(sim().loadState("{}"), 1); }
};

TEST_F(SimFrameCheck, MeterRefusesMalformedFramesWithoutTouchingTheBuffer) {
  expectResultWithinCount(
      {
          {Via::Read, 14, 0, 2},          {Via::Read, 99, 0, 2},
          {Via::Cmd, 15, 0, 0}, // unknown
          {Via::Write, 17, 0, 825},       {Via::Read, 0, 0, 2},
          {Via::Read, 2, 2, 0}, // wrong entry
          {Via::Cmd, 12, 0, 0},           {Via::Write, 6, 0, 36},
          {Via::Read, 1, 1, 2},           {Via::Cmd, 2, 0, 0},
          {Via::Read, 3, 7, 900}, // wrong loc
          {Via::Write, 7, 70, 36},        {Via::Read, 8, 4, 630},
          {Via::Read, 12, 1, 1},          {Via::Read, 17, 0, 824},
          {Via::Read, 17, 0, 826},        {Via::Read, 3, 6, 900}, // wrong count
          {Via::Read, 3, 0, 600},         {Via::Cmd, 11, 0, 1},
          {Via::Read, 13, 0, 807},        {Via::Read, 17, 0, 0xFFFFFFFF},
          {Via::Write, 0, 0, 0x7FFFFFFF}, // huge
      },
      0);
  EXPECT_EQ(send({Via::Read, 17, 0, 825}, nullptr), 0);
  EXPECT_EQ(send({Via::Write, 0, 0, 2}, nullptr), 0);
}

TEST_F(SimFrameCheck, RepliesFillExactlyCountBytes) {
  expectResultWithinCount({{Via::Read, 1, 0, 2},
                           {Via::Read, 3, 0, 900},
                           {Via::Read, 3, 6, 600},
                           {Via::Read, 6, 0, 36},
                           {Via::Read, 8, 3, 630},
                           {Via::Read, 10, 0, 6},
                           {Via::Read, 12, 0, 1},
                           {Via::Read, 13, 0, 808},
                           {Via::Read, 17, 0, 825},
                           {Via::Read, 17, 8, 825}},
                          1);
  ASSERT_EQ(sim().loadState(R"({"device": "spectrometer"})"), 1);
  ASSERT_EQ(sim().open(), 1);
  expectResultWithinCount({{Via::Read, 1, 2, 2},
                           {Via::Read, 3, 2, 820},
                           {Via::Read, 7, 2, 848},
                           {Via::Read, 10, 2, 30},
                           {Via::Read, 12, 2, 600},
                           {Via::Read, 12, 2, 750},
                           {Via::Read, 14, 2, 338}},
                          1);
  Bytes reply(128, kFill);
  EXPECT_EQ(sim().cmdSpeic(8, reply.data(), 0, 0), 1);
  EXPECT_TRUE(untouchedFrom(reply, 14));
}

TEST_F(SimFrameCheck, RawTransfersAndTheMetersSpecialCommandAreNotSupported) {
  Bytes data(128, kFill);
  ASSERT_EQ(sim().open(), 1);
  EXPECT_EQ(sim().cmdSpeic(8, data.data(), 0, 0), 0);
  EXPECT_EQ(sim().readData(data.data(), 4, 100), 0);
  EXPECT_EQ(sim().writeData(data.data(), 4, 100), 0);
  EXPECT_STREQ(sim().lastExchange().entry, "WriteData");
  EXPECT_TRUE(untouchedFrom(data, 0));
}

TEST_F(SimFrameCheck, SpectrometerAnswersOnlyWhileOpen) {
  ASSERT_EQ(sim().loadState(R"({"device": "spectrometer"})"), 1);
  Bytes reply;
  Bytes id(128, kFill);
  EXPECT_EQ(sim().read(1, 2, 2, reply), 0);
  EXPECT_EQ(sim().cmdSpeic(8, id.data(), 0, 0), 0);
  EXPECT_TRUE(untouchedFrom(id, 0));

  EXPECT_EQ(sim().openDevice("085F", "0483", 1), 0);
  EXPECT_EQ(sim().openDevice("085E", "0483", 0), 0);
  EXPECT_EQ(sim().openDevice("085F", "0484", 0), 0);
  EXPECT_EQ(sim().openDevice(nullptr, "0483", 0), 0);
  EXPECT_EQ(sim().read(1, 2, 2, reply), 0);

  EXPECT_EQ(sim().openDevice("085f", "0483", 0), 1);
  EXPECT_EQ(sim().open(), 1); // opening an open device succeeds
  EXPECT_EQ(sim().read(1, 2, 2, reply), 1);
  EXPECT_EQ(sim().read(1, 0, 2, reply), 0);    // the meter's loc
  EXPECT_EQ(sim().read(17, 0, 825, reply), 0); // a meter command
  EXPECT_EQ(sim().cmdSpeic(9, id.data(), 0, 0), 0);
  EXPECT_EQ(sim().cmdSpeic(8, nullptr, 0, 0), 0);

  EXPECT_EQ(sim().closeDevice(), 1);
  EXPECT_EQ(sim().read(1, 2, 2, reply), 0);
}

} // namespace
