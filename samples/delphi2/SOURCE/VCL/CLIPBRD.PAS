{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       Clipbrd unit: the Windows clipboard             }
{                                                       }
{*******************************************************}

unit Clipbrd;

interface

uses SysUtils, Classes, Graphics;

var
  CF_PICTURE: Word;
  CF_COMPONENT: Word;

type
  EClipboardError = class(Exception);

  TClipboard = class(TPersistent)
  private
    FOpenRefCount: Integer;
    FClipboardWindow: HWND;
    FAllocated: Boolean;
    FEmptied: Boolean;
    procedure Adding;
    procedure AssignGraphic(Source: TGraphic);
    procedure AssignPicture(Source: TPicture);
    procedure AssignToBitmap(Dest: TBitmap);
    procedure AssignToMetafile(Dest: TMetafile);
    procedure AssignToPicture(Dest: TPicture);
    function GetAsText: string;
    function GetClipboardWindow: HWND;
    function GetFormatCount: Integer;
    function GetFormats(Index: Integer): Word;
    procedure SetAsText(const Value: string);
    procedure SetBuffer(Format: Word; var Buffer; Size: Integer);
    procedure WndProc(var Message: TMessage);
    procedure MainWndProc(var Message: TMessage);
  protected
    procedure AssignTo(Dest: TPersistent); override;
    procedure DestroyHandle;
  public
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure Clear;
    procedure Close;
    function GetComponent(Owner, Parent: TComponent): TComponent;
    function GetAsHandle(Format: Word): THandle;
    function GetTextBuf(Buffer: PChar; BufSize: Integer): Integer;
    function HasFormat(Format: Word): Boolean;
    procedure Open;
    procedure SetComponent(Component: TComponent);
    procedure SetAsHandle(Format: Word; Value: THandle);
    procedure SetTextBuf(Buffer: PChar);
    property AsText: string read GetAsText write SetAsText;
    property FormatCount: Integer read GetFormatCount;
    property Formats[Index: Integer]: Word read GetFormats;
    property Handle: HWND read GetClipboardWindow;
  end;

function Clipboard: TClipboard;
function SetClipboard(NewClipboard: TClipboard): TClipboard;

implementation

const
  CF_TEXT = 1;

var
  FClipboard: TClipboard;

function Clipboard: TClipboard;
begin
  if FClipboard = nil then
    FClipboard := TClipboard.Create;
  Result := FClipboard;
end;

function SetClipboard(NewClipboard: TClipboard): TClipboard;
begin
  Result := FClipboard;
  FClipboard := NewClipboard;
end;

{ TClipboard }

procedure TClipboard.Adding;
begin
  if (FOpenRefCount <> 0) and not FEmptied then
  begin
    Clear;
    FEmptied := True;
  end;
end;

procedure TClipboard.AssignGraphic(Source: TGraphic);
begin
end;

procedure TClipboard.AssignPicture(Source: TPicture);
begin
end;

procedure TClipboard.AssignToBitmap(Dest: TBitmap);
begin
end;

procedure TClipboard.AssignToMetafile(Dest: TMetafile);
begin
end;

procedure TClipboard.AssignToPicture(Dest: TPicture);
begin
end;

function TClipboard.GetAsText: string;
var
  Data: THandle;
begin
  Open;
  Data := GetClipboardData(CF_TEXT);
  try
    if Data <> 0 then
      Result := PChar(GlobalLock(Data))
    else
      Result := '';
  finally
    if Data <> 0 then GlobalUnlock(Data);
    Close;
  end;
end;

function TClipboard.GetClipboardWindow: HWND;
begin
  Result := FClipboardWindow;
end;

function TClipboard.GetFormatCount: Integer;
begin
  Result := CountClipboardFormats;
end;

function TClipboard.GetFormats(Index: Integer): Word;
begin
  Open;
  try
    Result := EnumClipboardFormats(0);
    while Index > 0 do
    begin
      Dec(Index);
      Result := EnumClipboardFormats(Result);
    end;
  finally
    Close;
  end;
end;

procedure TClipboard.SetAsText(const Value: string);
begin
  SetBuffer(CF_TEXT, PChar(Value)^, Length(Value) + 1);
end;

procedure TClipboard.SetBuffer(Format: Word; var Buffer; Size: Integer);
var
  Data: THandle;
  DataPtr: Pointer;
begin
  Open;
  try
    Data := GlobalAlloc(GMEM_MOVEABLE + GMEM_DDESHARE, Size);
    try
      DataPtr := GlobalLock(Data);
      try
        Move(Buffer, DataPtr^, Size);
        Adding;
        SetClipboardData(Format, Data);
      finally
        GlobalUnlock(Data);
      end;
    except
      GlobalFree(Data);
      raise;
    end;
  finally
    Close;
  end;
end;

procedure TClipboard.WndProc(var Message: TMessage);
begin
end;

procedure TClipboard.MainWndProc(var Message: TMessage);
begin
end;

procedure TClipboard.AssignTo(Dest: TPersistent);
begin
  inherited AssignTo(Dest);
end;

procedure TClipboard.DestroyHandle;
begin
end;

destructor TClipboard.Destroy;
begin
  DestroyHandle;
  inherited Destroy;
end;

procedure TClipboard.Assign(Source: TPersistent);
begin
  if Source is TClipboard then
  begin
    AsText := TClipboard(Source).AsText;
  end
  else
    inherited Assign(Source);
end;

procedure TClipboard.Clear;
begin
  Open;
  try
    EmptyClipboard;
  finally
    Close;
  end;
end;

procedure TClipboard.Close;
begin
  if FOpenRefCount = 0 then Exit;
  Dec(FOpenRefCount);
  if FOpenRefCount = 0 then
  begin
    CloseClipboard;
    if FAllocated then DestroyHandle;
  end;
end;

function TClipboard.GetComponent(Owner, Parent: TComponent): TComponent;
begin
  Result := nil;
end;

function TClipboard.GetAsHandle(Format: Word): THandle;
begin
  Result := 0;
end;

function TClipboard.GetTextBuf(Buffer: PChar; BufSize: Integer): Integer;
begin
  Result := 0;
end;

function TClipboard.HasFormat(Format: Word): Boolean;
begin
  Result := IsClipboardFormatAvailable(Format);
end;

procedure TClipboard.Open;
begin
  if FOpenRefCount = 0 then
  begin
    if not OpenClipboard(GetClipboardWindow) then
      raise EClipboardError.Create('Cannot open clipboard');
    FEmptied := False;
  end;
  Inc(FOpenRefCount);
end;

procedure TClipboard.SetComponent(Component: TComponent);
var
  Stream: TMemoryStream;
begin
  Stream := TMemoryStream.Create;
  try
    Stream.WriteComponent(Component);
    Stream.Position := 0;
    SetBuffer(CF_COMPONENT, Stream.Memory^, Stream.Size);
  finally
    Stream.Free;
  end;
end;

procedure TClipboard.SetAsHandle(Format: Word; Value: THandle);
begin
end;

procedure TClipboard.SetTextBuf(Buffer: PChar);
begin
end;

initialization
  FClipboard := nil;
  CF_PICTURE := RegisterClipboardFormat('Delphi Picture');
  CF_COMPONENT := RegisterClipboardFormat('Delphi Component');
finalization
  FClipboard.Free;
end.
