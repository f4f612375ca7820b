{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       OleDlg unit: OLE standard dialogs               }
{                                                       }
{*******************************************************}

unit OleDlg;

interface

uses SysUtils, Ole2, OleCtl;

const
  { Insert Object dialog flags }
  IOF_SHOWHELP = $00000001;
  IOF_SELECTCREATENEW = $00000002;
  IOF_SELECTCREATEFROMFILE = $00000004;
  IOF_CHECKLINK = $00000008;
  IOF_CHECKDISPLAYASICON = $00000010;
  IOF_CREATENEWOBJECT = $00000020;
  IOF_CREATEFILEOBJECT = $00000040;
  IOF_CREATELINKOBJECT = $00000080;
  IOF_DISABLELINK = $00000100;
  IOF_VERIFYSERVERSEXIST = $00000200;
  IOF_DISABLEDISPLAYASICON = $00000400;

  { Paste Special dialog flags }
  PSF_SHOWHELP = $00000001;
  PSF_SELECTPASTE = $00000002;
  PSF_SELECTPASTELINK = $00000004;
  PSF_CHECKDISPLAYASICON = $00000008;
  PSF_DISABLEDISPLAYASICON = $00000010;

  { Return codes }
  OLEUI_FALSE = 0;
  OLEUI_SUCCESS = 1;
  OLEUI_OK = 1;
  OLEUI_CANCEL = 2;
  OLEUI_ERR_STANDARDMIN = 100;
  OLEUI_ERR_STRUCTURENULL = 101;
  OLEUI_ERR_STRUCTUREINVALID = 102;
  OLEUI_ERR_CBSTRUCTINCORRECT = 103;
  OLEUI_ERR_HWNDOWNERINVALID = 104;
  OLEUI_ERR_LPSZCAPTIONINVALID = 105;
  OLEUI_ERR_LPFNHOOKINVALID = 106;
  OLEUI_ERR_OLEMEMALLOC = 108;

  OLEUI_CCHPATHMAX = 256;
  OLEUI_CCHLABELMAX = 40;
  OLEUI_CCHVERBMAX = 32;

type
  TOleUIHook = function(Wnd: HWnd; Msg, WParam, LParam: Longint): Longint; stdcall;

  POleUIInsertObject = ^TOleUIInsertObject;
  TOleUIInsertObject = record
    cbStruct: Longint;
    dwFlags: Longint;
    hWndOwner: HWnd;
    lpszCaption: PChar;
    lpfnHook: TOleUIHook;
    lCustData: Longint;
    hInstance: THandle;
    lpszTemplate: PChar;
    hResource: THandle;
    clsid: TCLSID;
    lpszFile: PChar;
    cchFile: Integer;
    cClsidExclude: Integer;
    lpClsidExclude: PCLSID;
    iid: TIID;
    oleRender: Longint;
    lpFormatEtc: PFormatEtc;
    lpIOleClientSite: IOleClientSite;
    lpIStorage: IStorage;
    ppvObj: Pointer;
    sc: HResult;
    hMetaPict: HGlobal;
  end;

  POleUIPasteEntry = ^TOleUIPasteEntry;
  TOleUIPasteEntry = record
    fmtetc: TFormatEtc;
    lpstrFormatName: PChar;
    lpstrResultText: PChar;
    dwFlags: Longint;
    dwScratchSpace: Longint;
  end;

  POleUIPasteSpecial = ^TOleUIPasteSpecial;
  TOleUIPasteSpecial = record
    cbStruct: Longint;
    dwFlags: Longint;
    hWndOwner: HWnd;
    lpszCaption: PChar;
    lpfnHook: TOleUIHook;
    lCustData: Longint;
    hInstance: THandle;
    lpszTemplate: PChar;
    hResource: THandle;
    lpSrcDataObj: IDataObject;
    arrPasteEntries: POleUIPasteEntry;
    cPasteEntries: Integer;
    arrLinkTypes: PLongint;
    cLinkTypes: Integer;
    cClsidExclude: Integer;
    lpClsidExclude: PCLSID;
    nSelectedIndex: Integer;
    fLink: BOOL;
    hMetaPict: HGlobal;
    sizel: TSize;
  end;

  { Link and object information providers the dialogs call back into }
  IOleUILinkContainer = class(IUnknown)
  public
    function GetNextLink(dwLink: Longint): Longint; virtual; stdcall; abstract;
    function SetLinkUpdateOptions(dwLink: Longint; dwUpdateOpt: Longint): HResult; virtual; stdcall; abstract;
    function GetLinkUpdateOptions(dwLink: Longint;
      var dwUpdateOpt: Longint): HResult; virtual; stdcall; abstract;
    function SetLinkSource(dwLink: Longint; pszDisplayName: PChar;
      lenFileName: Longint; var chEaten: Longint;
      fValidateSource: BOOL): HResult; virtual; stdcall; abstract;
    function GetLinkSource(dwLink: Longint; var pszDisplayName: PChar;
      var lenFileName: Longint; var pszFullLinkType: PChar;
      var pszShortLinkType: PChar; var fSourceAvailable: BOOL;
      var fIsSelected: BOOL): HResult; virtual; stdcall; abstract;
    function OpenLinkSource(dwLink: Longint): HResult; virtual; stdcall; abstract;
    function UpdateLink(dwLink: Longint; fErrorMessage: BOOL;
      fErrorAction: BOOL): HResult; virtual; stdcall; abstract;
    function CancelLink(dwLink: Longint): HResult; virtual; stdcall; abstract;
  end;

  IOleUIObjInfo = class(IUnknown)
  public
    function GetObjectInfo(dwObject: Longint; var dwObjSize: Longint;
      var lpszLabel: PChar; var lpszType: PChar; var lpszShortType: PChar;
      var lpszLocation: PChar): HResult; virtual; stdcall; abstract;
    function GetConvertInfo(dwObject: Longint; var ClassID: TCLSID;
      var wFormat: Word; var ConvertDefaultClassID: TCLSID;
      var lpClsidExclude: PCLSID; var cClsidExclude: Longint): HResult; virtual; stdcall; abstract;
    function ConvertObject(dwObject: Longint; const clsidNew: TCLSID): HResult; virtual; stdcall; abstract;
    function GetViewInfo(dwObject: Longint; var hMetaPict: HGlobal;
      var dvAspect: Longint; var nCurrentScale: Integer): HResult; virtual; stdcall; abstract;
    function SetViewInfo(dwObject: Longint; hMetaPict: HGlobal;
      dvAspect: Longint; nCurrentScale: Integer;
      bRelativeToOrig: BOOL): HResult; virtual; stdcall; abstract;
  end;

  IOleUILinkInfo = class(IOleUILinkContainer)
  public
    function GetLastUpdate(dwLink: Longint; var LastUpdate: TFileTime): HResult; virtual; stdcall; abstract;
  end;

  { A small Pascal wrapper that keeps the dialog records filled in. }
  TOleUIDialogRecord = class(TObject)
  private
    FOwner: HWnd;
    FCaption: string;
    FFlags: Longint;
    FResult: Integer;
  public
    constructor Create(AOwner: HWnd; const ACaption: string);
    function Execute: Boolean; virtual;
    function ErrorText: string;
    property Owner: HWnd read FOwner;
    property Caption: string read FCaption write FCaption;
    property Flags: Longint read FFlags write FFlags;
    property LastResult: Integer read FResult;
  end;

