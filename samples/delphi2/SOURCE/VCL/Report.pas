{****************************************************************}
{                                                                }
{       Quillmap 2 sample class library                          }
{       Report unit: running reports through the report server   }
{                                                                }
{****************************************************************}

unit Report;

interface

uses SysUtils, Classes, Controls, Forms, DdeMan;

type
  TReportCommand = (rcOpen, rcRun, rcPrint, rcClose, rcRecalc, rcConnect);

  EReportError = class(Exception);

  TReport = class(TComponent)
  private
    FReportName: string;
    FReportDir: string;
    FPrintCopies: Word;
    FStartPage: Word;
    FEndPage: Word;
    FMaxRecords: Word;
    FRunTime: Boolean;
    FInitialValues: TStrings;
    FPreview: Boolean;
    FAutoUnload: Boolean;
    FVersionMajor: Integer;
    FVersionMinor: Integer;
    FCollate: Boolean;
    FDdeClient: TDdeClientConv;
    FReportHandle: HWND;
    function GetReportHandle: HWND;
    procedure SetInitialValues(Value: TStrings);
    function StartReportServer: Boolean;
    function UseDDE(const Command: string): Boolean;
  public
    constructor Create(AOwner: TComponent); override;
    destructor Destroy; override;
    function CloseApplication(ShowDialogs: Boolean): Boolean;
    function CloseReport(ShowDialogs: Boolean): Boolean;
    function Connect(ServerType: Word; const ServerName, UserName, Password,
      DatabaseName: string): Boolean;
    function Print: Boolean;
    function RecalcReport: Boolean;
    procedure Run;
    function RunMacro(const Macro: string): Boolean;
    function SetVariable(const Name, Value: string): Boolean;
    function SetVariableLines(const Name: string; Value: TStrings): Boolean;
    property ReportHandle: HWND read GetReportHandle;
    property Running: Boolean read FRunTime;
    property VersionMajor: Integer read FVersionMajor;
    property VersionMinor: Integer read FVersionMinor;
  published
    property ReportName: string read FReportName write FReportName;
    property ReportDir: string read FReportDir write FReportDir;
    property PrintCopies: Word read FPrintCopies write FPrintCopies default 1;
    property StartPage: Word read FStartPage write FStartPage default 1;
    property EndPage: Word read FEndPage write FEndPage default 9999;
    property MaxRecords: Word read FMaxRecords write FMaxRecords default 0;
    property AutoUnload: Boolean read FAutoUnload write FAutoUnload default False;
    property InitialValues: TStrings read FInitialValues write SetInitialValues;
    property Preview: Boolean read FPreview write FPreview default False;
    property Collate: Boolean read FCollate write FCollate default False;
  end;

implementation

const
  ServerName = 'RS_RUNTIME';
  TopicName = 'Command';

{ TReport }

function TReport.GetReportHandle: HWND;
begin
  Result := FReportHandle;
end;

procedure TReport.SetInitialValues(Value: TStrings);
begin
  FInitialValues.Assign(Value);
end;

function TReport.StartReportServer: Boolean;
begin
  if FDdeClient = nil then
  begin
    FDdeClient := TDdeClientConv.Create(Self);
    FDdeClient.ConnectMode := ddeManual;
  end;
  Result := FDdeClient.SetLink(ServerName, TopicName) and FDdeClient.OpenLink;
  FRunTime := Result;
end;

function TReport.UseDDE(const Command: string): Boolean;
begin
  Result := False;
  if not FRunTime and not StartReportServer then Exit;
  Result := FDdeClient.ExecuteMacro(PChar(Command), True);
end;

constructor TReport.Create(AOwner: TComponent);
begin
  inherited Create(AOwner);
  FInitialValues := TStringList.Create;
  FPrintCopies := 1;
  FStartPage := 1;
  FEndPage := 9999;
end;

destructor TReport.Destroy;
begin
  if FAutoUnload and FRunTime then CloseApplication(False);
  FInitialValues.Free;
  FDdeClient.Free;
  inherited Destroy;
end;

function TReport.CloseApplication(ShowDialogs: Boolean): Boolean;
begin
  Result := UseDDE(Format('CloseApp %d', [Ord(ShowDialogs)]));
  if Result then
  begin
    FDdeClient.CloseLink;
    FRunTime := False;
  end;
end;

function TReport.CloseReport(ShowDialogs: Boolean): Boolean;
begin
  Result := UseDDE(Format('CloseReport %d', [Ord(ShowDialogs)]));
end;

function TReport.Connect(ServerType: Word; const ServerName, UserName, Password,
  DatabaseName: string): Boolean;
begin
  Result := UseDDE(Format('Connect %d, "%s", "%s", "%s", "%s"',
    [ServerType, ServerName, UserName, Password, DatabaseName]));
end;

function TReport.Print: Boolean;
begin
  Result := UseDDE(Format('PrintReport %d, %d, %d, %d',
    [FStartPage, FEndPage, FPrintCopies, Ord(FCollate)]));
end;

function TReport.RecalcReport: Boolean;
begin
  Result := UseDDE('Recalc');
end;

procedure TReport.Run;
var
  Command: string;
  I: Integer;
begin
  if FReportName = '' then
    raise EReportError.Create('No report name has been given');
  Command := Format('LoadReport "%s%s", "@Report_Initialize"',
    [FReportDir, FReportName]);
  for I := 0 to FInitialValues.Count - 1 do
    Command := Command + ', "' + FInitialValues[I] + '"';
  if not UseDDE(Command) then
    raise EReportError.CreateFmt('Cannot run report ''%s''', [FReportName]);
  if not FPreview then Print;
end;

function TReport.RunMacro(const Macro: string): Boolean;
begin
  Result := UseDDE(Format('Run "%s"', [Macro]));
end;

function TReport.SetVariable(const Name, Value: string): Boolean;
begin
  Result := UseDDE(Format('SetVariable "%s", "%s"', [Name, Value]));
end;

function TReport.SetVariableLines(const Name: string; Value: TStrings): Boolean;
begin
  Result := SetVariable(Name, Value.CommaText);
end;

end.
