#pragma once
// What the fuzz targets share. A property that does not hold ends the run the
// way a crash does (abort), so libFuzzer keeps the input and the corpus replay
// fails on it.
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Each target defines this once; libFuzzer or the replay driver calls it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace tvx::fuzz {

[[noreturn]] inline void fail(const char* property, const QString& detail = {}) {
    std::fprintf(stderr, "fuzz property does not hold: %s\n%s\n", property, detail.toUtf8().constData());
    std::fflush(stderr);
    std::abort();
}

inline void check(bool holds, const char* property) {
    if (!holds) fail(property);
}

}  // namespace tvx::fuzz

// A property with a description of the input, built only when the property does not hold.
#define TVX_FUZZ_CHECK(holds, property, detail)                \
    do {                                                       \
        if (!(holds)) ::tvx::fuzz::fail((property), (detail)); \
    } while (false)
