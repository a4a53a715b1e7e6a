// The print program's reading of a report file.
#include <string>

#include "lurm/report_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReportLines(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
