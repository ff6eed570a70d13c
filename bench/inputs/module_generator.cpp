#include "inputs/module_generator.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace veldrane::bench {

namespace {

// A small deterministic generator (xorshift64*), the same on every platform and library.
class Random {
 public:
  explicit Random(uint32_t seed) : state_(0x9E3779B97F4A7C15ull ^ (uint64_t{seed} << 17 | 1)) {}
  uint32_t Below(uint32_t n) {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return static_cast<uint32_t>((state_ * 0x2545F4914F6CDD1Dull) >> 32) % n;
  }
  template <typename T, std::size_t N>
  const T& Pick(const std::array<T, N>& items) {
    return items[Below(N)];
  }

 private:
  uint64_t state_;
};

constexpr std::array<const char*, 12> kVerbs = {"Compute", "Load",  "Save",  "Update", "Find",  "Parse",
                                                "Format",  "Check", "Build", "Render", "Merge", "Apply"};
constexpr std::array<const char*, 12> kNouns = {"Total",  "Customer", "Order", "Invoice", "Record", "Entry",
                                                "Report", "Table",    "Item",  "Buffer",  "Field",  "Line"};
constexpr std::array<const char*, 5> kTypes = {"Long", "Integer", "String", "Double", "Boolean"};
constexpr std::array<const char*, 6> kComments = {
    "' keeps the running total in range", "' the caller owns the buffer",
    "' see the order entry form",         "' TODO: check the upper bound",
    "' values below zero are skipped",    "' one pass over the list is enough"};

// Zero-padded so that no name is a prefix of another.
std::string Number(uint32_t n) {
  char digits[16];
  std::snprintf(digits, sizeof digits, "%06u", n);
  return digits;
}

// Writes one module; the routines are numbered from `base` on.
class ModuleWriter {
 public:
  ModuleWriter(uint32_t seed, uint32_t base) : random_(seed), next_(base), base_(base) {}

  std::string Write(std::size_t target_units) {
    Header();
    while (out_.size() < target_units) Routine();
    return std::move(out_);
  }

 private:
  void Line(const std::string& text) {
    out_ += text;
    out_ += "\r\n";
  }
  std::string Id() { return Number(next_); }
  std::string RoutineName() { return std::string(random_.Pick(kVerbs)) + random_.Pick(kNouns) + Id(); }
  // The name of a routine defined earlier, or empty when there is none yet.
  const std::string* EarlierRoutine(std::vector<std::string>& names) {
    return names.empty() ? nullptr : &names[random_.Below(static_cast<uint32_t>(names.size()))];
  }

  void Header() {
    const std::string id = Number(base_);
    Line("Attribute VB_Name = \"Module" + id + "\"");
    Line("Option Explicit");
    Line("'");
    Line("' Module" + id + ": order processing helpers");
    Line("'");
    Line("Private Const MAX_ITEMS" + id + " As Long = 100");
    Line("Public Total" + id + " As Long");
    Line("Public Names" + id + "(MAX_ITEMS) As String");
    Line("Dim Cache" + id + "(16, 4) As Double");
    Line("Private Declare Function GetTickCount Lib \"kernel32\" () As Long");
    Line("");
    Line("Private Type Point" + id);
    Line("    X As Double");
    Line("    Y As Double");
    Line("    Caption As String");
    Line("End Type");
    Line("");
    Line("Public Enum Shade" + id);
    Line("    Light" + id);
    Line("    Medium" + id + " = 2");
    Line("    Dark" + id);
    Line("End Enum");
    Line("");
  }

  void Routine() {
    const uint32_t kind = random_.Below(4);
    const std::string name = RoutineName();
    const std::string id = Id();
    ++next_;
    Line("");
    Line(random_.Pick(kComments));
    if (kind == 0) {
      Function(name, id);
    } else if (kind == 1) {
      Procedure(name, id);
    } else if (kind == 2) {
      Handler(id);
    } else {
      Selector(name, id);
    }
  }

