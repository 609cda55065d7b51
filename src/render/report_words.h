#pragma once
// The report's words, shared by its pages: their translation context, and a number written with
// thousands separators ("125,682") or as short as it reads exactly ("0.475").

#include "support/number_masks.h"

#include <QCoreApplication>
#include <QString>

namespace karnoth::render::report_words {

inline QString translated(const char* text)
{
    return QCoreApplication::translate("karnoth::render::Report", text);
}
inline QString grouped(double value)
{
    return QString::fromStdString(formatGrouped(value));
}
inline QString plain(double value)
{
    return QString::fromStdString(formatPlain(value));
}

}  // namespace karnoth::render::report_words
