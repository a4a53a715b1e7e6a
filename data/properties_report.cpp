#include "data/properties_report.h"

#include <cmath>

#include "platform/text_codec.h"
#include "res/format_text.h"
#include "res/texts_properties.h"

namespace {

namespace t = texts_properties;

using Getter = double (*)(const SectionProperties&);

struct ReportRow {
    const char* label;
    Getter value;
    bool angle = false;
};

// The label column: every label, in the user's language, padded to the same
// width in Shift-JIS bytes.
constexpr std::size_t LABEL_WIDTH = 22;

std::string Label(const char* text) {
    std::string label = Tr(text);
    const std::size_t bytes = platform::Cp932Length(label);
    if (bytes < LABEL_WIDTH) label.append(LABEL_WIDTH - bytes, ' ');
    return label;
}

const ReportRow ROWS[] = {
    {t::PROP_AREA, [](const SectionProperties& p) { return p.area; }},
    {t::PROP_PERIMETER, [](const SectionProperties& p) { return p.perimeter; }},
    {t::PROP_WIDTH, [](const SectionProperties& p) { return p.width; }},
    {t::PROP_HEIGHT, [](const SectionProperties& p) { return p.height; }},
    {t::PROP_XC, [](const SectionProperties& p) { return p.xc; }},
    {t::PROP_YC, [](const SectionProperties& p) { return p.yc; }},
    {t::PROP_IXX, [](const SectionProperties& p) { return p.ixx; }},
    {t::PROP_IYY, [](const SectionProperties& p) { return p.iyy; }},
    {t::PROP_IXY, [](const SectionProperties& p) { return p.ixy; }},
    {t::PROP_POLAR, [](const SectionProperties& p) { return p.polar; }},
    {t::PROP_I_MAX, [](const SectionProperties& p) { return p.iMax; }},
    {t::PROP_I_MIN, [](const SectionProperties& p) { return p.iMin; }},
    {t::PROP_THETA, [](const SectionProperties& p) { return p.thetaDeg; }, true},
    {t::PROP_R_MAJOR, [](const SectionProperties& p) { return p.rMajor; }},
    {t::PROP_R_MINOR, [](const SectionProperties& p) { return p.rMinor; }},
    {t::PROP_C_MAJOR_POS, [](const SectionProperties& p) { return p.cMajorPositive; }},
    {t::PROP_C_MAJOR_NEG, [](const SectionProperties& p) { return p.cMajorNegative; }},
    {t::PROP_C_MINOR_POS, [](const SectionProperties& p) { return p.cMinorPositive; }},
    {t::PROP_C_MINOR_NEG, [](const SectionProperties& p) { return p.cMinorNegative; }},
    {t::PROP_Z_MAJOR_POS, [](const SectionProperties& p) { return p.zMajorPositive(); }},
    {t::PROP_Z_MAJOR_NEG, [](const SectionProperties& p) { return p.zMajorNegative(); }},
    {t::PROP_Z_MINOR_POS, [](const SectionProperties& p) { return p.zMinorPositive(); }},
    {t::PROP_Z_MINOR_NEG, [](const SectionProperties& p) { return p.zMinorNegative(); }},
};

// A column heading right-aligned over its 16-character value column.
std::string Column(const char* text) {
    const char* heading = Tr(text);
    const std::size_t bytes = platform::Cp932Length(heading);
    return std::string(bytes < 16 ? 16 - bytes : 1, ' ') + heading;
}

// JSON numbers: full precision; JSON has no infinities or NaN.
std::string Number(double v) { return std::isfinite(v) ? FormatText("%.17g", v) : "null"; }

std::string JsonObject(const SectionProperties& p) {
    const std::pair<const char*, double> fields[] = {
        {"area", p.area},       {"perimeter", p.perimeter}, {"width", p.width},        {"height", p.height},
        {"xc", p.xc},           {"yc", p.yc},               {"i_max", p.iMax},         {"i_min", p.iMin},
        {"theta_deg", p.thetaDeg}, {"ixx", p.ixx},          {"iyy", p.iyy},            {"ixy", p.ixy},
        {"polar", p.polar},     {"r_major", p.rMajor},      {"r_minor", p.rMinor},     {"c_major", p.cMajor()},
        {"c_minor", p.cMinor()}, {"z_major", p.zMajor()},   {"z_minor", p.zMinor()},
    };
    std::string out = "{";
    for (const auto& [key, value] : fields) {
        if (out.size() > 1) out += ", ";
        out += FormatText("\"%s\": ", key) + Number(value);
    }
    return out + "}";
}

}  // namespace

PropertiesAtScales PropertiesOf(const CalcState& state) {
    const SectionProperties dots = PropertiesFromResults(state.sectionResults, state.segments.data(), state.segmentCount);
    PropertiesAtScales all = PropertiesAtAllScales(dots, state.results.R, state.mmPerDot);
    if (!state.planeName.empty()) {
        all.mmPerDot = 0;
        all.planeName = state.planeName;
        all.mm = state.planeMm;
    }
    return all;
}

std::string PropertiesReportText(const PropertiesAtScales& all) {
    std::string out = FormatText(t::PROP_HEAD, all.R);
    if (!all.planeName.empty())
        out += all.planeName + "\r\n";
    else
        out += all.HasMillimetres() ? FormatText(t::PROP_SCALE, all.mmPerDot)
                                    : std::string(Tr(t::PROP_NO_SCALE));
    out += Tr(t::PROP_SIDES);
    out += "\r\n";
    out += Label("") + Column(t::PROP_COLUMN_DOTS) + Column(t::PROP_COLUMN_SOURCE);
    if (all.HasMillimetres()) out += Column(t::PROP_COLUMN_MM);
    out += "\r\n";
    for (const ReportRow& row : ROWS) {
        const char* format = row.angle ? t::PROP_ANGLE : t::PROP_VALUE;
        out += Label(row.label) + FormatText(format, row.value(all.dots)) + FormatText(format, row.value(all.source));
        if (all.HasMillimetres()) out += FormatText(format, row.value(all.mm));
        out += "\r\n";
    }
    return out;
}

std::string PropertiesJson(const PropertiesAtScales& all) {
    std::string out = "{\"R\": " + Number(all.R) + ", \"dots\": " + JsonObject(all.dots) +
                      ", \"source\": " + JsonObject(all.source);
    if (all.HasMillimetres()) out += ", \"mm\": " + JsonObject(all.mm);
    return out + "}";
}
