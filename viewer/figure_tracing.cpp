#include "viewer/figure_tracing.h"

#include "data/sample_table.h"
#include "data/traced_rows.h"
#include "platform/message_box.h"

bool FigureTracing::TraceAt(const CViewImage& view, int x, int y, SampleTable& table, QWidget* owner) {
    armed_ = false;
    const trace::TraceResult result = TraceViewImage(view, x, y);
    const TraceVerdict verdict = JudgeTrace(result, table);
    if (verdict.step == TraceStep::Refuse) {
        platform::ShowNotice(owner, verdict.notice);
        return false;
    }
    if (verdict.step == TraceStep::Store) {
        StoreTracedRows(table, result.rows);
        return true;
    }
    Notice refusal;
    const bool stored = AnswerTrace(table, result.rows, platform::ShowNotice(owner, verdict.notice), refusal);
    platform::ShowNotice(owner, refusal);
    return stored;
}
