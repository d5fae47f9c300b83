// Runs the batch tool as a user would and collects what it printed.
#pragma once

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace gp::testing {

struct CliRun {
    std::string out;
    int status = -1;
};

// `args` go to the shell as written; standard error is discarded unless redirected.
inline CliRun run_cli(const std::string& args) {
    CliRun run;
    const std::string command = std::string(GEARPAIR_CLI) + " " + args;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return run;
    char buf[65536];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) run.out.append(buf, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

inline std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string golden(const std::string& name) {
    return std::string(GEARPAIR_GOLDEN_DIR) + "/" + name;
}

}  // namespace gp::testing