  // A Function with parameters, a local array, a For loop with an If block and a Select Case.
  void Function(const std::string& name, const std::string& id) {
    const std::string buf = "slots" + id;
    Line("Public Function " + name +
         "(ByVal count As Long, ByRef values() As Double, ByVal label As String) As Long");
    Line("    Dim i As Long, total As Long");
    Line("    Dim " + buf + "(16) As Integer");
    Line("    Static calls As Long");
    Line("    total = 0: calls = calls + 1");
    Line("    For i = 0 To count - 1");
    Line("        " + buf + "(i Mod 16) = " + buf + "(i Mod 16) + CInt(values(i))");
    Line("        If values(i) > 0 And i < UBound(values) Then");
    Line("            total = total + Int(values(i))");
    Line("        Else");
    Line("            total = total - 1 " + std::string(random_.Pick(kComments)));
    Line("        End If");
    Line("    Next i");
    Line("    Select Case total");
    Line("        Case 0");
    Line("            label = \"none\"");
    Line("        Case 1 To 9");
    Line("            label = \"few: \" & CStr(total)");
    Line("        Case Else");
    Line("            label = \"many: \" & Mid(label, 1, 3)");
    Line("    End Select");
    if (const std::string* callee = EarlierRoutine(procedures_)) Line("    " + *callee + " label, total");
    Line("    " + name + " = total");
    Line("End Function");
    functions_.push_back(name);
  }

  // A Sub with parameters, a With block, a Do While loop and calls.
  void Procedure(const std::string& name, const std::string& id) {
    Line("Private Sub " + name + "(ByVal text As String, ByVal n As Long)");
    Line("    Dim line" + id + " As String");
    Line("    Dim marks" + id + "(8) As Long");
    Line("    With Form1.Text1");
    Line("        .SelStart = Len(.Text)");
    Line("        .SelText = text & \" \" & LTrim(text) & vbCrLf");
    Line("    End With");
    Line("    Do While n > 0 And Not IsEmpty(text)");
    Line("        n = n - 1");
    Line("        marks" + id + "(n Mod 8) = n");
    Line("        If n = 3 Then Exit Do");
    Line("        DoEvents");
    Line("    Loop");
    if (const std::string* callee = EarlierRoutine(functions_)) {
      Line("    Total" + Number(base_) + " = " + *callee + "(n, Cache" + Number(base_) + ", text)");
    }
    if (const std::string* callee = EarlierRoutine(procedures_)) Line("    Call " + *callee + "(text, n)");
    Line("    If Len(line" + id + ") = 0 Then Exit Sub");
    Line("    Debug.Print line" + id);
    Line("End Sub");
    procedures_.push_back(name);
  }

  // An event handler without parameters, with ReDim, Set and Nothing.
  void Handler(const std::string& id) {
    Line("Private Sub Command" + id + "_Click()");
    Line("    Dim grid" + id + "() As Long");
    Line("    Dim obj As Object");
    Line("    ReDim grid" + id + "(MAX_ITEMS" + Number(base_) + ")");
    Line("    Set obj = Nothing");
    Line("    If obj Is Nothing Then");
    Line("        grid" + id + "(0) = &HFF");
    Line("    End If");
    if (const std::string* callee = EarlierRoutine(procedures_)) Line("    " + *callee + " \"clicked\", 2");
    Line("End Sub");
  }

  // A Function with a Select Case over strings, a While loop and string functions.
  void Selector(const std::string& name, const std::string& id) {
    const std::string type = random_.Pick(kTypes);
    Line("Public Function " + name + "(ByVal key As String) As " + type);
    Line("    Dim k As Integer");
    Line("    Dim keys" + id + "(4) As String");
    Line("    k = 0");
    Line("    While k < Len(key) Or k = 0");
    Line("        k = k + 1");
    Line("    Wend");
    Line("    Select Case RTrim(key)");
    Line("        Case \"a\", \"b\"");
    Line("            key = key & \"!\"");
    Line("            keys" + id + "(k Mod 4) = key");
    Line("        Case Else");
    Line("            If k > Rnd(1) Then Exit Function");
    Line("    End Select");
    Line("    Names" + Number(base_) + "(k) = key ' remember it");
    Line("End Function");
    functions_.push_back(name);
  }

