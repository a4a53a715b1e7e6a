#include "app/app_context.h"

namespace {

AppContext*& Installed() {
    static AppContext* installed = nullptr;
    return installed;
}

}  // namespace

AppContext::AppContext() { ResetSettings(settings); }

AppContext& App() {
    if (Installed() == nullptr) {
        static AppContext fallback;
        return fallback;
    }
    return *Installed();
}

ScopedAppContext::ScopedAppContext() : previous_(Installed()) { Installed() = &context_; }

ScopedAppContext::~ScopedAppContext() { Installed() = previous_; }
