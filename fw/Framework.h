// The whole framework layer: include this from application code.
#pragma once

#include "Win32.h"
#include "Wnd.h"
#include "DataExchange.h"
#include "Dialog.h"
#include "PropertyPage.h"
#include "PropertySheet.h"
#include "WinApp.h"
#include "Controls.h"
#include "Font.h"
#include "BitmapButton.h"
