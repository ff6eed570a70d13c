{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ VB's date and time functions on TDateTime (the same day numbering as VB's Date). Intervals are VB's
  strings: yyyy q m y d w ww h n s. FirstDayOfWeek 1 = Sunday ... 7 = Saturday (0: the system's, Sunday);
  FirstWeekOfYear 1 = the week of January 1, 2 = the first week with four days, 3 = the first full week. }
unit VrDates;

interface

function VbNow: TDateTime;
function VbDate: TDateTime;
function VbTime: TDateTime;
{ Date$ and Time$, whose text differs from the Date's: "mm-dd-yyyy" and "hh:mm:ss". }
function VbDateString: string;
function VbTimeString: string;
function VbDateSerial(Year, Month, Day: LongInt): TDateTime;
function VbTimeSerial(Hour, Minute, Second: LongInt): TDateTime;
function VbDateValue(const S: string): TDateTime;
function VbTimeValue(const S: string): TDateTime;
function VbDateAdd(const Interval: string; Number: Double; const D: TDateTime): TDateTime;
function VbDateDiff(const Interval: string; const D1, D2: TDateTime; FirstDayOfWeek: Integer = 1;
  FirstWeekOfYear: Integer = 1): LongInt;
function VbDatePart(const Interval: string; const D: TDateTime; FirstDayOfWeek: Integer = 1;
  FirstWeekOfYear: Integer = 1): LongInt;
function VbYear(const D: TDateTime): SmallInt;
function VbMonth(const D: TDateTime): SmallInt;
function VbDay(const D: TDateTime): SmallInt;
function VbHour(const D: TDateTime): SmallInt;
function VbMinute(const D: TDateTime): SmallInt;
function VbSecond(const D: TDateTime): SmallInt;
function VbWeekday(const D: TDateTime; FirstDayOfWeek: Integer = 1): SmallInt;
function VbMonthName(Month: LongInt; Abbreviate: Boolean = False): string;
function VbWeekdayName(Weekday: LongInt; Abbreviate: Boolean = False; FirstDayOfWeek: Integer = 1): string;

implementation

uses
  SysUtils, DateUtils, Math, VrErrors, VrConvert;

procedure SplitDate(const D: TDateTime; out Y, M, Dd: Word);
begin
  DecodeDate(Int(D), Y, M, Dd);
  VbClearFloatFlags;
end;

function CurrentMoment: TDateTime;
begin
  Result := Now;
  VbClearFloatFlags;
end;

{ Seconds of the day, rounded as VB rounds times to whole seconds. }
function SecondsOfDay(const D: TDateTime): LongInt;
begin
  Result := Round(Abs(Frac(D)) * 86400);
  if Result >= 86400 then
    Result := 86399;
end;

{ Combines a day number and a time of day the way VB stores dates before 1899 (time part positive). }
function Combine(Day: Double; Time: Double): TDateTime;
begin
  if Day < 0 then
    Result := Day - Time
  else
    Result := Day + Time;
end;

{ The position of a date on a continuous time line (VB's stored value has a positive time part). }
function Linear(const D: TDateTime): Double;
begin
  Result := Int(D) + Abs(Frac(D));
end;

function FromLinear(X: Double): TDateTime;
begin
  Result := Combine(Floor(X), X - Floor(X));
end;

function VbNow: TDateTime;
var
  Moment: TDateTime;
begin
  Moment := CurrentMoment;
  Result := Int(Moment) + SecondsOfDay(Moment) / 86400;
end;

function VbDate: TDateTime;
begin
  Result := Int(CurrentMoment);
end;

function VbTime: TDateTime;
begin
  Result := SecondsOfDay(CurrentMoment) / 86400;
end;

function VbDateString: string;
var
  Today: TDateTime;
begin
  Today := VbDate;
  Result := Format('%.2d-%.2d-%.4d', [VbMonth(Today), VbDay(Today), VbYear(Today)]);
end;

function VbTimeString: string;
var
  Seconds: LongInt;
begin
  Seconds := SecondsOfDay(CurrentMoment);
  Result := Format('%.2d:%.2d:%.2d', [Seconds div 3600, Seconds mod 3600 div 60, Seconds mod 60]);
end;

function CheckedDate(X: Double): TDateTime;
begin
  if (X < -657434.0) or (X >= 2958466.0) then
    VbRaiseError(5);
  Result := X;
end;

function VbDateSerial(Year, Month, Day: LongInt): TDateTime;
var
  First: TDateTime;
begin
  if (Year >= 0) and (Year < 30) then
    Inc(Year, 2000)
  else if (Year >= 30) and (Year < 100) then
    Inc(Year, 1900);
  Year := Year + Floor((Month - 1) / 12);
  Month := Month - 12 * Floor((Month - 1) / 12);
  if (Year < 100) or (Year > 9999) then
    VbRaiseError(5);
  First := EncodeDate(Year, Month, 1);
  Result := CheckedDate(First + Day - 1);
end;

function VbTimeSerial(Hour, Minute, Second: LongInt): TDateTime;
var
  Total: Int64;
begin
  Total := Int64(Hour) * 3600 + Int64(Minute) * 60 + Second;
  Result := Total / 86400;
end;

function VbDateValue(const S: string): TDateTime;
begin
  Result := Int(VbCDate(S));
end;

function VbTimeValue(const S: string): TDateTime;
begin
  Result := Abs(Frac(VbCDate(S)));
end;

function IntervalKind(const Interval: string): Integer;
const
  Names: array[0..9] of string = ('yyyy', 'q', 'm', 'y', 'd', 'w', 'ww', 'h', 'n', 's');
var
  I: Integer;
begin
  for I := 0 to High(Names) do
    if SameText(Interval, Names[I]) then
      Exit(I);
  VbRaiseError(5);
  Result := -1;
end;

function AddMonths(const D: TDateTime; Months: LongInt): TDateTime;
var
  Y, M, Dd: Word;
  NewY, NewM, LastDay: Integer;
begin
  SplitDate(D, Y, M, Dd);
  NewM := M - 1 + Months;
  NewY := Y + Floor(NewM / 12);
  NewM := NewM - 12 * Floor(NewM / 12) + 1;
  if (NewY < 100) or (NewY > 9999) then
    VbRaiseError(5);
  LastDay := DaysInAMonth(NewY, NewM);
  if Dd > LastDay then
    Dd := LastDay;
  Result := Combine(EncodeDate(NewY, NewM, Dd), Abs(Frac(D)));
end;

function VbDateAdd(const Interval: string; Number: Double; const D: TDateTime): TDateTime;
var
  N: LongInt;
begin
  N := Trunc(Number);
  case IntervalKind(Interval) of
    0: Result := AddMonths(D, N * 12);
    1: Result := AddMonths(D, N * 3);
    2: Result := AddMonths(D, N);
    3, 4, 5: Result := FromLinear(Linear(D) + N);
    6: Result := FromLinear(Linear(D) + 7 * N);
    7: Result := FromLinear(Linear(D) + N / 24);
    8: Result := FromLinear(Linear(D) + N / 1440);
  else
    Result := FromLinear(Linear(D) + N / 86400);
  end;
  Result := CheckedDate(Result);
end;

function VbWeekday(const D: TDateTime; FirstDayOfWeek: Integer): SmallInt;
begin
  if FirstDayOfWeek = 0 then
    FirstDayOfWeek := 1;
  if (FirstDayOfWeek < 1) or (FirstDayOfWeek > 7) then
    VbRaiseError(5);
  { day 0 (12/30/1899) was a Saturday }
  Result := ((Floor(Int(D)) + 6) mod 7 + 7) mod 7 + 1;
  Result := (Result - FirstDayOfWeek + 7) mod 7 + 1;
end;

{ The start of the week holding day Day, for week counting. }
function WeekStart(Day: Double; FirstDayOfWeek: Integer): Double;
begin
  Result := Day - (VbWeekday(Day, FirstDayOfWeek) - 1);
end;

function WeekOfYear(const D: TDateTime; FirstDayOfWeek, FirstWeekOfYear: Integer): LongInt;
var
  Y, M, Dd: Word;
  Jan1, FirstWeek: Double;
  Days: Integer;
begin
  SplitDate(D, Y, M, Dd);
  if FirstDayOfWeek = 0 then
    FirstDayOfWeek := 1;
  Jan1 := EncodeDate(Y, 1, 1);
  FirstWeek := WeekStart(Jan1, FirstDayOfWeek);
  Days := Round(Jan1 - FirstWeek);
  case FirstWeekOfYear of
    2: if 7 - Days < 4 then FirstWeek := FirstWeek + 7;
    3: if Days > 0 then FirstWeek := FirstWeek + 7;
  end;
  if Int(D) < FirstWeek then
  begin
    if Y = 100 then
      Exit(1);
    Exit(WeekOfYear(EncodeDate(Y - 1, 12, 31), FirstDayOfWeek, FirstWeekOfYear));
  end;
  Result := Trunc((Int(D) - FirstWeek) / 7) + 1;
end;

function VbDatePart(const Interval: string; const D: TDateTime; FirstDayOfWeek, FirstWeekOfYear: Integer): LongInt;
var
  Y, M, Dd: Word;
begin
  SplitDate(D, Y, M, Dd);
  case IntervalKind(Interval) of
    0: Result := Y;
    1: Result := (M - 1) div 3 + 1;
    2: Result := M;
    3: Result := Trunc(Int(D) - EncodeDate(Y, 1, 1)) + 1;
    4: Result := Dd;
    5: Result := VbWeekday(D, FirstDayOfWeek);
    6: Result := WeekOfYear(D, FirstDayOfWeek, FirstWeekOfYear);
    7: Result := VbHour(D);
    8: Result := VbMinute(D);
  else
    Result := VbSecond(D);
  end;
end;

function VbDateDiff(const Interval: string; const D1, D2: TDateTime; FirstDayOfWeek, FirstWeekOfYear: Integer): LongInt;
var
  Y1, M1, Day1, Y2, M2, Day2: Word;
  Seconds1, Seconds2: Int64;
begin
  SplitDate(D1, Y1, M1, Day1);
  SplitDate(D2, Y2, M2, Day2);
  if FirstDayOfWeek = 0 then
    FirstDayOfWeek := 1;
  Seconds1 := Round(Linear(D1) * 86400);
  Seconds2 := Round(Linear(D2) * 86400);
  case IntervalKind(Interval) of
    0: Result := Y2 - Y1;
    1: Result := (Y2 * 4 + (M2 - 1) div 3) - (Y1 * 4 + (M1 - 1) div 3);
    2: Result := (Y2 * 12 + M2) - (Y1 * 12 + M1);
    3, 4: Result := Floor(Linear(D2)) - Floor(Linear(D1));
    5: Result := Trunc((Floor(Linear(D2)) - Floor(Linear(D1))) / 7);
    6: Result := Round((WeekStart(Floor(Linear(D2)), FirstDayOfWeek) - WeekStart(Floor(Linear(D1)), FirstDayOfWeek)) / 7);
    7: Result := Floor(Seconds2 / 3600) - Floor(Seconds1 / 3600);
    8: Result := Floor(Seconds2 / 60) - Floor(Seconds1 / 60);
  else
    Result := Seconds2 - Seconds1;
  end;
end;

function VbYear(const D: TDateTime): SmallInt;
var
  Y, M, Dd: Word;
begin
  SplitDate(D, Y, M, Dd);
  Result := Y;
end;

function VbMonth(const D: TDateTime): SmallInt;
var
  Y, M, Dd: Word;
begin
  SplitDate(D, Y, M, Dd);
  Result := M;
end;

function VbDay(const D: TDateTime): SmallInt;
var
  Y, M, Dd: Word;
begin
  SplitDate(D, Y, M, Dd);
  Result := Dd;
end;

function VbHour(const D: TDateTime): SmallInt;
begin
  Result := SecondsOfDay(D) div 3600;
end;

function VbMinute(const D: TDateTime): SmallInt;
begin
  Result := SecondsOfDay(D) mod 3600 div 60;
end;

function VbSecond(const D: TDateTime): SmallInt;
begin
  Result := SecondsOfDay(D) mod 60;
end;

function VbMonthName(Month: LongInt; Abbreviate: Boolean): string;
begin
  if (Month < 1) or (Month > 12) then
    VbRaiseError(5);
  if Abbreviate then
    Result := VbFormatSettings.ShortMonthNames[Month]
  else
    Result := VbFormatSettings.LongMonthNames[Month];
end;

function VbWeekdayName(Weekday: LongInt; Abbreviate: Boolean; FirstDayOfWeek: Integer): string;
var
  Day: Integer;
begin
  if FirstDayOfWeek = 0 then
    FirstDayOfWeek := 1;
  if (Weekday < 1) or (Weekday > 7) or (FirstDayOfWeek < 1) or (FirstDayOfWeek > 7) then
    VbRaiseError(5);
  Day := (Weekday - 1 + FirstDayOfWeek - 1) mod 7 + 1;
  if Abbreviate then
    Result := VbFormatSettings.ShortDayNames[Day]
  else
    Result := VbFormatSettings.LongDayNames[Day];
end;

end.
