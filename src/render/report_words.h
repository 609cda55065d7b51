#pragma once
// The report's words, shared by its pages: their translation context, and a number written with
// thousands separators ("125,682") or as short as it reads exactly ("0.475").

#include "support/number_masks.h"

#include <QCoreApplication>
#include <QString>

namespace karnoth::render::report_words {

// The report's words' translation context: ReportWords::tr("...").
struct ReportWords {
    Q_DECLARE_TR_FUNCTIONS(karnoth::render::Report)
};
inline QString grouped(double value)
{
    return QString::fromStdString(formatGrouped(value));
}
inline QString plain(double value)
{
    return QString::fromStdString(formatPlain(value));
}

}  // namespace karnoth::render::report_words
