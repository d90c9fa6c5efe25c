#include "SheetPages.h"

#include "PageFactories.h"

namespace {

// Tab order. The power management page sits between the password and display pages.
const PageFactory kPages[] = {
    CreateInfoViewerPage, CreatePostPage, CreateStartupPage, CreatePasswordPage,
#if TARVELL_POWER_PAGE
    CreatePowerSavePage,
#endif
    CreateDisplayPage,
};

} // namespace

PageTable SheetPages() {
    return {kPages, static_cast<int>(sizeof kPages / sizeof kPages[0])};
}
