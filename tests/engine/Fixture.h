#pragma once
// What the engine tests need beside TempTree: the trees made on the Unix side
// (make-fixtures.sh), and a count of open handles.
#include <windows.h>

#include <string>

#include "TempTree.h"

// The folder the test runner prepared (see make-fixtures.sh).
std::string FixtureRoot();

// The handles this process has open (listings among them).
int CountOpenHandles();

