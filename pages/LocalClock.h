// The computer's clock as the resume alarm's rules need it.
#pragma once

#include "ResumeTime.h"

// The local date and time to the second.
ResumeTime LocalTimeNow();