  Random random_;
  uint32_t next_;
  uint32_t base_;
  std::string out_;
  std::vector<std::string> functions_;
  std::vector<std::string> procedures_;
};

std::u16string Widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::u16string Repeat(std::u16string_view unit, std::size_t units) {
  std::u16string out;
  out.reserve(units + unit.size());
  while (out.size() + unit.size() <= units) out += unit;
  return out;
}

// The line and routine counts of the two inputs below are those of their 1 MiB versions,
// scaled with the size, so that smaller versions keep the same shape.
int ScaledCount(int at_one_mib, std::size_t units) {
  return std::max(1, static_cast<int>(static_cast<double>(at_one_mib) * static_cast<double>(units) / kMiB));
}

std::u16string TwentyThousandDims(std::size_t units) {
  const int lines = ScaledCount(20000, units);
  // Each declaration line is padded with a comment so that the module reaches its size.
  const std::size_t per_line = units / lines;
  std::string out = "Public Sub Big(ByVal n As Long)\r\n";
  for (int i = 0; i < lines; ++i) {
    std::string line =
        "    Dim value" + Number(static_cast<uint32_t>(i)) + (i % 50 == 0 ? "(4)" : "") + " As Long ' ";
    while (line.size() + 2 < per_line) line += 'c';
    out += line + "\r\n";
  }
  out += "End Sub\r\n";
  return Widen(out);
}

std::u16string FiveThousandRoutines(std::size_t units) {
  const int routines = ScaledCount(5000, units);
  const std::size_t per_routine = units / routines;
  std::string out;
  for (int i = 0; i < routines; ++i) {
    const std::string id = Number(static_cast<uint32_t>(i));
    const bool function = i % 2 == 0;
    std::string routine =
        function ? "Public Function Get" + id + "(ByVal a As Long, ByVal b As String) As Long\r\n"
                 : "Private Sub Put" + id + "(ByRef a As Long, ByVal b As String)\r\n";
    routine += "    Dim t As Long\r\n";
    const int previous_sub = i % 2 == 0 ? i - 1 : i - 2;
    if (previous_sub > 0) routine += "    Put" + Number(static_cast<uint32_t>(previous_sub)) + " a, b\r\n";
    routine += "    t = a + 1 ' ";
    const std::string end = function ? "\r\n    Get" + id + " = t\r\nEnd Function\r\n" : "\r\nEnd Sub\r\n";
    while (routine.size() + end.size() < per_routine) routine += 'c';
    out += routine + end;
  }
  return Widen(out);
}

// A realistic module on one line, its statements joined by ": ". Lines holding a keyword of
// a line-deleting step are left out: on a text without line breaks such a step removes
// everything from the keyword to the end, which would leave almost nothing to convert.
std::u16string SingleLine(std::size_t units) {
  constexpr std::u16string_view kDeletedLineKeywords[] = {u"Option ", u"Attribute ", u"Debug.Print ",
                                                          u"Declare "};
  const std::u16string module = GenerateModule(units + units / 8, 7);
  std::u16string out;
  out.reserve(units + 64);
  std::size_t start = 0;
  while (start < module.size() && out.size() < units) {
    std::size_t end = module.find(u"\r\n", start);
    if (end == std::u16string::npos) end = module.size();
    const std::u16string_view line = std::u16string_view(module).substr(start, end - start);
    start = end + 2;
    const bool deleted = std::any_of(std::begin(kDeletedLineKeywords), std::end(kDeletedLineKeywords),
                                     [&](std::u16string_view k) { return line.find(k) != line.npos; });
    if (deleted || line.empty()) continue;
    if (!out.empty()) out += u": ";
    out += line;
  }
  return out;
}

// Behind the last statement nothing gets a ";": every mention of a routine there is an
// occurrence without a statement end.
std::u16string ClosingComments(std::size_t units) {
  std::string out = "Public Sub Report(ByVal a As Long)\r\n    a = a + 1\r\nEnd Sub\r\n";
  for (uint32_t i = 0; out.size() < units; ++i)
    out += "' Report " + Number(i) + " is called from the order form\r\n";
  return Widen(out);
}

// Routines calling two earlier ones each, padded with a comment line to `units`;
// `header(id)` gives a routine's name as written in its header and in its calls, `body(id)`
// any further lines of its body.
template <class Name, class Body>
std::u16string RoutinesCallingEarlierOnes(std::size_t units, Name name, Body body) {
  const int routines = ScaledCount(5000, units);
  const std::size_t per_routine = units / routines;
  Random random(3);
  std::string out;
  for (int i = 0; i < routines; ++i) {
    const auto id = static_cast<uint32_t>(i);
    std::string routine = "Public Sub " + name(id) + "(ByVal a As Long)\r\n" + body(id);
    for (int call = 0; call < 2 && i > 0; ++call) {
      routine += "    " + name(random.Below(id)) + " a, " + Number(random.Below(100)) + "\r\n";
    }
    routine += "    a = a + 1 ' ";
    const std::string end = "\r\nEnd Sub\r\n";
    while (routine.size() + end.size() < per_routine) routine += 'c';
    out += routine + end;
  }
  return Widen(out);
}

std::u16string PrefixNames(std::size_t units) {
  return RoutinesCallingEarlierOnes(
      units, [](uint32_t id) { return "Go" + std::to_string(id + 1); },
      [](uint32_t) { return std::string(); });
}

std::u16string OneNameRepeated(std::size_t units) {
  std::string out = "Public Sub F(ByVal a As Long)\r\n    a = a + 1\r\nEnd Sub\r\nPublic Sub Main()\r\n";
  const std::string end = "End Sub\r\n";
  const std::string line = "    F 1: F 2: F 3: F 4: F 5: F 6: F 7: F 8\r\n";
  while (out.size() + line.size() + end.size() <= units) out += line;
  return Widen(out + end);
}

std::u16string SpecialNames(std::size_t units) {
  return RoutinesCallingEarlierOnes(
      units,
      [](uint32_t id) {
        std::string name = id % 2 ? "Go on" : "Go;on";
        return name += Number(id);
      },
      [](uint32_t id) {
        std::string m = "m", n = "n";
        m += Number(id);
        n += Number(id);
        // Collected as "m<id>" and "m<id>(n<id>".
        return "    Dim " + m + "(" + n + "(2)) As Long\r\n    " + m + "(1) = " + m + "(" + n +
               "(1)) + 1\r\n";
      });
}

}  // namespace

