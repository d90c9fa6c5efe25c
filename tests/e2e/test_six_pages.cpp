// The six-page program: the same start-up and sheet as the shipped one, with the Power
// Management page between the Password and Display Device pages.
#include "ZepTest.h"
#include "ZepUi.h"

namespace {

using namespace e2e;

class SixPageSheet : public ZepTest {
protected:
    SixPageSheet() : ZepTest(ZepProgram::kSixPages) {}
};

TEST_F(SixPageSheet, ShowsPowerManagementBetweenPasswordAndDisplayAndClosesWithOk) {
    ASSERT_NE(StartToSheet(), nullptr);
    ASSERT_EQ(sheet_.PageCount(), 6);
    const struct {
        int index;
        const char* title;
    } pages[] = {
        {zepui::kPasswordPage, "Password"},
        {zepui::kSixPagePowerPage, "Power Management"},
        {zepui::kSixPageDisplayPage, "Display Device"},
    };
    for (const auto& page : pages) {
        ASSERT_TRUE(sheet_.SelectPage(page.index)) << page.title;
        EXPECT_EQ(TextOf(sheet_.PageControl(zepui::kPageTitle)), page.title);
    }

    ASSERT_TRUE(sim_.ClearLog());
    ASSERT_TRUE(sheet_.PressOk());
    EXPECT_TRUE(EndsWithoutDialog()) << "nothing changed: no restart to offer";
    EXPECT_EQ(CountOf(sim_.Log(), "CMOSChecksum"), 1u) << Describe(sim_.Log());
}

} // namespace
