#include "files/designer_header.h"

#include <gtest/gtest.h>

namespace veldrane::files {
namespace {

struct HeaderCase {
  const char* name;
  QString header;  // what is left out
  QString code;    // what is converted
};

TEST(DesignerHeader, SeparatesHeaderFromCode) {
  const HeaderCase cases[] = {
      {"form",
       "VERSION 5.00\r\nObject = \"{X}#2.0#0\"; \"A.OCX\"\r\nBegin VB.Form Form1\r\n   Caption = \"F\"\r\n"
       "   BeginProperty Font\r\n      Name = \"Arial\"\r\n   EndProperty\r\n   Begin VB.Timer T\r\n   "
       "End\r\n"
       "End\r\nAttribute VB_Name = \"Form1\"\r\nAttribute VB_Exposed = False\r\n",
       "Private Sub Form_Load()\r\nEnd Sub\r\n"},
      {"class in LF", "VERSION 1.0 CLASS\nBEGIN\n  MultiUse = -1  'True\nEND\nAttribute VB_Name = \"C\"\n",
       "Dim x\n"},
      {"designer with GUID block", "VERSION 5.00\rBegin {C0E45035-5775-11D0-B388-00A0C9055D8E} DE1\rEnd\r",
       "x = 1\r"},
      {"VERSION line only", "VERSION 5.00\r\n", "x = 1\r\n"},
      {"header is the whole text", "VERSION 5.00\r\nBegin VB.Form F\r\nEnd\r\nAttribute VB_Name = \"F\"", ""},
      {"indented attribute lines", "VERSION 5.00\r\n  Attribute VB_Name = \"F\"\r\n", "' comment\r\n"},
      // The first line that does not belong to the structure ends the header, also when a
      // header-like line follows it.
      {"blank line ends it", "VERSION 5.00\r\nAttribute VB_Name = \"F\"\r\n",
       "\r\nAttribute VB_Exposed = False\r\n"},
      {"procedure attribute is code", "VERSION 5.00\r\n", "Attribute Foo.VB_UserMemId = 0\r\n"},
      {"End at depth 0 is code", "VERSION 5.00\r\nBegin A\r\nEnd\r\n", "End\r\n"},
      {"empty text", "", ""},
      {"no VERSION line", "", "Attribute VB_Name = \"Module1\"\r\nx = 1\r\n"},
      {"VERSION without number", "", "VERSION x\r\nBegin A\r\nEnd\r\n"},
      {"version in lower case", "", "version 5.00\r\n"},
      {"not at the start", "", "\r\nVERSION 5.00\r\n"},
      // An open block would swallow everything up to the end: taken as code, all of it.
      {"block never closed", "", "VERSION 5.00\r\nBegin VB.Form F\r\n  Caption = 1\r\nSub Main()\r\n"},
      {"property never closed", "", "VERSION 5.00\r\nBegin A\r\nBeginProperty P\r\nEnd\r\n"},
  };
  for (const HeaderCase& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(DesignerHeaderLength(c.header + c.code), c.header.size());
  }
}

}  // namespace
}  // namespace veldrane::files
