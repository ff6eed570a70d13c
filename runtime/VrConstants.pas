{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ VB's intrinsic constants under their own names. Four of them share their name with a runtime routine
  (the Tab print item, the String, Date and Error functions), so they carry a suffix here:
  vbTab -> vbTabChar, vbString -> vbStringType, vbDate -> vbDateType, vbError -> vbErrorType. }
unit VrConstants;

interface

const
  vbCrLf = #13#10;
  vbCr = #13;
  vbLf = #10;
  vbNewLine = #13#10;
  vbNullChar = #0;
  vbNullString = '';
  vbTabChar = #9;
  vbBack = #8;
  vbFormFeed = #12;
  vbVerticalTab = #11;
  vbObjectError = LongInt(-2147221504);

  { VarType results }
  vbEmpty = 0;
  vbNull = 1;
  vbInteger = 2;
  vbLong = 3;
  vbSingle = 4;
  vbDouble = 5;
  vbCurrency = 6;
  vbDateType = 7;
  vbStringType = 8;
  vbObject = 9;
  vbErrorType = 10;
  vbBoolean = 11;
  vbVariant = 12;
  vbDataObject = 13;
  vbDecimal = 14;
  vbByte = 17;
  vbUserDefinedType = 36;
  vbArray = 8192;

  { Compare }
  vbUseCompareOption = -1;
  vbBinaryCompare = 0;
  vbTextCompare = 1;
  vbDatabaseCompare = 2;

  { Tristate }
  vbTrue = -1;
  vbFalse = 0;
  vbUseDefault = -2;

  { Days and weeks }
  vbUseSystemDayOfWeek = 0;
  vbSunday = 1;
  vbMonday = 2;
  vbTuesday = 3;
  vbWednesday = 4;
  vbThursday = 5;
  vbFriday = 6;
  vbSaturday = 7;
  vbUseSystem = 0;
  vbFirstJan1 = 1;
  vbFirstFourDays = 2;
  vbFirstFullWeek = 3;

  { Date formats of FormatDateTime }
  vbGeneralDate = 0;
  vbLongDate = 1;
  vbShortDate = 2;
  vbLongTime = 3;
  vbShortTime = 4;

  { StrConv }
  vbUpperCase = 1;
  vbLowerCase = 2;
  vbProperCase = 3;
  vbWide = 4;
  vbNarrow = 8;
  vbKatakana = 16;
  vbHiragana = 32;
  vbUnicode = 64;
  vbFromUnicode = 128;

  { MsgBox buttons, icons and results }
  vbOKOnly = 0;
  vbOKCancel = 1;
  vbAbortRetryIgnore = 2;
  vbYesNoCancel = 3;
  vbYesNo = 4;
  vbRetryCancel = 5;
  vbCritical = 16;
  vbQuestion = 32;
  vbExclamation = 48;
  vbInformation = 64;
  vbDefaultButton1 = 0;
  vbDefaultButton2 = 256;
  vbDefaultButton3 = 512;
  vbDefaultButton4 = 768;
  vbApplicationModal = 0;
  vbSystemModal = 4096;
  vbMsgBoxHelpButton = 16384;
  vbMsgBoxSetForeground = 65536;
  vbMsgBoxRight = 524288;
  vbMsgBoxRtlReading = 1048576;
  vbOK = 1;
  vbCancel = 2;
  vbAbort = 3;
  vbRetry = 4;
  vbIgnore = 5;
  vbYes = 6;
  vbNo = 7;

  { Shell window styles }
  vbHide = 0;
  vbNormalFocus = 1;
  vbMinimizedFocus = 2;
  vbMaximizedFocus = 3;
  vbNormalNoFocus = 4;
  vbMinimizedNoFocus = 6;

  { File attributes (GetAttr, Dir) }
  vbNormal = 0;
  vbReadOnly = 1;
  vbHidden = 2;
  vbSystem = 4;
  vbVolume = 8;
  vbDirectory = 16;
  vbArchive = 32;
  vbAlias = 64;

  { Colours }
  vbBlack = $0;
  vbRed = $FF;
  vbGreen = $FF00;
  vbYellow = $FFFF;
  vbBlue = $FF0000;
  vbMagenta = $FF00FF;
  vbCyan = $FFFF00;
  vbWhite = $FFFFFF;

  { Keys most programs test }
  vbKeyBack = 8;
  vbKeyTab = 9;
  vbKeyReturn = 13;
  vbKeyShift = 16;
  vbKeyControl = 17;
  vbKeyEscape = 27;
  vbKeySpace = 32;
  vbKeyLeft = 37;
  vbKeyUp = 38;
  vbKeyRight = 39;
  vbKeyDown = 40;
  vbKeyDelete = 46;

implementation

end.
