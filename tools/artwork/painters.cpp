#include "painters.h"

namespace artwork {

Painter painterNamed(const QString& name) {
    struct Entry {
        const char* name;
        Painter painter;
    };
    static const Entry entries[] = {
        {"splash-portrait", paint::splashPortrait},
        {"splash-banner", paint::splashBanner},
        {"busy", paint::busy},
        {"find-folder", paint::findFolder},
        {"content-location", paint::contentLocation},
        {"zeft", paint::zeft},
        {"quarde", paint::quarde},
        {"about", paint::about},
        {"main-banner", paint::mainBanner},
        {"main-logos", paint::mainLogos},
        {"main-footer", paint::mainFooter},
        {"main-footer-left", paint::mainFooterLeft},
        {"column", paint::column},
        {"section-strip", paint::sectionStrip},
        {"presentation-strip", paint::presentationStrip},
        {"results-header", paint::resultsHeader},
        {"results-header-right", paint::resultsHeaderRight},
        {"results-emblem", paint::resultsEmblem},
        {"results-caption", paint::resultsCaption},
        {"results-listing-cover", paint::resultsListingCover},
        {"results-narrow-cover", paint::resultsNarrowCover},
        {"viewer-banner", paint::viewerBanner},
        {"viewer-caption", paint::viewerCaption},
        {"tab", paint::tab},
        {"command", paint::command},
        {"section-icon", paint::sectionIcon},
        {"help-button", paint::helpButton},
        {"badge", paint::badge},
    };
    for (const Entry& e : entries) {
        if (name == QLatin1String(e.name)) {
            return e.painter;
        }
    }
    return nullptr;
}

}  // namespace artwork
