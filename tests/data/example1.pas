
    Total : Integer;
    Items: array[0..10] of Integer;

type Point = record
    X : Double;
    Y : Double;
end;

function Add(a : Integer; b : Integer) : Integer;
var
    s : Integer;
begin
        s = a + b;
    Add = s;
end;

procedure Main();
var
    i : Integer;
begin
        for i = 0 to 10 do
	begin
        Items[i] = Add(i, 1);
    end i;
    if Total > 0 then
        Total = 0;
    end;
    ShowValue(Total, 2);
end;

procedure ShowValue(v : Integer; n : Integer);
begin
        MsgBox v + n ; // show it
end;
