#include "data/cad_table.h"

#include "data/calc_state.h"
#include "data/sample_table.h"
#include "data/traced_rows.h"
#include "osmeca/coordinate_text.h"

std::vector<cad::Row> TableRows(const SampleTable& table) {
    std::vector<cad::Row> rows;
    for (int i = 0; i < table.count && i < table.capacity; ++i) {
        const SamplePoint& p = table.rows[std::size_t(i)];
        cad::Row row{p.type, 0, 0};
        osmeca::ParseCoordinateText(p.xText, sizeof p.xText, row.x);
        osmeca::ParseCoordinateText(p.yText, sizeof p.yText, row.y);
        rows.push_back(row);
    }
    return rows;
}

void StoreCadRows(SampleTable& table, const std::vector<cad::Row>& rows) {
    std::vector<trace::TraceRow> traced;
    for (const cad::Row& row : rows)
        traced.push_back({row.type, row.x, row.y});
    StoreTracedRows(table, traced);
}

cad::CadFigure FigureOfTable(const SampleTable& table, const CalcState& state, double mmPerDot) {
    const double R = state.results.R;
    cad::CadFigure figure = cad::FigureFromRows(TableRows(table), R, mmPerDot);
    const ResultValues& shown = state.results.shown;
    cad::SetAxes(figure, {shown.xC, shown.yC}, shown.theta, R, mmPerDot);
    return figure;
}
