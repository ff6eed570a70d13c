#pragma once
// Writes a FormDesign as a Delphi/Lazarus text form file.

#include <QByteArray>
#include <QString>
#include <vector>

#include "migration/form_design.h"
#include "migration/form_events.h"

namespace veldrane::migration {

// The text .dfm: `object <root.name>: <form_type_name>` with every component nested as in the VB
// form and the wired events (`OnClick = Command1Click`). ASCII only: characters outside it are
// written as #<code> escapes, so the file loads in Delphi and in Lazarus whatever their code page.
// Lines end with CR LF.
QByteArray WriteDfm(const FormDesign& design, const std::vector<EventBinding>& events,
                    const QString& form_type_name);

}  // namespace veldrane::migration
