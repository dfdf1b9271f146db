#include "gui/file_filter.h"

#include "gui/qt_text.h"

namespace topodlg::gui {
namespace {

QString AnyCase(const QString& pattern) {
  if (pattern == QStringLiteral("*.*")) return QStringLiteral("*");
  QString wildcard;
  for (QChar c : pattern) {
    if (c.isLetter() && c.toLower() != c.toUpper()) {
      wildcard += QLatin1Char('[') + c.toLower() + c.toUpper() + QLatin1Char(']');
    } else {
      wildcard += c;
    }
  }
  return wildcard;
}

}  // namespace

QStringList NameFilters(const CString& filter) {
  QStringList parts = ToQString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    if (description.isEmpty()) break;  // "||" ends the list
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
      patterns.push_back(AnyCase(pattern.trimmed()));
    }
    if (patterns.isEmpty()) patterns.push_back(QStringLiteral("*"));
    filters.push_back(description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
  }
  if (filters.isEmpty()) filters.push_back(QStringLiteral("* (*)"));
  return filters;
}

}  // namespace topodlg::gui
