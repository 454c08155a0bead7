#include "app/window/highlightoptions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelvor {
namespace {

// A click sequence: 'o' + k clicks option k itself, 'a' + k its click area.
struct OptionCase {
    std::vector<std::string> clicks;
    int expected;
};

class HighlightOptionPair : public testing::TestWithParam<OptionCase> {};

TEST_P(HighlightOptionPair, KeepsAtMostOneOptionChosen)
{
    HighlightOptions options;
    for (const std::string& click : GetParam().clicks) {
        const int k = click[1] - '0';
        if (click[0] == 'o') options.optionClicked(k);
        else options.clickAreaClicked(k);
    }
    EXPECT_EQ(options.chosen(), GetParam().expected);
    EXPECT_FALSE(options.isChosen(0) && options.isChosen(1));
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, HighlightOptionPair,
    testing::Values(OptionCase{{}, 0},                         // the first option is chosen at start
                    OptionCase{{"o1"}, 1},                     // choosing one clears the other
                    OptionCase{{"o1", "o0"}, 0},
                    OptionCase{{"o0", "o0"}, 0},               // the option itself never clears
                    OptionCase{{"a0"}, HighlightOptions::kNone},  // its area toggles it off
                    OptionCase{{"a0", "a0"}, 0},               // and on again
                    OptionCase{{"a1"}, 1},                     // the other's area chooses the other
                    OptionCase{{"a1", "a1"}, HighlightOptions::kNone},
                    OptionCase{{"a0", "o1"}, 1},
                    OptionCase{{"o7", "a9"}, 0}));             // no such option: nothing changes

}  // namespace
}  // namespace kelvor
