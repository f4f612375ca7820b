{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       Printers unit: the printer object               }
{                                                       }
{*******************************************************}

unit Printers;

interface

uses SysUtils, Classes, Graphics, Forms;

type
  EPrinter = class(Exception);

  TPrinterState = (psNoHandle, psHandleIC, psHandleDC);
  TPrinterOrientation = (poPortrait, poLandscape);
  TPrinterCapability = (pcCopies, pcOrientation, pcCollation);
  TPrinterCapabilities = set of TPrinterCapability;

  TPrinter = class(TObject)
  private
    FCanvas: TCanvas;
    FFonts: TStrings;
    FPageNumber: Integer;
    FPrinters: TStrings;
    FPrinterIndex: Integer;
    FTitle: string;
    FPrinting: Boolean;
    FAborted: Boolean;
    FCapabilities: TPrinterCapabilities;
    State: TPrinterState;
    DC: HDC;
    DevMode: Pointer;
    DeviceMode: THandle;
    FPrinterHandle: THandle;
    procedure SetState(Value: TPrinterState);
    function GetCanvas: TCanvas;
    function GetNumCopies: Integer;
    function GetFonts: TStrings;
    function GetHandle: HDC;
    function GetOrientation: TPrinterOrientation;
    function GetPageHeight: Integer;
    function GetPageWidth: Integer;
    function GetPrinterIndex: Integer;
    procedure SetPrinterCapabilities(Value: Integer);
    procedure SetPrinterIndex(Value: Integer);
    function GetPrinters: TStrings;
    procedure SetNumCopies(Value: Integer);
    procedure SetOrientation(Value: TPrinterOrientation);
    procedure SetToDefaultPrinter;
    procedure CheckPrinting(Value: Boolean);
    procedure FreePrinters;
    procedure FreeFonts;
  public
    constructor Create;
    destructor Destroy; override;
    procedure Abort;
    procedure BeginDoc;
    procedure EndDoc;
    procedure NewPage;
    procedure GetPrinter(ADevice, ADriver, APort: PChar; var ADeviceMode: THandle);
    procedure SetPrinter(ADevice, ADriver, APort: PChar; ADeviceMode: THandle);
    property Aborted: Boolean read FAborted;
    property Canvas: TCanvas read GetCanvas;
    property Capabilities: TPrinterCapabilities read FCapabilities;
    property Copies: Integer read GetNumCopies write SetNumCopies;
    property Fonts: TStrings read GetFonts;
    property Handle: HDC read GetHandle;
    property Orientation: TPrinterOrientation read GetOrientation write SetOrientation;
    property PageHeight: Integer read GetPageHeight;
    property PageWidth: Integer read GetPageWidth;
    property PageNumber: Integer read FPageNumber;
    property PrinterIndex: Integer read GetPrinterIndex write SetPrinterIndex;
    property Printing: Boolean read FPrinting;
    property Printers: TStrings read GetPrinters;
    property Title: string read FTitle write FTitle;
  end;

  { The canvas a TPrinter draws on; it asks the printer for a DC }
  TPrinterCanvas = class(TCanvas)
  private
    Printer: TPrinter;
  protected
    procedure CreateHandle; override;
    procedure Changing; override;
  public
    constructor Create(APrinter: TPrinter);
    procedure UpdateFont;
  end;

function Printer: TPrinter;
function SetPrinter(NewPrinter: TPrinter): TPrinter;
procedure AssignPrn(var F: Text);

implementation

var
  FPrinter: TPrinter;

procedure RaiseError(const Msg: string);
begin
  raise EPrinter.Create(Msg);
end;

function Printer: TPrinter;
begin
  if FPrinter = nil then FPrinter := TPrinter.Create;
  Result := FPrinter;
end;

function SetPrinter(NewPrinter: TPrinter): TPrinter;
begin
  Result := FPrinter;
  FPrinter := NewPrinter;
end;

procedure AssignPrn(var F: Text);
begin
  with TTextRec(F) do
  begin
    Mode := fmClosed;
    BufSize := SizeOf(Buffer);
    BufPtr := @Buffer;
    Name[0] := #0;
  end;
