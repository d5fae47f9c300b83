#include "cli_files.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace gp {

bool read_whole_input(const std::string& file, std::istream& standard_input, std::string& text) {
    if (file.empty() || file == "-") {
        text.assign(std::istreambuf_iterator<char>(standard_input), {});
        return !standard_input.bad();
    }
    std::ifstream in(std::filesystem::path(std::u8string(file.begin(), file.end())),
                     std::ios::binary);
    if (!in) return false;
    std::ostringstream buf;
    buf << in.rdbuf();
    text = buf.str();
    return !in.bad();
}

bool write_whole_file(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    f.close();
    return static_cast<bool>(f);
}

}  // namespace gp
