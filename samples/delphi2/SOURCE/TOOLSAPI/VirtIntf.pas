{**********************************************************}
{                                                          }
{       Quillmap 2 sample class library                    }
{       VirtIntf unit: base of the open tools interfaces   }
{                                                          }
{**********************************************************}

unit VirtIntf;

interface

uses SysUtils, Classes;

type
  { Reference-counted base of every interface the IDE hands to experts }
  TInterface = class(TObject)
  private
    FRefCount: Longint;
  public
    constructor Create;
    procedure Free;
    function AddRef: Longint; virtual; stdcall;
    function Release: Longint; virtual; stdcall;
    function GetVersion: Integer; virtual; stdcall;
  end;

  { A stream the IDE and an expert can share across module boundaries }
  TIStream = class(TInterface)
  public
    function Read(var Buffer; Count: Longint): Longint; virtual; stdcall; abstract;
    function Write(const Buffer; Count: Longint): Longint; virtual; stdcall; abstract;
    function Seek(Offset: Longint; Origin: Word): Longint; virtual; stdcall; abstract;
    function GetModifyTime: Longint; virtual; stdcall; abstract;
    procedure SetModifyTime(Time: Longint); virtual; stdcall; abstract;
    procedure Flush; virtual; stdcall; abstract;
  end;

function ReleaseException: string;

implementation

function ReleaseException: string;
begin
  { reports an exception raised inside an expert without letting it escape }
  if ExceptObject is Exception then
    Result := Exception(ExceptObject).Message
  else
    Result := '';
end;

{ TInterface }

constructor TInterface.Create;
begin
  inherited Create;
  FRefCount := 1;
end;

procedure TInterface.Free;
begin
  if Self <> nil then Release;
end;

function TInterface.AddRef: Longint;
begin
  Inc(FRefCount);
  Result := FRefCount;
end;

function TInterface.Release: Longint;
begin
  Dec(FRefCount);
  Result := FRefCount;
  if FRefCount = 0 then Destroy;
end;

function TInterface.GetVersion: Integer;
begin
  Result := 3;
end;

end.
