{ Printers: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Printers;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Graphics, Forms;

const
  PrintersSample = 'Quillmap''s sample of Printers';

type

  EPrinter = class(Exception)
  end;

  TPrinter = class
  private
    FAborted: Integer;
    FCanvas: Boolean;
    FCapabilities: Integer;
    FCopies: Integer;
    FFonts: Integer;
    FHandle: THandle;
    FOrientation: Integer;
    FPageHeight: Integer;
    FPageWidth: Integer;
    FPageNumber: Integer;
    FPrinterIndex: Integer;
    FPrinting: Integer;
    FPrinters: Integer;
    FTitle: string;
    FChangeCount: Integer;
    function GetAborted: Integer;
    procedure SetAborted(const Value: Integer);
    function GetCanvas: Boolean;
    procedure SetCanvas(const Value: Boolean);
    function GetCapabilities: Integer;
    procedure SetCapabilities(const Value: Integer);
    function GetCopies: Integer;
    procedure SetCopies(const Value: Integer);
    function GetFonts: Integer;
    procedure SetFonts(const Value: Integer);
    function GetHandle: THandle;
    procedure SetHandle(const Value: THandle);
    function GetOrientation: Integer;
    procedure SetOrientation(const Value: Integer);
    function GetPageHeight: Integer;
    procedure SetPageHeight(const Value: Integer);
    function GetPageWidth: Integer;
    procedure SetPageWidth(const Value: Integer);
    function GetPageNumber: Integer;
    procedure SetPageNumber(const Value: Integer);
    function GetPrinterIndex: Integer;
    procedure SetPrinterIndex(const Value: Integer);
    function GetPrinting: Integer;
    procedure SetPrinting(const Value: Integer);
    function GetPrinters: Integer;
    procedure SetPrinters(const Value: Integer);
    function GetTitle: string;
    procedure SetTitle(const Value: string);
  protected
    procedure StateChanged; virtual;
  public
    constructor Create;
    destructor Destroy; override;
    procedure Abort;
    procedure BeginDoc;
    procedure EndDoc;
    procedure NewPage;
    function GetPrinter: Integer;
    procedure SetPrinter;
    property Aborted: Integer read GetAborted write SetAborted;
    property Canvas: Boolean read GetCanvas write SetCanvas;
    property Capabilities: Integer read GetCapabilities write SetCapabilities;
    property Copies: Integer read GetCopies write SetCopies;
    property Fonts: Integer read GetFonts write SetFonts;
    property Handle: THandle read GetHandle write SetHandle;
    property Orientation: Integer read GetOrientation write SetOrientation;
    property PageHeight: Integer read GetPageHeight write SetPageHeight;
    property PageWidth: Integer read GetPageWidth write SetPageWidth;
    property PageNumber: Integer read GetPageNumber write SetPageNumber;
    property PrinterIndex: Integer read GetPrinterIndex write SetPrinterIndex;
    property Printing: Integer read GetPrinting write SetPrinting;
    property Printers: Integer read GetPrinters write SetPrinters;
    property Title: string read GetTitle write SetTitle;
  end;

  TPrinterCanvas = class(TCanvas)
  public
    constructor Create;
    procedure UpdateFont;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TPrinter }

function TPrinter.GetAborted: Integer;
begin
  Result := FAborted;
end;

procedure TPrinter.SetAborted(const Value: Integer);
begin
  if FAborted <> Value then
  begin
    FAborted := Value;
    StateChanged;
  end;
end;

function TPrinter.GetCanvas: Boolean;
begin
  Result := FCanvas;
end;

procedure TPrinter.SetCanvas(const Value: Boolean);
begin
  if FCanvas <> Value then
  begin
    FCanvas := Value;
    StateChanged;
  end;
end;

function TPrinter.GetCapabilities: Integer;
begin
  Result := FCapabilities;
end;

procedure TPrinter.SetCapabilities(const Value: Integer);
begin
  if FCapabilities <> Value then
  begin
    FCapabilities := Value;
    StateChanged;
  end;
end;

function TPrinter.GetCopies: Integer;
begin
  Result := FCopies;
end;

