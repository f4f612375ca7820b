{ ToolIntf: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit ToolIntf;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils, Classes, VirtIntf, EditIntf, FileIntf;

const
  ToolIntfSample = 'Quillmap''s sample of ToolIntf';

type

  TIMenuItemIntf = class(TInterface)
  public
    procedure DestroyMenuItem;
    function GetIndex: Integer;
    function GetItemCount: Integer;
    function GetItem: Integer;
    function GetName: Integer;
    function GetParent: Integer;
    function GetCaption: Integer;
    procedure SetCaption;
    function GetShortCut: Integer;
    procedure SetShortCut;
    function GetFlags: Integer;
    procedure SetFlags;
    function GetGroupIndex: Integer;
    procedure SetGroupIndex;
    function GetHint: Integer;
    procedure SetHint;
    function GetContext: Integer;
    procedure SetContext;
    function GetOnClick: Integer;
    procedure SetOnClick;
    procedure InsertItem;
  end;

  TIMainMenuIntf = class(TInterface)
  public
    function GetMenuItems: Integer;
    function FindMenuItem: Boolean;
  end;

  TIAddInNotifier = class(TInterface)
  public
    procedure FileNotification;
    procedure EventNotification;
  end;

  TIToolServices = class(TInterface)
  public
    procedure CloseProject;
    function OpenProject: Boolean;
    function OpenProjectInfo: Boolean;
    procedure SaveProject;
    procedure CloseFile;
    procedure SaveFile;
    function OpenFile: Boolean;
    procedure ReloadFile;
    procedure ModalDialogBox;
    procedure CreateModule;
    function GetParentHandle: Integer;
    function GetProjectName: Integer;
    function GetUnitCount: Integer;
    function GetUnitName: Integer;
    procedure EnumProjectUnits;
    function GetFormCount: Integer;
    function GetFormName: Integer;
    function GetCurrentFile: Integer;
    function IsFileOpen: Boolean;
    function GetNewModuleName: Integer;
    function GetModuleCount: Integer;
    function GetModuleName: Integer;
    function GetComponentCount: Integer;
    function GetComponentName: Integer;
    procedure RaiseException;
    function GetMainMenu: Integer;
    function AddNotifier: Integer;
    procedure RemoveNotifier;
    procedure NewPascalString;
    procedure FreePascalString;
    procedure ReferencePascalString;
    procedure AssignPascalString;
    function GetBaseRegistryKey: Integer;
    function GetModuleInterface: Integer;
    function GetFormModuleInterface: Integer;
    procedure RegisterFileSystem;
    procedure UnRegisterFileSystem;
    function GetFileSystem: Integer;
  end;

  TIExpert = class(TInterface)
  public
    function GetName: Integer; virtual;
    function GetAuthor: Integer; virtual;
    function GetComment: Integer; virtual;
    function GetPage: Integer; virtual;
    function GetGlyph: Integer; virtual;
    function GetStyle: Integer; virtual;
    function GetState: Integer; virtual;
    function GetIDString: Integer; virtual;
    function GetMenuText: Integer; virtual;
    function Execute: Boolean; virtual;
  end;

  TMenuExpert = class(TIExpert)
  private
    FOnExecute: TNotifyEvent;
  protected
    procedure SignalExecute; dynamic;
  public
    constructor Create;
    function GetName: Integer; override;
    function GetAuthor: Integer; override;
    function GetComment: Integer; override;
    function GetPage: Integer; override;
    function GetGlyph: Integer; override;
    function GetStyle: Integer; override;
    function GetState: Integer; override;
    function GetIDString: Integer; override;
    function GetMenuText: Integer; override;
    function Execute: Boolean; override;
    property OnExecute: TNotifyEvent read FOnExecute write FOnExecute;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ TIMenuItemIntf }

procedure TIMenuItemIntf.DestroyMenuItem;
begin
  // A bare object keeps no state for DestroyMenuItem to change.
end;

function TIMenuItemIntf.GetIndex: Integer;
begin
  Result := 0;
end;

function TIMenuItemIntf.GetItemCount: Integer;
begin
  Result := 0;
end;

function TIMenuItemIntf.GetItem: Integer;
begin
  Result := 0;
