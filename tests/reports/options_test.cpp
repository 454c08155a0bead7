#include "reports/dictionaryoptions.h"

#include <gtest/gtest.h>

using namespace kelvor::reports;
using namespace Qt::StringLiterals;

namespace {

TEST(DictionaryOptions, OptionZeroStaysOnOthersToggleDisabledNeverChange)
{
    DictionaryChoice choice;
    EXPECT_EQ(choice.centreOptions(), (std::array<bool, 6>{true, true, true, true, true, true}));
    struct Case {
        int index;
        bool after;
    };
    const std::vector<Case> clicks = {{0, true}, {0, true}, {3, false}, {3, true}, {8, false},
                                      {6, false}, {91, false}, {141, false}, {42, false}};
    for (const Case& c : clicks) EXPECT_EQ(choice.click(c.index), c.after) << c.index;
    for (const int disabled : {6, 7, 91, 101, 111, 121, 131, 141}) EXPECT_FALSE(choice.isEnabled(disabled));
}

}  // namespace
