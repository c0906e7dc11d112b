#include "app/object_info.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/form.h"
#include "astro/illumination.h"
#include "catalog/constellations.h"
#include "catalog/star_designations.h"
#include "catalog/star_names.h"
#include "chart/bodies.h"
#include "text/number_text.h"

namespace app {
namespace {

std::string Percent(double fraction) {
  return std::to_string(static_cast<int>(std::lround(fraction * 100))) + "%";
}

// A star by its Bright Star Catalogue number: its name, designation,
// constellation and magnitude.
ObjectInfo StarInfo(int hr, double magnitude) {
  ObjectInfo info;
  info.kind = "star";
  info.magnitude = magnitude;
  if (const catalog::StarDesignation* d = catalog::FindStarDesignation(hr)) {
    info.constellation = std::string(catalog::Constellations()[d->constellation].japanese);
    if (!d->bayer.empty()) {
      info.designation = info.constellation + std::string(d->bayer);
    } else if (d->flamsteed != 0) {
      info.designation = info.constellation + std::to_string(d->flamsteed) + "番星";
    }
  }
  const catalog::StarNameRow* name = catalog::FindStarName(hr);
  info.id = name != nullptr ? std::string(name->id) : "hr" + std::to_string(hr);
  info.name = name != nullptr             ? std::string(name->japanese)
              : !info.designation.empty() ? info.designation
                                          : "HR " + std::to_string(hr);
  return info;
}

ObjectInfo BodyInfo(const Form1& form, int body) {
  const chart::BodyRow& row = chart::kBodyRows[static_cast<std::size_t>(body)];
  ObjectInfo info;
  info.id = std::string(row.id);
  info.kind = body == astro::kSun ? "sun" : body == astro::kMoon ? "moon" : "planet";
  info.name = std::string(row.label);
  const astro::Ephemeris& ephemeris = form.observation.ephemeris;
  if (body == astro::kMoon) {
    info.phase = "輝面比 " + Percent(astro::MoonIlluminationOf(ephemeris).illuminated_fraction);
  } else if (body == astro::kVenus) {
    const astro::VenusDisc venus = astro::VenusDiscOf(ephemeris);
    info.phase = "輝面比 " + Percent(venus.illuminated_fraction) + " 視直径 " +
                 std::to_string(static_cast<int>(std::lround(venus.diameter))) + "″";
  }
  return info;
}

std::optional<ObjectInfo> InfoOf(const Form1& form, const chart::DrawnObject& object) {
  using Kind = chart::DrawnObject::Kind;
  std::optional<ObjectInfo> info;
  switch (object.kind) {
    case Kind::kBody:
      info = BodyInfo(form, object.index);
      break;
    case Kind::kStar:
      info = StarInfo(catalog::ChartStarHr(object.index),
                      form.chartStars.StarTable(catalog::kMagnitude, object.index));
      break;
    case Kind::kFigureStar: {
      const catalog::SkyStar& star = catalog::SkyStars()[static_cast<std::size_t>(object.index)];
      info = StarInfo(star.hr, star.magnitude);
      break;
    }
    case Kind::kConstellation:
    case Kind::kAsterism:
      return std::nullopt;  // names, not objects of the sky
  }
  info->altitude = object.altitude;
  info->azimuth = object.azimuth;
  return info;
}

bool Pointable(const chart::DrawnObject& object) {
  using Kind = chart::DrawnObject::Kind;
  return object.visible && object.kind != Kind::kConstellation && object.kind != Kind::kAsterism;
}

}  // namespace

std::string ObjectInfo::Text() const {
  std::string text = name;
  if (!designation.empty() && designation != name) text += "（" + designation + "）";
  if (!constellation.empty()) text += " " + constellation;
  if (magnitude) text += " " + text::BoxNumber(*magnitude) + "等";
  if (!phase.empty()) text += " " + phase;
  return text + " 高度 " + text::FormatOneDecimal(altitude) + " 方位 " +
         text::FormatOneDecimal(azimuth);
}

std::optional<ObjectInfo> ObjectAt(const Form1& form, double x, double y) {
  if (!form.ChartOnWindow) return std::nullopt;
  const chart::DrawnObject* nearest = nullptr;
  double nearest_gap = std::numeric_limits<double>::infinity();
  for (const chart::DrawnObject& object : form.skyChart.Drawn()) {
    if (!Pointable(object)) continue;
    const double gap = std::hypot(object.x - x, object.y - y) - object.radius;  // [twips]
    if (gap <= kPointingReach && gap < nearest_gap) {
      nearest = &object;
      nearest_gap = gap;
    }
  }
  if (nearest == nullptr) return std::nullopt;
  return InfoOf(form, *nearest);
}

std::vector<PointedObject> ObjectsOnChart(const Form1& form) {
  std::vector<PointedObject> objects;
  if (!form.ChartOnWindow) return objects;
  for (const chart::DrawnObject& object : form.skyChart.Drawn()) {
    if (!Pointable(object)) continue;
    if (auto info = InfoOf(form, object)) objects.push_back({std::move(*info), object.x, object.y});
  }
  std::stable_sort(objects.begin(), objects.end(),
                   [](const PointedObject& a, const PointedObject& b) { return a.x < b.x; });
  return objects;
}

}  // namespace app
