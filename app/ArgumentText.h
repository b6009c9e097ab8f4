#pragma once
// The argument text of a windowed program: its command line without the
// program's own name.

// Skips leading blanks and tabs; then the program name: from a quotation
// mark up to the next quotation mark or tab, otherwise up to the first
// blank or tab; then the closing quotation mark if there is one; then the
// blanks and tabs that follow. A line feed is not skipped: it belongs to the
// argument text. Returns a pointer into CommandLine.
const char* ArgumentText(const char* CommandLine);
