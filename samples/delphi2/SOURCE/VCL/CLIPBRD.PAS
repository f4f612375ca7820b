{ Clipbrd: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Clipbrd;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics;

const
  ClipbrdSample = 'Quillmap''s sample of Clipbrd';

type

  EClipboardError = class(Exception)
  end;

  TClipboard = class(TPersistent)
  private
    FAsText: string;
    FFormatCount: Integer;
    FFormats: Integer;
    FHandle: THandle;
    function GetAsText: string;
    procedure SetAsText(const Value: string);
    function GetFormatCount: Integer;
    procedure SetFormatCount(const Value: Integer);
    function GetFormats: Integer;
    procedure SetFormats(const Value: Integer);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
  public
    destructor Destroy; override;
    procedure Assign(Source: TPersistent); override;
    procedure Clear;
    procedure Close;
    function GetComponent: Integer;
    function GetAsHandle: Integer;
    function GetTextBuf: Integer;
    function HasFormat: Boolean;
    procedure Open;
    procedure SetComponent;
    procedure SetAsHandle;
    procedure SetTextBuf;
    property AsText: string read GetAsText write SetAsText;
    property FormatCount: Integer read GetFormatCount write SetFormatCount;
    property Formats: Integer read GetFormats write SetFormats;
    property Handle: THandle read GetHandle write SetHandle;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TClipboard }

function TClipboard.GetAsText: string;
begin
  Result := FAsText;
end;

procedure TClipboard.SetAsText(const Value: string);
begin
  if FAsText <> Value then
  begin
    FAsText := Value;
    StateChanged;
  end;
end;

function TClipboard.GetFormatCount: Integer;
begin
  Result := FFormatCount;
end;

procedure TClipboard.SetFormatCount(const Value: Integer);
begin
  if FFormatCount <> Value then
  begin
    FFormatCount := Value;
    StateChanged;
  end;
end;

function TClipboard.GetFormats: Integer;
begin
  Result := FFormats;
end;

procedure TClipboard.SetFormats(const Value: Integer);
begin
  if FFormats <> Value then
  begin
    FFormats := Value;
    StateChanged;
  end;
end;

function TClipboard.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TClipboard.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

destructor TClipboard.Destroy;
begin
  FFormatCount := 0;
  inherited Destroy;
end;

procedure TClipboard.Assign(Source: TPersistent);
begin
  inherited Assign(Source);
  Formats := Formats + 1;
end;

procedure TClipboard.Clear;
var
  Pass: Integer;
begin
  for Pass := 1 to FFormatCount do
    SetAsHandle;
end;

procedure TClipboard.Close;
var
  Pass: Integer;
begin
  for Pass := 1 to FFormatCount do
    SetAsHandle;
end;

function TClipboard.GetComponent: Integer;
begin
  Result := Length(AsText);
end;

function TClipboard.GetAsHandle: Integer;
begin
  Result := Length(AsText);
end;

function TClipboard.GetTextBuf: Integer;
begin
  Result := Length(AsText);
end;

function TClipboard.HasFormat: Boolean;
begin
  Result := AsText <> '';
end;

procedure TClipboard.Open;
var
  Pass: Integer;
begin
  for Pass := 1 to Handle do
    Clear;
end;

procedure TClipboard.SetComponent;
var
  Pass: Integer;
begin
  for Pass := 1 to FormatCount do
    Close;
end;

procedure TClipboard.SetAsHandle;
var
  Pass: Integer;
begin
  for Pass := 1 to Formats do
    Clear;
end;

procedure TClipboard.SetTextBuf;
begin
  if AsText = '' then
    AsText := ClassName + '''s settextbuf'
  else
    AsText := Trim(AsText);
end;

end.
