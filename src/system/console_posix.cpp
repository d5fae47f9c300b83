#include "console.h"

namespace gp {

std::vector<std::string> program_arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

void use_binary_standard_streams() {}  // bytes already

}  // namespace gp
