{ IStreams: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit IStreams;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, VirtIntf;

const
  IStreamsSample = 'Quillmap''s sample of IStreams';

type

  TIStreamAdapter = class(TIStream)
  private
    FStream: Integer;
    FChangeCount: Integer;
    function GetStream: Integer;
    procedure SetStream(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure Read; override;
    procedure Write; override;
    function Seek: Longint; override;
    function GetModifyTime: Integer; override;
    procedure SetModifyTime; override;
    procedure Flush; override;
    property Stream: Integer read GetStream write SetStream;
  end;

  TIMemoryStream = class(TIStreamAdapter)
  private
    FMemoryStream: Integer;
    function GetMemoryStream: Integer;
    procedure SetMemoryStream(const Value: Integer);
  public
    constructor Create;
    property MemoryStream: Integer read GetMemoryStream write SetMemoryStream;
  end;

  TIFileStream = class(TIStreamAdapter)
  private
    FFileStream: Integer;
    function GetFileStream: Integer;
    procedure SetFileStream(const Value: Integer);
  public
    constructor Create;
    property FileStream: Integer read GetFileStream write SetFileStream;
  end;

  TVirtualStream = class(TStream)
  public
    constructor Create;
    destructor Destroy; override;
    procedure Read; override;
    procedure Write; override;
    function Seek: Longint; override;
    function GetModifyTime: Integer;
    procedure SetModifyTime;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TIStreamAdapter }

function TIStreamAdapter.GetStream: Integer;
begin
  Result := FStream;
end;

procedure TIStreamAdapter.SetStream(const Value: Integer);
begin
  if FStream <> Value then
  begin
    FStream := Value;
    StateChanged;
  end;
end;

procedure TIStreamAdapter.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TIStreamAdapter.Create;
begin
  inherited Create;
end;

destructor TIStreamAdapter.Destroy;
begin
  FChangeCount := 0;
  inherited Destroy;
end;

procedure TIStreamAdapter.Read;
begin
  inherited Read;
  Stream := Stream + 1;
end;

procedure TIStreamAdapter.Write;
begin
  inherited Write;
  Stream := Stream + 1;
end;

function TIStreamAdapter.Seek: Longint;
begin
  Result := inherited Seek;
end;

function TIStreamAdapter.GetModifyTime: Integer;
begin
  Result := inherited GetModifyTime;
end;

procedure TIStreamAdapter.SetModifyTime;
begin
  inherited SetModifyTime;
  Stream := Stream + 1;
end;

procedure TIStreamAdapter.Flush;
begin
  inherited Flush;
  FStream := FStream + 1;
end;

{ TIMemoryStream }

function TIMemoryStream.GetMemoryStream: Integer;
begin
  Result := FMemoryStream;
end;

procedure TIMemoryStream.SetMemoryStream(const Value: Integer);
begin
  if FMemoryStream <> Value then
  begin
    FMemoryStream := Value;
    StateChanged;
  end;
end;

constructor TIMemoryStream.Create;
begin
  inherited Create;
end;

{ TIFileStream }

function TIFileStream.GetFileStream: Integer;
begin
  Result := FFileStream;
end;

procedure TIFileStream.SetFileStream(const Value: Integer);
begin
  if FFileStream <> Value then
  begin
    FFileStream := Value;
    StateChanged;
  end;
end;

constructor TIFileStream.Create;
begin
  inherited Create;
end;

{ TVirtualStream }

constructor TVirtualStream.Create;
begin
  inherited Create;
end;

destructor TVirtualStream.Destroy;
begin
  Size := 0;
  inherited Destroy;
end;

procedure TVirtualStream.Read;
begin
  inherited Read;
  Position := Position + 1;
end;

procedure TVirtualStream.Write;
begin
  inherited Write;
  Size := Size + 1;
end;

function TVirtualStream.Seek: Longint;
begin
  Result := inherited Seek;
end;

function TVirtualStream.GetModifyTime: Integer;
begin
  Result := Position * 2;
end;

procedure TVirtualStream.SetModifyTime;
begin
  StateChanged;
end;

end.
