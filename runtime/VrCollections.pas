{$IFDEF FPC}{$MODE DelphiUnicode}{$ENDIF}
{ VB's Collection: items numbered from 1, optional string keys compared without case, Before/After
  placement, and VB's errors (5 bad argument, 9 no such item, 457 duplicate key). }
unit VrCollections;

interface

uses
  Classes;

type
  TVbCollectionEnumerator = class
  private
    FItems: TList;
    FIndex: Integer;
    FOwner: IInterface;
    function GetCurrent: Variant;
  public
    constructor Create(Items: TList; const Owner: IInterface);
    function MoveNext: Boolean;
    property Current: Variant read GetCurrent;
  end;

  IVbCollection = interface
    ['{5B0E3F1A-7C42-4D8E-9A61-2F4C8D0B7E13}']
    procedure Add(const Item: Variant); overload;
    procedure Add(const Item, Key: Variant); overload;
    procedure Add(const Item, Key, Before: Variant); overload;
    procedure Add(const Item, Key, Before, After: Variant); overload;
    function Count: LongInt;
    procedure Remove(const Index: Variant);
    function GetItem(const Index: Variant): Variant;
    function GetEnumerator: TVbCollectionEnumerator;
    property Item[const Index: Variant]: Variant read GetItem; default;
  end;

  TVbCollection = class(TInterfacedObject, IVbCollection)
  private
    FItems: TList;
    FKeys: TStringList;
    function PositionOf(const Index: Variant): Integer;
    procedure Insert(Position: Integer; const Item, Key: Variant);
  public
    constructor Create;
    destructor Destroy; override;
    procedure Add(const Item: Variant); overload;
    procedure Add(const Item, Key: Variant); overload;
    procedure Add(const Item, Key, Before: Variant); overload;
    procedure Add(const Item, Key, Before, After: Variant); overload;
    function Count: LongInt;
    procedure Remove(const Index: Variant);
    function GetItem(const Index: Variant): Variant;
    function GetEnumerator: TVbCollectionEnumerator;
    property Item[const Index: Variant]: Variant read GetItem; default;
  end;

{ A new, empty collection (New Collection). }
function VbNewCollection: IVbCollection;

implementation

uses
  SysUtils, Variants, VrErrors, VrConvert, VrStrings;

type
  TEntry = class
    Value: Variant;
    Key: string;
    HasKey: Boolean;
  end;

function Omitted(const V: Variant): Boolean;
begin
  Result := VarIsEmpty(V) or (VarType(V) = varError);
end;

constructor TVbCollectionEnumerator.Create(Items: TList; const Owner: IInterface);
begin
  inherited Create;
  FItems := Items;
  FIndex := -1;
  FOwner := Owner;
end;

function TVbCollectionEnumerator.GetCurrent: Variant;
begin
  Result := TEntry(FItems[FIndex]).Value;
end;

function TVbCollectionEnumerator.MoveNext: Boolean;
begin
  Inc(FIndex);
  Result := FIndex < FItems.Count;
end;

constructor TVbCollection.Create;
begin
  inherited Create;
  FItems := TList.Create;
  FKeys := TStringList.Create;
  FKeys.Sorted := True;
  FKeys.CaseSensitive := True;
end;

destructor TVbCollection.Destroy;
var
  I: Integer;
begin
  for I := 0 to FItems.Count - 1 do
    TEntry(FItems[I]).Free;
  FItems.Free;
  FKeys.Free;
  inherited Destroy;
end;

{ The 0-based position of an item given by number or key; error 5 or 9 as VB raises them. }
function TVbCollection.PositionOf(const Index: Variant): Integer;
var
  Found: Integer;
  Number: LongInt;
begin
  if VbIsStringVar(Index) then
  begin
    if not FKeys.Find(VbLCase(VarToStr(Index)), Found) then
      VbRaiseError(5);
    Exit(FItems.IndexOf(FKeys.Objects[Found]));
  end;
  if Omitted(Index) or VarIsNull(Index) then
    VbRaiseError(5);
  Number := VbCLng(Index);
  if (Number < 1) or (Number > FItems.Count) then
    VbRaiseError(9);
  Result := Number - 1;
end;

procedure TVbCollection.Insert(Position: Integer; const Item, Key: Variant);
var
  Entry: TEntry;
  Folded: string;
  Found: Integer;
begin
  Entry := TEntry.Create;
  Entry.Value := Item;
  if not Omitted(Key) then
  begin
    if not VbIsStringVar(Key) then
    begin
      Entry.Free;
      VbRaiseError(13);
    end;
    Folded := VbLCase(VarToStr(Key));
    if FKeys.Find(Folded, Found) then
    begin
      Entry.Free;
      VbRaiseError(457);
    end;
    Entry.Key := Folded;
    Entry.HasKey := True;
    FKeys.AddObject(Folded, Entry);
  end;
  FItems.Insert(Position, Entry);
end;

procedure TVbCollection.Add(const Item: Variant);
begin
  Insert(FItems.Count, Item, Unassigned);
end;

procedure TVbCollection.Add(const Item, Key: Variant);
begin
  Insert(FItems.Count, Item, Key);
end;

procedure TVbCollection.Add(const Item, Key, Before: Variant);
begin
  Add(Item, Key, Before, Unassigned);
end;

procedure TVbCollection.Add(const Item, Key, Before, After: Variant);
begin
  if not Omitted(Before) and not Omitted(After) then
    VbRaiseError(5);
  if not Omitted(Before) then
    Insert(PositionOf(Before), Item, Key)
  else if not Omitted(After) then
    Insert(PositionOf(After) + 1, Item, Key)
  else
    Insert(FItems.Count, Item, Key);
end;

function TVbCollection.Count: LongInt;
begin
  Result := FItems.Count;
end;

procedure TVbCollection.Remove(const Index: Variant);
var
  Position, Found: Integer;
  Entry: TEntry;
begin
  Position := PositionOf(Index);
  Entry := TEntry(FItems[Position]);
  if Entry.HasKey and FKeys.Find(Entry.Key, Found) then
    FKeys.Delete(Found);
  FItems.Delete(Position);
  Entry.Free;
end;

function TVbCollection.GetItem(const Index: Variant): Variant;
begin
  Result := TEntry(FItems[PositionOf(Index)]).Value;
end;

function TVbCollection.GetEnumerator: TVbCollectionEnumerator;
begin
  Result := TVbCollectionEnumerator.Create(FItems, Self);
end;

function VbNewCollection: IVbCollection;
begin
  Result := TVbCollection.Create;
end;

end.
