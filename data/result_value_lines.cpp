#include "data/result_value_lines.h"

#include "res/format_text.h"

namespace {

constexpr std::array<double ResultValues::*, 13> ORDER = {
    &ResultValues::A,  &ResultValues::L,  &ResultValues::B,  &ResultValues::H,     &ResultValues::xC,
    &ResultValues::bL, &ResultValues::bR, &ResultValues::yC, &ResultValues::hU,    &ResultValues::hL,
    &ResultValues::IyMax, &ResultValues::theta, &ResultValues::IzMin,
};

}  // namespace

std::string ResultValueLines(const CalcResults& results, const ResultLineFormats& formats) {
    std::string out;
    const bool atOne = results.R == 1.0;
    for (std::size_t i = 0; i < ORDER.size(); ++i) {
        const double shown = results.shown.*ORDER[i];
        if (ORDER[i] == &ResultValues::theta) {
            out += FormatText(formats[i].atOne, shown);
        } else if (atOne) {
            out += FormatText(formats[i].atOne, shown);
        } else {
            out += FormatText(formats[i].scaled, shown, results.source.*ORDER[i]);
        }
    }
    return out;
}
