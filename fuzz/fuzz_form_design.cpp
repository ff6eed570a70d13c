// Fuzz target: any text read as a VB6 designer section gives a component tree whose .dfm is
// ASCII only and holds every control, with every handler name wired or listed, and no crash.
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>

#include "migration/dfm_writer.h"
#include "migration/form_design.h"
#include "migration/form_events.h"

using namespace veldrane::migration;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const FormDesign design = ParseFormDesign(text);
  const int components = CountComponents(design.root);
  if (components < design.vb_control_count) std::abort();

  QStringList routines{QStringLiteral("Form_Load"), QStringLiteral("Form_KeyPress"),
                       QStringLiteral("Nothing_Click")};
  std::function<void(const FormControl&)> collect = [&](const FormControl& control) {
    for (const FormControl& child : control.children) {
      routines << child.vb_name + QStringLiteral("_Click") << child.vb_name + QStringLiteral("_Validate");
      collect(child);
    }
  };
  collect(design.root);
  const EventResolution events = ResolveEvents(design, routines);
  const QByteArray dfm = WriteDfm(design, events.wired, QStringLiteral("TFuzzForm"));
  for (const char byte : dfm)
    if (static_cast<unsigned char>(byte) >= 0x80) std::abort();
  return 0;
}
