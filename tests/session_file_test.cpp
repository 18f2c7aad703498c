#include "app/session_file.h"

#include <gtest/gtest.h>

namespace {

// With no file named, the dialog opens at the seed given and plays nothing,
// not even an empty session (which would leave it stopped).
TEST(SessionFileTest, ArgumentsWithoutAFileOpenNoSessionAtTheirSeed) {
  char program[] = "pastura", option[] = "--seed", seed[] = "7";
  char* const arguments[] = {program, option, seed};
  const auto opening = OpenFromArguments(arguments);
  ASSERT_TRUE(std::holds_alternative<OpeningSession>(opening));
  EXPECT_EQ(std::get<OpeningSession>(opening).seed, 7u);
  EXPECT_FALSE(std::get<OpeningSession>(opening).script);
}

}  // namespace
