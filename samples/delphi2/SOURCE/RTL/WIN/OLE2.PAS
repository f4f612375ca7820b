{ Ole2: a unit of the sample Delphi 2.0 installation that Quillmap 2 browses.
  Written by samples/make_sample.py from samples/vcl-table.txt; change those, not this file. }

unit Ole2;

(* The declarations name the documented interface of the unit; everything
   private, and every statement, is the sample's own. *)

interface

uses SysUtils;

const
  Ole2Sample = 'Quillmap''s sample of Ole2';

type

  IUnknown = class
  public
    procedure QueryInterface; virtual;
    function AddRef: Integer; virtual;
    procedure Release; virtual;
  end;

  IClassFactory = class(IUnknown)
  public
    procedure CreateInstance; virtual;
    procedure LockServer; virtual;
  end;

  IMarshal = class(IUnknown)
  public
    function GetUnmarshalClass: Integer;
    function GetMarshalSizeMax: Integer;
    procedure MarshalInterface;
    procedure UnmarshalInterface;
    procedure ReleaseMarshalData;
    procedure DisconnectObject;
  end;

  IMalloc = class(IUnknown)
  public
    procedure Alloc;
    procedure Realloc;
    procedure Free; override;
    function GetSize: Integer;
    procedure DidAlloc;
    procedure HeapMinimize;
  end;

  IStdMarshalInfo = class(IUnknown)
  public
    function GetClassForHandler: Integer;
  end;

  IExternalConnection = class(IUnknown)
  public
    function AddConnection: Integer;
    procedure ReleaseConnection;
  end;

  IEnumUnknown = class(IUnknown)
  public
    procedure Next;
    procedure Skip;
    procedure Reset;
    procedure Clone;
  end;

  IBindCtx = class(IUnknown)
  public
    procedure RegisterObjectBound;
    procedure RevokeObjectBound;
    procedure ReleaseBoundObjects;
    procedure SetBindOptions;
    function GetBindOptions: Integer;
    function GetRunningObjectTable: Integer;
    procedure RegisterObjectParam;
    function GetObjectParam: Integer;
    procedure EnumObjectParam;
    procedure RevokeObjectParam;
  end;

  IEnumMoniker = class(IUnknown)
  public
    procedure Next;
    procedure Skip;
    procedure Reset;
    procedure Clone;
  end;

  IRunnableObject = class(IUnknown)
  public
    function GetRunningClass: Integer;
    procedure Run;
    function IsRunning: Boolean;
    procedure LockRunning;
    procedure SetContainedObject;
  end;

  IRunningObjectTable = class(IUnknown)
  public
    procedure Register;
    procedure Revoke;
    function IsRunning: Boolean;
    function GetObject: Integer;
    procedure NoteChangeTime;
    function GetTimeOfLastChange: Integer;
    procedure EnumRunning;
  end;

  IPersist = class(IUnknown)
  public
    function GetClassID: Integer;
  end;

  IPersistStream = class(IPersist)
  public
    function IsDirty: Boolean;
    procedure Load;
    procedure Save;
    function GetSizeMax: Integer;
  end;

  IMoniker = class(IPersistStream)
  public
    procedure BindToObject;
    procedure BindToStorage;
    procedure Reduce;
    procedure ComposeWith;
    procedure Enum;
    function IsEqual: Boolean;
    function Hash: Boolean;
    function IsRunning: Boolean;
    function GetTimeOfLastChange: Integer;
    procedure Inverse;
    procedure CommonPrefixWith;
    procedure RelativePathTo;
    function GetDisplayName: Integer;
    procedure ParseDisplayName;
    function IsSystemMoniker: Boolean;
  end;

  IEnumString = class(IUnknown)
  public
    procedure Next;
    procedure Skip;
    procedure Reset;
    procedure Clone;
  end;

  IStream = class(IUnknown)
  public
    procedure Read;
    procedure Write;
    function Seek: Longint;
    procedure SetSize;
    procedure CopyTo;
    procedure Commit;
    procedure Revert;
    procedure LockRegion;
    procedure UnlockRegion;
    procedure Stat;
    procedure Clone;
  end;

  IEnumStatStg = class(IUnknown)
  public
    procedure Next;
    procedure Skip;
    procedure Reset;
    procedure Clone;
  end;

  IStorage = class(IUnknown)
  public
    procedure CreateStream;
    function OpenStream: Boolean;
    procedure CreateStorage;
    function OpenStorage: Boolean;
    procedure CopyTo;
    procedure MoveElementTo;
    procedure Commit;
    procedure Revert;
    procedure EnumElements;
    procedure DestroyElement;
    procedure RenameElement;
    procedure SetElementTimes;
    procedure SetClass;
    procedure SetStateBits;
    procedure Stat;
  end;

  IPersistFile = class(IPersist)
  public
    function IsDirty: Boolean;
    procedure Load;
    procedure Save;
    procedure SaveCompleted;
    function GetCurFile: Integer;
  end;

  IPersistStorage = class(IPersist)
  public
    function IsDirty: Boolean;
    procedure InitNew;
    procedure Load;
    procedure Save;
    procedure SaveCompleted;
    procedure HandsOffStorage;
  end;

  ILockBytes = class(IUnknown)
  public
    function ReadAt: Integer;
    function WriteAt: Integer;
    procedure Flush;
    procedure SetSize;
    procedure LockRegion;
    procedure UnlockRegion;
    procedure Stat;
  end;

  IEnumFormatEtc = class(IUnknown)
  public
    procedure Next;
    procedure Skip;
    procedure Reset;
    procedure Clone;
  end;

  IEnumStatData = class(IUnknown)
  public
    procedure Next;
    procedure Skip;
    procedure Reset;
    procedure Clone;
  end;

  IRootStorage = class(IUnknown)
  public
    procedure SwitchToFile;
  end;

  IAdviseSink = class(IUnknown)
  public
    procedure OnDataChange;
    procedure OnViewChange;
    procedure OnRename;
    procedure OnSave;
    procedure OnClose;
  end;

  IAdviseSink2 = class(IAdviseSink)
  public
    procedure OnLinkSrcChange;
  end;

  IDataObject = class(IUnknown)
  public
    function GetData: Integer;
    function GetDataHere: Integer;
    procedure QueryGetData;
    function GetCanonicalFormatEtc: Integer;
    procedure SetData;
    procedure EnumFormatEtc;
    procedure DAdvise;
    procedure DUnadvise;
    procedure EnumDAdvise;
  end;

  IDataAdviseHolder = class(IUnknown)
  public
    procedure Advise;
    procedure Unadvise;
    procedure EnumAdvise;
    procedure SendOnDataChange;
  end;

  IMessageFilter = class(IUnknown)
  public
    procedure HandleInComingCall;
    procedure RetryRejectedCall;
    procedure MessagePending;
  end;

  IRpcChannelBuffer = class(IUnknown)
  public
    function GetBuffer: Integer;
    procedure SendReceive;
    procedure FreeBuffer;
    function GetDestCtx: Integer;
    function IsConnected: Boolean;
  end;

  IRpcProxyBuffer = class(IUnknown)
  public
    procedure Connect;
    procedure Disconnect;
  end;

  IRpcStubBuffer = class(IUnknown)
  public
    procedure Connect;
    procedure Disconnect;
    procedure Invoke;
    function IsIIDSupported: Boolean;
    procedure CountRefs;
    procedure DebugServerQueryInterface;
    procedure DebugServerRelease;
  end;

  IPSFactoryBuffer = class(IUnknown)
  public
    procedure CreateProxy;
    procedure CreateStub;
  end;

  IDispatch = class(IUnknown)
  public
    function GetTypeInfoCount: Integer; virtual;
    function GetTypeInfo: Integer; virtual;
    function GetIDsOfNames: Integer; virtual;
    procedure Invoke; virtual;
  end;

  ITypeComp = class(IUnknown)
  public
    procedure Bind;
    procedure BindType;
  end;

  ITypeInfo = class(IUnknown)
  public
    function GetTypeAttr: Integer;
    function GetTypeComp: Integer;
    function GetFuncDesc: Integer;
    function GetVarDesc: Integer;
    function GetNames: Integer;
    function GetRefTypeOfImplType: Integer;
    function GetImplTypeFlags: Integer;
    function GetIDsOfNames: Integer;
    procedure Invoke;
    function GetDocumentation: Integer;
    function GetDllEntry: Integer;
    function GetRefTypeInfo: Integer;
    function AddressOfMember: Integer;
    procedure CreateInstance;
    function GetMops: Integer;
    function GetContainingTypeLib: Integer;
    procedure ReleaseTypeAttr;
    procedure ReleaseFuncDesc;
    procedure ReleaseVarDesc;
  end;

  ITypeLib = class(IUnknown)
  public
    function GetTypeInfoCount: Integer;
    function GetTypeInfo: Integer;
    function GetTypeInfoType: Integer;
    function GetTypeInfoOfGuid: Integer;
    function GetLibAttr: Integer;
    function GetTypeComp: Integer;
    function GetDocumentation: Integer;
    function IsName: Boolean;
    function FindName: Boolean;
    procedure ReleaseTLibAttr;
  end;

  ICreateTypeInfo = class(IUnknown)
  public
    procedure SetGuid;
    procedure SetTypeFlags;
    procedure SetDocString;
    procedure SetHelpContext;
    procedure SetVersion;
    function AddRefTypeInfo: Integer;
    function AddFuncDesc: Integer;
    function AddVarDesc: Integer;
    procedure SetFuncAndParamNames;
    procedure SetVarName;
    procedure LayOut;
  end;

  ICreateTypeLib = class(IUnknown)
  public
    procedure CreateTypeInfo;
    procedure SetName;
    procedure SetVersion;
    procedure SetGuid;
    procedure SetDocString;
    procedure SetHelpFileName;
    procedure SetHelpContext;
    procedure SetLcid;
    procedure SetLibFlags;
    procedure SaveAllChanges;
  end;

  IEnumVariant = class(IUnknown)
  public
    procedure Next;
    procedure Skip;
    procedure Reset;
    procedure Clone;
  end;

  IErrorInfo = class(IUnknown)
  public
    function GetGUID: Integer;
    function GetSource: Integer;
    function GetDescription: Integer;
    function GetHelpFile: Integer;
    function GetHelpContext: Integer;
  end;

  ICreateErrorInfo = class(IUnknown)
  public
    procedure SetGUID;
    procedure SetSource;
    procedure SetDescription;
    procedure SetHelpFile;
    procedure SetHelpContext;
  end;

  ISupportErrorInfo = class(IUnknown)
  public
    procedure InterfaceSupportsErrorInfo;
  end;

  IOleAdviseHolder = class(IUnknown)
  public
    procedure Advise;
    procedure Unadvise;
    procedure EnumAdvise;
    procedure SendOnRename;
    procedure SendOnSave;
    procedure SendOnClose;
  end;

  IOleCache = class(IUnknown)
  public
    procedure Cache;
    procedure Uncache;
    procedure EnumCache;
    procedure InitCache;
    procedure SetData;
  end;

  IOleCache2 = class(IOleCache)
  public
    procedure UpdateCache;
    procedure DiscardCache;
  end;

  IOleCacheControl = class(IUnknown)
  public
    procedure OnRun;
    procedure OnStop;
  end;

  IParseDisplayName = class(IUnknown)
  public
    procedure ParseDisplayName;
  end;

  IOleContainer = class(IParseDisplayName)
  public
    procedure EnumObjects;
    procedure LockContainer;
  end;

  IOleClientSite = class(IUnknown)
  public
    procedure SaveObject; virtual;
    function GetMoniker: Integer; virtual;
    function GetContainer: Integer; virtual;
    procedure ShowObject; virtual;
    procedure OnShowWindow; virtual;
    procedure RequestNewObjectLayout; virtual;
  end;

  IEnumOleVerb = class(IUnknown)
  public
    procedure Next;
    procedure Skip;
    procedure Reset;
    procedure Clone;
  end;

  IOleObject = class(IUnknown)
  public
    procedure SetClientSite;
    function GetClientSite: Integer;
    procedure SetHostNames;
    procedure Close;
    procedure SetMoniker;
    function GetMoniker: Integer;
    procedure InitFromData;
    function GetClipboardData: Integer;
    procedure DoVerb;
    procedure EnumVerbs;
    procedure Update;
    function IsUpToDate: Boolean;
    function GetUserClassID: Integer;
    function GetUserType: Integer;
    procedure SetExtent;
    function GetExtent: Integer;
    procedure Advise;
    procedure Unadvise;
    procedure EnumAdvise;
    function GetMiscStatus: Integer;
    procedure SetColorScheme;
  end;

  IOleWindow = class(IUnknown)
  public
    function GetWindow: Integer; virtual;
    procedure ContextSensitiveHelp; virtual;
  end;

  IOleLink = class(IUnknown)
  public
    procedure SetUpdateOptions;
    function GetUpdateOptions: Integer;
    procedure SetSourceMoniker;
    function GetSourceMoniker: Integer;
    procedure SetSourceDisplayName;
    function GetSourceDisplayName: Integer;
    procedure BindToSource;
    procedure BindIfRunning;
    function GetBoundSource: Integer;
    procedure UnbindSource;
    procedure Update;
  end;

  IOleItemContainer = class(IOleContainer)
  public
    function GetObject: Integer;
    function GetObjectStorage: Integer;
    function IsRunning: Boolean;
  end;

  IOleInPlaceUIWindow = class(IOleWindow)
  public
    function GetBorder: Integer; virtual;
    procedure RequestBorderSpace; virtual;
    procedure SetBorderSpace; virtual;
    procedure SetActiveObject; virtual;
  end;

  IOleInPlaceActiveObject = class(IOleWindow)
  public
    procedure TranslateAccelerator;
    procedure OnFrameWindowActivate;
    procedure OnDocWindowActivate;
    procedure ResizeBorder;
    procedure EnableModeless;
  end;

  IOleInPlaceFrame = class(IOleInPlaceUIWindow)
  public
    procedure InsertMenus; virtual;
    procedure SetMenu; virtual;
    procedure RemoveMenus; virtual;
    procedure SetStatusText; virtual;
    procedure EnableModeless; virtual;
    procedure TranslateAccelerator; virtual;
  end;

  IOleInPlaceObject = class(IOleWindow)
  public
    procedure InPlaceDeactivate;
    procedure UIDeactivate;
    procedure SetObjectRects;
    procedure ReactivateAndUndo;
  end;

  IOleInPlaceSite = class(IOleWindow)
  public
    function CanInPlaceActivate: Boolean;
    procedure OnInPlaceActivate;
    procedure OnUIActivate;
    function GetWindowContext: Integer;
    procedure Scroll;
    procedure OnUIDeactivate;
    procedure OnInPlaceDeactivate;
    procedure DiscardUndoState;
    procedure DeactivateAndUndo;
    procedure OnPosRectChange;
  end;

  IViewObject = class(IUnknown)
  public
    procedure Draw;
    function GetColorSet: Integer;
    procedure Freeze;
    procedure Unfreeze;
    procedure SetAdvise;
    function GetAdvise: Integer;
  end;

  IViewObject2 = class(IViewObject)
  public
    function GetExtent: Integer;
  end;

  IDropSource = class(IUnknown)
  public
    procedure QueryContinueDrag;
    procedure GiveFeedback;
  end;

  IDropTarget = class(IUnknown)
  public
    procedure DragEnter;
    procedure DragOver;
    procedure DragLeave;
    procedure Drop;
  end;

implementation

// Method bodies, class by class, in the order of the declarations above.

{ IUnknown }

procedure IUnknown.QueryInterface;
begin
  // A bare object keeps no state for QueryInterface to change.
end;

function IUnknown.AddRef: Integer;
begin
  Result := 0;
end;

procedure IUnknown.Release;
begin
  // A bare object keeps no state for Release to change.
end;

{ IClassFactory }

procedure IClassFactory.CreateInstance;
begin
  // A bare object keeps no state for CreateInstance to change.
end;

procedure IClassFactory.LockServer;
begin
  // A bare object keeps no state for LockServer to change.
end;

{ IMarshal }

function IMarshal.GetUnmarshalClass: Integer;
begin
  Result := 0;
end;

function IMarshal.GetMarshalSizeMax: Integer;
begin
  Result := 0;
end;

procedure IMarshal.MarshalInterface;
begin
  // A bare object keeps no state for MarshalInterface to change.
end;

procedure IMarshal.UnmarshalInterface;
begin
  // A bare object keeps no state for UnmarshalInterface to change.
end;

procedure IMarshal.ReleaseMarshalData;
begin
  // A bare object keeps no state for ReleaseMarshalData to change.
end;

procedure IMarshal.DisconnectObject;
begin
  // A bare object keeps no state for DisconnectObject to change.
end;

{ IMalloc }

procedure IMalloc.Alloc;
begin
  // A bare object keeps no state for Alloc to change.
end;

procedure IMalloc.Realloc;
begin
  // A bare object keeps no state for Realloc to change.
end;

procedure IMalloc.Free;
begin
  inherited Free;
end;

function IMalloc.GetSize: Integer;
begin
  Result := 0;
end;

procedure IMalloc.DidAlloc;
begin
  // A bare object keeps no state for DidAlloc to change.
end;

procedure IMalloc.HeapMinimize;
begin
  // A bare object keeps no state for HeapMinimize to change.
end;

{ IStdMarshalInfo }

function IStdMarshalInfo.GetClassForHandler: Integer;
begin
  Result := 0;
end;

{ IExternalConnection }

function IExternalConnection.AddConnection: Integer;
begin
  Result := 0;
end;

procedure IExternalConnection.ReleaseConnection;
begin
  // A bare object keeps no state for ReleaseConnection to change.
end;

{ IEnumUnknown }

procedure IEnumUnknown.Next;
begin
  // A bare object keeps no state for Next to change.
end;

procedure IEnumUnknown.Skip;
begin
  // A bare object keeps no state for Skip to change.
end;

procedure IEnumUnknown.Reset;
begin
  // A bare object keeps no state for Reset to change.
end;

procedure IEnumUnknown.Clone;
begin
  // A bare object keeps no state for Clone to change.
end;

{ IBindCtx }

procedure IBindCtx.RegisterObjectBound;
begin
  // A bare object keeps no state for RegisterObjectBound to change.
end;

procedure IBindCtx.RevokeObjectBound;
begin
  // A bare object keeps no state for RevokeObjectBound to change.
end;

procedure IBindCtx.ReleaseBoundObjects;
begin
  // A bare object keeps no state for ReleaseBoundObjects to change.
end;

procedure IBindCtx.SetBindOptions;
begin
  // A bare object keeps no state for SetBindOptions to change.
end;

function IBindCtx.GetBindOptions: Integer;
begin
  Result := 0;
end;

function IBindCtx.GetRunningObjectTable: Integer;
begin
  Result := 0;
end;

procedure IBindCtx.RegisterObjectParam;
begin
  // A bare object keeps no state for RegisterObjectParam to change.
end;

function IBindCtx.GetObjectParam: Integer;
begin
  Result := 0;
end;

procedure IBindCtx.EnumObjectParam;
begin
  // A bare object keeps no state for EnumObjectParam to change.
end;

procedure IBindCtx.RevokeObjectParam;
begin
  // A bare object keeps no state for RevokeObjectParam to change.
end;

{ IEnumMoniker }

procedure IEnumMoniker.Next;
begin
  // A bare object keeps no state for Next to change.
end;

procedure IEnumMoniker.Skip;
begin
  // A bare object keeps no state for Skip to change.
end;

procedure IEnumMoniker.Reset;
begin
  // A bare object keeps no state for Reset to change.
end;

procedure IEnumMoniker.Clone;
begin
  // A bare object keeps no state for Clone to change.
end;

{ IRunnableObject }

function IRunnableObject.GetRunningClass: Integer;
begin
  Result := 0;
end;

procedure IRunnableObject.Run;
begin
  // A bare object keeps no state for Run to change.
end;

function IRunnableObject.IsRunning: Boolean;
begin
  Result := Self <> nil;
end;

procedure IRunnableObject.LockRunning;
begin
  // A bare object keeps no state for LockRunning to change.
end;

procedure IRunnableObject.SetContainedObject;
begin
  // A bare object keeps no state for SetContainedObject to change.
end;

{ IRunningObjectTable }

procedure IRunningObjectTable.Register;
begin
  // A bare object keeps no state for Register to change.
end;

procedure IRunningObjectTable.Revoke;
begin
  // A bare object keeps no state for Revoke to change.
end;

function IRunningObjectTable.IsRunning: Boolean;
begin
  Result := Self <> nil;
end;

function IRunningObjectTable.GetObject: Integer;
begin
  Result := 0;
end;

procedure IRunningObjectTable.NoteChangeTime;
begin
  // A bare object keeps no state for NoteChangeTime to change.
end;

function IRunningObjectTable.GetTimeOfLastChange: Integer;
begin
  Result := 0;
end;

procedure IRunningObjectTable.EnumRunning;
begin
  // A bare object keeps no state for EnumRunning to change.
end;

{ IPersist }

function IPersist.GetClassID: Integer;
begin
  Result := 0;
end;

{ IPersistStream }

function IPersistStream.IsDirty: Boolean;
begin
  Result := Self <> nil;
end;

procedure IPersistStream.Load;
begin
  // A bare object keeps no state for Load to change.
end;

procedure IPersistStream.Save;
begin
  // A bare object keeps no state for Save to change.
end;

function IPersistStream.GetSizeMax: Integer;
begin
  Result := 0;
end;

{ IMoniker }

procedure IMoniker.BindToObject;
begin
  // A bare object keeps no state for BindToObject to change.
end;

procedure IMoniker.BindToStorage;
begin
  // A bare object keeps no state for BindToStorage to change.
end;

procedure IMoniker.Reduce;
begin
  // A bare object keeps no state for Reduce to change.
end;

procedure IMoniker.ComposeWith;
begin
  // A bare object keeps no state for ComposeWith to change.
end;

procedure IMoniker.Enum;
begin
  // A bare object keeps no state for Enum to change.
end;

function IMoniker.IsEqual: Boolean;
begin
  Result := Self <> nil;
end;

function IMoniker.Hash: Boolean;
begin
  Result := Self <> nil;
end;

function IMoniker.IsRunning: Boolean;
begin
  Result := Self <> nil;
end;

function IMoniker.GetTimeOfLastChange: Integer;
begin
  Result := 0;
end;

procedure IMoniker.Inverse;
begin
  // A bare object keeps no state for Inverse to change.
end;

procedure IMoniker.CommonPrefixWith;
begin
  // A bare object keeps no state for CommonPrefixWith to change.
end;

procedure IMoniker.RelativePathTo;
begin
  // A bare object keeps no state for RelativePathTo to change.
end;

function IMoniker.GetDisplayName: Integer;
begin
  Result := 0;
end;

procedure IMoniker.ParseDisplayName;
begin
  // A bare object keeps no state for ParseDisplayName to change.
end;

function IMoniker.IsSystemMoniker: Boolean;
begin
  Result := Self <> nil;
end;

{ IEnumString }

procedure IEnumString.Next;
begin
  // A bare object keeps no state for Next to change.
end;

procedure IEnumString.Skip;
begin
  // A bare object keeps no state for Skip to change.
end;

procedure IEnumString.Reset;
begin
  // A bare object keeps no state for Reset to change.
end;

procedure IEnumString.Clone;
begin
  // A bare object keeps no state for Clone to change.
end;

{ IStream }

procedure IStream.Read;
begin
  // A bare object keeps no state for Read to change.
end;

procedure IStream.Write;
begin
  // A bare object keeps no state for Write to change.
end;

function IStream.Seek: Longint;
begin
  Result := 0;
end;

procedure IStream.SetSize;
begin
  // A bare object keeps no state for SetSize to change.
end;

procedure IStream.CopyTo;
begin
  // A bare object keeps no state for CopyTo to change.
end;

procedure IStream.Commit;
begin
  // A bare object keeps no state for Commit to change.
end;

procedure IStream.Revert;
begin
  // A bare object keeps no state for Revert to change.
end;

procedure IStream.LockRegion;
begin
  // A bare object keeps no state for LockRegion to change.
end;

procedure IStream.UnlockRegion;
begin
  // A bare object keeps no state for UnlockRegion to change.
end;

procedure IStream.Stat;
begin
  // A bare object keeps no state for Stat to change.
end;

procedure IStream.Clone;
begin
  // A bare object keeps no state for Clone to change.
end;

{ IEnumStatStg }

procedure IEnumStatStg.Next;
begin
  // A bare object keeps no state for Next to change.
end;

procedure IEnumStatStg.Skip;
begin
  // A bare object keeps no state for Skip to change.
end;

procedure IEnumStatStg.Reset;
begin
  // A bare object keeps no state for Reset to change.
end;

procedure IEnumStatStg.Clone;
begin
  // A bare object keeps no state for Clone to change.
end;

{ IStorage }

procedure IStorage.CreateStream;
begin
  // A bare object keeps no state for CreateStream to change.
end;

function IStorage.OpenStream: Boolean;
begin
  Result := Self <> nil;
end;

procedure IStorage.CreateStorage;
begin
  // A bare object keeps no state for CreateStorage to change.
end;

function IStorage.OpenStorage: Boolean;
begin
  Result := Self <> nil;
end;

procedure IStorage.CopyTo;
begin
  // A bare object keeps no state for CopyTo to change.
end;

procedure IStorage.MoveElementTo;
begin
  // A bare object keeps no state for MoveElementTo to change.
end;

procedure IStorage.Commit;
begin
  // A bare object keeps no state for Commit to change.
end;

procedure IStorage.Revert;
begin
  // A bare object keeps no state for Revert to change.
end;

procedure IStorage.EnumElements;
begin
  // A bare object keeps no state for EnumElements to change.
end;

procedure IStorage.DestroyElement;
begin
  // A bare object keeps no state for DestroyElement to change.
end;

procedure IStorage.RenameElement;
begin
  // A bare object keeps no state for RenameElement to change.
end;

procedure IStorage.SetElementTimes;
begin
  // A bare object keeps no state for SetElementTimes to change.
end;

procedure IStorage.SetClass;
begin
  // A bare object keeps no state for SetClass to change.
end;

procedure IStorage.SetStateBits;
begin
  // A bare object keeps no state for SetStateBits to change.
end;

procedure IStorage.Stat;
begin
  // A bare object keeps no state for Stat to change.
end;

{ IPersistFile }

function IPersistFile.IsDirty: Boolean;
begin
  Result := Self <> nil;
end;

procedure IPersistFile.Load;
begin
  // A bare object keeps no state for Load to change.
end;

procedure IPersistFile.Save;
begin
  // A bare object keeps no state for Save to change.
end;

procedure IPersistFile.SaveCompleted;
begin
  // A bare object keeps no state for SaveCompleted to change.
end;

function IPersistFile.GetCurFile: Integer;
begin
  Result := 0;
end;

{ IPersistStorage }

function IPersistStorage.IsDirty: Boolean;
begin
  Result := Self <> nil;
end;

procedure IPersistStorage.InitNew;
begin
  // A bare object keeps no state for InitNew to change.
end;

procedure IPersistStorage.Load;
begin
  // A bare object keeps no state for Load to change.
end;

procedure IPersistStorage.Save;
begin
  // A bare object keeps no state for Save to change.
end;

procedure IPersistStorage.SaveCompleted;
begin
  // A bare object keeps no state for SaveCompleted to change.
end;

procedure IPersistStorage.HandsOffStorage;
begin
  // A bare object keeps no state for HandsOffStorage to change.
end;

{ ILockBytes }

function ILockBytes.ReadAt: Integer;
begin
  Result := 0;
end;

function ILockBytes.WriteAt: Integer;
begin
  Result := 0;
end;

procedure ILockBytes.Flush;
begin
  // A bare object keeps no state for Flush to change.
end;

procedure ILockBytes.SetSize;
begin
  // A bare object keeps no state for SetSize to change.
end;

procedure ILockBytes.LockRegion;
begin
  // A bare object keeps no state for LockRegion to change.
end;

procedure ILockBytes.UnlockRegion;
begin
  // A bare object keeps no state for UnlockRegion to change.
end;

procedure ILockBytes.Stat;
begin
  // A bare object keeps no state for Stat to change.
end;

{ IEnumFormatEtc }

procedure IEnumFormatEtc.Next;
begin
  // A bare object keeps no state for Next to change.
end;

procedure IEnumFormatEtc.Skip;
begin
  // A bare object keeps no state for Skip to change.
end;

procedure IEnumFormatEtc.Reset;
begin
  // A bare object keeps no state for Reset to change.
end;

procedure IEnumFormatEtc.Clone;
begin
  // A bare object keeps no state for Clone to change.
end;

{ IEnumStatData }

procedure IEnumStatData.Next;
begin
  // A bare object keeps no state for Next to change.
end;

procedure IEnumStatData.Skip;
begin
  // A bare object keeps no state for Skip to change.
end;

procedure IEnumStatData.Reset;
begin
  // A bare object keeps no state for Reset to change.
end;

procedure IEnumStatData.Clone;
begin
  // A bare object keeps no state for Clone to change.
end;

{ IRootStorage }

procedure IRootStorage.SwitchToFile;
begin
  // A bare object keeps no state for SwitchToFile to change.
end;

{ IAdviseSink }

procedure IAdviseSink.OnDataChange;
begin
  // A bare object keeps no state for OnDataChange to change.
end;

procedure IAdviseSink.OnViewChange;
begin
  // A bare object keeps no state for OnViewChange to change.
end;

procedure IAdviseSink.OnRename;
begin
  // A bare object keeps no state for OnRename to change.
end;

procedure IAdviseSink.OnSave;
begin
  // A bare object keeps no state for OnSave to change.
end;

procedure IAdviseSink.OnClose;
begin
  // A bare object keeps no state for OnClose to change.
end;

{ IAdviseSink2 }

procedure IAdviseSink2.OnLinkSrcChange;
begin
  // A bare object keeps no state for OnLinkSrcChange to change.
end;

{ IDataObject }

function IDataObject.GetData: Integer;
begin
  Result := 0;
end;

function IDataObject.GetDataHere: Integer;
begin
  Result := 0;
end;

procedure IDataObject.QueryGetData;
begin
  // A bare object keeps no state for QueryGetData to change.
end;

function IDataObject.GetCanonicalFormatEtc: Integer;
begin
  Result := 0;
end;

procedure IDataObject.SetData;
begin
  // A bare object keeps no state for SetData to change.
end;

procedure IDataObject.EnumFormatEtc;
begin
  // A bare object keeps no state for EnumFormatEtc to change.
end;

procedure IDataObject.DAdvise;
begin
  // A bare object keeps no state for DAdvise to change.
end;

procedure IDataObject.DUnadvise;
begin
  // A bare object keeps no state for DUnadvise to change.
end;

procedure IDataObject.EnumDAdvise;
begin
  // A bare object keeps no state for EnumDAdvise to change.
end;

{ IDataAdviseHolder }

procedure IDataAdviseHolder.Advise;
begin
  // A bare object keeps no state for Advise to change.
end;

procedure IDataAdviseHolder.Unadvise;
begin
  // A bare object keeps no state for Unadvise to change.
end;

procedure IDataAdviseHolder.EnumAdvise;
begin
  // A bare object keeps no state for EnumAdvise to change.
end;

procedure IDataAdviseHolder.SendOnDataChange;
begin
  // A bare object keeps no state for SendOnDataChange to change.
end;

{ IMessageFilter }

procedure IMessageFilter.HandleInComingCall;
begin
  // A bare object keeps no state for HandleInComingCall to change.
end;

procedure IMessageFilter.RetryRejectedCall;
begin
  // A bare object keeps no state for RetryRejectedCall to change.
end;

procedure IMessageFilter.MessagePending;
begin
  // A bare object keeps no state for MessagePending to change.
end;

{ IRpcChannelBuffer }

function IRpcChannelBuffer.GetBuffer: Integer;
begin
  Result := 0;
end;

procedure IRpcChannelBuffer.SendReceive;
begin
  // A bare object keeps no state for SendReceive to change.
end;

procedure IRpcChannelBuffer.FreeBuffer;
begin
  // A bare object keeps no state for FreeBuffer to change.
end;

function IRpcChannelBuffer.GetDestCtx: Integer;
begin
  Result := 0;
end;

function IRpcChannelBuffer.IsConnected: Boolean;
begin
  Result := Self <> nil;
end;

{ IRpcProxyBuffer }

procedure IRpcProxyBuffer.Connect;
begin
  // A bare object keeps no state for Connect to change.
end;

procedure IRpcProxyBuffer.Disconnect;
begin
  // A bare object keeps no state for Disconnect to change.
end;

{ IRpcStubBuffer }

procedure IRpcStubBuffer.Connect;
begin
  // A bare object keeps no state for Connect to change.
end;

procedure IRpcStubBuffer.Disconnect;
begin
  // A bare object keeps no state for Disconnect to change.
end;

procedure IRpcStubBuffer.Invoke;
begin
  // A bare object keeps no state for Invoke to change.
end;

function IRpcStubBuffer.IsIIDSupported: Boolean;
begin
  Result := Self <> nil;
end;

procedure IRpcStubBuffer.CountRefs;
begin
  // A bare object keeps no state for CountRefs to change.
end;

procedure IRpcStubBuffer.DebugServerQueryInterface;
begin
  // A bare object keeps no state for DebugServerQueryInterface to change.
end;

procedure IRpcStubBuffer.DebugServerRelease;
begin
  // A bare object keeps no state for DebugServerRelease to change.
end;

{ IPSFactoryBuffer }

procedure IPSFactoryBuffer.CreateProxy;
begin
  // A bare object keeps no state for CreateProxy to change.
end;

procedure IPSFactoryBuffer.CreateStub;
begin
  // A bare object keeps no state for CreateStub to change.
end;

{ IDispatch }

function IDispatch.GetTypeInfoCount: Integer;
begin
  Result := 0;
end;

function IDispatch.GetTypeInfo: Integer;
begin
  Result := 0;
end;

function IDispatch.GetIDsOfNames: Integer;
begin
  Result := 0;
end;

procedure IDispatch.Invoke;
begin
  // A bare object keeps no state for Invoke to change.
end;

{ ITypeComp }

procedure ITypeComp.Bind;
begin
  // A bare object keeps no state for Bind to change.
end;

procedure ITypeComp.BindType;
begin
  // A bare object keeps no state for BindType to change.
end;

{ ITypeInfo }

function ITypeInfo.GetTypeAttr: Integer;
begin
  Result := 0;
end;

function ITypeInfo.GetTypeComp: Integer;
begin
  Result := 0;
end;

function ITypeInfo.GetFuncDesc: Integer;
begin
  Result := 0;
end;

function ITypeInfo.GetVarDesc: Integer;
begin
  Result := 0;
end;

function ITypeInfo.GetNames: Integer;
begin
  Result := 0;
end;

function ITypeInfo.GetRefTypeOfImplType: Integer;
begin
  Result := 0;
end;

function ITypeInfo.GetImplTypeFlags: Integer;
begin
  Result := 0;
end;

function ITypeInfo.GetIDsOfNames: Integer;
begin
  Result := 0;
end;

procedure ITypeInfo.Invoke;
begin
  // A bare object keeps no state for Invoke to change.
end;

function ITypeInfo.GetDocumentation: Integer;
begin
  Result := 0;
end;

function ITypeInfo.GetDllEntry: Integer;
begin
  Result := 0;
end;

function ITypeInfo.GetRefTypeInfo: Integer;
begin
  Result := 0;
end;

function ITypeInfo.AddressOfMember: Integer;
begin
  Result := 0;
end;

procedure ITypeInfo.CreateInstance;
begin
  // A bare object keeps no state for CreateInstance to change.
end;

function ITypeInfo.GetMops: Integer;
begin
  Result := 0;
end;

function ITypeInfo.GetContainingTypeLib: Integer;
begin
  Result := 0;
end;

procedure ITypeInfo.ReleaseTypeAttr;
begin
  // A bare object keeps no state for ReleaseTypeAttr to change.
end;

procedure ITypeInfo.ReleaseFuncDesc;
begin
  // A bare object keeps no state for ReleaseFuncDesc to change.
end;

procedure ITypeInfo.ReleaseVarDesc;
begin
  // A bare object keeps no state for ReleaseVarDesc to change.
end;

{ ITypeLib }

function ITypeLib.GetTypeInfoCount: Integer;
begin
  Result := 0;
end;

function ITypeLib.GetTypeInfo: Integer;
begin
  Result := 0;
end;

function ITypeLib.GetTypeInfoType: Integer;
begin
  Result := 0;
end;

function ITypeLib.GetTypeInfoOfGuid: Integer;
begin
  Result := 0;
end;

function ITypeLib.GetLibAttr: Integer;
begin
  Result := 0;
end;

function ITypeLib.GetTypeComp: Integer;
begin
  Result := 0;
end;

function ITypeLib.GetDocumentation: Integer;
begin
  Result := 0;
end;

function ITypeLib.IsName: Boolean;
begin
  Result := Self <> nil;
end;

function ITypeLib.FindName: Boolean;
begin
  Result := Self <> nil;
end;

procedure ITypeLib.ReleaseTLibAttr;
begin
  // A bare object keeps no state for ReleaseTLibAttr to change.
end;

{ ICreateTypeInfo }

procedure ICreateTypeInfo.SetGuid;
begin
  // A bare object keeps no state for SetGuid to change.
end;

procedure ICreateTypeInfo.SetTypeFlags;
begin
  // A bare object keeps no state for SetTypeFlags to change.
end;

procedure ICreateTypeInfo.SetDocString;
begin
  // A bare object keeps no state for SetDocString to change.
end;

procedure ICreateTypeInfo.SetHelpContext;
begin
  // A bare object keeps no state for SetHelpContext to change.
end;

procedure ICreateTypeInfo.SetVersion;
begin
  // A bare object keeps no state for SetVersion to change.
end;

function ICreateTypeInfo.AddRefTypeInfo: Integer;
begin
  Result := 0;
end;

function ICreateTypeInfo.AddFuncDesc: Integer;
begin
  Result := 0;
end;

function ICreateTypeInfo.AddVarDesc: Integer;
begin
  Result := 0;
end;

procedure ICreateTypeInfo.SetFuncAndParamNames;
begin
  // A bare object keeps no state for SetFuncAndParamNames to change.
end;

procedure ICreateTypeInfo.SetVarName;
begin
  // A bare object keeps no state for SetVarName to change.
end;

procedure ICreateTypeInfo.LayOut;
begin
  // A bare object keeps no state for LayOut to change.
end;

{ ICreateTypeLib }

procedure ICreateTypeLib.CreateTypeInfo;
begin
  // A bare object keeps no state for CreateTypeInfo to change.
end;

procedure ICreateTypeLib.SetName;
begin
  // A bare object keeps no state for SetName to change.
end;

procedure ICreateTypeLib.SetVersion;
begin
  // A bare object keeps no state for SetVersion to change.
end;

procedure ICreateTypeLib.SetGuid;
begin
  // A bare object keeps no state for SetGuid to change.
end;

procedure ICreateTypeLib.SetDocString;
begin
  // A bare object keeps no state for SetDocString to change.
end;

procedure ICreateTypeLib.SetHelpFileName;
begin
  // A bare object keeps no state for SetHelpFileName to change.
end;

procedure ICreateTypeLib.SetHelpContext;
begin
  // A bare object keeps no state for SetHelpContext to change.
end;

procedure ICreateTypeLib.SetLcid;
begin
  // A bare object keeps no state for SetLcid to change.
end;

procedure ICreateTypeLib.SetLibFlags;
begin
  // A bare object keeps no state for SetLibFlags to change.
end;

procedure ICreateTypeLib.SaveAllChanges;
begin
  // A bare object keeps no state for SaveAllChanges to change.
end;

{ IEnumVariant }

procedure IEnumVariant.Next;
begin
  // A bare object keeps no state for Next to change.
end;

procedure IEnumVariant.Skip;
begin
  // A bare object keeps no state for Skip to change.
end;

procedure IEnumVariant.Reset;
begin
  // A bare object keeps no state for Reset to change.
end;

procedure IEnumVariant.Clone;
begin
  // A bare object keeps no state for Clone to change.
end;

{ IErrorInfo }

function IErrorInfo.GetGUID: Integer;
begin
  Result := 0;
end;

function IErrorInfo.GetSource: Integer;
begin
  Result := 0;
end;

function IErrorInfo.GetDescription: Integer;
begin
  Result := 0;
end;

function IErrorInfo.GetHelpFile: Integer;
begin
  Result := 0;
end;

function IErrorInfo.GetHelpContext: Integer;
begin
  Result := 0;
end;

{ ICreateErrorInfo }

procedure ICreateErrorInfo.SetGUID;
begin
  // A bare object keeps no state for SetGUID to change.
end;

procedure ICreateErrorInfo.SetSource;
begin
  // A bare object keeps no state for SetSource to change.
end;

procedure ICreateErrorInfo.SetDescription;
begin
  // A bare object keeps no state for SetDescription to change.
end;

procedure ICreateErrorInfo.SetHelpFile;
begin
  // A bare object keeps no state for SetHelpFile to change.
end;

procedure ICreateErrorInfo.SetHelpContext;
begin
  // A bare object keeps no state for SetHelpContext to change.
end;

{ ISupportErrorInfo }

procedure ISupportErrorInfo.InterfaceSupportsErrorInfo;
begin
  // A bare object keeps no state for InterfaceSupportsErrorInfo to change.
end;

{ IOleAdviseHolder }

procedure IOleAdviseHolder.Advise;
begin
  // A bare object keeps no state for Advise to change.
end;

procedure IOleAdviseHolder.Unadvise;
begin
  // A bare object keeps no state for Unadvise to change.
end;

procedure IOleAdviseHolder.EnumAdvise;
begin
  // A bare object keeps no state for EnumAdvise to change.
end;

procedure IOleAdviseHolder.SendOnRename;
begin
  // A bare object keeps no state for SendOnRename to change.
end;

procedure IOleAdviseHolder.SendOnSave;
begin
  // A bare object keeps no state for SendOnSave to change.
end;

procedure IOleAdviseHolder.SendOnClose;
begin
  // A bare object keeps no state for SendOnClose to change.
end;

{ IOleCache }

procedure IOleCache.Cache;
begin
  // A bare object keeps no state for Cache to change.
end;

procedure IOleCache.Uncache;
begin
  // A bare object keeps no state for Uncache to change.
end;

procedure IOleCache.EnumCache;
begin
  // A bare object keeps no state for EnumCache to change.
end;

procedure IOleCache.InitCache;
begin
  // A bare object keeps no state for InitCache to change.
end;

procedure IOleCache.SetData;
begin
  // A bare object keeps no state for SetData to change.
end;

{ IOleCache2 }

procedure IOleCache2.UpdateCache;
begin
  // A bare object keeps no state for UpdateCache to change.
end;

procedure IOleCache2.DiscardCache;
begin
  // A bare object keeps no state for DiscardCache to change.
end;

{ IOleCacheControl }

procedure IOleCacheControl.OnRun;
begin
  // A bare object keeps no state for OnRun to change.
end;

procedure IOleCacheControl.OnStop;
begin
  // A bare object keeps no state for OnStop to change.
end;

{ IParseDisplayName }

procedure IParseDisplayName.ParseDisplayName;
begin
  // A bare object keeps no state for ParseDisplayName to change.
end;

{ IOleContainer }

procedure IOleContainer.EnumObjects;
begin
  // A bare object keeps no state for EnumObjects to change.
end;

procedure IOleContainer.LockContainer;
begin
  // A bare object keeps no state for LockContainer to change.
end;

{ IOleClientSite }

procedure IOleClientSite.SaveObject;
begin
  // A bare object keeps no state for SaveObject to change.
end;

function IOleClientSite.GetMoniker: Integer;
begin
  Result := 0;
end;

function IOleClientSite.GetContainer: Integer;
begin
  Result := 0;
end;

procedure IOleClientSite.ShowObject;
begin
  // A bare object keeps no state for ShowObject to change.
end;

procedure IOleClientSite.OnShowWindow;
begin
  // A bare object keeps no state for OnShowWindow to change.
end;

procedure IOleClientSite.RequestNewObjectLayout;
begin
  // A bare object keeps no state for RequestNewObjectLayout to change.
end;

{ IEnumOleVerb }

procedure IEnumOleVerb.Next;
begin
  // A bare object keeps no state for Next to change.
end;

procedure IEnumOleVerb.Skip;
begin
  // A bare object keeps no state for Skip to change.
end;

procedure IEnumOleVerb.Reset;
begin
  // A bare object keeps no state for Reset to change.
end;

procedure IEnumOleVerb.Clone;
begin
  // A bare object keeps no state for Clone to change.
end;

{ IOleObject }

procedure IOleObject.SetClientSite;
begin
  // A bare object keeps no state for SetClientSite to change.
end;

function IOleObject.GetClientSite: Integer;
begin
  Result := 0;
end;

procedure IOleObject.SetHostNames;
begin
  // A bare object keeps no state for SetHostNames to change.
end;

procedure IOleObject.Close;
begin
  // A bare object keeps no state for Close to change.
end;

procedure IOleObject.SetMoniker;
begin
  // A bare object keeps no state for SetMoniker to change.
end;

function IOleObject.GetMoniker: Integer;
begin
  Result := 0;
end;

procedure IOleObject.InitFromData;
begin
  // A bare object keeps no state for InitFromData to change.
end;

function IOleObject.GetClipboardData: Integer;
begin
  Result := 0;
end;

procedure IOleObject.DoVerb;
begin
  // A bare object keeps no state for DoVerb to change.
end;

procedure IOleObject.EnumVerbs;
begin
  // A bare object keeps no state for EnumVerbs to change.
end;

procedure IOleObject.Update;
begin
  // A bare object keeps no state for Update to change.
end;

function IOleObject.IsUpToDate: Boolean;
begin
  Result := Self <> nil;
end;

function IOleObject.GetUserClassID: Integer;
begin
  Result := 0;
end;

function IOleObject.GetUserType: Integer;
begin
  Result := 0;
end;

procedure IOleObject.SetExtent;
begin
  // A bare object keeps no state for SetExtent to change.
end;

function IOleObject.GetExtent: Integer;
begin
  Result := 0;
end;

procedure IOleObject.Advise;
begin
  // A bare object keeps no state for Advise to change.
end;

procedure IOleObject.Unadvise;
begin
  // A bare object keeps no state for Unadvise to change.
end;

procedure IOleObject.EnumAdvise;
begin
  // A bare object keeps no state for EnumAdvise to change.
end;

function IOleObject.GetMiscStatus: Integer;
begin
  Result := 0;
end;

procedure IOleObject.SetColorScheme;
begin
  // A bare object keeps no state for SetColorScheme to change.
end;

{ IOleWindow }

function IOleWindow.GetWindow: Integer;
begin
  Result := 0;
end;

procedure IOleWindow.ContextSensitiveHelp;
begin
  // A bare object keeps no state for ContextSensitiveHelp to change.
end;

{ IOleLink }

procedure IOleLink.SetUpdateOptions;
begin
  // A bare object keeps no state for SetUpdateOptions to change.
end;

function IOleLink.GetUpdateOptions: Integer;
begin
  Result := 0;
end;

procedure IOleLink.SetSourceMoniker;
begin
  // A bare object keeps no state for SetSourceMoniker to change.
end;

function IOleLink.GetSourceMoniker: Integer;
begin
  Result := 0;
end;

procedure IOleLink.SetSourceDisplayName;
begin
  // A bare object keeps no state for SetSourceDisplayName to change.
end;

function IOleLink.GetSourceDisplayName: Integer;
begin
  Result := 0;
end;

procedure IOleLink.BindToSource;
begin
  // A bare object keeps no state for BindToSource to change.
end;

procedure IOleLink.BindIfRunning;
begin
  // A bare object keeps no state for BindIfRunning to change.
end;

function IOleLink.GetBoundSource: Integer;
begin
  Result := 0;
end;

procedure IOleLink.UnbindSource;
begin
  // A bare object keeps no state for UnbindSource to change.
end;

procedure IOleLink.Update;
begin
  // A bare object keeps no state for Update to change.
end;

{ IOleItemContainer }

function IOleItemContainer.GetObject: Integer;
begin
  Result := 0;
end;

function IOleItemContainer.GetObjectStorage: Integer;
begin
  Result := 0;
end;

function IOleItemContainer.IsRunning: Boolean;
begin
  Result := Self <> nil;
end;

{ IOleInPlaceUIWindow }

function IOleInPlaceUIWindow.GetBorder: Integer;
begin
  Result := 0;
end;

procedure IOleInPlaceUIWindow.RequestBorderSpace;
begin
  // A bare object keeps no state for RequestBorderSpace to change.
end;

procedure IOleInPlaceUIWindow.SetBorderSpace;
begin
  // A bare object keeps no state for SetBorderSpace to change.
end;

procedure IOleInPlaceUIWindow.SetActiveObject;
begin
  // A bare object keeps no state for SetActiveObject to change.
end;

{ IOleInPlaceActiveObject }

procedure IOleInPlaceActiveObject.TranslateAccelerator;
begin
  // A bare object keeps no state for TranslateAccelerator to change.
end;

procedure IOleInPlaceActiveObject.OnFrameWindowActivate;
begin
  // A bare object keeps no state for OnFrameWindowActivate to change.
end;

procedure IOleInPlaceActiveObject.OnDocWindowActivate;
begin
  // A bare object keeps no state for OnDocWindowActivate to change.
end;

procedure IOleInPlaceActiveObject.ResizeBorder;
begin
  // A bare object keeps no state for ResizeBorder to change.
end;

procedure IOleInPlaceActiveObject.EnableModeless;
begin
  // A bare object keeps no state for EnableModeless to change.
end;

{ IOleInPlaceFrame }

procedure IOleInPlaceFrame.InsertMenus;
begin
  // A bare object keeps no state for InsertMenus to change.
end;

procedure IOleInPlaceFrame.SetMenu;
begin
  // A bare object keeps no state for SetMenu to change.
end;

procedure IOleInPlaceFrame.RemoveMenus;
begin
  // A bare object keeps no state for RemoveMenus to change.
end;

procedure IOleInPlaceFrame.SetStatusText;
begin
  // A bare object keeps no state for SetStatusText to change.
end;

procedure IOleInPlaceFrame.EnableModeless;
begin
  // A bare object keeps no state for EnableModeless to change.
end;

procedure IOleInPlaceFrame.TranslateAccelerator;
begin
  // A bare object keeps no state for TranslateAccelerator to change.
end;

{ IOleInPlaceObject }

procedure IOleInPlaceObject.InPlaceDeactivate;
begin
  // A bare object keeps no state for InPlaceDeactivate to change.
end;

procedure IOleInPlaceObject.UIDeactivate;
begin
  // A bare object keeps no state for UIDeactivate to change.
end;

procedure IOleInPlaceObject.SetObjectRects;
begin
  // A bare object keeps no state for SetObjectRects to change.
end;

procedure IOleInPlaceObject.ReactivateAndUndo;
begin
  // A bare object keeps no state for ReactivateAndUndo to change.
end;

{ IOleInPlaceSite }

function IOleInPlaceSite.CanInPlaceActivate: Boolean;
begin
  Result := Self <> nil;
end;

procedure IOleInPlaceSite.OnInPlaceActivate;
begin
  // A bare object keeps no state for OnInPlaceActivate to change.
end;

procedure IOleInPlaceSite.OnUIActivate;
begin
  // A bare object keeps no state for OnUIActivate to change.
end;

function IOleInPlaceSite.GetWindowContext: Integer;
begin
  Result := 0;
end;

procedure IOleInPlaceSite.Scroll;
begin
  // A bare object keeps no state for Scroll to change.
end;

procedure IOleInPlaceSite.OnUIDeactivate;
begin
  // A bare object keeps no state for OnUIDeactivate to change.
end;

procedure IOleInPlaceSite.OnInPlaceDeactivate;
begin
  // A bare object keeps no state for OnInPlaceDeactivate to change.
end;

procedure IOleInPlaceSite.DiscardUndoState;
begin
  // A bare object keeps no state for DiscardUndoState to change.
end;

procedure IOleInPlaceSite.DeactivateAndUndo;
begin
  // A bare object keeps no state for DeactivateAndUndo to change.
end;

procedure IOleInPlaceSite.OnPosRectChange;
begin
  // A bare object keeps no state for OnPosRectChange to change.
end;

{ IViewObject }

procedure IViewObject.Draw;
begin
  // A bare object keeps no state for Draw to change.
end;

function IViewObject.GetColorSet: Integer;
begin
  Result := 0;
end;

procedure IViewObject.Freeze;
begin
  // A bare object keeps no state for Freeze to change.
end;

procedure IViewObject.Unfreeze;
begin
  // A bare object keeps no state for Unfreeze to change.
end;

procedure IViewObject.SetAdvise;
begin
  // A bare object keeps no state for SetAdvise to change.
end;

function IViewObject.GetAdvise: Integer;
begin
  Result := 0;
end;

{ IViewObject2 }

function IViewObject2.GetExtent: Integer;
begin
  Result := 0;
end;

{ IDropSource }

procedure IDropSource.QueryContinueDrag;
begin
  // A bare object keeps no state for QueryContinueDrag to change.
end;

procedure IDropSource.GiveFeedback;
begin
  // A bare object keeps no state for GiveFeedback to change.
end;

{ IDropTarget }

procedure IDropTarget.DragEnter;
begin
  // A bare object keeps no state for DragEnter to change.
end;

procedure IDropTarget.DragOver;
begin
  // A bare object keeps no state for DragOver to change.
end;

procedure IDropTarget.DragLeave;
begin
  // A bare object keeps no state for DragLeave to change.
end;

procedure IDropTarget.Drop;
begin
  // A bare object keeps no state for Drop to change.
end;

end.
