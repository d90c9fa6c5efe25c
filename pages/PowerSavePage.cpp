// CPowerSavePage: the "Power Management" page, showing its title only until its settings are built.
#include "MyPropertyPage.h"
#include "PageFactories.h"

namespace {

constexpr UINT kTemplate = 134;
constexpr UINT kCaption = 218;

class CPowerSavePage : public CMyPropertyPage {
public:
    CPowerSavePage() : CMyPropertyPage(kTemplate, kCaption) {}

protected:
    // Return TRUE. The page title in the title font.
    BOOL OnInitDialog() override {
        CMyPropertyPage::OnInitDialog();
        SetTitleFromResource(kPageTitleControl, kCaption);
        return TRUE;
    }
};

} // namespace

CMyPropertyPage* CreatePowerSavePage() {
    return new CPowerSavePage();
}
