#include "platform/cli/listings.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "app/sites.h"
#include "catalog/star_names.h"
#include "catalog/star_tables.h"
#include "chart/bodies.h"
#include "platform/cli/text_output.h"
#include "text/utf8.h"

namespace platform {
namespace {

constexpr auto kReadoutRows = static_cast<std::size_t>(app::kReadoutRows);  // rows 1..26

// Who readout row r is: a body, by its identity, or a named bright star, by its
// identity and HR number.
struct RowIdentity {
  std::string_view id;
  std::optional<int> hr;
};

RowIdentity IdentityOfRow(std::size_t r) {
  if (r <= astro::kBodyCount) return {chart::kBodyRows[r - 1].id, std::nullopt};
  const int hr = catalog::BrightStarHr(static_cast<int>(r - astro::kBodyCount));
  return {catalog::FindStarName(hr)->id, hr};
}

// ", \"id\": \"sun\"" and, for a star, ", \"hr\": 2491".
std::string JsonIdentity(std::size_t r) {
  const RowIdentity who = IdentityOfRow(r);
  std::string text = ", \"id\": " + JsonString(who.id);
  if (who.hr) text += ", \"hr\": " + std::to_string(*who.hr);
  return text;
}

// The rows as a json array, `lead` before the first and `separator` between them.
std::string JsonRows(const app::Form1& form, const char* lead, const char* separator) {
  std::string text = "[";
  for (std::size_t r = 1; form.ReadoutShown && r <= kReadoutRows; ++r) {
    text += r > 1 ? separator : lead;
    text += "{\"name\": " + JsonString(form.ReadoutName[r]) +
            ", \"alt\": " + JsonNumber(form.ReadoutAlt[r]) +
            ", \"az\": " + JsonNumber(form.ReadoutAz[r]) + JsonIdentity(r) + "}";
  }
  return text + "]";
}

std::string JsonBoxes(const app::Form1& form) {
  std::string text = "[";
  for (std::size_t b = 0; b < form.txtYMD.size(); ++b) {
    text += (b ? ", " : "") + JsonString(form.txtYMD[b].Text);
  }
  return text + "]";
}

std::string JsonCoordinates(const app::Form1& form) {
  return "\"latitude\": " + JsonString(form.txtIDO.Text) +
         ", \"longitude\": " + JsonString(form.txtKEIDO.Text);
}

// Readout row r as text or csv fields after `prefix`, with its line end.
std::string RowLine(const app::Form1& form, std::size_t r, OutputFormat format,
                    const std::string& prefix) {
  if (format == OutputFormat::kText) {
    return prefix + text::ValidUtf8(form.lblST[r - 1].Caption) + '\t' + form.lblH[r - 1].Caption +
           '\t' + form.lblV[r - 1].Caption + '\n';
  }
  const RowIdentity who = IdentityOfRow(r);
  return prefix + CsvField(form.ReadoutName[r]) + ',' + ShortestNumber(form.ReadoutAlt[r]) + ',' +
         ShortestNumber(form.ReadoutAz[r]) + ',' + std::string(who.id) + ',' +
         (who.hr ? std::to_string(*who.hr) : "") + std::string(kCsvLineEnd);
}

// The step number and the five boxes as the first fields of a series line.
std::string StepPrefix(const app::Form1& form, int step, OutputFormat format) {
  const char separator = format == OutputFormat::kText ? '\t' : ',';
  std::string prefix = std::to_string(step);
  for (const app::TextBox& box : form.txtYMD) {
    prefix += separator;
    prefix += format == OutputFormat::kText ? text::ValidUtf8(box.Text) : CsvField(box.Text);
  }
  return prefix + separator;
}

// A json object holding one array, a csv table under its header, or plain
// lines; row(i) gives item i in the format, with its line end in text and csv.
template <typename Row>
void WriteList(OutputFormat format, std::ostream& out, const char* json_name, const char* header,
               int count, Row row) {
  if (format == OutputFormat::kJson) out << "{\"" << json_name << "\": [";
  if (format == OutputFormat::kCsv) out << header << kCsvLineEnd;
  for (int i = 0; i < count; ++i) {
    if (format == OutputFormat::kJson) out << (i > 0 ? ",\n  " : "\n  ");
    out << row(i);
  }
  if (format == OutputFormat::kJson) out << "]}\n";
}

}  // namespace

void WriteReadout(const app::Form1& form, OutputFormat format, std::ostream& out) {
  if (format == OutputFormat::kJson) {
    out << "{\"site\": " << JsonString(form.lstCITY.Text()) << ", \"boxes\": " << JsonBoxes(form)
        << ", " << JsonCoordinates(form) << ", \"rows\": " << JsonRows(form, "\n  ", ",\n  ")
        << "}\n";
    return;
  }
  if (format == OutputFormat::kCsv) out << "name,alt,az,id,hr" << kCsvLineEnd;
  for (std::size_t r = 1; form.ReadoutShown && r <= kReadoutRows; ++r) {
    out << RowLine(form, r, format, {});
  }
}

void SeriesWriter::Begin(const app::Form1& form) {
  if (format_ == OutputFormat::kJson) {
    out_ << "{\"site\": " << JsonString(form.lstCITY.Text()) << ", " << JsonCoordinates(form)
         << ", \"steps\": [";
  }
  if (format_ == OutputFormat::kCsv) {
    out_ << "step,year,month,day,hour,minute,name,alt,az,id,hr" << kCsvLineEnd;
  }
}

void SeriesWriter::Step(const app::Form1& form, int step) {
  line_.clear();
  if (format_ == OutputFormat::kJson) {
    line_ += step > 0 ? ",\n  " : "\n  ";
    line_ += "{\"boxes\": " + JsonBoxes(form) + ", \"rows\": " + JsonRows(form, "", ", ") + "}";
  } else {
    const std::string prefix = StepPrefix(form, step, format_);
    for (std::size_t r = 1; form.ReadoutShown && r <= kReadoutRows; ++r) {
      line_ += RowLine(form, r, format_, prefix);
    }
  }
  out_ << line_;
}

void SeriesWriter::End() {
  if (format_ == OutputFormat::kJson) out_ << "]}\n";
}

void WriteObjectInfo(const std::optional<app::ObjectInfo>& info, OutputFormat format,
                     std::ostream& out) {
  if (format != OutputFormat::kJson) {
    out << (info ? info->Text() : std::string()) << '\n';
    return;
  }
  if (!info) {
    out << "{\"object\": null}\n";
    return;
  }
  const auto or_null = [](const std::string& text) {
    return text.empty() ? std::string("null") : JsonString(text);
  };
  out << "{\"object\": {\"id\": " << JsonString(info->id)
      << ", \"name\": " << JsonString(info->name) << ", \"kind\": " << JsonString(info->kind)
      << ", \"constellation\": " << or_null(info->constellation)
      << ", \"magnitude\": " << (info->magnitude ? JsonNumber(*info->magnitude) : "null")
      << ", \"altitude\": " << JsonNumber(info->altitude)
      << ", \"azimuth\": " << JsonNumber(info->azimuth) << "}}\n";
}

void WriteStars(OutputFormat format, std::ostream& out) {
  const catalog::StarTables stars = catalog::ChartCatalogue();
  WriteList(format, out, "stars", "row,ra,dec,mag,name,hr", catalog::kChartStarCount, [&](int i) {
    const int row = i + 1;
    const std::string hr = std::to_string(catalog::ChartStarHr(row));
    const std::string ra = ShortestNumber(stars.StarTable(catalog::kRightAscension, row));
    const std::string dec = ShortestNumber(stars.StarTable(catalog::kDeclination, row));
    const std::string mag = ShortestNumber(stars.StarTable(catalog::kMagnitude, row));
    const std::string& name = stars.StarName[static_cast<std::size_t>(row)];
    switch (format) {
      case OutputFormat::kText:
        return std::to_string(row) + '\t' + ra + '\t' + dec + '\t' + mag + '\t' + name + '\n';
      case OutputFormat::kCsv:
        return std::to_string(row) + ',' + ra + ',' + dec + ',' + mag + ',' + CsvField(name) + ',' +
               hr + std::string(kCsvLineEnd);
      case OutputFormat::kJson:
        break;
    }
    return "{\"row\": " + std::to_string(row) + ", \"ra\": " + ra + ", \"dec\": " + dec +
           ", \"mag\": " + mag + ", \"name\": " + JsonString(name) + ", \"hr\": " + hr + "}";
  });
}

void WriteSites(OutputFormat format, std::ostream& out) {
  // The Latin name comes last, after the columns scripts already read by position.
  WriteList(
      format, out, "sites", "position,name,lat,lon,latin", app::kSiteCount, [&](int position) {
        const app::Site& site = app::kSites[static_cast<std::size_t>(position)];
        const std::string lat = ShortestNumber(site.latitude);
        const std::string lon = ShortestNumber(site.longitude);
        switch (format) {
          case OutputFormat::kText:
            return std::to_string(position) + '\t' + std::string(site.name) + '\t' + lat + '\t' +
                   lon + '\t' + std::string(site.latin) + '\n';
          case OutputFormat::kCsv:
            return std::to_string(position) + ',' + CsvField(site.name) + ',' + lat + ',' + lon +
                   ',' + CsvField(site.latin) + std::string(kCsvLineEnd);
          case OutputFormat::kJson:
            break;
        }
        return "{\"position\": " + std::to_string(position) +
               ", \"name\": " + JsonString(site.name) + ", \"latin\": " + JsonString(site.latin) +
               ", \"lat\": " + lat + ", \"lon\": " + lon + "}";
      });
}

}  // namespace platform