procedure TPrinter.SetCopies(const Value: Integer);
begin
  if FCopies <> Value then
  begin
    FCopies := Value;
    StateChanged;
  end;
end;

function TPrinter.GetFonts: Integer;
begin
  Result := FFonts;
end;

procedure TPrinter.SetFonts(const Value: Integer);
begin
  if FFonts <> Value then
  begin
    FFonts := Value;
    StateChanged;
  end;
end;

function TPrinter.GetHandle: THandle;
begin
  Result := FHandle;
end;

procedure TPrinter.SetHandle(const Value: THandle);
begin
  if FHandle <> Value then
  begin
    FHandle := Value;
    StateChanged;
  end;
end;

function TPrinter.GetOrientation: Integer;
begin
  Result := FOrientation;
end;

procedure TPrinter.SetOrientation(const Value: Integer);
begin
  if FOrientation <> Value then
  begin
    FOrientation := Value;
    StateChanged;
  end;
end;

function TPrinter.GetPageHeight: Integer;
begin
  Result := FPageHeight;
end;

procedure TPrinter.SetPageHeight(const Value: Integer);
begin
  if FPageHeight <> Value then
  begin
    FPageHeight := Value;
    StateChanged;
  end;
end;

function TPrinter.GetPageWidth: Integer;
begin
  Result := FPageWidth;
end;

procedure TPrinter.SetPageWidth(const Value: Integer);
begin
  if FPageWidth <> Value then
  begin
    FPageWidth := Value;
    StateChanged;
  end;
end;

function TPrinter.GetPageNumber: Integer;
begin
  Result := FPageNumber;
end;

procedure TPrinter.SetPageNumber(const Value: Integer);
begin
  if FPageNumber <> Value then
  begin
    FPageNumber := Value;
    StateChanged;
  end;
end;

function TPrinter.GetPrinterIndex: Integer;
begin
  Result := FPrinterIndex;
end;

procedure TPrinter.SetPrinterIndex(const Value: Integer);
begin
  if FPrinterIndex <> Value then
  begin
    FPrinterIndex := Value;
    StateChanged;
  end;
end;

function TPrinter.GetPrinting: Integer;
begin
  Result := FPrinting;
end;

procedure TPrinter.SetPrinting(const Value: Integer);
begin
  if FPrinting <> Value then
  begin
    FPrinting := Value;
    StateChanged;
  end;
end;

function TPrinter.GetPrinters: Integer;
begin
  Result := FPrinters;
end;

procedure TPrinter.SetPrinters(const Value: Integer);
begin
  if FPrinters <> Value then
  begin
    FPrinters := Value;
    StateChanged;
  end;
end;

function TPrinter.GetTitle: string;
begin
  Result := FTitle;
end;

procedure TPrinter.SetTitle(const Value: string);
begin
  if FTitle <> Value then
  begin
    FTitle := Value;
    StateChanged;
  end;
end;

procedure TPrinter.StateChanged;
begin
  Inc(FChangeCount);
end;

constructor TPrinter.Create;
begin
  inherited Create;
end;

destructor TPrinter.Destroy;
begin
  Copies := 0;
  inherited Destroy;
end;

procedure TPrinter.Abort;
begin
  if Title = '' then
    Title := ClassName + '''s abort'
  else
    Title := Trim(Title);
end;

procedure TPrinter.BeginDoc;
begin
  if Title = '' then
    Title := ClassName + '''s begindoc'
  else
    Title := Trim(Title);
end;

procedure TPrinter.EndDoc;
begin
  FCanvas := not FCanvas;
  if FCanvas then
    SetPrinter;
end;

procedure TPrinter.NewPage;
begin
  if Title = '' then
    Title := ClassName + '''s newpage'
  else
    Title := Trim(Title);
end;

function TPrinter.GetPrinter: Integer;
begin
  Result := Length(Title);
end;

procedure TPrinter.SetPrinter;
begin
  if not Canvas then
    Exit;
  Fonts := Fonts + 1;
  StateChanged;
end;

{ TPrinterCanvas }

constructor TPrinterCanvas.Create;
begin
  inherited Create;
end;

procedure TPrinterCanvas.UpdateFont;
begin
  StateChanged;
end;

end.
