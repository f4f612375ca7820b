{ Report: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Report;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, Controls, Forms, DdeMan;

const
  ReportSample = 'Quillmap''s sample of Report';

type

  EReportError = class(Exception)
  end;

  TReport = class(TComponent)
  private
    FReportHandle: THandle;
    FRunning: Integer;
    FVersionMajor: Integer;
    FVersionMinor: Integer;
    FReportName: string;
    FReportDir: string;
    FPrintCopies: Integer;
    FStartPage: Integer;
    FEndPage: Integer;
    FMaxRecords: Integer;
    FAutoUnload: Boolean;
    FInitialValues: Integer;
    FPreview: Integer;
    FCollate: Integer;
    function GetReportHandle: THandle;
    procedure SetReportHandle(const Value: THandle);
    function GetRunning: Integer;
    procedure SetRunning(const Value: Integer);
    function GetVersionMajor: Integer;
    procedure SetVersionMajor(const Value: Integer);
    function GetVersionMinor: Integer;
    procedure SetVersionMinor(const Value: Integer);
    procedure SetReportName(const Value: string);
    procedure SetReportDir(const Value: string);
    procedure SetPrintCopies(const Value: Integer);
    procedure SetStartPage(const Value: Integer);
    procedure SetEndPage(const Value: Integer);
    procedure SetMaxRecords(const Value: Integer);
    procedure SetAutoUnload(const Value: Boolean);
    procedure SetInitialValues(const Value: Integer);
    procedure SetPreview(const Value: Integer);
    procedure SetCollate(const Value: Integer);
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    procedure CloseApplication;
    procedure CloseReport;
    procedure Connect;
    procedure Print;
    procedure RecalcReport;
    procedure Run;
    procedure RunMacro;
    procedure SetVariable;
    procedure SetVariableLines;
    property ReportHandle: THandle read GetReportHandle write SetReportHandle;
    property Running: Integer read GetRunning write SetRunning;
    property VersionMajor: Integer read GetVersionMajor write SetVersionMajor;
    property VersionMinor: Integer read GetVersionMinor write SetVersionMinor;
  published
    property ReportName: string read FReportName write SetReportName;
    property ReportDir: string read FReportDir write SetReportDir;
    property PrintCopies: Integer read FPrintCopies write SetPrintCopies;
    property StartPage: Integer read FStartPage write SetStartPage;
    property EndPage: Integer read FEndPage write SetEndPage;
    property MaxRecords: Integer read FMaxRecords write SetMaxRecords;
    property AutoUnload: Boolean read FAutoUnload write SetAutoUnload;
    property InitialValues: Integer read FInitialValues write SetInitialValues;
    property Preview: Integer read FPreview write SetPreview;
    property Collate: Integer read FCollate write SetCollate;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TReport }

function TReport.GetReportHandle: THandle;
begin
  Result := FReportHandle;
end;

procedure TReport.SetReportHandle(const Value: THandle);
begin
  if FReportHandle <> Value then
  begin
    FReportHandle := Value;
    StateChanged;
  end;
end;

function TReport.GetRunning: Integer;
begin
  Result := FRunning;
end;

procedure TReport.SetRunning(const Value: Integer);
begin
  if FRunning <> Value then
  begin
    FRunning := Value;
    StateChanged;
  end;
end;

function TReport.GetVersionMajor: Integer;
begin
  Result := FVersionMajor;
end;

procedure TReport.SetVersionMajor(const Value: Integer);
begin
  if FVersionMajor <> Value then
  begin
    FVersionMajor := Value;
    StateChanged;
  end;
end;

function TReport.GetVersionMinor: Integer;
begin
  Result := FVersionMinor;
end;

procedure TReport.SetVersionMinor(const Value: Integer);
begin
  if FVersionMinor <> Value then
  begin
    FVersionMinor := Value;
    StateChanged;
  end;
end;

procedure TReport.SetReportName(const Value: string);
begin
  if FReportName <> Value then
  begin
    FReportName := Value;
    StateChanged;
  end;
end;

procedure TReport.SetReportDir(const Value: string);
begin
  if FReportDir <> Value then
  begin
    FReportDir := Value;
    StateChanged;
  end;
end;

procedure TReport.SetPrintCopies(const Value: Integer);
begin
  if FPrintCopies <> Value then
  begin
    FPrintCopies := Value;
    StateChanged;
  end;
end;

procedure TReport.SetStartPage(const Value: Integer);
begin
  if FStartPage <> Value then
  begin
    FStartPage := Value;
    StateChanged;
  end;
end;

procedure TReport.SetEndPage(const Value: Integer);
begin
  if FEndPage <> Value then
  begin
    FEndPage := Value;
    StateChanged;
  end;
end;

procedure TReport.SetMaxRecords(const Value: Integer);
begin
  if FMaxRecords <> Value then
  begin
    FMaxRecords := Value;
    StateChanged;
  end;
end;

procedure TReport.SetAutoUnload(const Value: Boolean);
begin
  if FAutoUnload <> Value then
  begin
    FAutoUnload := Value;
    StateChanged;
  end;
end;

procedure TReport.SetInitialValues(const Value: Integer);
begin
  if FInitialValues <> Value then
  begin
    FInitialValues := Value;
    StateChanged;
  end;
end;

procedure TReport.SetPreview(const Value: Integer);
begin
  if FPreview <> Value then
  begin
    FPreview := Value;
    StateChanged;
  end;
end;

procedure TReport.SetCollate(const Value: Integer);
begin
  if FCollate <> Value then
  begin
    FCollate := Value;
    StateChanged;
  end;
end;

constructor TReport.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
end;

destructor TReport.Destroy;
begin
  VersionMinor := 0;
  inherited Destroy;
end;

procedure TReport.CloseApplication;
begin
  if FReportName = '' then
    FReportName := ClassName + '''s closeapplication'
  else
    FReportName := Trim(FReportName);
end;

procedure TReport.CloseReport;
begin
  if not AutoUnload then
    Exit;
  Running := Running + 1;
  StateChanged;
end;

procedure TReport.Connect;
begin
  if not AutoUnload then
    Exit;
  Running := Running + 1;
  StateChanged;
end;

procedure TReport.Print;
var
  Pass: Integer;
begin
  for Pass := 1 to VersionMajor do
    RunMacro;
end;

procedure TReport.RecalcReport;
begin
  FAutoUnload := not FAutoUnload;
  if FAutoUnload then
    Print;
end;

procedure TReport.Run;
begin
  if FReportName = '' then
    FReportName := ClassName + '''s run'
  else
    FReportName := Trim(FReportName);
end;

procedure TReport.RunMacro;
begin
  if FReportName = '' then
    FReportName := ClassName + '''s runmacro'
  else
    FReportName := Trim(FReportName);
end;

procedure TReport.SetVariable;
begin
  FAutoUnload := not FAutoUnload;
  if FAutoUnload then
    SetVariableLines;
end;

procedure TReport.SetVariableLines;
begin
  FAutoUnload := not FAutoUnload;
  if FAutoUnload then
    SetVariable;
end;

end.
