// Fuzz target: any bytes as a filled-in form, through both calculations and both
// reports. A broken promise aborts, which the fuzzer records as a crash.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "form_from_bytes.h"
#include "result_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string broken = gp::fuzz::first_broken_promise(gp::fuzz::form_from_bytes(bytes));
    if (!broken.empty()) {
        std::fprintf(stderr, "broken promise: %s\n", broken.c_str());
        std::abort();
    }
    return 0;
}
