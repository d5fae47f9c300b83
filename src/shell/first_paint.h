// How long the program takes to show its first window, measured by the program
// itself for the start-up benchmark.
#pragma once

class QApplication;

namespace gp {

// The environment variable that asks for the measurement: any value reports on
// standard error the milliseconds from the program's start (its static
// initialisation, after the libraries are loaded) to the end of the first paint of
// a shown window, as "gearpair: first paint after 123.456 ms"; the value "exit"
// then ends the program at once with status 0.
inline constexpr const char* kFirstPaintVariable = "GEARPAIR_FIRST_PAINT";

// Watches for the first paint when the variable is set; otherwise does nothing.
void watch_first_paint(QApplication& app);

}  // namespace gp
