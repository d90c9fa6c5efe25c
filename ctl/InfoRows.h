// The Information Viewer's rows for show, built by the page's own row builders with
// the page's English texts.
#pragma once

#include "SettingsText.h"

#include <vector>

std::vector<InfoRow> CollectInfoRows();
