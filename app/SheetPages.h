// The pages of the sheet as this program has them: five in the shipped program, six
// with the power management page in the program compiled with TARVELL_POWER_PAGE=1.
#pragma once

#include "AllControlsSheet.h"

PageTable SheetPages();
