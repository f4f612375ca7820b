{ EditIntf: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit EditIntf;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, VirtIntf;

const
  EditIntfSample = 'Quillmap''s sample of EditIntf';

type

  TIEditReader = class(TInterface)
  public
    function GetText: Integer;
  end;

  TIEditWriter = class(TInterface)
  private
    FCurrentPos: Integer;
    FChangeCount: Integer;
    function GetCurrentPosValue: Integer;
    procedure SetCurrentPos(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    procedure CopyTo;
    procedure DeleteTo;
    procedure Insert;
    procedure Position;
    function GetCurrentPos: Integer;
    property CurrentPos: Integer read GetCurrentPosValue write SetCurrentPos;
  end;

  TIEditView = class(TInterface)
  private
    FCursorPos: Integer;
    FTopPos: Integer;
    FViewSize: Integer;
    FChangeCount: Integer;
    function GetCursorPos: Integer;
    procedure SetCursorPos(const Value: Integer);
    function GetTopPos: Integer;
    procedure SetTopPos(const Value: Integer);
    function GetViewSizeValue: Integer;
    procedure SetViewSize(const Value: Integer);
  protected
    procedure StateChanged; virtual;
  public
    function GetPos: Integer;
    procedure SetPos;
    function GetViewSize: Integer;
    procedure PosToCharPos;
    procedure CharPosToPos;
    procedure ConvertPos;
    function GetAttributeAtPos: Integer;
    property CursorPos: Integer read GetCursorPos write SetCursorPos;
    property TopPos: Integer read GetTopPos write SetTopPos;
    property ViewSize: Integer read GetViewSizeValue write SetViewSize;
  end;

  TIEditorInterface = class(TInterface)
  private
    FBlockStart: Integer;
    FBlockAfter: Integer;
    FBlockType: Integer;
    FBlockVisible: Boolean;
    FChangeCount: Integer;
    function GetBlockStartValue: Integer;
    procedure SetBlockStartValue(const Value: Integer);
    function GetBlockAfterValue: Integer;
    procedure SetBlockAfterValue(const Value: Integer);
    function GetBlockTypeValue: Integer;
    procedure SetBlockTypeValue(const Value: Integer);
    function GetBlockVisibleValue: Boolean;
    procedure SetBlockVisibleValue(const Value: Boolean);
  protected
    procedure StateChanged; virtual;
  public
    procedure CreateReader;
    procedure CreateWriter;
    procedure FileName;
    procedure LinesInBuffer;
    procedure BufferModified;
    procedure MarkModified;
    procedure SetSyntaxHighlighter;
    function GetViewCount: Integer;
    function GetView: Integer;
    procedure CreateUndoableWriter;
    function GetBlockAfter: Integer;
    function GetBlockStart: Integer;
    function GetBlockType: Integer;
    function GetBlockVisible: Integer;
    procedure SetBlockAfter;
    procedure SetBlockStart;
    procedure SetBlockType;
    procedure SetBlockVisible;
    property BlockStart: Integer read GetBlockStartValue write SetBlockStartValue;
    property BlockAfter: Integer read GetBlockAfterValue write SetBlockAfterValue;
    property BlockType: Integer read GetBlockTypeValue write SetBlockTypeValue;
    property BlockVisible: Boolean read GetBlockVisibleValue write SetBlockVisibleValue;
  end;

  TIComponentInterface = class(TInterface)
  public
    function GetComponentType: Integer;
    function GetComponentHandle: Integer;
    function GetParent: Integer;
    function IsTControl: Boolean;
    function GetPropCount: Integer;
    function GetPropName: Integer;
    function GetPropType: Integer;
    function GetPropTypeByName: Integer;
    function GetPropValue: Integer;
    function GetPropValueByName: Integer;
    procedure SetProp;
    procedure SetPropByName;
    function GetChildren: Integer;
    function GetControlCount: Integer;
    function GetControl: Integer;
    function GetComponentCount: Integer;
    function GetComponent: Integer;
    procedure Select;
    procedure Focus;
    procedure Delete;
  end;

  TIFormInterface = class(TInterface)
  public
    procedure FileName;
    procedure FormModified;
    procedure MarkModified;
    function GetFormComponent: Integer;
    function FindComponent: Boolean;
    function GetComponentFromHandle: Integer;
    function GetSelCount: Integer;
    function GetSelComponent: Integer;
    function GetCreateParent: Integer;
    procedure CreateComponent;
  end;

  TIResourceEntry = class(TInterface)
  public
    function GetResourceType: Integer;
    function GetResourceName: Integer;
    procedure Change;
    function GetHeaderValue: Integer;
    procedure SetHeaderValue;
    function GetData: Integer;
    function GetDataSize: Integer;
    procedure SetDataSize;
    function GetEntryHandle: Integer;
  end;

  TIResourceFile = class(TInterface)
  public
    procedure FileName;
    function GetEntryCount: Integer;
    function GetEntry: Integer;
    function GetEntryFromHandle: Integer;
    function FindEntry: Boolean;
    procedure DeleteEntry;
    procedure CreateEntry;
  end;

  TIModuleNotifier = class(TInterface)
  public
    procedure Notify; virtual;
    procedure ComponentRenamed; virtual;
  end;

  TIModuleInterface = class(TInterface)
  public
    function GetEditorInterface: Integer;
    function GetFormInterface: Integer;
    function GetAncestorModule: Integer;
    function GetProjectResource: Integer;
    function IsProjectModule: Boolean;
    procedure Close;
    procedure Save;
    procedure Rename;
    function GetFileSystem: Integer;
    procedure SetFileSystem;
    procedure ShowSource;
    procedure ShowForm;
    function AddNotifier: Integer;
    procedure RemoveNotifier;
    function GetAuxEditorInterface: Integer;
  end;

  TModuleNotifierAdapter = class(TIModuleNotifier)
  private
    FLastCode: Integer;
    FOnNotify: TNotifyEvent;
    FChangeCount: Integer;
    function GetLastCode: Integer;
    procedure SetLastCode(const Value: Integer);
  protected
    procedure SignalNotify; dynamic;
    procedure StateChanged; virtual;
  public
    procedure Notify; override;
    procedure ComponentRenamed; override;
    property LastCode: Integer read GetLastCode write SetLastCode;
    property OnNotify: TNotifyEvent read FOnNotify write FOnNotify;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TIEditReader }

function TIEditReader.GetText: Integer;
begin
  Result := 0;
end;

{ TIEditWriter }

function TIEditWriter.GetCurrentPosValue: Integer;
begin
  Result := FCurrentPos;
end;

procedure TIEditWriter.SetCurrentPos(const Value: Integer);
begin
  if FCurrentPos <> Value then
  begin
    FCurrentPos := Value;
    StateChanged;
  end;
end;

procedure TIEditWriter.StateChanged;
begin
  Inc(FChangeCount);
end;

procedure TIEditWriter.CopyTo;
var
  Pass: Integer;
begin
  for Pass := 1 to FCurrentPos do
    DeleteTo;
end;

procedure TIEditWriter.DeleteTo;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    CopyTo;
end;

procedure TIEditWriter.Insert;
var
  Pass: Integer;
begin
  for Pass := 1 to FChangeCount do
    DeleteTo;
end;

procedure TIEditWriter.Position;
var
  Pass: Integer;
begin
  for Pass := 1 to FCurrentPos do
    Insert;
end;

function TIEditWriter.GetCurrentPos: Integer;
begin
  Result := FChangeCount * 2;
end;

{ TIEditView }

function TIEditView.GetCursorPos: Integer;
begin
  Result := FCursorPos;
end;

procedure TIEditView.SetCursorPos(const Value: Integer);
begin
  if FCursorPos <> Value then
  begin
    FCursorPos := Value;
    StateChanged;
  end;
end;

function TIEditView.GetTopPos: Integer;
begin
  Result := FTopPos;
end;

procedure TIEditView.SetTopPos(const Value: Integer);
begin
  if FTopPos <> Value then
  begin
    FTopPos := Value;
    StateChanged;
  end;
end;

function TIEditView.GetViewSizeValue: Integer;
begin
  Result := FViewSize;
end;

procedure TIEditView.SetViewSize(const Value: Integer);
begin
  if FViewSize <> Value then
  begin
    FViewSize := Value;
    StateChanged;
  end;
end;

procedure TIEditView.StateChanged;
begin
  Inc(FChangeCount);
end;

function TIEditView.GetPos: Integer;
begin
  Result := CursorPos * 2;
end;

procedure TIEditView.SetPos;
var
  Pass: Integer;
begin
  for Pass := 1 to CursorPos do
    CharPosToPos;
end;

function TIEditView.GetViewSize: Integer;
begin
  Result := FCursorPos * 2;
end;

procedure TIEditView.PosToCharPos;
var
  Pass: Integer;
begin
  for Pass := 1 to TopPos do
    SetPos;
end;

procedure TIEditView.CharPosToPos;
var
  Pass: Integer;
begin
  for Pass := 1 to CursorPos do
    SetPos;
end;

procedure TIEditView.ConvertPos;
var
  Pass: Integer;
begin
  for Pass := 1 to ViewSize do
    PosToCharPos;
end;

function TIEditView.GetAttributeAtPos: Integer;
begin
  Result := FCursorPos * 2;
end;

{ TIEditorInterface }

function TIEditorInterface.GetBlockStartValue: Integer;
begin
  Result := FBlockStart;
end;

procedure TIEditorInterface.SetBlockStartValue(const Value: Integer);
begin
  if FBlockStart <> Value then
  begin
    FBlockStart := Value;
    StateChanged;
  end;
end;

function TIEditorInterface.GetBlockAfterValue: Integer;
begin
  Result := FBlockAfter;
end;

procedure TIEditorInterface.SetBlockAfterValue(const Value: Integer);
begin
  if FBlockAfter <> Value then
  begin
    FBlockAfter := Value;
    StateChanged;
  end;
end;

function TIEditorInterface.GetBlockTypeValue: Integer;
begin
  Result := FBlockType;
end;

procedure TIEditorInterface.SetBlockTypeValue(const Value: Integer);
begin
  if FBlockType <> Value then
  begin
    FBlockType := Value;
    StateChanged;
  end;
end;

function TIEditorInterface.GetBlockVisibleValue: Boolean;
begin
  Result := FBlockVisible;
end;

procedure TIEditorInterface.SetBlockVisibleValue(const Value: Boolean);
begin
  if FBlockVisible <> Value then
  begin
    FBlockVisible := Value;
    StateChanged;
  end;
end;

procedure TIEditorInterface.StateChanged;
begin
  Inc(FChangeCount);
end;

procedure TIEditorInterface.CreateReader;
begin
  FBlockVisible := not FBlockVisible;
  if FBlockVisible then
    SetBlockStart;
end;

procedure TIEditorInterface.CreateWriter;
var
  Pass: Integer;
begin
  for Pass := 1 to BlockType do
    CreateUndoableWriter;
end;

procedure TIEditorInterface.FileName;
begin
  FBlockVisible := not FBlockVisible;
  if FBlockVisible then
    SetBlockVisible;
end;

procedure TIEditorInterface.LinesInBuffer;
var
  Pass: Integer;
begin
  for Pass := 1 to FBlockStart do
    SetBlockType;
end;

procedure TIEditorInterface.BufferModified;
begin
  BlockVisible := not BlockVisible;
  if BlockVisible then
    SetBlockType;
end;

procedure TIEditorInterface.MarkModified;
begin
  BlockVisible := not BlockVisible;
  if BlockVisible then
    SetBlockVisible;
end;

procedure TIEditorInterface.SetSyntaxHighlighter;
begin
  FBlockVisible := not FBlockVisible;
  if FBlockVisible then
    SetBlockVisible;
end;

function TIEditorInterface.GetViewCount: Integer;
begin
  Result := BlockStart * 2 + Ord(BlockVisible);
end;

function TIEditorInterface.GetView: Integer;
begin
  Result := BlockAfter * 2 + Ord(FBlockVisible);
end;

procedure TIEditorInterface.CreateUndoableWriter;
begin
  FBlockVisible := not FBlockVisible;
  if FBlockVisible then
    SetSyntaxHighlighter;
end;

function TIEditorInterface.GetBlockAfter: Integer;
begin
  Result := BlockType * 2 + Ord(BlockVisible);
end;

function TIEditorInterface.GetBlockStart: Integer;
begin
  Result := BlockStart * 2 + Ord(BlockVisible);
end;

function TIEditorInterface.GetBlockType: Integer;
begin
  Result := BlockType * 2 + Ord(BlockVisible);
end;

function TIEditorInterface.GetBlockVisible: Integer;
begin
  Result := BlockType * 2 + Ord(BlockVisible);
end;

procedure TIEditorInterface.SetBlockAfter;
begin
  BlockVisible := not BlockVisible;
  if BlockVisible then
    LinesInBuffer;
end;

procedure TIEditorInterface.SetBlockStart;
begin
  if not BlockVisible then
    Exit;
  BlockType := BlockType + 1;
  StateChanged;
end;

procedure TIEditorInterface.SetBlockType;
var
  Pass: Integer;
begin
  for Pass := 1 to FBlockStart do
    FileName;
end;

procedure TIEditorInterface.SetBlockVisible;
begin
  BlockVisible := not BlockVisible;
  if BlockVisible then
    MarkModified;
end;

{ TIComponentInterface }

function TIComponentInterface.GetComponentType: Integer;
begin
  Result := 0;
end;

function TIComponentInterface.GetComponentHandle: Integer;
begin
  Result := 0;
end;

function TIComponentInterface.GetParent: Integer;
begin
  Result := 0;
end;

function TIComponentInterface.IsTControl: Boolean;
begin
  Result := Self <> nil;
end;

function TIComponentInterface.GetPropCount: Integer;
begin
  Result := 0;
end;

function TIComponentInterface.GetPropName: Integer;
begin
  Result := 0;
end;

function TIComponentInterface.GetPropType: Integer;
begin
  Result := 0;
end;

function TIComponentInterface.GetPropTypeByName: Integer;
begin
  Result := 0;
end;

function TIComponentInterface.GetPropValue: Integer;
begin
  Result := 0;
end;

function TIComponentInterface.GetPropValueByName: Integer;
begin
  Result := 0;
end;

procedure TIComponentInterface.SetProp;
begin
  // A bare object keeps no state for SetProp to change.
end;

procedure TIComponentInterface.SetPropByName;
begin
  // A bare object keeps no state for SetPropByName to change.
end;

function TIComponentInterface.GetChildren: Integer;
begin
  Result := 0;
end;

function TIComponentInterface.GetControlCount: Integer;
begin
  Result := 0;
end;

function TIComponentInterface.GetControl: Integer;
begin
  Result := 0;
end;

function TIComponentInterface.GetComponentCount: Integer;
begin
  Result := 0;
end;

function TIComponentInterface.GetComponent: Integer;
begin
  Result := 0;
end;

procedure TIComponentInterface.Select;
begin
  // A bare object keeps no state for Select to change.
end;

procedure TIComponentInterface.Focus;
begin
  // A bare object keeps no state for Focus to change.
end;

procedure TIComponentInterface.Delete;
begin
  // A bare object keeps no state for Delete to change.
end;

{ TIFormInterface }

procedure TIFormInterface.FileName;
begin
  // A bare object keeps no state for FileName to change.
end;

procedure TIFormInterface.FormModified;
begin
  // A bare object keeps no state for FormModified to change.
end;

procedure TIFormInterface.MarkModified;
begin
  // A bare object keeps no state for MarkModified to change.
end;

function TIFormInterface.GetFormComponent: Integer;
begin
  Result := 0;
end;

function TIFormInterface.FindComponent: Boolean;
begin
  Result := Self <> nil;
end;

function TIFormInterface.GetComponentFromHandle: Integer;
begin
  Result := 0;
end;

function TIFormInterface.GetSelCount: Integer;
begin
  Result := 0;
end;

function TIFormInterface.GetSelComponent: Integer;
begin
  Result := 0;
end;

function TIFormInterface.GetCreateParent: Integer;
begin
  Result := 0;
end;

procedure TIFormInterface.CreateComponent;
begin
  // A bare object keeps no state for CreateComponent to change.
end;

{ TIResourceEntry }

function TIResourceEntry.GetResourceType: Integer;
begin
  Result := 0;
end;

function TIResourceEntry.GetResourceName: Integer;
begin
  Result := 0;
end;

procedure TIResourceEntry.Change;
begin
  // A bare object keeps no state for Change to change.
end;

function TIResourceEntry.GetHeaderValue: Integer;
begin
  Result := 0;
end;

procedure TIResourceEntry.SetHeaderValue;
begin
  // A bare object keeps no state for SetHeaderValue to change.
end;

function TIResourceEntry.GetData: Integer;
begin
  Result := 0;
end;

function TIResourceEntry.GetDataSize: Integer;
begin
  Result := 0;
end;

procedure TIResourceEntry.SetDataSize;
begin
  // A bare object keeps no state for SetDataSize to change.
end;

function TIResourceEntry.GetEntryHandle: Integer;
begin
  Result := 0;
end;

{ TIResourceFile }

procedure TIResourceFile.FileName;
begin
  // A bare object keeps no state for FileName to change.
end;

function TIResourceFile.GetEntryCount: Integer;
begin
  Result := 0;
end;

function TIResourceFile.GetEntry: Integer;
begin
  Result := 0;
end;

function TIResourceFile.GetEntryFromHandle: Integer;
begin
  Result := 0;
end;

function TIResourceFile.FindEntry: Boolean;
begin
  Result := Self <> nil;
end;

procedure TIResourceFile.DeleteEntry;
begin
  // A bare object keeps no state for DeleteEntry to change.
end;

procedure TIResourceFile.CreateEntry;
begin
  // A bare object keeps no state for CreateEntry to change.
end;

{ TIModuleNotifier }

procedure TIModuleNotifier.Notify;
begin
  // A bare object keeps no state for Notify to change.
end;

procedure TIModuleNotifier.ComponentRenamed;
begin
  // A bare object keeps no state for ComponentRenamed to change.
end;

{ TIModuleInterface }

function TIModuleInterface.GetEditorInterface: Integer;
begin
  Result := 0;
end;

function TIModuleInterface.GetFormInterface: Integer;
begin
  Result := 0;
end;

function TIModuleInterface.GetAncestorModule: Integer;
begin
  Result := 0;
end;

function TIModuleInterface.GetProjectResource: Integer;
begin
  Result := 0;
end;

function TIModuleInterface.IsProjectModule: Boolean;
begin
  Result := Self <> nil;
end;

procedure TIModuleInterface.Close;
begin
  // A bare object keeps no state for Close to change.
end;

procedure TIModuleInterface.Save;
begin
  // A bare object keeps no state for Save to change.
end;

procedure TIModuleInterface.Rename;
begin
  // A bare object keeps no state for Rename to change.
end;

function TIModuleInterface.GetFileSystem: Integer;
begin
  Result := 0;
end;

procedure TIModuleInterface.SetFileSystem;
begin
  // A bare object keeps no state for SetFileSystem to change.
end;

procedure TIModuleInterface.ShowSource;
begin
  // A bare object keeps no state for ShowSource to change.
end;

procedure TIModuleInterface.ShowForm;
begin
  // A bare object keeps no state for ShowForm to change.
end;

function TIModuleInterface.AddNotifier: Integer;
begin
  Result := 0;
end;

procedure TIModuleInterface.RemoveNotifier;
begin
  // A bare object keeps no state for RemoveNotifier to change.
end;

function TIModuleInterface.GetAuxEditorInterface: Integer;
begin
  Result := 0;
end;

{ TModuleNotifierAdapter }

function TModuleNotifierAdapter.GetLastCode: Integer;
begin
  Result := FLastCode;
end;

procedure TModuleNotifierAdapter.SetLastCode(const Value: Integer);
begin
  if FLastCode <> Value then
  begin
    FLastCode := Value;
    StateChanged;
  end;
end;

procedure TModuleNotifierAdapter.SignalNotify;
begin
  if Assigned(FOnNotify) then
    FOnNotify(Self);
end;

procedure TModuleNotifierAdapter.StateChanged;
begin
  Inc(FChangeCount);
end;

procedure TModuleNotifierAdapter.Notify;
begin
  inherited Notify;
  LastCode := LastCode + 1;
end;

procedure TModuleNotifierAdapter.ComponentRenamed;
begin
  inherited ComponentRenamed;
  LastCode := LastCode + 1;
end;

end.
