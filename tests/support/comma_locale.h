#pragma once

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <string>

namespace kestrom::testing {

// Switches the C library to a comma-decimal locale for a test, as the toolkit does
// for a German user at start, and back afterwards. The build generates the locale
// for the tests (LOCPATH), so it is always there.
class CommaDecimalLocaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing: the build makes it with localedef from the "
           "Debian package locales";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 2.5);
    ASSERT_STREQ(probe, "2,5") << "the locale does not write a decimal comma";
  }
  void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

 private:
  std::string saved_;
};

}  // namespace kestrom::testing
