#include "lurm/print_arguments.h"

PrintArguments ParsePrintArguments(const std::vector<std::string>& arguments) {
    PrintArguments result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--pdf") {
            if (i + 1 >= arguments.size()) {
                result.error = "--pdf needs an output file";
                return result;
            }
            result.pdfPath = arguments[++i];
        } else if (a.rfind("F=", 0) == 0) {
            result.filePath = a.substr(2);
        } else if (a.rfind("PF=", 0) == 0) {
            result.jobName = a.substr(3);
        } else if (a.rfind("CV=", 0) == 0) {
            result.preview = a.substr(3) == "1";
        } else if (i == 0 && a.find('=') == std::string::npos && a.rfind("-", 0) != 0) {
            // the program's own name, as the shell passes it first
        } else {
            result.error = "unknown argument: " + a;
            return result;
        }
    }
    if (result.filePath.empty()) {
        result.error = "no report given (F=<full path>)";
        return result;
    }
    if (result.jobName.empty()) {
        auto slash = result.filePath.find_last_of('/');
        result.jobName = slash == std::string::npos ? result.filePath : result.filePath.substr(slash + 1);
    }
    return result;
}
