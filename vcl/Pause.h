#pragma once

// Sleeps for about one millisecond: never less, never busy. Plain Sleep(1)
// lasts up to a whole 15.6 ms timer tick on Windows.
void Pause();
