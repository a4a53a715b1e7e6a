#include "res/format_text.h"

#include <locale.h>

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "res/translation.h"

namespace {

// The C locale object, made once; uselocale() switches this thread to it
// for the length of one call.
locale_t CLocale() {
    static locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return c;
}

}  // namespace

std::string FormatText(const char* source, ...) {
    // A format the catalog holds comes in the user's language, with the
    // same conversions in the same order.
    const char* format = Tr(source);
    locale_t previous = uselocale(CLocale());
    char small[256];
    va_list args;
    va_start(args, source);
    va_list again;
    va_copy(again, args);
    int n = std::vsnprintf(small, sizeof small, format, args);
    va_end(args);
    std::string out;
    if (n >= 0 && static_cast<std::size_t>(n) < sizeof small) {
        out.assign(small, static_cast<std::size_t>(n));
    } else if (n >= 0) {
        std::vector<char> big(static_cast<std::size_t>(n) + 1);
        std::vsnprintf(big.data(), big.size(), format, again);
        out.assign(big.data(), static_cast<std::size_t>(n));
    }
    va_end(again);
    uselocale(previous);
    return out;
}
