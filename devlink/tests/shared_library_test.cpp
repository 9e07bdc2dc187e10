#include "devlink/shared_library.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(SharedLibrary, MissingLibraryReportsTheLoaderMessage) {
  devlink::SharedLibrary lib;
  EXPECT_FALSE(lib.open("libNoSuchLibrary-7f3a.so"));
  EXPECT_FALSE(lib.isOpen());
  EXPECT_FALSE(lib.lastError().empty());
  EXPECT_EQ(lib.symbol("anything"), nullptr);
}

TEST(SharedLibrary, ResolvesPresentAndMissingSymbols) {
  devlink::SharedLibrary lib;
  ASSERT_TRUE(lib.open("libc.so.6")) << lib.lastError();
  using Strlen = std::size_t (*)(const char *);
  auto fn = lib.resolve<Strlen>("strlen");
  ASSERT_NE(fn, nullptr);
  EXPECT_EQ(fn("meter"), 5u);
  EXPECT_EQ(lib.symbol("NoSuchEntryPoint"), nullptr);

  devlink::SharedLibrary moved(std::move(lib));
  EXPECT_TRUE(moved.isOpen());
  EXPECT_FALSE(lib.isOpen());
  moved.close();
  EXPECT_FALSE(moved.isOpen());
}

} // namespace
