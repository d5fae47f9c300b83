// What a command-line program needs of the system beyond the C++ library: its
// arguments as UTF-8 and its standard streams as plain bytes.
#pragma once

#include <string>
#include <vector>

namespace gp {

// The arguments after the program's name, in UTF-8 (on Windows read from the
// system's wide command line, whatever the code page of the console).
std::vector<std::string> program_arguments(int argc, char** argv);

// Standard input and output carry bytes unchanged: on Windows they would otherwise
// turn every line feed into CR LF and stop reading at a Ctrl-Z byte.
void use_binary_standard_streams();

}  // namespace gp
