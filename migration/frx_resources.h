#pragma once
// Values that a VB6 form keeps in its .frx file beside the .frm ("Form1.frx":0000), read and
// written as the .dfm properties both Delphi's VCL and Lazarus's LCL load: pictures and icons as
// Picture.Data / Icon.Data, list items as Items.Strings, long or multi-line texts as strings.

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "migration/form_design.h"

namespace veldrane::migration {

// Where a form's .frx files are found and how their texts are decoded.
struct FrxSource {
  // The bytes of the .frx named in a reference (a plain file name beside the form); nullopt when
  // it cannot be read.
  std::function<std::optional<QByteArray>(const QString& file_name)> read;
  // Text bytes in the project's code page.
  std::function<QString(const QByteArray&)> decode;
};

// The .dfm properties carrying the VB property `vb_property` = `reference` of a `delphi_class`
// component, or why it cannot be carried.
struct FrxCarried {
  std::vector<DfmProperty> properties;
  QString reason;  // empty when carried
  QString text;    // the text read, for a text value
};
FrxCarried CarryFrxProperty(const QString& delphi_class, const QString& vb_property, const QString& reference,
                            const FrxSource& source);

// Delphi reads JPEG and GIF pictures only with its Jpeg and GIFImg units linked in; the LCL reads
// them with its own. The text to close a form unit's uses list with: "{$IFNDEF FPC}, Jpeg{$ENDIF}",
// or empty when no component below `root` holds such a picture.
QString DelphiPictureUnits(const FormControl& root);

}  // namespace veldrane::migration
