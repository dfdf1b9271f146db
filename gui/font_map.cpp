#include "gui/font_map.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "gui/qt_text.h"

namespace topodlg::gui {
namespace {

constexpr int kScreenDpi = 96;
constexpr int kDefaultPixelHeight = 12;

// "ＭＳ Ｐゴシック", "MS PMincho", "IPAPGothic": a P right before the style word
// marks the proportional face; the dialog faces ("MS UI Gothic", "MS Shell Dlg")
// are proportional too.
bool IsProportional(const QString& face, qsizetype styleWordAt) {
  if (styleWordAt > 0) {
    QChar before = face.at(styleWordAt - 1);
    if (before == u'P' || before == u'Ｐ') return true;
  }
  return face.contains(u"UI");
}

QFont WithFamily(const CString& face) {
  QFont font(InstalledFamily(ToQString(face)));
  font.setStyleStrategy(QFont::PreferMatch);
  return font;
}

}  // namespace

QString InstalledFamily(const QString& face) {
  for (QStringView word : {QStringView(u"明朝"), QStringView(u"Mincho")}) {
    qsizetype at = face.indexOf(word, 0, Qt::CaseInsensitive);
    if (at >= 0) return IsProportional(face, at) ? QStringLiteral("IPAPMincho") : QStringLiteral("IPAMincho");
  }
  for (QStringView word : {QStringView(u"ゴシック"), QStringView(u"Gothic")}) {
    qsizetype at = face.indexOf(word, 0, Qt::CaseInsensitive);
    if (at >= 0) return IsProportional(face, at) ? QStringLiteral("IPAPGothic") : QStringLiteral("IPAGothic");
  }
  // Every other face (the system dialog faces, an empty name) shows in the
  // proportional gothic, the look of a Japanese dialog.
  return QStringLiteral("IPAPGothic");
}

QFont DialogFont(const CString& face, int pointSize) {
  QFont font = WithFamily(face);
  font.setPixelSize(std::max(1, (pointSize * kScreenDpi + 36) / 72));
  return font;
}

QFont LogicalFont(const CString& face, int height) {
  QFont font = WithFamily(face);
  if (height == 0) {
    font.setPixelSize(kDefaultPixelHeight);
  } else if (height < 0) {
    font.setPixelSize(-height);
  } else {
    // A cell height: scale the character height by the font's own proportion.
    font.setPixelSize(height);
    int cell = QFontMetrics(font).height();
    if (cell > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(double(height) * height / cell))));
  }
  return font;
}

}  // namespace topodlg::gui
