#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "migration/form_design.h"
#include "migration/form_events.h"
#include "migration/vb_source_scan.h"
#include "migration/vbp_file.h"

namespace veldrane::migration {

// What happened to one member of the project, for the report.
struct FileReport {
  QString entry;  // the project file's entry: "Module=Global; Global.bas"
  MemberKind kind = MemberKind::kModule;
  QString source;     // the file read, relative to the project folder where it lies inside
  QString unit_path;  // relative to the output directory; empty when not migrated
  QString dfm_path;   // forms and user controls
  QString unit_name;
  QString read_as;  // how its bytes were read: "GBK (project code page)", "UTF-8"
  QString error;    // why the file was not migrated (missing, unreadable, not encodable)
  int total_lines = 0;
  int designer_lines = 0;
  int methods = 0;
  QStringList left_as_converted;
  QStringList not_carried;    // declarations the skeleton leaves out or approximates
  QStringList handlers_left;  // event handlers not wired: their header stayed as converted
  std::vector<HandWork> hand_work;
  std::optional<FormDesign> design;
  EventResolution events;
};

struct ProjectReport {
  QString vbp_name;  // "P.vbp"
  VbpProject project;
  QString dpr_path;
  QString code_page;          // the project's: "GBK (font Charset 134)"; empty when an encoding was forced
  QStringList notes;          // one line each: startup, renamed units, shared outputs
  QStringList user_controls;  // VB names of the project's own user controls
  std::vector<FileReport> files;
};

// The migration report as Markdown: project totals first, then one section per file.
QString ReportMarkdown(const ProjectReport& report);

}  // namespace veldrane::migration
