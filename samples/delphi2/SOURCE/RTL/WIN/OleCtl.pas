{*******************************************************}
{                                                       }
{       Quillmap 2 sample class library                 }
{       OleCtl unit: OLE control interfaces             }
{                                                       }
{*******************************************************}

unit OleCtl;

interface

uses SysUtils, Ole2;

const
  { Standard dispatch ids }
  DISPID_AUTOSIZE      = -500;
  DISPID_BACKCOLOR     = -501;
  DISPID_BACKSTYLE     = -502;
  DISPID_BORDERCOLOR   = -503;
  DISPID_BORDERSTYLE   = -504;
  DISPID_BORDERWIDTH   = -505;
  DISPID_DRAWMODE      = -507;
  DISPID_DRAWSTYLE     = -508;
  DISPID_DRAWWIDTH     = -509;
  DISPID_FILLCOLOR     = -510;
  DISPID_FILLSTYLE     = -511;
  DISPID_FONT          = -512;
  DISPID_FORECOLOR     = -513;
  DISPID_ENABLED       = -514;
  DISPID_HWND          = -515;
  DISPID_TABSTOP       = -516;
  DISPID_TEXT          = -517;
  DISPID_CAPTION       = -518;
  DISPID_BORDERVISIBLE = -519;
  DISPID_REFRESH       = -550;
  DISPID_DOCLICK       = -551;
  DISPID_ABOUTBOX      = -552;
  DISPID_CLICK         = -600;
  DISPID_DBLCLICK      = -601;
  DISPID_KEYDOWN       = -602;
  DISPID_KEYPRESS      = -603;
  DISPID_KEYUP         = -604;
  DISPID_MOUSEDOWN     = -605;
  DISPID_MOUSEMOVE     = -606;
  DISPID_MOUSEUP       = -607;
  DISPID_ERROREVENT    = -608;
  DISPID_AMBIENT_BACKCOLOR = -701;
  DISPID_AMBIENT_DISPLAYNAME = -702;
  DISPID_AMBIENT_FONT = -703;
  DISPID_AMBIENT_FORECOLOR = -704;
  DISPID_AMBIENT_LOCALEID = -705;
  DISPID_AMBIENT_USERMODE = -709;
  DISPID_AMBIENT_UIDEAD = -710;

  { Control status bits }
  OLEMISC_RECOMPOSEONRESIZE = 1;
  OLEMISC_ONLYICONIC = 2;
  OLEMISC_INSERTNOTREPLACE = 4;
  OLEMISC_STATIC = 8;
  OLEMISC_CANTLINKINSIDE = 16;
  OLEMISC_INVISIBLEATRUNTIME = $400;
  OLEMISC_ALWAYSRUN = $800;
  OLEMISC_ACTSLIKEBUTTON = $1000;
  OLEMISC_ACTSLIKELABEL = $2000;
  OLEMISC_NOUIACTIVATE = $4000;
  OLEMISC_ALIGNABLE = $8000;
  OLEMISC_SIMPLEFRAME = $10000;
  OLEMISC_SETCLIENTSITEFIRST = $20000;

  CTL_E_ILLEGALFUNCTIONCALL = HResult($800A0005);
  CONNECT_E_NOCONNECTION = HResult($80040200);
  CONNECT_E_ADVISELIMIT = HResult($80040201);
  CLASS_E_NOTLICENSED = HResult($80040112);
  PERPROP_E_NOPAGEAVAILABLE = HResult($80040200);

