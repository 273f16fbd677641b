#include "core/Variant.h"

#include "core/AppContext.h"
#include "core/VariantConfig.h"

namespace {
const QString kLogName = QStringLiteral("AA_Sys_WhoAmi");

constexpr VariantRow kCobalt{"Orrin",
                             "Cobalt",
                             "Orrin Cobalt Fairline Communications System",
                             "11/22/2004",
                             "Version - 2.00",
                             "Copyright (c) 2004 Orrin. All rights reserved. Unauthorised copying is prohibited.",
                             "Cobalt.chm",
                             "Cobalt.hlp",
                             "/Cobalt.ico"};
constexpr VariantRow kHeron{"Tarnwick",
                            "Heron",
                            "Tarnwick Heron Programming Tool",
                            "01/09/2003",
                            "Version - 2.00",
                            "Copyright (c) 2003 Tarnwick. All rights reserved. Unauthorised copying is prohibited.",
                            "Linnets.chm",
                            "Linnets.hlp",
                            "/Heron.ico"};
constexpr VariantRow kLinnet{"Tarnwick",
                             "Linnet",
                             "Tarnwick Linnet Programming Tool",
                             "04/24/2006",
                             "Version - 2.01",
                             "Copyright (c) 2006 Tarnwick. All rights reserved. Unauthorised copying is prohibited.",
                             "Linnets.chm",
                             "Linnets.hlp",
                             "/Linnet.ico"};
constexpr VariantRow kSable{"Brightwell",
                            "Sable",
                            "Brightwell Sable Programming Tool",
                            "04/24/2006",
                            "Version - 2.01",
                            "Copyright (c) 2006 Brightwell. All rights reserved. Licensed for use with Sable systems.",
                            "Sable.chm",
                            "Sable.hlp",
                            "/Sable.ico"};
constexpr VariantRow kMarten{"Tutorline",
                             "Marten",
                             "Tutorline Marten Programming Tool",
                             "04/24/2006",
                             "Version - 2.01",
                             "Copyright (c) 2006 Tutorline. All rights reserved. Licensed for use with Marten systems.",
                             "Martenhlp.chm",
                             "Martenhlp.hlp",
                             "/Marten.ico"};
constexpr VariantRow kWren{"Tarnwick",
                           "Wren",
                           "Tarnwick Wren Programming Tool",
                           "04/24/2006",
                           "Version - 2.01",
                           "Copyright (c) 2006 Tarnwick. All rights reserved. Licensed for use with Wren systems.",
                           "Wrenhlp.chm",
                           "Wrenhlp.hlp",
                           "/Wren.ico"};

VariantRow withRowOneHelp(VariantRow row, bool helpPlural)
{
    row.HelpChm = helpPlural ? "Linnets.chm" : "Linnet.chm";
    row.HelpHlp = helpPlural ? "Linnets.hlp" : "Linnet.hlp";
    return row;
}
} // namespace

namespace Variant {

VariantRow rowFor(int selector, bool secondEntry, bool helpPlural)
{
    switch (selector) {
    case 0: return kCobalt;
    case 2: return kSable;
    case 3: return kMarten;
    case 4: return kWren;
    default: return withRowOneHelp(secondEntry ? kLinnet : kHeron, helpPlural);
    }
}

std::array<VariantRow, kRows> table(bool helpPlural)
{
    return {kCobalt, withRowOneHelp(kHeron, helpPlural), withRowOneHelp(kLinnet, helpPlural), kSable, kMarten, kWren};
}

VariantRow activeRow()
{
    return rowFor(LINNET_VARIANT_SELECTOR, LINNET_VARIANT_SECOND_ENTRY, LINNET_HELP_PLURAL);
}

int helpViewerLevel(const QString &version, bool *ok)
{
    if (ok)
        *ok = true;
    if (version.isEmpty())
        return 0;
    const int dot = version.indexOf(QLatin1Char('.'));
    bool number = false;
    const int level = dot < 0 ? 0 : version.left(dot).trimmed().toInt(&number);
    if (!number) {
        if (ok)
            *ok = false;
        return 0;
    }
    return level;
}

VariantRecord record(const VariantRow &row, int helpLevel)
{
    VariantRecord v;
    v.BrandName = QString::fromLatin1(row.BrandName);
    v.ModelName = QString::fromLatin1(row.ModelName);
    v.ProductTitle = QString::fromLatin1(row.ProductTitle);
    v.ReleaseDate = QString::fromLatin1(row.ReleaseDate);
    v.ReleaseTitle = v.ModelName + QStringLiteral(" Programming Tool  -  ") + v.ReleaseDate;
    v.VersionText = QString::fromLatin1(row.VersionText);
    v.NoticeText = QString::fromLatin1(row.NoticeText);
    v.IconName = QString::fromLatin1(row.IconName);
    v.HelpFileName = QString::fromLatin1(helpLevel >= kHtmlHelpLevel ? row.HelpChm : row.HelpHlp);
    return v;
}

} // namespace Variant

void iniSysOpt(AppContext &context)
{
    const QString version =
        context.registry.GetRegString(QString::fromLatin1(Registry::kLocalMachine),
                                      QString::fromLatin1(Registry::kBrowserKey), QStringLiteral("Version"));
    bool ok = true;
    const int level = Variant::helpViewerLevel(version, &ok);
    if (!ok)
        context.log.LogError(ErrNo::TypeMismatch,
                             QStringLiteral("Browser version '") + version +
                                 QStringLiteral("' has no whole-number level"),
                             kLogName, kLogName, QStringLiteral("iniSysOpt"));
    context.state.variant = Variant::record(Variant::activeRow(), level);
    if (!context.files.IsFile(context.paths.appDir() + context.state.variant.IconName))
        context.log.LogError(ErrNo::FileNotFound,
                             QStringLiteral("Icon file ") + context.state.variant.IconName.mid(1) +
                                 QStringLiteral(" not found"),
                             kLogName, kLogName, QStringLiteral("iniSysOpt"));
}