function OleUIInsertObject(var Info: TOleUIInsertObject): Integer; stdcall;
function OleUIPasteSpecial(var Info: TOleUIPasteSpecial): Integer; stdcall;
function OleUIAddVerbMenu(oleObj: IOleObject; pszShortType: PChar;
  menu: HMenu; uPos: Integer; uIDVerbMin: Integer; uIDVerbMax: Integer;
  bAddConvert: BOOL; idConvert: Integer; var outMenu: HMenu): BOOL; stdcall;
function OleUIEditLinks(var Info: Pointer): Integer; stdcall;
function OleUIChangeIcon(var Info: Pointer): Integer; stdcall;
function OleUIBusy(var Info: Pointer): Integer; stdcall;

implementation

const
  oledlg = 'oledlg.dll';

function OleUIInsertObject; external oledlg name 'OleUIInsertObjectA';
function OleUIPasteSpecial; external oledlg name 'OleUIPasteSpecialA';
function OleUIAddVerbMenu; external oledlg name 'OleUIAddVerbMenuA';
function OleUIEditLinks; external oledlg name 'OleUIEditLinksA';
function OleUIChangeIcon; external oledlg name 'OleUIChangeIconA';
function OleUIBusy; external oledlg name 'OleUIBusyA';

{ TOleUIDialogRecord }

constructor TOleUIDialogRecord.Create(AOwner: HWnd; const ACaption: string);
begin
  inherited Create;
  FOwner := AOwner;
  FCaption := ACaption;
  FResult := OLEUI_FALSE;
end;

function TOleUIDialogRecord.Execute: Boolean;
begin
  { descendants fill in their record and call the matching OleUI routine }
  FResult := OLEUI_CANCEL;
  Result := FResult = OLEUI_OK;
end;

function TOleUIDialogRecord.ErrorText: string;
begin
  case FResult of
    OLEUI_OK, OLEUI_CANCEL, OLEUI_FALSE:
      Result := '';
    OLEUI_ERR_STRUCTURENULL:
      Result := 'The dialog record is missing';
    OLEUI_ERR_STRUCTUREINVALID, OLEUI_ERR_CBSTRUCTINCORRECT:
      Result := 'The dialog record is not valid (wrong size?)';
    OLEUI_ERR_HWNDOWNERINVALID:
      Result := 'The owner window is not valid';
    OLEUI_ERR_OLEMEMALLOC:
      Result := 'OLE could not allocate memory';
  else
    Result := Format('Dialog error %d', [FResult]);
  end;
end;

end.