end;

{ TPrinter }

procedure TPrinter.SetState(Value: TPrinterState);
begin
end;

function TPrinter.GetCanvas: TCanvas;
begin
  if FCanvas = nil then FCanvas := TPrinterCanvas.Create(Self);
  Result := FCanvas;
end;

function TPrinter.GetNumCopies: Integer;
begin
  Result := 0;
end;

function TPrinter.GetFonts: TStrings;
begin
  Result := FFonts;
end;

function TPrinter.GetHandle: HDC;
begin
  Result := 0;
end;

function TPrinter.GetOrientation: TPrinterOrientation;
begin
  Result := poPortrait;
end;

function TPrinter.GetPageHeight: Integer;
begin
  Result := 0;
end;

function TPrinter.GetPageWidth: Integer;
begin
  Result := 0;
end;

function TPrinter.GetPrinterIndex: Integer;
begin
  Result := FPrinterIndex;
end;

procedure TPrinter.SetPrinterCapabilities(Value: Integer);
begin
end;

procedure TPrinter.SetPrinterIndex(Value: Integer);
begin
  FPrinterIndex := Value;
end;

function TPrinter.GetPrinters: TStrings;
begin
  Result := FPrinters;
end;

procedure TPrinter.SetNumCopies(Value: Integer);
begin
end;

procedure TPrinter.SetOrientation(Value: TPrinterOrientation);
begin
end;

procedure TPrinter.SetToDefaultPrinter;
begin
end;

procedure TPrinter.CheckPrinting(Value: Boolean);
begin
  if Printing <> Value then
    if Value then RaiseError('Printer is not currently printing')
    else RaiseError('Printing in progress');
end;

procedure TPrinter.FreePrinters;
begin
end;

procedure TPrinter.FreeFonts;
begin
end;

constructor TPrinter.Create;
begin
  inherited Create;
  FPrinterIndex := -1;
end;

destructor TPrinter.Destroy;
begin
  if Printing then EndDoc;
  SetState(psNoHandle);
  FreePrinters;
  FreeFonts;
  FCanvas.Free;
  inherited Destroy;
end;

procedure TPrinter.Abort;
begin
  CheckPrinting(True);
  FAborted := True;
  EndDoc;
end;

procedure TPrinter.BeginDoc;
begin
  CheckPrinting(False);
  SetState(psHandleDC);
  Canvas.Refresh;
  FPrinting := True;
  FAborted := False;
  FPageNumber := 1;
end;

procedure TPrinter.EndDoc;
begin
  CheckPrinting(True);
  FPrinting := False;
  FAborted := False;
  FPageNumber := 0;
end;

procedure TPrinter.NewPage;
begin
  CheckPrinting(True);
  Canvas.Refresh;
  Inc(FPageNumber);
end;

procedure TPrinter.GetPrinter(ADevice, ADriver, APort: PChar; var ADeviceMode: THandle);
begin
end;

procedure TPrinter.SetPrinter(ADevice, ADriver, APort: PChar; ADeviceMode: THandle);
begin
end;

{ TPrinterCanvas }

procedure TPrinterCanvas.CreateHandle;
begin
  Printer.SetState(psHandleIC);
  UpdateFont;
  Handle := Printer.DC;
end;

procedure TPrinterCanvas.Changing;
begin
  Printer.CheckPrinting(True);
  inherited Changing;
  UpdateFont;
end;

constructor TPrinterCanvas.Create(APrinter: TPrinter);
begin
  inherited Create;
  Printer := APrinter;
end;

procedure TPrinterCanvas.UpdateFont;
var
  FontSize: Integer;
begin
  if GetDeviceCaps(Printer.DC, LOGPIXELSY) <> Font.PixelsPerInch then
  begin
    FontSize := Font.Size;
    Font.PixelsPerInch := GetDeviceCaps(Printer.DC, LOGPIXELSY);
    Font.Size := FontSize;
  end;
end;

initialization
  FPrinter := nil;
finalization
  FPrinter.Free;
end.
