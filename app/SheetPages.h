// The pages of the sheet as this build ships them: five, or six with the power
// management page (TARVELL_POWER_PAGE).
#pragma once

#include "AllControlsSheet.h"

PageTable SheetPages();
