
    Buf: array of Byte;
type Color = (
    Red,
    Green = 2
);


procedure Form_Load();
var
    n : Integer;
begin
        SetLength(Buf, 10);
    n = 0;
    while n < 3 do
	begin
        n = n + 1;
    end;
    with Text1 do
	begin
        Text = s;
        SelStart = 0;
    end;
    case n of
        1;
            n = 2;
        else
            n = 0;
    end;
end;