type
  TOleHandle = Longint;
  TOleXPos = Longint;
  TOleYPos = Longint;
  TOleXSize = Longint;
  TOleYSize = Longint;
  TOleColor = Longint;

  PLicInfo = ^TLicInfo;
  TLicInfo = record
    cbLicInfo: Longint;
    fRuntimeKeyAvail: BOOL;
    fLicVerified: BOOL;
  end;

  PControlInfo = ^TControlInfo;
  TControlInfo = record
    cb: Longint;
    hAccel: HACCEL;
    cAccel: Word;
    dwFlags: Longint;
  end;

  PPointF = ^TPointF;
  TPointF = record
    x: Single;
    y: Single;
  end;

  PPropPageInfo = ^TPropPageInfo;
  TPropPageInfo = record
    cb: Longint;
    pszTitle: POleStr;
    size: TSize;
    pszDocString: POleStr;
    pszHelpFile: POleStr;
    dwHelpContext: Longint;
  end;

  PCAGUID = ^TCAGUID;
  TCAGUID = record
    cElems: Longint;
    pElems: PGUID;
  end;

  PCAPOleStr = ^TCAPOleStr;
  TCAPOleStr = record
    cElems: Longint;
    pElems: PPOleStr;
  end;

  PCALongint = ^TCALongint;
  TCALongint = record
    cElems: Longint;
    pElems: PLongint;
  end;

  PConnectData = ^TConnectData;
  TConnectData = record
    pUnk: IUnknown;
    dwCookie: Longint;
  end;

  PFontDesc = ^TFontDesc;
  TFontDesc = record
    cbSizeofstruct: Integer;
    lpstrName: POleStr;
    cySize: Currency;
    sWeight: Smallint;
    sCharset: Smallint;
    fItalic: BOOL;
    fUnderline: BOOL;
    fStrikethrough: BOOL;
  end;

  PPictDesc = ^TPictDesc;
  TPictDesc = record
    cbSizeofstruct: Integer;
    picType: Integer;
    hbitmap: THandle;
    hpal: THandle;
  end;

  IPropertyPageSite = class;
  IConnectionPoint = class;

  IClassFactory2 = class(IClassFactory)
  public
    function GetLicInfo(var licInfo: TLicInfo): HResult; virtual; stdcall; abstract;
    function RequestLicKey(dwResrved: Longint; var bstrKey: POleStr): HResult; virtual; stdcall; abstract;
    function CreateInstanceLic(unkOuter: IUnknown; unkReserved: IUnknown;
      const iid: TIID; bstrKey: POleStr; var vObject): HResult; virtual; stdcall; abstract;
  end;

  IProvideClassInfo = class(IUnknown)
  public
    function GetClassInfo(var ti: ITypeInfo): HResult; virtual; stdcall; abstract;
  end;

  IProvideClassInfo2 = class(IProvideClassInfo)
  public
    function GetGUID(dwGuidKind: Longint; var guid: TGUID): HResult; virtual; stdcall; abstract;
  end;

  IOleControl = class(IUnknown)
  public
    function GetControlInfo(var ci: TControlInfo): HResult; virtual; stdcall; abstract;
    function OnMnemonic(msg: PMsg): HResult; virtual; stdcall; abstract;
    function OnAmbientPropertyChange(dispid: TDispID): HResult; virtual; stdcall; abstract;
    function FreezeEvents(bFreeze: BOOL): HResult; virtual; stdcall; abstract;
  end;

  IOleControlSite = class(IUnknown)
  public
    function OnControlInfoChanged: HResult; virtual; stdcall; abstract;
    function LockInPlaceActive(fLock: BOOL): HResult; virtual; stdcall; abstract;
    function GetExtendedControl(var disp: IDispatch): HResult; virtual; stdcall; abstract;
    function TransformCoords(var ptlHimetric: TPoint; var ptfContainer: TPointF;
      flags: Longint): HResult; virtual; stdcall; abstract;
    function TranslateAccelerator(msg: PMsg; grfModifiers: Longint): HResult; virtual; stdcall; abstract;
    function OnFocus(fGotFocus: BOOL): HResult; virtual; stdcall; abstract;
    function ShowPropertyFrame: HResult; virtual; stdcall; abstract;
  end;

  ISimpleFrameSite = class(IUnknown)
  public
    function PreMessageFilter(wnd: HWnd; msg, wp, lp: Integer;
      var res: Integer; var Cookie: Longint): HResult; virtual; stdcall; abstract;
    function PostMessageFilter(wnd: HWnd; msg, wp, lp: Integer;
      var res: Integer; Cookie: Longint): HResult; virtual; stdcall; abstract;
  end;

  IPersistStreamInit = class(IPersist)
  public
    function IsDirty: HResult; virtual; stdcall; abstract;
    function Load(stm: IStream): HResult; virtual; stdcall; abstract;
    function Save(stm: IStream; fClearDirty: BOOL): HResult; virtual; stdcall; abstract;
    function GetSizeMax(var cbSize: TLargeInt): HResult; virtual; stdcall; abstract;
    function InitNew: HResult; virtual; stdcall; abstract;
  end;

  IPersistMemory = class(IPersist)
  public
    function IsDirty: HResult; virtual; stdcall; abstract;
    function Load(lpStream: Pointer; cbSize: Longint): HResult; virtual; stdcall; abstract;
    function Save(lpStream: Pointer; fClearDirty: BOOL; cbSize: Longint): HResult; virtual; stdcall; abstract;
    function GetSizeMax(var cbSize: Longint): HResult; virtual; stdcall; abstract;
    function InitNew: HResult; virtual; stdcall; abstract;
  end;

  IErrorLog = class(IUnknown)
  public
    function AddError(pszPropName: POleStr; pExcepInfo: PExcepInfo): HResult; virtual; stdcall; abstract;
  end;

  IPropertyBag = class(IUnknown)
  public
    function Read(pszPropName: POleStr; var pvar: Variant;
      errorLog: IErrorLog): HResult; virtual; stdcall; abstract;
    function Write(pszPropName: POleStr; const pvar: Variant): HResult; virtual; stdcall; abstract;
  end;

  IPersistPropertyBag = class(IPersist)
  public
    function InitNew: HResult; virtual; stdcall; abstract;
    function Load(propBag: IPropertyBag; errorLog: IErrorLog): HResult; virtual; stdcall; abstract;
    function Save(propBag: IPropertyBag; fClearDirty: BOOL;
      fSaveAllProperties: BOOL): HResult; virtual; stdcall; abstract;
  end;

  IPropertyNotifySink = class(IUnknown)
  public
    function OnChanged(dispid: TDispID): HResult; virtual; stdcall; abstract;
    function OnRequestEdit(dispid: TDispID): HResult; virtual; stdcall; abstract;
  end;

  IPropertyPage = class(IUnknown)
  public
    function SetPageSite(pageSite: IPropertyPageSite): HResult; virtual; stdcall; abstract;
    function Activate(hwndParent: HWnd; const rc: TRect; bModal: BOOL): HResult; virtual; stdcall; abstract;
    function Deactivate: HResult; virtual; stdcall; abstract;
    function GetPageInfo(var pageInfo: TPropPageInfo): HResult; virtual; stdcall; abstract;
    function SetObjects(cObjects: Longint; pUnkList: Pointer): HResult; virtual; stdcall; abstract;
    function Show(nCmdShow: Integer): HResult; virtual; stdcall; abstract;
    function Move(const rect: TRect): HResult; virtual; stdcall; abstract;
    function IsPageDirty: HResult; virtual; stdcall; abstract;
    function Apply: HResult; virtual; stdcall; abstract;
    function Help(pszHelpDir: POleStr): HResult; virtual; stdcall; abstract;
    function TranslateAccelerator(msg: PMsg): HResult; virtual; stdcall; abstract;
  end;

  IPropertyPage2 = class(IPropertyPage)
  public
    function EditProperty(dispid: TDispID): HResult; virtual; stdcall; abstract;
  end;

  IPropertyPageSite = class(IUnknown)
  public
    function OnStatusChange(flags: Longint): HResult; virtual; stdcall; abstract;
    function GetLocaleID(var localeID: TLCID): HResult; virtual; stdcall; abstract;
    function GetPageContainer(var unk: IUnknown): HResult; virtual; stdcall; abstract;
    function TranslateAccelerator(msg: PMsg): HResult; virtual; stdcall; abstract;
  end;

  ISpecifyPropertyPages = class(IUnknown)
  public
    function GetPages(var pages: TCAGUID): HResult; virtual; stdcall; abstract;
  end;

  IPerPropertyBrowsing = class(IUnknown)
  public
    function GetDisplayString(dispid: TDispID; var bstr: POleStr): HResult; virtual; stdcall; abstract;
    function MapPropertyToPage(dispid: TDispID; var clsid: TCLSID): HResult; virtual; stdcall; abstract;
    function GetPredefinedStrings(dispid: TDispID; var caStringsOut: TCAPOleStr;
      var caCookiesOut: TCALongint): HResult; virtual; stdcall; abstract;
    function GetPredefinedValue(dispid: TDispID; dwCookie: Longint;
      var varOut: Variant): HResult; virtual; stdcall; abstract;
  end;

  IFont = class(IUnknown)
  public
    function get_Name(var name: POleStr): HResult; virtual; stdcall; abstract;
    function put_Name(name: POleStr): HResult; virtual; stdcall; abstract;
    function get_Size(var size: Currency): HResult; virtual; stdcall; abstract;
    function put_Size(size: Currency): HResult; virtual; stdcall; abstract;
    function get_Bold(var bold: BOOL): HResult; virtual; stdcall; abstract;
    function put_Bold(bold: BOOL): HResult; virtual; stdcall; abstract;
    function get_Italic(var italic: BOOL): HResult; virtual; stdcall; abstract;
    function put_Italic(italic: BOOL): HResult; virtual; stdcall; abstract;
    function get_Underline(var underline: BOOL): HResult; virtual; stdcall; abstract;
    function put_Underline(underline: BOOL): HResult; virtual; stdcall; abstract;
    function get_Strikethrough(var strikethrough: BOOL): HResult; virtual; stdcall; abstract;
    function put_Strikethrough(strikethrough: BOOL): HResult; virtual; stdcall; abstract;
    function get_Weight(var weight: Smallint): HResult; virtual; stdcall; abstract;
    function put_Weight(weight: Smallint): HResult; virtual; stdcall; abstract;
    function get_Charset(var charset: Smallint): HResult; virtual; stdcall; abstract;
    function put_Charset(charset: Smallint): HResult; virtual; stdcall; abstract;
    function get_hFont(var font: HFont): HResult; virtual; stdcall; abstract;
    function Clone(var font: IFont): HResult; virtual; stdcall; abstract;
    function IsEqual(fontOther: IFont): HResult; virtual; stdcall; abstract;
    function SetRatio(cyLogical, cyHimetric: Longint): HResult; virtual; stdcall; abstract;
    function QueryTextMetrics(var tm: Pointer): HResult; virtual; stdcall; abstract;
    function AddRefHfont(font: HFont): HResult; virtual; stdcall; abstract;
    function ReleaseHfont(font: HFont): HResult; virtual; stdcall; abstract;
  end;

  IFontDisp = class(IDispatch);

  IPicture = class(IUnknown)
  public
    function get_Handle(var handle: TOleHandle): HResult; virtual; stdcall; abstract;
    function get_hPal(var handle: TOleHandle): HResult; virtual; stdcall; abstract;
    function get_Type(var typ: Smallint): HResult; virtual; stdcall; abstract;
    function get_Width(var width: TOleXSize): HResult; virtual; stdcall; abstract;
    function get_Height(var height: TOleYSize): HResult; virtual; stdcall; abstract;
    function Render(dc: HDC; x, y, cx, cy: Longint;
      xSrc: TOleXPos; ySrc: TOleYPos; cxSrc: TOleXSize; cySrc: TOleYSize;
      const rcWBounds: TRect): HResult; virtual; stdcall; abstract;
    function set_hPal(hpal: TOleHandle): HResult; virtual; stdcall; abstract;
    function get_CurDC(var dcOut: HDC): HResult; virtual; stdcall; abstract;
    function SelectPicture(dcIn: HDC; var hdcOut: HDC;
      var bmpOut: TOleHandle): HResult; virtual; stdcall; abstract;
    function get_KeepOriginalFormat(var fkeep: BOOL): HResult; virtual; stdcall; abstract;
    function put_KeepOriginalFormat(fkeep: BOOL): HResult; virtual; stdcall; abstract;
    function PictureChanged: HResult; virtual; stdcall; abstract;
    function SaveAsFile(stream: IStream; fSaveMemCopy: BOOL;
      var cbSize: Longint): HResult; virtual; stdcall; abstract;
    function get_Attributes(var dwAttr: Longint): HResult; virtual; stdcall; abstract;
  end;

  IPictureDisp = class(IDispatch);

  IEnumConnections = class(IUnknown)
  public
    function Next(celt: Longint; var elt; pceltFetched: PLongint): HResult; virtual; stdcall; abstract;
    function Skip(celt: Longint): HResult; virtual; stdcall; abstract;
    function Reset: HResult; virtual; stdcall; abstract;
    function Clone(var Enum: IEnumConnections): HResult; virtual; stdcall; abstract;
  end;

  IEnumConnectionPoints = class(IUnknown)
  public
    function Next(celt: Longint; var elt; pceltFetched: PLongint): HResult; virtual; stdcall; abstract;
    function Skip(celt: Longint): HResult; virtual; stdcall; abstract;
    function Reset: HResult; virtual; stdcall; abstract;
    function Clone(var Enum: IEnumConnectionPoints): HResult; virtual; stdcall; abstract;
  end;

  IConnectionPointContainer = class(IUnknown)
  public
    function EnumConnectionPoints(var Enum: IEnumConnectionPoints): HResult; virtual; stdcall; abstract;
    function FindConnectionPoint(const iid: TIID; var cp: IConnectionPoint): HResult; virtual; stdcall; abstract;
  end;

  IConnectionPoint = class(IUnknown)
  public
    function GetConnectionInterface(var iid: TIID): HResult; virtual; stdcall; abstract;
    function GetConnectionPointContainer(var cpc: IConnectionPointContainer): HResult; virtual; stdcall; abstract;
    function Advise(unkSink: IUnknown; var dwCookie: Longint): HResult; virtual; stdcall; abstract;
    function Unadvise(dwCookie: Longint): HResult; virtual; stdcall; abstract;
    function EnumConnections(var Enum: IEnumConnections): HResult; virtual; stdcall; abstract;
  end;

