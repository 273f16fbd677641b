#include "reports/ReportPrinting.h"

#include "reports/ReportContent.h"
#include "reports/ReportFormula.h"
#include "reports/ReportList.h"
#include "reports/ReportRenderer.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {
const QMarginsF kMarginsMm(15, 12, 15, 12);
constexpr int kPdfDpi = 300;
} // namespace

PrintDestination PrintDestination::resolve(const QString &appDir)
{
    const QString asked = qEnvironmentVariable(kEnvironmentVariable);
    if (!asked.isEmpty())
        return pdf(QDir(asked).absolutePath());
    if (!QPrinterInfo::defaultPrinter().isNull())
        return {};
    return {QDir(appDir).filePath(u"printed"_s), true};
}

ReportPrinting::ReportPrinting(QString appDir, QString workingDbPath, QString currentFileName, QDateTime printed)
    : m_appDir(std::move(appDir)), m_workingDb(std::move(workingDbPath)),
      m_databaseLine(ReportFormula::text(currentFileName)), m_printed(std::move(printed))
{
}

std::optional<ReportContent> ReportPrinting::content(int index, QString *error) const
{
    if (index < 0 || index >= ReportList::kCount) {
        if (error)
            *error = u"there is no report %1"_s.arg(index);
        return std::nullopt;
    }
    const auto definition = ReportDefinition::load(ReportList::resolvedDefinitionPath(m_appDir, index), error);
    if (!definition)
        return std::nullopt;
    return ReportQuery(m_workingDb, m_appDir).run(*definition, error);
}

int ReportPrinting::renderTo(const ReportContent &content, QPagedPaintDevice &device, QString *error) const
{
    return ReportRenderer(content, {m_databaseLine, m_printed}).render(device, error);
}

QString ReportPrinting::pdfPath(const QString &dir, int index)
{
    return QDir(dir).filePath(ReportList::stem(index) + u".pdf"_s);
}

bool ReportPrinting::print(int index, const PrintDestination &destination, QString *error, QString *output) const
{
    const auto report = content(index, error);
    if (!report)
        return false;
    if (output)
        output->clear();
    if (destination.toPrinter()) {
        QPrinter printer(QPrinter::HighResolution);
        if (!printer.isValid()) {
            if (error)
                *error = u"no printer is available"_s;
            return false;
        }
        printer.setDocName(report->definition.title);
        printer.setPageMargins(kMarginsMm, QPageLayout::Millimeter);
        return renderTo(*report, printer, error) > 0;
    }
    if (!QDir().mkpath(destination.pdfDir)) {
        if (error)
            *error = u"cannot create the folder %1"_s.arg(destination.pdfDir);
        return false;
    }
    // Written beside the target and renamed over it once complete, so a
    // failure never leaves half a file under the report's name.
    const QString path = pdfPath(destination.pdfDir, index);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = u"cannot write %1: %2"_s.arg(path, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfDpi);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(kMarginsMm, QPageLayout::Millimeter);
        writer.setTitle(report->definition.title);
        writer.setCreator(u"Linnet Programming Tool"_s);
        if (renderTo(*report, writer, error) == 0) {
            file.cancelWriting();
            return false;
        }
    }
    if (!file.commit()) {
        if (error)
            *error = u"cannot write %1: %2"_s.arg(path, file.errorString());
        return false;
    }
    if (output)
        *output = path;
    return true;
}

PrintOutcome ReportPrinting::printAll(QList<int> indices, const PrintDestination &destination,
                                      const std::function<void()> &between) const
{
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    PrintOutcome outcome;
    for (int index : indices) {
        QString output;
        if (!print(index, destination, &outcome.error, &output)) {
            outcome.failed = index;
            return outcome;
        }
        outcome.printed << index;
        outcome.outputs << output;
        if (between)
            between();
    }
    return outcome;
}