end;

function TIMenuItemIntf.GetName: Integer;
begin
  Result := 0;
end;

function TIMenuItemIntf.GetParent: Integer;
begin
  Result := 0;
end;

function TIMenuItemIntf.GetCaption: Integer;
begin
  Result := 0;
end;

procedure TIMenuItemIntf.SetCaption;
begin
  // A bare object keeps no state for SetCaption to change.
end;

function TIMenuItemIntf.GetShortCut: Integer;
begin
  Result := 0;
end;

procedure TIMenuItemIntf.SetShortCut;
begin
  // A bare object keeps no state for SetShortCut to change.
end;

function TIMenuItemIntf.GetFlags: Integer;
begin
  Result := 0;
end;

procedure TIMenuItemIntf.SetFlags;
begin
  // A bare object keeps no state for SetFlags to change.
end;

function TIMenuItemIntf.GetGroupIndex: Integer;
begin
  Result := 0;
end;

procedure TIMenuItemIntf.SetGroupIndex;
begin
  // A bare object keeps no state for SetGroupIndex to change.
end;

function TIMenuItemIntf.GetHint: Integer;
begin
  Result := 0;
end;

procedure TIMenuItemIntf.SetHint;
begin
  // A bare object keeps no state for SetHint to change.
end;

function TIMenuItemIntf.GetContext: Integer;
begin
  Result := 0;
end;

procedure TIMenuItemIntf.SetContext;
begin
  // A bare object keeps no state for SetContext to change.
end;

function TIMenuItemIntf.GetOnClick: Integer;
begin
  Result := 0;
end;

procedure TIMenuItemIntf.SetOnClick;
begin
  // A bare object keeps no state for SetOnClick to change.
end;

procedure TIMenuItemIntf.InsertItem;
begin
  // A bare object keeps no state for InsertItem to change.
end;

{ TIMainMenuIntf }

function TIMainMenuIntf.GetMenuItems: Integer;
begin
  Result := 0;
end;

function TIMainMenuIntf.FindMenuItem: Boolean;
begin
  Result := Self <> nil;
end;

{ TIAddInNotifier }

procedure TIAddInNotifier.FileNotification;
begin
  // A bare object keeps no state for FileNotification to change.
end;

procedure TIAddInNotifier.EventNotification;
begin
  // A bare object keeps no state for EventNotification to change.
end;

{ TIToolServices }

procedure TIToolServices.CloseProject;
begin
  // A bare object keeps no state for CloseProject to change.
end;

function TIToolServices.OpenProject: Boolean;
begin
  Result := Self <> nil;
end;

function TIToolServices.OpenProjectInfo: Boolean;
begin
  Result := Self <> nil;
end;

procedure TIToolServices.SaveProject;
begin
  // A bare object keeps no state for SaveProject to change.
end;

procedure TIToolServices.CloseFile;
begin
  // A bare object keeps no state for CloseFile to change.
end;

procedure TIToolServices.SaveFile;
begin
  // A bare object keeps no state for SaveFile to change.
end;

function TIToolServices.OpenFile: Boolean;
begin
  Result := Self <> nil;
end;

procedure TIToolServices.ReloadFile;
begin
  // A bare object keeps no state for ReloadFile to change.
end;

procedure TIToolServices.ModalDialogBox;
begin
  // A bare object keeps no state for ModalDialogBox to change.
end;

procedure TIToolServices.CreateModule;
begin
  // A bare object keeps no state for CreateModule to change.
end;

function TIToolServices.GetParentHandle: Integer;
begin
  Result := 0;
end;

function TIToolServices.GetProjectName: Integer;
begin
  Result := 0;
end;

function TIToolServices.GetUnitCount: Integer;
begin
  Result := 0;
end;

function TIToolServices.GetUnitName: Integer;
begin
  Result := 0;
end;

procedure TIToolServices.EnumProjectUnits;
begin
  // A bare object keeps no state for EnumProjectUnits to change.
end;

function TIToolServices.GetFormCount: Integer;
begin
  Result := 0;
end;

function TIToolServices.GetFormName: Integer;
begin
  Result := 0;
end;

function TIToolServices.GetCurrentFile: Integer;
begin
  Result := 0;
