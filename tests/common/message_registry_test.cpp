// The program's words live in one registry (src/common/messages/, a header per room
// of the program) and beside the fixed layouts of the form, the sheets, the reports
// and the drawings. This check
// reads every source file under the folder it is given and fails on a Chinese
// string literal anywhere else, naming the file, the line and the text, so that a
// new message cannot quietly be written inline.
#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The registry, and the layouts whose captions are their own texts.
const std::set<std::string> kAllowed = {
    "common/field_captions.cpp",         // the form's captions, naming fields in messages
    "common/report_lines.cpp",           // the reports' column heads
    "shell/input_form.cpp",              // the form's captions
    "sheets/geometry_sheet_layout.cpp",  // the sheets' captions
    "sheets/strength_sheet_layouts.cpp",
    "sheets/geometry_report.cpp",  // the reports' rows
    "sheets/strength_report.cpp",
    "sheets/sheet_window.cpp",         // the sheets' headings, buttons and copied column heads
    "mesh_picture/mesh_painting.cpp",  // the mesh drawing's legend
    "mesh_picture/sliding_plot.cpp",   // the sliding plot's title, axes and legend
    "rating/rating_quantities.cpp",  // the rating sheet's rows and groups
    "rating_report/rating_sheet.cpp",  // the rating report's brackets and separators
};

struct Literal {
    int line;
    std::string text;
};

bool is_word_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// The word (identifier or number) that ends just before `at`.
std::string_view word_before(std::string_view src, std::size_t at) {
    std::size_t b = at;
    while (b > 0 && (is_word_char(src[b - 1]) || src[b - 1] == '.')) --b;
    return src.substr(b, at - b);
}

// The string literals of a C++ source, outside comments, raw strings included.
std::vector<Literal> string_literals(std::string_view src) {
    std::vector<Literal> out;
    int line = 1;
    std::size_t i = 0;
    const auto advance_to = [&](std::size_t end) {
        line += static_cast<int>(std::count(src.begin() + static_cast<std::ptrdiff_t>(i),
                                            src.begin() + static_cast<std::ptrdiff_t>(end), '\n'));
        i = end;
    };
    while (i < src.size()) {
        const char c = src[i];
        if (src.substr(i, 2) == "//") {
            advance_to(std::min(src.find('\n', i), src.size()));
        } else if (src.substr(i, 2) == "/*") {
            const std::size_t end = src.find("*/", i + 2);
            advance_to(end == std::string_view::npos ? src.size() : end + 2);
        } else if (c == '"' || c == '\'') {
            const std::string_view prefix = word_before(src, i);
            if (c == '\'' && !prefix.empty() && prefix != "u8" && prefix != "u" && prefix != "U" &&
                prefix != "L") {
                ++i;  // a digit separator
                continue;
            }
            const int start_line = line;
            std::size_t end;
            if (c == '"' && !prefix.empty() && prefix.back() == 'R') {
                const std::size_t open = src.find('(', i);
                const std::string close = ")" + std::string(src.substr(i + 1, open - i - 1)) + "\"";
                const std::size_t found = src.find(close, open);
                end = found == std::string_view::npos ? src.size() : found + close.size();
            } else {
                end = i + 1;
                while (end < src.size() && src[end] != c && src[end] != '\n') {
                    end += src[end] == '\\' ? 2 : 1;
                }
                end = std::min(end + 1, src.size());
            }
            if (c == '"') out.push_back({start_line, std::string(src.substr(i, end - i))});
            advance_to(end);
        } else {
            ++i;
        }
    }
    return out;
}

// Whether the UTF-8 text holds a Chinese character or a full-width punctuation mark.
bool has_chinese(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
        char32_t cp = b & (n == 4 ? 0x07 : n == 3 ? 0x0F : 0x1F);
        for (std::size_t k = 1; k < n && i + k < text.size(); ++k) {
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        if ((cp >= 0x3000 && cp <= 0x303F) || (cp >= 0x3400 && cp <= 0x9FFF) ||
            (cp >= 0xFF00 && cp <= 0xFFEF)) {
            return true;
        }
        i += n;
    }
    return false;
}

std::string read_all(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: message_registry_test SOURCE_FOLDER\n";
        return 2;
    }
    const fs::path root(argv[1]);
    int files = 0, stray = 0;
    std::size_t registry_texts = 0;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string ext = entry.path().extension().string();
        if (!entry.is_regular_file() || (ext != ".cpp" && ext != ".h")) continue;
        ++files;
        const std::string name = entry.path().lexically_relative(root).generic_string();
        const std::vector<Literal> literals = string_literals(read_all(entry.path()));
        const auto chinese = std::count_if(literals.begin(), literals.end(),
                                           [](const Literal& l) { return has_chinese(l.text); });
        const bool registry = name.rfind("common/messages/", 0) == 0;
        if (registry) registry_texts += static_cast<std::size_t>(chinese);
        if (registry || kAllowed.count(name)) continue;
        for (const Literal& l : literals) {
            if (!has_chinese(l.text)) continue;
            std::cerr << name << ":" << l.line
                      << ": a text outside the message registry: " << l.text << "\n";
            ++stray;
        }
    }
    // The scan must see the registry's own texts, or it proves nothing.
    if (files < 50 || registry_texts < 100) {
        std::cerr << "the scan of " << root << " found " << files << " files and " << registry_texts
                  << " texts in common/messages/\n";
        return 1;
    }
    std::cout << files << " files, " << registry_texts << " texts in the registry, " << stray
              << " elsewhere\n";
    return stray == 0 ? 0 : 1;
}
