#pragma once

#include "core/AppState.h"

#include <QString>

#include <array>

struct AppContext;

// One entry of the variant table: everything that differs between the brands
// and models the tool is built for.
struct VariantRow {
    const char *BrandName;
    const char *ModelName;
    const char *ProductTitle;
    const char *ReleaseDate;
    const char *VersionText;
    const char *NoticeText;
    const char *HelpChm;
    const char *HelpHlp;
    const char *IconName;
};

namespace Variant {
// Selector 0, selector 1 first entry, selector 1 second entry, selectors 2-4.
// Row 1's help names come from helpPlural (Linnets.* or Linnet.*), so the two
// entries of row 1 are built by rowFor().
constexpr int kRows = 6;
VariantRow rowFor(int selector, bool secondEntry, bool helpPlural);
// Every entry of the table in the order above, row 1's help names as helpPlural says.
std::array<VariantRow, kRows> table(bool helpPlural);
// The row this build selects (VariantConfig.h).
VariantRow activeRow();

// The help-viewer level of a browser version text: the whole number before the
// first "."; 0 for an empty text. ok is false when there is no "." or the part
// before it is not a number (the level is then 0 too).
int helpViewerLevel(const QString &version, bool *ok = nullptr);
// The level from which the HTML help file is used.
constexpr int kHtmlHelpLevel = 4;

// The variant record of a row for a help-viewer level.
VariantRecord record(const VariantRow &row, int helpLevel);
} // namespace Variant

// Fills the variant record of the running build (module AA_sys_whoami): the
// texts, the help file chosen from the browser version in the registry, and the
// icon name. A missing icon file is logged; the window keeps its own icon.
void iniSysOpt(AppContext &context);