end;

function TIToolServices.IsFileOpen: Boolean;
begin
  Result := Self <> nil;
end;

function TIToolServices.GetNewModuleName: Integer;
begin
  Result := 0;
end;

function TIToolServices.GetModuleCount: Integer;
begin
  Result := 0;
end;

function TIToolServices.GetModuleName: Integer;
begin
  Result := 0;
end;

function TIToolServices.GetComponentCount: Integer;
begin
  Result := 0;
end;

function TIToolServices.GetComponentName: Integer;
begin
  Result := 0;
end;

procedure TIToolServices.RaiseException;
begin
  // A bare object keeps no state for RaiseException to change.
end;

function TIToolServices.GetMainMenu: Integer;
begin
  Result := 0;
end;

function TIToolServices.AddNotifier: Integer;
begin
  Result := 0;
end;

procedure TIToolServices.RemoveNotifier;
begin
  // A bare object keeps no state for RemoveNotifier to change.
end;

procedure TIToolServices.NewPascalString;
begin
  // A bare object keeps no state for NewPascalString to change.
end;

procedure TIToolServices.FreePascalString;
begin
  // A bare object keeps no state for FreePascalString to change.
end;

procedure TIToolServices.ReferencePascalString;
begin
  // A bare object keeps no state for ReferencePascalString to change.
end;

procedure TIToolServices.AssignPascalString;
begin
  // A bare object keeps no state for AssignPascalString to change.
end;

function TIToolServices.GetBaseRegistryKey: Integer;
begin
  Result := 0;
end;

function TIToolServices.GetModuleInterface: Integer;
begin
  Result := 0;
end;

function TIToolServices.GetFormModuleInterface: Integer;
begin
  Result := 0;
end;

procedure TIToolServices.RegisterFileSystem;
begin
  // A bare object keeps no state for RegisterFileSystem to change.
end;

procedure TIToolServices.UnRegisterFileSystem;
begin
  // A bare object keeps no state for UnRegisterFileSystem to change.
end;

function TIToolServices.GetFileSystem: Integer;
begin
  Result := 0;
end;

{ TIExpert }

function TIExpert.GetName: Integer;
begin
  Result := 0;
end;

function TIExpert.GetAuthor: Integer;
begin
  Result := 0;
end;

function TIExpert.GetComment: Integer;
begin
  Result := 0;
end;

function TIExpert.GetPage: Integer;
begin
  Result := 0;
end;

function TIExpert.GetGlyph: Integer;
begin
  Result := 0;
end;

function TIExpert.GetStyle: Integer;
begin
  Result := 0;
end;

function TIExpert.GetState: Integer;
begin
  Result := 0;
end;

function TIExpert.GetIDString: Integer;
begin
  Result := 0;
end;

function TIExpert.GetMenuText: Integer;
begin
  Result := 0;
end;

function TIExpert.Execute: Boolean;
begin
  Result := Self <> nil;
end;

{ TMenuExpert }

procedure TMenuExpert.SignalExecute;
begin
  if Assigned(FOnExecute) then
    FOnExecute(Self);
end;

constructor TMenuExpert.Create;
begin
  inherited Create;
end;

function TMenuExpert.GetName: Integer;
begin
  Result := inherited GetName;
end;

function TMenuExpert.GetAuthor: Integer;
begin
  Result := inherited GetAuthor;
end;

function TMenuExpert.GetComment: Integer;
begin
  Result := inherited GetComment;
end;

function TMenuExpert.GetPage: Integer;
begin
  Result := inherited GetPage;
end;

function TMenuExpert.GetGlyph: Integer;
begin
  Result := inherited GetGlyph;
end;

function TMenuExpert.GetStyle: Integer;
begin
  Result := inherited GetStyle;
end;

function TMenuExpert.GetState: Integer;
begin
  Result := inherited GetState;
end;

function TMenuExpert.GetIDString: Integer;
begin
  Result := inherited GetIDString;
end;

function TMenuExpert.GetMenuText: Integer;
begin
  Result := inherited GetMenuText;
end;

function TMenuExpert.Execute: Boolean;
begin
  Result := inherited Execute;
end;

end.
