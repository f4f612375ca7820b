{*************************************************************}
{                                                             }
{       Quillmap 2 sample class library                       }
{       ToolIntf unit: the tool services an expert talks to   }
{                                                             }
{*************************************************************}

unit ToolIntf;

interface

uses SysUtils, Classes, VirtIntf, EditIntf, FileIntf;

type
  TIMenuItemIntf = class;
  TIMenuFlag = (mfInvalid, mfEnabled, mfVisible, mfChecked, mfBreak, mfBarBreak,
    mfRadioItem);
  TIMenuFlags = set of TIMenuFlag;
  TIMenuClickEvent = procedure(Sender: TIMenuItemIntf) of object;

  TIMenuItemIntf = class(TInterface)
  public
    function DestroyMenuItem: Boolean; virtual; stdcall; abstract;
    function GetIndex: Integer; virtual; stdcall; abstract;
    function GetItemCount: Integer; virtual; stdcall; abstract;
    function GetItem(Index: Integer): TIMenuItemIntf; virtual; stdcall; abstract;
    function GetName: string; virtual; stdcall; abstract;
    function GetParent: TIMenuItemIntf; virtual; stdcall; abstract;
    function GetCaption: string; virtual; stdcall; abstract;
    function SetCaption(const Caption: string): Boolean; virtual; stdcall; abstract;
    function GetShortCut: Integer; virtual; stdcall; abstract;
    function SetShortCut(ShortCut: Integer): Boolean; virtual; stdcall; abstract;
    function GetFlags: TIMenuFlags; virtual; stdcall; abstract;
    function SetFlags(Mask, Flags: TIMenuFlags): Boolean; virtual; stdcall; abstract;
    function GetGroupIndex: Integer; virtual; stdcall; abstract;
    function SetGroupIndex(GroupIndex: Integer): Boolean; virtual; stdcall; abstract;
    function GetHint: string; virtual; stdcall; abstract;
    function SetHint(Hint: string): Boolean; virtual; stdcall; abstract;
    function GetContext: Integer; virtual; stdcall; abstract;
    function SetContext(Context: Integer): Boolean; virtual; stdcall; abstract;
    function GetOnClick: TIMenuClickEvent; virtual; stdcall; abstract;
    function SetOnClick(Click: TIMenuClickEvent): Boolean; virtual; stdcall; abstract;
    function InsertItem(Index: Integer; Caption, Name, Hint: string;
      ShortCut, Context, GroupIndex: Integer; Flags: TIMenuFlags;
      EventHandler: TIMenuClickEvent): TIMenuItemIntf; virtual; stdcall; abstract;
  end;

  TIMainMenuIntf = class(TInterface)
  public
    function GetMenuItems: TIMenuItemIntf; virtual; stdcall; abstract;
    function FindMenuItem(const Name: string): TIMenuItemIntf; virtual; stdcall; abstract;
  end;

  TFileNotification = (fnFileOpening, fnFileOpened, fnFileClosing,
    fnProjectOpening, fnProjectOpened, fnProjectClosing, fnAddedToProject,
    fnRemovedFromProject, fnDefaultDesktopLoad, fnDefaultDesktopSave,
    fnProjectDesktopLoad, fnProjectDesktopSave, fnPackageInstalled,
    fnPackageUninstalled);
  TEventNotification = (enBeforeCompile, enAfterCompile);

  TIAddInNotifier = class(TInterface)
  public
    procedure FileNotification(NotifyCode: TFileNotification;
      const FileName: string; var Cancel: Boolean); virtual; stdcall; abstract;
    procedure EventNotification(NotifyCode: TEventNotification;
      var Cancel: Boolean); virtual; stdcall; abstract;
  end;

  TProjectEnumProc = function(Param: Pointer; const FileName, UnitName,
    FormName: string): Boolean stdcall;
  TCreateModuleFlag = (cmAddToProject, cmShowSource, cmShowForm,
    cmUnNamed, cmNewUnit, cmNewForm, cmMainForm, cmMarkModified,
    cmNewFile, cmExisting);
  TCreateModuleFlags = set of TCreateModuleFlag;
  TBoundsRect = record
    Left, Top, Width, Height: Integer;
  end;

  TIToolServices = class(TInterface)
  public
    { Action interfaces }
    function CloseProject: Boolean; virtual; stdcall; abstract;
    function OpenProject(const ProjName: string): Boolean; virtual; stdcall; abstract;
    function OpenProjectInfo(const ProjName: string): Boolean; virtual; stdcall; abstract;
    function SaveProject: Boolean; virtual; stdcall; abstract;
    function CloseFile(const FileName: string): Boolean; virtual; stdcall; abstract;
    function SaveFile(const FileName: string): Boolean; virtual; stdcall; abstract;
    function OpenFile(const FileName: string): Boolean; virtual; stdcall; abstract;
    function ReloadFile(const FileName: string): Boolean; virtual; stdcall; abstract;
    function ModalDialogBox(Instance: THandle; TemplateName: PChar;
      WndParent: HWnd; DialogFunc: Pointer; InitParam: Longint): Integer; virtual; stdcall; abstract;
    function CreateModule(const ModuleName: string; Source, Form: TIStream;
      CreateFlags: TCreateModuleFlags): Boolean; virtual; stdcall; abstract;
    { Project/UI information }
    function GetParentHandle: HWND; virtual; stdcall; abstract;
    function GetProjectName: string; virtual; stdcall; abstract;
    function GetUnitCount: Integer; virtual; stdcall; abstract;
    function GetUnitName(Index: Integer): string; virtual; stdcall; abstract;
    function EnumProjectUnits(EnumProc: TProjectEnumProc; Param: Pointer): Boolean; virtual; stdcall; abstract;
    function GetFormCount: Integer; virtual; stdcall; abstract;
    function GetFormName(Index: Integer): string; virtual; stdcall; abstract;
    function GetCurrentFile: string; virtual; stdcall; abstract;
    function IsFileOpen(const FileName: string): Boolean; virtual; stdcall; abstract;
    function GetNewModuleName(var UnitIdent, FileName: string): Boolean; virtual; stdcall; abstract;
    { Component library interface }
    function GetModuleCount: Integer; virtual; stdcall; abstract;
    function GetModuleName(Index: Integer): string; virtual; stdcall; abstract;
    function GetComponentCount(ModIndex: Integer): Integer; virtual; stdcall; abstract;
    function GetComponentName(ModIndex, CompIndex: Integer): string; virtual; stdcall; abstract;
    { Error handling }
    procedure RaiseException(const Message: string); virtual; stdcall; abstract;
    { Menu interface }
    function GetMainMenu: TIMainMenuIntf; virtual; stdcall; abstract;
    { Notification registration }
    function AddNotifier(AddInNotifier: TIAddInNotifier): Boolean; virtual; stdcall; abstract;
    function RemoveNotifier(AddInNotifier: TIAddInNotifier): Boolean; virtual; stdcall; abstract;
    { Pascal string handling functions }
    function NewPascalString(Str: PChar): Pointer; virtual; stdcall; abstract;
    procedure FreePascalString(var Str: Pointer); virtual; stdcall; abstract;
    procedure ReferencePascalString(var Str: Pointer); virtual; stdcall; abstract;
    procedure AssignPascalString(var Dest, Src: Pointer); virtual; stdcall; abstract;
    { Configuration access }
    function GetBaseRegistryKey: string; virtual; stdcall; abstract;
    { Module access }
    function GetModuleInterface(const FileName: string): TIModuleInterface; virtual; stdcall; abstract;
    function GetFormModuleInterface(const FormName: string): TIModuleInterface; virtual; stdcall; abstract;
    { Virtual file system }
    function RegisterFileSystem(AVirtualFileSystem: TIVirtualFileSystem): Boolean; virtual; stdcall; abstract;
    function UnRegisterFileSystem(const Ident: string): Boolean; virtual; stdcall; abstract;
    function GetFileSystem(const Ident: string): TIVirtualFileSystem; virtual; stdcall; abstract;
  end;

  { Experts: the objects an add-in package registers with the IDE.
    They live here because this tree has no separate expert unit. }
  TExpertStyle = (esStandard, esForm, esProject, esAddIn);
  TExpertState = set of (esEnabled, esChecked);

  TIExpert = class(TInterface)
  public
    function GetName: string; virtual; stdcall; abstract;
    function GetAuthor: string; virtual; stdcall; abstract;
    function GetComment: string; virtual; stdcall; abstract;
    function GetPage: string; virtual; stdcall; abstract;
    function GetGlyph: HICON; virtual; stdcall; abstract;
    function GetStyle: TExpertStyle; virtual; stdcall; abstract;
    function GetState: TExpertState; virtual; stdcall; abstract;
    function GetIDString: string; virtual; stdcall; abstract;
    function GetMenuText: string; virtual; stdcall; abstract;
    procedure Execute; virtual; stdcall; abstract;
  end;

  TExpertRegisterProc = function(Expert: TIExpert): Boolean;
  TExpertTerminateProc = procedure;
  TExpertInitProc = function(ToolServices: TIToolServices;
    RegisterProc: TExpertRegisterProc;
    var Terminate: TExpertTerminateProc): Boolean stdcall;

  { A ready-made menu expert that calls an event when its item is chosen }
  TMenuExpert = class(TIExpert)
  private
    FName: string;
    FMenuText: string;
    FOnExecute: TNotifyEvent;
  public
    constructor Create(const AName, AMenuText: string);
    function GetName: string; override;
    function GetAuthor: string; override;
    function GetComment: string; override;
    function GetPage: string; override;
    function GetGlyph: HICON; override;
    function GetStyle: TExpertStyle; override;
    function GetState: TExpertState; override;
    function GetIDString: string; override;
    function GetMenuText: string; override;
    procedure Execute; override;
    property OnExecute: TNotifyEvent read FOnExecute write FOnExecute;
  end;

