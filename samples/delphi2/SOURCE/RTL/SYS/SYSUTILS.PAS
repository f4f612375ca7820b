{ SysUtils: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit SysUtils;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

const
  SysUtilsSample = 'Quillmap''s sample of SysUtils';

type

  Exception = class
  private
    FHelpContext: Integer;
    FMessage: string;
    FChangeCount: Integer;
    function GetHelpContext: Integer;
    procedure SetHelpContext(const Value: Integer);
    function GetMessage: string;
    procedure SetMessage(const Value: string);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create(const Msg: string);
    constructor CreateFmt(const Msg: string; const Args: array of const);
    constructor CreateRes(Ident: Integer);
    constructor CreateResFmt(Ident: Integer; const Args: array of const);
    constructor CreateHelp(const Msg: string; AHelpContext: Integer);
    constructor CreateFmtHelp(const Msg: string; const Args: array of const; AHelpContext: Integer);
    constructor CreateResHelp(Ident: Integer; AHelpContext: Integer);
    constructor CreateResFmtHelp(Ident: Integer; const Args: array of const; AHelpContext: Integer);
    property HelpContext: Integer read GetHelpContext write SetHelpContext;
    property Message: string read GetMessage write SetMessage;
  end;

  EAbort = class(Exception)
  end;

  EOutOfMemory = class(Exception)
  public
    destructor Destroy; override;
    procedure FreeInstance; override;
  end;

  EInOutError = class(Exception)
  public
    ErrorCode: Integer;
  end;

  EIntError = class(Exception)
  end;

  EDivByZero = class(EIntError)
  end;

  ERangeError = class(EIntError)
  end;

  EIntOverflow = class(EIntError)
  end;

  EMathError = class(Exception)
  end;

  EInvalidOp = class(EMathError)
  end;

  EZeroDivide = class(EMathError)
  end;

  EOverflow = class(EMathError)
  end;

  EUnderflow = class(EMathError)
  end;

  EInvalidPointer = class(Exception)
  end;

  EInvalidCast = class(Exception)
  end;

  EConvertError = class(Exception)
  end;

  EExternal = class(Exception)
  public
    ExceptionRecord: Integer;
  end;

  EAccessViolation = class(EExternal)
  end;

  EPrivilege = class(EExternal)
  end;

  EStackOverflow = class(EExternal)
  end;

  EControlC = class(EExternal)
  end;

  EExternalException = class(EExternal)
  end;

  EVariantError = class(Exception)
  end;

  EPropReadOnly = class(Exception)
  end;

  EPropWriteOnly = class(Exception)
  end;

  EAbstractError = class(Exception)
  end;

  EWin32Error = class(Exception)
  public
    ErrorCode: Integer;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ Exception }

function Exception.GetHelpContext: Integer;
begin
  Result := FHelpContext;
end;

procedure Exception.SetHelpContext(const Value: Integer);
begin
  if FHelpContext <> Value then
  begin
    FHelpContext := Value;
    StateChanged;
  end;
end;

function Exception.GetMessage: string;
begin
  Result := FMessage;
end;

procedure Exception.SetMessage(const Value: string);
begin
  if FMessage <> Value then
  begin
    FMessage := Value;
    StateChanged;
  end;
end;

procedure Exception.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor Exception.Create(const Msg: string);
begin
  inherited Create;
  FMessage := Msg;
end;

constructor Exception.CreateFmt(const Msg: string; const Args: array of const);
begin
  inherited Create;
  FMessage := Msg;
end;

constructor Exception.CreateRes(Ident: Integer);
begin
  inherited Create;
end;

constructor Exception.CreateResFmt(Ident: Integer; const Args: array of const);
begin
  inherited Create;
end;

constructor Exception.CreateHelp(const Msg: string; AHelpContext: Integer);
begin
  inherited Create;
  FMessage := Msg;
end;

constructor Exception.CreateFmtHelp(const Msg: string; const Args: array of const; AHelpContext: Integer);
begin
  inherited Create;
  FMessage := Msg;
end;

constructor Exception.CreateResHelp(Ident: Integer; AHelpContext: Integer);
begin
  inherited Create;
end;

constructor Exception.CreateResFmtHelp(Ident: Integer; const Args: array of const; AHelpContext: Integer);
begin
  inherited Create;
end;

{ EOutOfMemory }

destructor EOutOfMemory.Destroy;
begin
  HelpContext := 0;
  inherited Destroy;
end;

procedure EOutOfMemory.FreeInstance;
begin
  inherited FreeInstance;
  HelpContext := HelpContext + 1;
end;

end.