std::u16string GenerateModule(std::size_t target_units, uint32_t seed, uint32_t name_base) {
  return Widen(ModuleWriter(seed, name_base).Write(target_units));
}

std::u16string GeneratePathological(Pathological kind, std::size_t units) {
  switch (kind) {
    case Pathological::kOnlyQuotes:
      return Repeat(u"'", units);
    case Pathological::kOnlyContinuations:
      return Repeat(u" _", units);
    case Pathological::kOneCharacterLines:
      return Repeat(u"x\r\n", units);
    case Pathological::kTwentyThousandDims:
      return TwentyThousandDims(units);
    case Pathological::kFiveThousandRoutines:
      return FiveThousandRoutines(units);
    case Pathological::kSingleLine:
      return SingleLine(units);
    case Pathological::kClosingComments:
      return ClosingComments(units);
    case Pathological::kPrefixNames:
      return PrefixNames(units);
    case Pathological::kOneNameRepeated:
      return OneNameRepeated(units);
    case Pathological::kSpecialNames:
      return SpecialNames(units);
  }
  return {};
}

std::string_view PathologicalName(Pathological kind) {
  switch (kind) {
    case Pathological::kOnlyQuotes:
      return "only_quotes";
    case Pathological::kOnlyContinuations:
      return "only_continuations";
    case Pathological::kOneCharacterLines:
      return "one_character_lines";
    case Pathological::kTwentyThousandDims:
      return "twenty_thousand_dims";
    case Pathological::kFiveThousandRoutines:
      return "five_thousand_routines";
    case Pathological::kSingleLine:
      return "single_line";
    case Pathological::kClosingComments:
      return "closing_comments";
    case Pathological::kPrefixNames:
      return "prefix_names";
    case Pathological::kOneNameRepeated:
      return "one_name_repeated";
    case Pathological::kSpecialNames:
      return "special_names";
  }
  return "unknown";
}

}  // namespace veldrane::bench