var
  ToolServices: TIToolServices;
  LibraryExpertProc: TExpertRegisterProc;

procedure RegisterLibraryExpert(Expert: TIExpert);

implementation

procedure RegisterLibraryExpert(Expert: TIExpert);
begin
  if @LibraryExpertProc <> nil then
    LibraryExpertProc(Expert);
end;

{ TMenuExpert }

constructor TMenuExpert.Create(const AName, AMenuText: string);
begin
  inherited Create;
  FName := AName;
  FMenuText := AMenuText;
end;

function TMenuExpert.GetName: string;
begin
  Result := FName;
end;

function TMenuExpert.GetAuthor: string;
begin
  Result := 'Quillmap sample';
end;

function TMenuExpert.GetComment: string;
begin
  Result := '';
end;

function TMenuExpert.GetPage: string;
begin
  Result := '';
end;

function TMenuExpert.GetGlyph: HICON;
begin
  Result := 0;
end;

function TMenuExpert.GetStyle: TExpertStyle;
begin
  Result := esStandard;
end;

function TMenuExpert.GetState: TExpertState;
begin
  Result := [esEnabled];
end;

function TMenuExpert.GetIDString: string;
begin
  Result := 'Quillmap.' + FName;
end;

function TMenuExpert.GetMenuText: string;
begin
  Result := FMenuText;
end;

procedure TMenuExpert.Execute;
begin
  if Assigned(FOnExecute) then FOnExecute(Self);
end;

end.
