#include "data/sampling_transitions.h"

#include <optional>

#include "data/calc_driver.h"
#include "data/undo_history.h"

TransitionEffects SamplingTransitions::Start() {
    TransitionEffects effects;
    effects.done = true;
    if (!Sampling()) {
        table_.workState = WS_SAMPLING;
        effects.samplingChanged = true;
    }
    calc_.ZeroSectionResults();
    effects.updateButtons = true;
    effects.repaintWindow = true;
    effects.repaintViewer = true;
    return effects;
}

TransitionEffects SamplingTransitions::Stop() {
    TransitionEffects effects;
    if (Sampling()) {
        table_.workState = WS_IDLE;
        effects.done = true;
        effects.samplingChanged = false;
    }
    effects.refreshRowCount = true;
    effects.updateButtons = true;
    effects.repaintWindow = true;
    return effects;
}

TransitionEffects SamplingTransitions::Calculate(double R) {
    TransitionEffects effects;
    effects.done = ::Calculate(table_, calc_, R, &effects.notice);
    effects.updateButtons = true;
    effects.repaintWindow = true;
    effects.repaintViewer = effects.done;
    return effects;
}

TransitionEffects SamplingTransitions::Clear(const AskUser& ask) {
    TransitionEffects effects;
    std::optional<UndoRecord> record;
    if (history_ != nullptr) record.emplace(*history_, ChangeKind::Clear);
    effects.done = ClearSampleData(table_, calc_, ask, &effects.notice);
    if (effects.done) {
        effects.refillGrid = true;
        effects.refreshRowCount = true;
        effects.updateButtons = true;
        effects.repaintWindow = true;
        effects.repaintViewer = true;
    }
    return effects;
}
