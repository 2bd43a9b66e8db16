// SPDX-License-Identifier: GPL-2.0-or-later
#include "phone/step_table.h"

#include <gtest/gtest.h>

#include <string>

namespace pixora {
namespace {

struct PortTextCase {
    const char* text;
    int port;
    const char* expanded;
};

TEST(StepTableTest, PortNumberInErrorTexts) {
    const PortTextCase cases[] = {
        {"Can't talk to COM{port}.", 3, "Can't talk to COM3."},
        {"Can't set params.", 3, "Can't set params."},
        {"{port}{port}", 12, "1212"},
        {"COM{port", 4, "COM{port"},
        {"", 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(WithPortNumber(c.text, c.port), c.expanded);
    }
}

struct Lengths {
    int values[2];
};

std::string Announce(const Lengths& lengths, int part) {
    return "AT+CMGS=" + std::to_string(lengths.values[part]) + "\r";
}

constexpr StepRow<Lengths> kHead[] = {{.command = "AT\r", .errorText = "COM{port} is silent."}};
constexpr StepRow<Lengths> kBody[] = {
    {.build = Announce, .part = 1, .expected = Reply::Prompt, .marker = 40},
    {.command = "ATZ\r", .marker = 5},
};

// A run made of several tables keeps their order; builders see the run's context and their
// row's part; asking past the end gives an empty step rather than a neighbour's.
TEST(StepTableTest, PlanOfSeveralTables) {
    StepPlan<Lengths> plan;
    plan.Add(kHead);
    plan.Add(kBody);
    plan.Add(kHead);
    ASSERT_EQ(plan.Count(), 4);
    const Lengths lengths{{153, 34}};
    const Step first = plan.Build(0, lengths, 2);
    EXPECT_EQ(first.command, "AT\r");
    EXPECT_EQ(first.errorText, "COM2 is silent.");
    const Step built = plan.Build(1, lengths, 2);
    EXPECT_EQ(built.command, "AT+CMGS=34\r");
    EXPECT_EQ(built.expected, Reply::Prompt);
    EXPECT_EQ(built.marker, 40);
    EXPECT_EQ(plan.Build(3, lengths, 2).command, "AT\r");
    EXPECT_EQ(plan.Build(4, lengths, 2).command, "");
    EXPECT_EQ(plan.Row(-1), nullptr);
    plan.Clear();
    EXPECT_EQ(plan.Count(), 0);
}

}  // namespace
}  // namespace pixora
