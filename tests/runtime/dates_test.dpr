{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ Date functions against VB's documented results. }
program dates_test;

uses
  SysUtils, Variants, RuntimeChecks, VrErrors, VrConstants, VrConvert, VrDates;

function Shown(const D: TDateTime): string;
begin
  Result := VbDateToStr(D);
end;

function At(const Text: string): TDateTime;
begin
  Result := VbCDate(Text);
end;

var
  D: TDateTime;
begin
  Check('DateSerial(2000, 1, 2)', Shown(VbDateSerial(2000, 1, 2)), '1/2/2000');
  Check('DateSerial(2000, 13, 1)', Shown(VbDateSerial(2000, 13, 1)), '1/1/2001');
  Check('DateSerial(2000, 3, 0)', Shown(VbDateSerial(2000, 3, 0)), '2/29/2000');
  Check('DateSerial(2000, 1, -1)', Shown(VbDateSerial(2000, 1, -1)), '12/30/1999');
  Check('DateSerial(2000, -1, 1)', Shown(VbDateSerial(2000, -1, 1)), '11/1/1999');
  Check('DateSerial(99, 1, 1)', Shown(VbDateSerial(99, 1, 1)), '1/1/1999');
  Check('DateSerial(29, 1, 1)', Shown(VbDateSerial(29, 1, 1)), '1/1/2029');
  Check('TimeSerial(13, 4, 5)', Shown(VbTimeSerial(13, 4, 5)), '1:04:05 PM');
  Check('TimeSerial(0, 90, 0)', Shown(VbTimeSerial(0, 90, 0)), '1:30:00 AM');
  Check('TimeSerial(25, 0, 0)', Shown(VbTimeSerial(25, 0, 0)), '12/31/1899 1:00:00 AM');
  Check('DateValue', Shown(VbDateValue('1/2/2000 13:00')), '1/2/2000');
  Check('TimeValue', Shown(VbTimeValue('1/2/2000 1:00 PM')), '1:00:00 PM');
  { DateAdd clamps the day to the month's end }
  Check('DateAdd("m", 1, 1/31/2000)', Shown(VbDateAdd('m', 1, At('1/31/2000'))), '2/29/2000');
  Check('DateAdd("yyyy", 1, 2/29/2000)', Shown(VbDateAdd('yyyy', 1, At('2/29/2000'))), '2/28/2001');
  Check('DateAdd("q", 1, 1/31/2000)', Shown(VbDateAdd('q', 1, At('1/31/2000'))), '4/30/2000');
  Check('DateAdd("d", -1, 1/1/2000)', Shown(VbDateAdd('d', -1, At('1/1/2000'))), '12/31/1999');
  Check('DateAdd("h", 36, 1/1/2000)', Shown(VbDateAdd('h', 36, At('1/1/2000'))), '1/2/2000 12:00:00 PM');
  Check('DateAdd("ww", 2, 1/1/2000)', Shown(VbDateAdd('ww', 2, At('1/1/2000'))), '1/15/2000');
  Check('DateAdd("n", -1, 1/1/2000)', Shown(VbDateAdd('n', -1, At('1/1/2000'))), '12/31/1999 11:59:00 PM');
  try VbDateAdd('x', 1, 0); NotRaised('DateAdd("x")') except on E: Exception do CheckRaised('DateAdd("x")', E, 5) end;
  { DateDiff counts boundaries crossed }
  Check('DateDiff("d")', IntToStr(VbDateDiff('d', At('1/1/2000'), At('3/1/2000'))), '60');
  Check('DateDiff("d") backwards', IntToStr(VbDateDiff('d', At('3/1/2000'), At('1/1/2000'))), '-60');
  Check('DateDiff("m") across a month end', IntToStr(VbDateDiff('m', At('1/31/2000'), At('2/1/2000'))), '1');
  Check('DateDiff("yyyy") across a year end', IntToStr(VbDateDiff('yyyy', At('12/31/1999'), At('1/1/2000'))), '1');
  Check('DateDiff("h")', IntToStr(VbDateDiff('h', At('1/1/2000 23:59'), At('1/2/2000 0:01'))), '1');
  Check('DateDiff("n")', IntToStr(VbDateDiff('n', At('1/1/2000 23:59'), At('1/2/2000 0:01'))), '2');
  Check('DateDiff("s")', IntToStr(VbDateDiff('s', At('1/1/2000'), At('1/1/2000 0:01:30'))), '90');
  Check('DateDiff("ww") counts Sundays', IntToStr(VbDateDiff('ww', At('1/1/2000'), At('1/2/2000'))), '1');
  Check('DateDiff("w") counts weeks', IntToStr(VbDateDiff('w', At('1/1/2000'), At('1/14/2000'))), '1');
  { DatePart and friends }
  Check('DatePart("q")', IntToStr(VbDatePart('q', At('5/1/2000'))), '2');
  Check('DatePart("y")', IntToStr(VbDatePart('y', At('2/1/2000'))), '32');
  Check('DatePart("ww") Jan 1', IntToStr(VbDatePart('ww', At('1/1/2000'))), '1');
  Check('DatePart("ww") Jan 2', IntToStr(VbDatePart('ww', At('1/2/2000'))), '2');
  Check('DatePart("ww", Monday, four days)', IntToStr(VbDatePart('ww', At('1/2/2005'), vbMonday, vbFirstFourDays)), '53');
  Check('DatePart("ww", Sunday, full week)', IntToStr(VbDatePart('ww', At('1/8/2000'), vbSunday, vbFirstFullWeek)), '1');
  D := At('1/2/2000 13:04:05');
  Check('Year Month Day', IntToStr(VbYear(D)) + ' ' + IntToStr(VbMonth(D)) + ' ' + IntToStr(VbDay(D)), '2000 1 2');
  Check('Hour Minute Second', IntToStr(VbHour(D)) + ' ' + IntToStr(VbMinute(D)) + ' ' + IntToStr(VbSecond(D)), '13 4 5');
  Check('Second rounds', IntToStr(VbSecond(EncodeTime(0, 0, 1, 600))), '2');
  Check('Day before 1899', IntToStr(VbDay(-1.25)) + ' ' + IntToStr(VbHour(-1.25)), '29 6');
  Check('Weekday', IntToStr(VbWeekday(D)), '1');
  Check('Weekday(d, vbMonday)', IntToStr(VbWeekday(D, vbMonday)), '7');
  Check('MonthName', VbMonthName(2) + ' ' + VbMonthName(2, True), 'February Feb');
  Check('WeekdayName', VbWeekdayName(1) + ' ' + VbWeekdayName(1, True, vbMonday), 'Sunday Mon');
  try VbMonthName(13); NotRaised('MonthName(13)') except on E: Exception do CheckRaised('MonthName(13)', E, 5) end;
  Check('Date$ form', VbDateString, FormatDateTime('mm"-"dd"-"yyyy', Date));
  Check('Time$ form', IntToStr(Length(VbTimeString)) + VbTimeString[3] + VbTimeString[6], '8::');
  Check('Now has whole seconds', VbCStr(Abs(VbNow * 86400 - Round(VbNow * 86400)) < 0.001), 'True');
  Finish;
end.
