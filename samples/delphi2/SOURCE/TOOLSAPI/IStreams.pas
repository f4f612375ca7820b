{**********************************************************************}
{                                                                      }
{       Quillmap 2 sample class library                                }
{       IStreams unit: stream adapters for the open tools interfaces   }
{                                                                      }
{**********************************************************************}

unit IStreams;

interface

uses SysUtils, Classes, VirtIntf;

type
  { Wraps a TStream so it can be handed to the IDE as a TIStream }
  TIStreamAdapter = class(TIStream)
  private
    FStream: TStream;
    FOwned: Boolean;
    FModifyTime: Longint;
  public
    constructor Create(AStream: TStream; AOwned: Boolean);
    destructor Destroy; override;
    function Read(var Buffer; Count: Longint): Longint; override;
    function Write(const Buffer; Count: Longint): Longint; override;
    function Seek(Offset: Longint; Origin: Word): Longint; override;
    function GetModifyTime: Longint; override;
    procedure SetModifyTime(Time: Longint); override;
    procedure Flush; override;
    property Stream: TStream read FStream;
  end;

  TIMemoryStream = class(TIStreamAdapter)
  private
    function GetMemoryStream: TMemoryStream;
  public
    constructor Create(AStream: TMemoryStream; AOwned: Boolean);
    property MemoryStream: TMemoryStream read GetMemoryStream;
  end;

  TIFileStream = class(TIStreamAdapter)
  private
    function GetFileStream: TFileStream;
  public
    constructor Create(const FileName: string; Mode: Word);
    property FileStream: TFileStream read GetFileStream;
  end;

  { The reverse: presents a TIStream from the IDE as a TStream }
  TVirtualStream = class(TStream)
  private
    FIStream: TIStream;
  public
    constructor Create(AIStream: TIStream);
    destructor Destroy; override;
    function Read(var Buffer; Count: Longint): Longint; override;
    function Write(const Buffer; Count: Longint): Longint; override;
    function Seek(Offset: Longint; Origin: Word): Longint; override;
    function GetModifyTime: Longint;
    procedure SetModifyTime(Time: Longint);
  end;

implementation

{ TIStreamAdapter }

constructor TIStreamAdapter.Create(AStream: TStream; AOwned: Boolean);
begin
  inherited Create;
  FStream := AStream;
  FOwned := AOwned;
end;

destructor TIStreamAdapter.Destroy;
begin
  if FOwned then FStream.Free;
  inherited Destroy;
end;

function TIStreamAdapter.Read(var Buffer; Count: Longint): Longint;
begin
  try
    Result := FStream.Read(Buffer, Count);
  except
    Result := 0;
  end;
end;

function TIStreamAdapter.Write(const Buffer; Count: Longint): Longint;
begin
  try
    Result := FStream.Write(Buffer, Count);
  except
    Result := 0;
  end;
end;

function TIStreamAdapter.Seek(Offset: Longint; Origin: Word): Longint;
begin
  try
    Result := FStream.Seek(Offset, Origin);
  except
    Result := -1;
  end;
end;

function TIStreamAdapter.GetModifyTime: Longint;
begin
  Result := FModifyTime;
end;

procedure TIStreamAdapter.SetModifyTime(Time: Longint);
begin
  FModifyTime := Time;
end;

procedure TIStreamAdapter.Flush;
begin
  { TStream has no buffers of its own to flush }
end;

{ TIMemoryStream }

function TIMemoryStream.GetMemoryStream: TMemoryStream;
begin
  Result := TMemoryStream(Stream);
end;

constructor TIMemoryStream.Create(AStream: TMemoryStream; AOwned: Boolean);
begin
  if AStream = nil then
  begin
    AStream := TMemoryStream.Create;
    AOwned := True;
  end;
  inherited Create(AStream, AOwned);
end;

{ TIFileStream }

function TIFileStream.GetFileStream: TFileStream;
begin
  Result := TFileStream(Stream);
end;

constructor TIFileStream.Create(const FileName: string; Mode: Word);
begin
  inherited Create(TFileStream.Create(FileName, Mode), True);
  SetModifyTime(FileAge(FileName));
end;

{ TVirtualStream }

constructor TVirtualStream.Create(AIStream: TIStream);
begin
  inherited Create;
  FIStream := AIStream;
end;

destructor TVirtualStream.Destroy;
begin
  FIStream.Free;
  inherited Destroy;
end;

function TVirtualStream.Read(var Buffer; Count: Longint): Longint;
begin
  Result := FIStream.Read(Buffer, Count);
end;

function TVirtualStream.Write(const Buffer; Count: Longint): Longint;
begin
  Result := FIStream.Write(Buffer, Count);
end;

function TVirtualStream.Seek(Offset: Longint; Origin: Word): Longint;
begin
  Result := FIStream.Seek(Offset, Origin);
end;

function TVirtualStream.GetModifyTime: Longint;
begin
  Result := FIStream.GetModifyTime;
end;

procedure TVirtualStream.SetModifyTime(Time: Longint);
begin
  FIStream.SetModifyTime(Time);
end;

end.
