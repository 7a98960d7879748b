#include "game/translate.h"

#include <gtest/gtest.h>

namespace mervane {
namespace {

TEST(Arg, ReplacesEachNumberOnceAndLeavesTheRest) {
    EXPECT_EQ(Arg("%1 plays the %2", {"Player2", "9 of Hearts"}), "Player2 plays the 9 of Hearts");
    EXPECT_EQ(Arg("%2 ← %1", {"a", "b"}), "b ← a");
    // An argument holding a number is not substituted again.
    EXPECT_EQ(Arg("%1 and %2", {"%2", "x"}), "%2 and x");
    // Numbers without an argument, and lone or trailing percent signs, stay.
    EXPECT_EQ(Arg("%1 of %3, 50%", {"5"}), "5 of %3, 50%");
    EXPECT_EQ(Arg("100%", {}), "100%");
}

TEST(Tr, EnglishUntilATranslatorIsInstalledAndAgainAfter) {
    EXPECT_EQ(Tr("Status", "Thinking..."), "Thinking...");
    SetTranslator([](std::string_view context, std::string_view source) {
        return std::string(context) + ":" + std::string(source);
    });
    EXPECT_EQ(Tr("Status", "Pass"), "Status:Pass");
    SetTranslator({});
    EXPECT_EQ(Tr("Status", "Pass"), "Pass");
}

}  // namespace
}  // namespace mervane
