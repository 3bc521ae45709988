#pragma once

#include "base/settings.h"

#include <QDateTime>

/**
 * How a listing is written: a plain value taken once from the options when an export starts
 * and passed down to the writers, so nothing changes under them while they run.
 */
struct ListingOptions {
    /** An XHTML page instead of a text listing. */
    bool html = false;
    /** Folders without listed files are left out. */
    bool noEmpty = false;
    /** The look of the XHTML page. */
    HtmlPageSettingsRecord page;
    /** The date the listing shows; an invalid one stands for the local time of writing. */
    QDateTime date;

    /** The listing choices of @p settings (saveashtml, noempty) with the page look @p page. */
    static ListingOptions From(const SettingsRecord &settings, const HtmlPageSettingsRecord &page) {
        ListingOptions options;
        options.html = settings.saveashtml != 0;
        options.noEmpty = settings.noempty != 0;
        options.page = page;
        return options;
    }
};