function OleCreatePropertyFrame(hwndOwner: HWnd; x, y: Integer;
  lpszCaption: POleStr; cObjects: Integer; pObjects: Pointer; cPages: Integer;
  pPageCLSIDs: Pointer; lcid: TLCID; dwReserved: Longint;
  pvReserved: Pointer): HResult; stdcall;
function OleCreateFontIndirect(const FontDesc: TFontDesc; const iid: TIID;
  var vObject): HResult; stdcall;
function OleCreatePictureIndirect(const PictDesc: TPictDesc; const iid: TIID;
  fOwn: BOOL; var vObject): HResult; stdcall;
function OleTranslateColor(clr: TOleColor; hpal: HPalette;
  var colorref: Longint): HResult; stdcall;

{ Helpers for the HIMETRIC units controls use for their extents }
function HimetricToPixels(Himetric, PixelsPerInch: Integer): Integer;
function PixelsToHimetric(Pixels, PixelsPerInch: Integer): Integer;

implementation

const
  olepro32 = 'olepro32.dll';
  HimetricPerInch = 2540;

function OleCreatePropertyFrame; external olepro32 name 'OleCreatePropertyFrame';
function OleCreateFontIndirect; external olepro32 name 'OleCreateFontIndirect';
function OleCreatePictureIndirect; external olepro32 name 'OleCreatePictureIndirect';
function OleTranslateColor; external olepro32 name 'OleTranslateColor';

function HimetricToPixels(Himetric, PixelsPerInch: Integer): Integer;
begin
  Result := (Himetric * PixelsPerInch + HimetricPerInch div 2) div HimetricPerInch;
end;

function PixelsToHimetric(Pixels, PixelsPerInch: Integer): Integer;
begin
  Result := (Pixels * HimetricPerInch + PixelsPerInch div 2) div PixelsPerInch;
end;

end.
