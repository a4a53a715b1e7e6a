#include "app/app_context.h"

#include "image/view_image.h"
#include "platform/file_locations.h"

namespace {

AppContext*& Installed() {
    static AppContext* installed = nullptr;
    return installed;
}

}  // namespace

AppContext::AppContext() {
    ResetSettings(settings);
    history.SetMagnificationSource([this] {
        const ViewerLink* viewer = registry.PairedViewerLink();
        const CViewImage* picture = viewer != nullptr ? viewer->Picture() : nullptr;
        return picture != nullptr ? picture->displayScale : 1.0;
    });
}

std::string AppContext::DataFolder() const {
    if (dataDir.empty() || dataDir == programDir) return programDir;
    platform::EnsureFolder(dataDir);
    return dataDir;
}

AppContext& App() {
    if (Installed() == nullptr) {
        static AppContext fallback;
        return fallback;
    }
    return *Installed();
}

ScopedAppContext::ScopedAppContext() : previous_(Installed()) { Installed() = &context_; }

ScopedAppContext::~ScopedAppContext() { Installed() = previous_; }
