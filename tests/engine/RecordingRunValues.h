#pragma once
#include <string>
#include <vector>

#include "RunValues.h"

// Every path published since the last reset, in order.
extern std::vector<std::string> Published;
// Publishing exactly this path requests cancellation.
extern std::string CancelAt;

// rsRunning, not cancelled, nothing published.
void ResetRunValues();
