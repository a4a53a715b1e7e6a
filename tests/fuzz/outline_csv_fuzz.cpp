// The outline CSV reader of veldrio-calc.
#include <string>

#include "data/outline_csv_reader.h"
#include "data/sample_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SampleTable table;
    std::string error;
    ReadOutlineCsv(std::string(reinterpret_cast<const char*>(data), size), table, error);
    return 0;
}
