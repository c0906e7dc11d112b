#include "platform/qt/fonts.h"

#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "app/screen_units.h"

namespace platform {
namespace {

// Installed faces with the kana and kanji of the window, best first.
QStringList JapaneseFallbacks() {
  return {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
          QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL PGothic")};
}

QFont JapaneseFont(const QString& face, double points, bool bold, double scale = 1) {
  QFont font(face);
  QStringList families{face};
  families.append(JapaneseFallbacks());
  font.setFamilies(families);
  const int pixels = app::PixelsFromPoints(points);
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels * scale))));
  font.setBold(bold);
  return font;
}

}  // namespace

void InstallFontSubstitutes() {
  const QStringList fallbacks = JapaneseFallbacks();
  QFont::insertSubstitutions(QString::fromUtf8(app::kGothicFace), fallbacks);
  QFont::insertSubstitutions(QStringLiteral("MS PGothic"), fallbacks);
}

void InstallApplicationFont() {
  QGuiApplication::setFont(WindowDefaultFont());
}

QFont WindowDefaultFont() {
  return JapaneseFont(QString::fromUtf8(app::kGothicFace), app::kWindowFontPoints, false);
}

QFont ControlFont(const app::Font& font, double scale) {
  const QString face =
      font.face.empty() ? QString::fromUtf8(app::kGothicFace) : QString::fromStdString(font.face);
  const double points = font.points > 0 ? font.points : app::kWindowFontPoints;
  return JapaneseFont(face, points, font.bold, scale);
}

}  // namespace platform
